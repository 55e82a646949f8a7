#include "persist/safe_save.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/err.h"
#include "persist/file_out.h"
#include "persist/os_file.h"
#include "persist/utf8.h"

namespace {

// The old file, held locked while it is replaced, so that two saves or
// another program's lock never interleave; -1 when there is none yet.
struct Old_File {
  int fd = -1;
  mode_t mode = 0;
  explicit Old_File(const char* name) {
    fd = ::open(utf8_name(name).first_p, O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno == ENOENT) return;
      raise_os_err_from_errno();
    }
    struct stat st;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      int e = errno;
      ::close(fd);
      throw OS_Err(e == EWOULDBLOCK ? FILE_IN_USE_CODE : os_code_from_errno(e));
    }
    if (::fstat(fd, &st) == 0) mode = st.st_mode & 07777;
  }
  ~Old_File() {
    if (fd >= 0) ::close(fd);
  }
};

// The folder's entry for the new name is on the disk too; a folder that
// cannot be synced (some file systems refuse) leaves that to the system.
void sync_folder(const char* utf8_path) {
  std::string dir = utf8_path;
  size_t slash = dir.find_last_of('/');
  dir = slash == std::string::npos ? "." : slash == 0 ? "/" : dir.substr(0, slash);
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A symbolic link stands for the file it leads to: the new bytes replace
// that file, as writing into it would, and the link stays a link. A link
// that leads nowhere is replaced like a missing file.
Byte_Str linked_name(const char* name) {
  Byte_Str utf8 = utf8_name(name);
  struct stat st;
  if (::lstat(utf8.first_p, &st) != 0 || !S_ISLNK(st.st_mode)) return Byte_Str(name);
  std::unique_ptr<char, void (*)(void*)> real_p(::realpath(utf8.first_p, nullptr), std::free);
  return real_p ? internal_name(real_p.get()) : Byte_Str(name);
}

}  // namespace

Byte_Str saving_name(const char* name) {
  Byte_Str s(name);
  put_text(s, ".saving");
  return s;
}

void save_beside(const char* link_name, const std::function<void(Out_Stream&)>& write) {
  Byte_Str target = linked_name(link_name);
  const char* name = c_str(target);
  Old_File old(name);
  Byte_Str temp = saving_name(name);
  Byte_Str temp_utf8 = utf8_name(c_str(temp)), name_utf8 = utf8_name(name);
  File_Out out(c_str(temp), 0);
  try {
    if (old.fd >= 0 && ::fchmod(out.fd, old.mode) != 0) raise_os_err_from_errno();
    write(out);
    close(out);  // flushes and syncs
    if (::rename(temp_utf8.first_p, name_utf8.first_p) != 0) raise_os_err_from_errno();
  } catch (...) {
    ::unlink(temp_utf8.first_p);
    throw;
  }
  sync_folder(name_utf8.first_p);
}
