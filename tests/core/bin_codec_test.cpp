#include "core/bin_codec.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/core/chunk_stream.h"
#include "tests/core/syntax_text.h"
#include "tests/bytes_of.h"

TEST(BinCodec, ExactBytes) {
  const std::pair<int32_t, std::string> ints[] = {
      {-1, "\x7F"}, {64, std::string("\xC0\x00", 2)}, {63, "\x3F"}, {-64, "\x40"}, {-65, "\xBF\x7F"},
      {0, std::string(1, '\0')}, {INT32_MIN, "\x80\x80\x80\x80\x78"}};
  for (auto& [v, b] : ints) EXPECT_EQ(written([v](Byte_Str& s) { write_int(s, v); }), b) << v;
  const std::pair<uint32_t, std::string> unsigneds[] = {{300, "\xAC\x02"}, {127, "\x7F"}, {UINT32_MAX, "\xFF\xFF\xFF\xFF\x0F"}};
  for (auto& [v, b] : unsigneds) EXPECT_EQ(written([v](Byte_Str& s) { write_unsigned(s, v); }), b) << v;
  EXPECT_EQ(written([](Byte_Str& s) { write_str(s, Byte_Str("abc")); }), "\x03" "abc");
}

TEST(BinCodec, RoundTripsAcrossRefills) {
  std::mt19937 rng(7);
  std::vector<uint32_t> values = {0, 1, 63, 64, 127, 128, 0x3FFF, 0x4000, INT32_MAX, 0x80000000u, UINT32_MAX};
  for (int i = 0; i < 2000; ++i) values.push_back(rng() >> (rng() % 32));
  Byte_Str out;
  for (uint32_t v : values) {
    write_unsigned(out, v);
    write_int(out, int32_t(v));
    write_int(out, -int32_t(v & 0x7FFFFFFF));
  }
  write_str(out, Byte_Str("tail"));
  Chunk_Stream in(bytes_of(out), 1);
  for (uint32_t v : values) {
    ASSERT_EQ(read_unsigned(in), v);
    ASSERT_EQ(read_int(in), int32_t(v));
    ASSERT_EQ(read_int(in), -int32_t(v & 0x7FFFFFFF));
  }
  Byte_Str str;
  read_str(in, str);
  EXPECT_TRUE(equal_q(str, "tail"));
  EXPECT_TRUE(at_end_q(in));
}

TEST(BinCodec, BadInputMessages) {
  struct Case {
    std::string bytes;
    int what;  // 0 unsigned, 1 int, 2 string
    const char* message;
  } cases[] = {
      {"", 0, "Illegal unsigned"}, {"\x80", 0, "Illegal unsigned"},
      {"\x80\x80\x80\x80\x80\x01", 0, "Illegal unsigned"},  // five continuation bytes
      {"", 1, "Illegal int"}, {"\xFF\xFF", 1, "Illegal int"}, {"\x81\x82\x83\x84\x85\x06", 1, "Illegal int"},
      {std::string("\x03" "a\0c", 4), 2, "Illegal character string"}, {"\x05" "ab", 2, "Not enough input"},
      {"\xFF\xFF\xFF\xFF\x0F", 2, "Illegal character string"},  // beyond 2^31 - 1 bytes
      {"\x85", 2, "Illegal unsigned"},
  };
  for (const Case& c : cases) {
    Chunk_Stream in(c.bytes, 2);
    Byte_Str to;
    std::string got = syntax_text(in, [&] {
      if (c.what == 0) read_unsigned(in);
      if (c.what == 1) read_int(in);
      if (c.what == 2) read_str(in, to);
    });
    EXPECT_EQ(got, c.message) << "case " << &c - cases;
  }
}
