// The platform's file calls, each raising OS_Err with the platform error
// number when it fails. Reads and writes are retried after a signal, and a
// write that the system takes in parts is continued, so callers see either
// every byte handled or an error.
#pragma once
#include <cstdint>

#include "persist/file_flags.h"

// Opens the file named by internal text and locks it: exclusively for
// writing (created when missing), shared for reading (it must exist).
int os_open_write(const char* name);
int os_open_read(const char* name);
void os_write(int fd, const char* bytes_p, int64_t n);
// Bytes read, 0 at the end of the file.
int64_t os_read(int fd, char* to_p, int64_t n);
void os_seek(int fd, int64_t pos);
void os_truncate(int fd, int64_t len);
int64_t os_size(int fd);
void os_sync(int fd);
void os_close(int fd);
