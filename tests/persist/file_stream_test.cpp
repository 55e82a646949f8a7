#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/byte_streams.h"
#include "persist/persist.h"
#include "persist/utf8.h"
#include "tests/core/internal_text.h"
#include "tests/err_text.h"
#include "tests/bytes_of.h"
#include "tests/persist/temp_files.h"

namespace {

std::string all_bytes(File_In& in) {
  std::string s;
  for (int c; (c = get_byte(in)) >= 0;) s += char(c);
  return s;
}

std::string written(const std::string& path, int32_t flags, const std::string& bytes) {
  File_Out out(path.c_str(), flags);
  put_bytes(out, bytes.data(), int32_t(bytes.size()));
  close(out);
  return file_bytes(path);
}

std::string read_back(const std::string& path, int32_t flags) {
  File_In in(path.c_str(), flags);
  std::string s = all_bytes(in);
  close(in);
  return s;
}

// The numbers and strings of a model file, written through many buffers: the
// file holds exactly what the same writers put in memory, and reads back.
TEST(FileStream, BinaryCodecsAcrossBuffers) {
  Temp_Dir d;
  std::string path = d.file("model.mm");
  std::mt19937 rng(7);
  std::vector<int32_t> ints(6000);
  for (int32_t& v : ints) v = int32_t(rng()) >> (rng() % 32);
  Byte_Str expect;
  File_Out out(path.c_str(), 0);
  for (Out_Stream* s : {static_cast<Out_Stream*>(&expect), static_cast<Out_Stream*>(&out)}) {
    for (int32_t v : ints) write_int(*s, v);
    write_str(*s, "end", 3);
  }
  close(out);
  EXPECT_EQ(out.file_pos, n_elts(expect));
  ASSERT_EQ(file_bytes(path), bytes_of(expect));
  File_In in(path.c_str(), 0);
  for (int32_t v : ints) ASSERT_EQ(read_int(in), v);
  Byte_Str tail;
  read_str(in, tail);
  EXPECT_TRUE(equal_q(tail, "end"));
  EXPECT_TRUE(at_end_q(in));
  EXPECT_EQ(in.file_pos, n_elts(expect));
}

TEST(FileStream, TruncateAppendAndSeek) {
  Temp_Dir d;
  std::string path = d.file("a");
  put_file(path, "old");
  EXPECT_EQ(written(path, 0, "new"), "new");
  EXPECT_EQ(written(path, FILE_AT_END, "er"), "newer");
  {
    File_Out out(path.c_str(), FILE_AT_END);
    put_text(out, "abcdef");
    seek(out, 3);
    put_text(out, "XY");
    sync(out);
    EXPECT_EQ(file_bytes(path), "newXY");
    close(out);
  }
  File_In in(path.c_str(), FILE_AT_END);
  EXPECT_TRUE(at_end_q(in));
  seek(in, 1);
  EXPECT_EQ(all_bytes(in), "ewXY");
  seek(in, 0);
  EXPECT_EQ(all_bytes(in), "newXY");
}

// Random internal text written in pieces of random length, so characters
// straddle the writes and the buffer ends; the file is the UTF-8 of the
// whole text and a text stream reads the text back exactly.
TEST(FileStream, TextRandomBoundaries) {
  Temp_Dir d;
  std::string path = d.file("t.txt");
  std::mt19937 rng(11);
  for (int round = 0; round < 4; ++round) {
    std::string text;
    while (text.size() < 30000) {
      uint32_t limits[] = {0x80, 0x800, 0x10000, 0x110000};
      text += internal(1 + rng() % (limits[rng() % 4] - 1));
    }
    File_Out out(path.c_str(), FILE_TEXT);
    for (size_t at = 0; at < text.size();) {
      size_t n = std::min(text.size() - at, size_t(rng() % 9000));
      put_bytes(out, text.data() + at, int32_t(n));
      at += n;
    }
    close(out);
    std::string utf8(text.size() * UTF8_GROWTH, 0);
    utf8.resize(size_t(utf8_of_internal(text.data(), int32_t(text.size()), utf8.data())));
    ASSERT_EQ(file_bytes(path), utf8);
    ASSERT_EQ(read_back(path, FILE_TEXT), text);
  }
}

TEST(FileStream, TextBytesOnDisk) {
  Temp_Dir d;
  std::string path = d.file("t.txt");
  // a, less-or-equal, pi, a face beyond the 16-bit plane, and a code point
  // UTF-8 cannot hold.
  std::string text = "a" + internal(0x2264) + internal(0x3C0) + internal(0x1F600) + internal(0x200000);
  EXPECT_EQ(written(path, FILE_TEXT, text), "a\xE2\x89\xA4\xCF\x80\xF0\x9F\x98\x80\xEF\xBF\xBD");
  // Stray bytes read as Latin-1: a lone 0xFF, a lead byte cut by "A", a lead
  // byte cut by the end.
  put_file(path, "\xFF\xC3" "A\xE2\x89");
  EXPECT_EQ(read_back(path, FILE_TEXT), internal(0xFF) + internal(0xC3) + "A" + internal(0xE2) + internal(0x89));
  // A binary stream passes the same bytes unchanged.
  EXPECT_EQ(read_back(path, 0), "\xFF\xC3" "A\xE2\x89");
}

// A writer has the file to itself; readers share it with each other.
TEST(FileStream, Locks) {
  Temp_Dir d;
  std::string path = d.file("x");
  put_file(path, "x");
  {
    File_In a(path.c_str(), 0), b(path.c_str(), 0);
    EXPECT_EQ(os_code_of([&] { File_Out w(path.c_str(), 0); }), FILE_IN_USE_CODE);
  }
  File_Out w(path.c_str(), FILE_AT_END);
  EXPECT_EQ(os_code_of([&] { File_Out w2(path.c_str(), 0); }), FILE_IN_USE_CODE);
  EXPECT_EQ(os_code_of([&] { File_In r(path.c_str(), 0); }), FILE_IN_USE_CODE);
  EXPECT_EQ(file_bytes(path), "x");  // the refused writer cut nothing
}

}  // namespace
