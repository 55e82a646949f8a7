#include "persist/file_in.h"

#include <unistd.h>

#include <cstring>

#include "persist/os_file.h"
#include "persist/utf8.h"

File_In::File_In(const char* a_name, int32_t flags)
    : name(a_name), text_q(flags & FILE_TEXT),
      store(new char[(flags & FILE_TEXT ? INTERNAL_GROWTH : 1) * FILE_BUF_BYTES]), fd(os_open_read(a_name)),
      file_pos(0), n_carry(0) {
  pos_p = end_p = store.get();
  if (!(flags & FILE_AT_END)) return;
  try {
    file_pos = os_size(fd);
    os_seek(fd, file_pos);
  } catch (...) {
    ::close(fd);
    throw;
  }
}

File_In::~File_In() {
  if (fd >= 0) ::close(fd);
}

namespace {

// Reads into scratch after the carried bytes and converts what forms whole
// characters, reading again while a read gives only part of one; at the end
// of the file the carried bytes go out as they are.
int32_t refill_text(File_In& s) {
  char scratch[FILE_BUF_BYTES];
  for (;;) {
    std::memcpy(scratch, s.carry, size_t(s.n_carry));
    int64_t got = os_read(s.fd, scratch + s.n_carry, FILE_BUF_BYTES - s.n_carry);
    s.file_pos += got;
    int32_t n = s.n_carry + int32_t(got), n_used = 0;
    int32_t n_out = internal_of_utf8(scratch, n, s.store.get(), got == 0, n_used);
    s.n_carry = n - n_used;
    std::memcpy(s.carry, scratch + n_used, size_t(s.n_carry));
    if (n_out > 0 || got == 0) return n_out;
  }
}

}  // namespace

void File_In::refill() {
  if (pos_p != end_p) return;
  int32_t n = 0;
  if (text_q) {
    n = refill_text(*this);
  } else {
    n = int32_t(os_read(fd, store.get(), FILE_BUF_BYTES));
    file_pos += n;
  }
  pos_p = store.get();
  end_p = pos_p + n;
}

void seek(File_In& s, int64_t pos) {
  os_seek(s.fd, pos);
  s.pos_p = s.end_p = s.store.get();
  s.n_carry = 0;
  s.file_pos = pos;
}

void close(File_In& s) {
  int fd = s.fd;
  s.fd = -1;
  os_close(fd);
}
