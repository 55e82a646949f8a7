#include "persist/os_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/err.h"
#include "persist/utf8.h"

namespace {

// A lock held by another stream is the file being in use; the half-opened
// file is closed first.
int locked(int fd, int lock) {
  if (fd < 0) raise_os_err_from_errno();
  if (flock(fd, lock | LOCK_NB) == 0) return fd;
  int e = errno;
  ::close(fd);
  throw OS_Err(e == EWOULDBLOCK ? FILE_IN_USE_CODE : os_code_from_errno(e));
}

}  // namespace

int os_open_write(const char* name) {
  return locked(::open(utf8_name(name).first_p, O_RDWR | O_CREAT | O_CLOEXEC, 0666), LOCK_EX);
}

int os_open_read(const char* name) {
  return locked(::open(utf8_name(name).first_p, O_RDONLY | O_CLOEXEC), LOCK_SH);
}

void os_write(int fd, const char* bytes_p, int64_t n) {
  while (n > 0) {
    ssize_t got = ::write(fd, bytes_p, size_t(n));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) raise_os_err_from_errno();
    bytes_p += got;
    n -= got;
  }
}

int64_t os_read(int fd, char* to_p, int64_t n) {
  for (;;) {
    ssize_t got = ::read(fd, to_p, size_t(n));
    if (got >= 0) return got;
    if (errno != EINTR) raise_os_err_from_errno();
  }
}

void os_seek(int fd, int64_t pos) {
  if (::lseek(fd, off_t(pos), SEEK_SET) < 0) raise_os_err_from_errno();
}

void os_truncate(int fd, int64_t len) {
  if (::ftruncate(fd, off_t(len)) != 0) raise_os_err_from_errno();
}

int64_t os_size(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0) raise_os_err_from_errno();
  return st.st_size;
}

void os_sync(int fd) {
  if (::fsync(fd) != 0) raise_os_err_from_errno();
}

// The descriptor is gone whatever close reports, so it is never closed twice.
void os_close(int fd) {
  if (::close(fd) != 0 && errno != EINTR) raise_os_err_from_errno();
}
