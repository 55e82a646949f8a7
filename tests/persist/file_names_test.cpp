#include "persist/file_names.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/persist/temp_files.h"

namespace {

TEST(FileNames, NeighbourName) {
  struct Case {
    const char* name;
    int32_t step;
    const char* expect;
  } cases[] = {
      {"ex9.mm", 1, "ex10.mm"},       {"ex10.mm", -1, "ex9.mm"},    {"ex0.mm", -1, ""},
      {"ex2b.mm", 1, "ex2c.mm"},      {"ex2z.mm", 1, ""},           {"ex2B.mm", -1, "ex2A.mm"},
      {"notes.mm", 1, ""},            {"notes.mm", -1, ""},         {"b.mm", 1, ""},
      {"run007", 1, "run8"},          {"ex9.tar.mm", 1, "ex10.tar.mm"},
      {"/m/v1.2/ex9.mm", 1, "/m/v1.2/ex10.mm"}, {"/m/v1.2/notes", 1, ""},
      // U+1700 ends in a "." byte, U+1780 in a "/" byte: neither counts.
      {"\x80\x2E" "9.mm", 1, "\x80\x2E" "10.mm"}, {"a.\x80\x2F" "9.mm", 1, ""},
  };
  for (const Case& c : cases) {
    Byte_Str got = neighbour_name(c.name, c.step);
    EXPECT_STREQ(c_str(got), c.expect) << c.name << " " << c.step;
  }
}

TEST(FileNames, FileCheck) {
  Temp_Dir d;
  std::string path = d.file("f.mm");
  EXPECT_EQ(file_check(path.c_str()), FILE_MISSING);
  put_file(path, "");
  EXPECT_EQ(file_check(path.c_str()), FILE_EXISTS);
  chmod(path.c_str(), 0444);
  EXPECT_EQ(file_check(path.c_str()), FILE_READ_ONLY);
  EXPECT_EQ(file_check(d.file("f.mm/x").c_str()), FILE_MISSING);
}

}  // namespace
