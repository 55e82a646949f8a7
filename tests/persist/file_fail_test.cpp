// Every failing file call gives the OS_Err a user would see. A full disk and
// a read-only disk are small file systems mounted for the test where that is
// allowed (as root); elsewhere /dev/full and a file without write permission.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "core/err.h"
#include "persist/persist.h"
#include "tests/err_text.h"
#include "tests/persist/temp_files.h"

namespace {

constexpr int32_t NOT_FOUND = 2, ACCESS = 5, DISK_FULL = 112;

void write_lots(const std::string& path, int32_t flags) {
  File_Out out(path.c_str(), flags);
  std::string block(1000, 'z');
  for (int i = 0; i < 200; ++i) put_bytes(out, block.data(), int32_t(block.size()));
  close(out);
}

TEST(FileFail, MissingFileOrFolder) {
  Temp_Dir d;
  std::string in_missing = d.file("no/such.mm");
  EXPECT_EQ(os_code_of([&] { File_Out out(in_missing.c_str(), 0); }), NOT_FOUND);
  EXPECT_EQ(os_code_of([&] { File_In in(d.file("none").c_str(), 0); }), NOT_FOUND);
  EXPECT_EQ(os_code_of([&] { File_Out out(d.path.c_str(), 0); }), NOT_FOUND);  // a folder
  EXPECT_EQ(err_display_text(OS_Err(NOT_FOUND)), "File not found (missing, not a file, or name wrong?) (2)");
}

TEST(FileFail, DiskFull) {
  Small_Fs fs("size=16k");
  if (fs.mounted_q) {
    std::string path = fs.dir.file("big");
    EXPECT_EQ(os_code_of([&] { write_lots(path, 0); }), DISK_FULL);
    EXPECT_EQ(os_code_of([&] { write_lots(path, FILE_TEXT); }), DISK_FULL);
  } else {
    EXPECT_EQ(os_code_of([] { write_lots("/dev/full", FILE_AT_END); }), DISK_FULL);
  }
  EXPECT_EQ(err_display_text(OS_Err(DISK_FULL)), "Disk is full (112)");
}

TEST(FileFail, ReadOnly) {
  Small_Fs fs("size=64k");
  Temp_Dir fallback;
  std::string dir = fs.mounted_q ? fs.dir.path : fallback.path;
  std::string path = dir + "/locked.mm";
  put_file(path, "kept");
  bool ro_q = fs.mounted_q ? fs.make_read_only() : chmod(path.c_str(), 0444) == 0 && geteuid() != 0;
  ASSERT_TRUE(ro_q) << "neither a read-only mount nor a read-only file is possible here";
  EXPECT_EQ(os_code_of([&] { File_Out out(path.c_str(), 0); }), ACCESS);
  EXPECT_EQ(os_code_of([&] { File_Out out((dir + "/new").c_str(), 0); }), ACCESS);
  EXPECT_EQ(file_bytes(path), "kept");
  File_In in(path.c_str(), 0);  // reading still works
  EXPECT_EQ(get_byte(in), 'k');
}

TEST(FileFail, FlushOfNothingIsAnAssertion) {
  Temp_Dir d;
  File_Out out(d.file("e").c_str(), 0);
  EXPECT_EQ(check_text([&] { flush(out); }), "Assertion failed - file file_out:\rcount > 0");
}

}  // namespace
