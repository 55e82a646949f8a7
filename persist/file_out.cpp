#include "persist/file_out.h"

#include <unistd.h>

#include <cstring>

#include "persist/os_file.h"
#include "persist/utf8.h"

File_Out::File_Out(const char* a_name, int32_t flags)
    : name(a_name), text_q(flags & FILE_TEXT), fd(os_open_write(a_name)), file_pos(0) {
  first_p = write_p = buf;
  last_p = buf + FILE_BUF_BYTES;
  try {
    if (flags & FILE_AT_END) {
      file_pos = os_size(fd);
      os_seek(fd, file_pos);
    } else {
      os_seek(fd, 0);
      os_truncate(fd, 0);
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
}

File_Out::~File_Out() {
  if (fd >= 0) ::close(fd);
}

void File_Out::overflow() { flush(*this); }

namespace {

// The end of the last whole character: the byte after the last one below
// 0x80. A buffer of nothing but continuation bytes is not internal text and
// goes out as it is.
char* whole_chars_end(char* first_p, char* end_p) {
  char* p = end_p;
  while (p != first_p && uint8_t(p[-1]) >= 0x80) --p;
  return p == first_p ? end_p : p;
}

void flush_text(File_Out& s) {
  char* done_p = whole_chars_end(s.first_p, s.write_p);
  char out[UTF8_GROWTH * FILE_BUF_BYTES];
  int32_t n_out = utf8_of_internal(s.first_p, int32_t(done_p - s.first_p), out);
  os_write(s.fd, out, n_out);
  s.file_pos += n_out;
  int32_t n_tail = int32_t(s.write_p - done_p);
  std::memmove(s.first_p, done_p, size_t(n_tail));
  s.write_p = s.first_p + n_tail;
}

}  // namespace

void flush(File_Out& s) {
  int32_t count = int32_t(s.write_p - s.first_p);
  CHECK(count > 0);
  if (s.text_q) return flush_text(s);
  os_write(s.fd, s.first_p, count);
  s.file_pos += count;
  s.write_p = s.first_p;
}

namespace {

void flush_any(File_Out& s) {
  if (s.write_p != s.first_p) flush(s);
}

}  // namespace

void sync(File_Out& s) {
  flush_any(s);
  os_sync(s.fd);
}

void seek(File_Out& s, int64_t pos) {
  flush_any(s);
  os_seek(s.fd, pos);
  os_truncate(s.fd, pos);
  s.file_pos = pos;
}

// A text stream that ends inside a character still writes its last bytes.
void close(File_Out& s) {
  while (s.write_p != s.first_p) flush(s);
  os_sync(s.fd);
  int fd = s.fd;
  s.fd = -1;
  os_close(fd);
}
