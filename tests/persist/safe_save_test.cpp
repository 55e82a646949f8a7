// Saving over a file: every failure on the way (a full disk, a read-only
// folder, a vanished folder, a file another program locked, a writer that
// fails half way) leaves the old file byte for byte and nothing beside it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "persist/persist.h"
#include "persist/safe_save.h"
#include "tests/persist/temp_files.h"

namespace {

const std::string OLD = "the saved copy\n";

// Writes n bytes of 'n', failing with a full disk after fail_after of them.
std::function<void(Out_Stream&)> writer(int32_t n, int32_t fail_after = -1) {
  return [=](Out_Stream& out) {
    for (int32_t i = 0; i < n; ++i) {
      if (i == fail_after) throw OS_Err(112);
      put_byte(out, 'n');
    }
  };
}

struct Fault {
  const char* name;
  int32_t code;
  // Prepares the folder; gives the file to save, or "" to skip the case here.
  std::function<std::string(Small_Fs& fs)> set_up;
  std::function<void(Out_Stream&)> write = writer(64 * 1024);
};

TEST(SafeSave, FailuresKeepTheOldFile) {
  const Fault faults[] = {
      {"disk full", 112, [](Small_Fs& fs) { return fs.mounted_q ? fs.dir.file("m.mm") : ""; }},
      {"read-only folder", 5,
       [](Small_Fs& fs) {
         std::string f = fs.dir.file("m.mm");
         put_file(f, OLD);
         return fs.mounted_q && fs.make_read_only() ? f : "";
       }},
      {"vanished folder", 2, [](Small_Fs& fs) { return fs.dir.file("gone/m.mm"); }},
      {"locked by another program", 32, [](Small_Fs& fs) { return fs.dir.file("m.mm"); }},
      {"fails after half the bytes", 112, [](Small_Fs& fs) { return fs.dir.file("m.mm"); }, writer(20000, 10000)},
  };
  for (const Fault& f : faults) {
    Small_Fs fs("size=32k");
    put_file(fs.dir.file("m.mm"), OLD);
    std::string path = f.set_up(fs);
    if (path.empty()) continue;  // needs a mount, which only root may make
    int lock_fd = -1;
    if (std::string(f.name).find("locked") != std::string::npos) {
      lock_fd = ::open(path.c_str(), O_RDONLY);
      ASSERT_EQ(flock(lock_fd, LOCK_EX), 0);
    }
    EXPECT_EQ(os_code_of([&] { save_beside(path.c_str(), f.write); }), f.code) << f.name;
    if (lock_fd >= 0) ::close(lock_fd);
    EXPECT_EQ(file_bytes(fs.dir.file("m.mm")), OLD) << f.name;
    EXPECT_FALSE(std::filesystem::exists(path + ".saving")) << f.name;
  }
}

TEST(SafeSave, ReplacesWholeAndKeepsTheMode) {
  Temp_Dir d;
  std::string path = d.file("lesson3.mm");
  put_file(path, OLD);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  {
    File_In reader(path.c_str(), 0);  // a file being read is in use, as on the platform
    EXPECT_EQ(os_code_of([&] { save_beside(path.c_str(), writer(5000)); }), 32);
  }
  save_beside(path.c_str(), writer(5000));
  EXPECT_EQ(file_bytes(path), std::string(5000, 'n'));
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // Through a symbolic link the linked file is saved, and the link stays.
  std::string link = d.file("link.mm");
  std::filesystem::create_symlink("lesson3.mm", link);
  save_beside(link.c_str(), writer(4));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(file_bytes(path), "nnnn");
  std::string fresh = d.file("new.mm");
  save_beside(fresh.c_str(), writer(3));
  EXPECT_EQ(file_bytes(fresh), "nnn");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.path), {}), 3);
}

}  // namespace
