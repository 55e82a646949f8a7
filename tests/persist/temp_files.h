// Real files for the stream tests: a fresh folder per test, whole-file
// reads and writes done with the C library, and the code of the OS_Err a
// call raises.
#pragma once
#include <stdlib.h>
#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/err.h"

struct Temp_Dir {
  std::string path;
  Temp_Dir() {
    char templ[] = "/tmp/veza_persist_XXXXXX";
    path = mkdtemp(templ);
  }
  ~Temp_Dir() { std::filesystem::remove_all(path); }
  std::string file(const char* name) const { return path + "/" + name; }
};

inline std::string file_bytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void put_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The platform code of the OS_Err that f raises, or -1.
template <class F>
int os_code_of(F f) {
  try {
    f();
  } catch (const OS_Err& e) {
    return e.code;
  }
  return -1;
}

// A small file system of its own, for a full disk and a read-only one; only
// where the tests may mount (as root). mounted_q says whether it is there.
struct Small_Fs {
  Temp_Dir dir;
  bool mounted_q;
  explicit Small_Fs(const char* options) {
    mounted_q = mount("tmpfs", dir.path.c_str(), "tmpfs", 0, options) == 0;
  }
  bool make_read_only() {
    return mount(nullptr, dir.path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  ~Small_Fs() {
    if (mounted_q) umount2(dir.path.c_str(), MNT_DETACH);
  }
};
