#include "core/text_read.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/err_text.h"
#include "tests/core/chunk_stream.h"
#include "tests/core/syntax_text.h"

namespace {

// The message a reader raises on the text, read one byte a refill.
template <class R>
std::string message_of(const std::string& text, R read) {
  Chunk_Stream s(text);
  return syntax_text(s, [&] { read(s); });
}

}  // namespace

TEST(InStream, ReadsBytesAcrossRefills) {
  Chunk_Stream s("abcdefg", 3);
  char got[8] = {};
  read_bytes(s, got, 5);
  EXPECT_STREQ(got, "abcde");
  EXPECT_EQ(get_byte(s), 'f');
  EXPECT_EQ(peek_byte(s), 'g');
  EXPECT_EQ(syntax_text(s, [&] { read_bytes(s, got, 2); }), "Not enough input");
  EXPECT_TRUE(at_end_q(s));
  EXPECT_EQ(get_byte(s), -1);
  EXPECT_EQ(check_text([&] { read_bytes(s, got, -1); }), "Assertion failed - file in_stream:\rn >= 0");
}

TEST(InStream, MemoryStreams) {
  Mem_In_Stream text("hi");
  EXPECT_EQ(get_byte(text), 'h');
  EXPECT_EQ(get_byte(text), 'i');
  EXPECT_EQ(get_byte(text), -1);  // the NUL ends the text
  EXPECT_EQ(n_read(text), 2);
  const char bytes[] = {'\xFF', 0, 'x'};
  Mem_In_Stream raw(bytes, 3);
  EXPECT_EQ(get_byte(raw), 0xFF);
  EXPECT_EQ(get_byte(raw), 0);
  EXPECT_EQ(get_byte(raw), 'x');
  EXPECT_TRUE(at_end_q(raw));
}

TEST(TextRead, ExpectText) {
  Chunk_Stream s(" \t\r\nhello world");
  expect_text(s, "hello");
  expect_text(s, "  world");  // the expected text's own leading blanks are skipped
  EXPECT_TRUE(at_end_q(s));
  EXPECT_EQ(message_of("help", [](In_Stream& s) { expect_text(s, "hello"); }), "Expected:  hello");
  EXPECT_EQ(message_of("hel", [](In_Stream& s) { expect_text(s, "hello"); }), "Expected:  hello");
}

TEST(TextRead, DecimalIntegers) {
  Chunk_Stream s("  -2147483648 2147483647\n0012x");
  for (int32_t x : {INT32_MIN, INT32_MAX, 12}) EXPECT_EQ(read_decimal_int(s), x);
  EXPECT_EQ(get_byte(s), 'x');
  for (const char* bad : {"2147483648", "-2147483649", "-", "", "x1", "+1", "99999999999999999999"})
    EXPECT_EQ(message_of(bad, [](In_Stream& s) { read_decimal_int(s); }), "Illegal integer") << bad;
}

TEST(TextRead, HexadecimalWithPrefix) {
  Chunk_Stream s(" 0x1aF 0xFFFFFFFF 0x00000000");
  for (uint32_t x : {0x1AFu, 0xFFFFFFFFu, 0u}) EXPECT_EQ(read_hex(s, "0x"), x);
  const std::pair<const char*, const char*> bad[] = {{"0y12", "Illegal hex prefix"}, {"0", "Illegal hex prefix"},
      {"0xg", "Illegal unsigned (hexadecimal)"}, {"0x123456789", "Illegal unsigned (hexadecimal)"}};
  for (auto [text, message] : bad) EXPECT_EQ(message_of(text, [](In_Stream& s) { read_hex(s, "0x"); }), message);
}

TEST(TextRead, NumberFields) {
  Chunk_Stream s(" \t42 \\\r 7\t\\\r\n-3\n9");
  for (int32_t x : {42, 7, -3}) EXPECT_EQ(read_number_field(s), x);
  EXPECT_EQ(get_byte(s), '\n');
  EXPECT_EQ(read_number_field(s), 9);  // the end may follow the number
  // A NUL byte is a byte like any other here, neither white space nor the end.
  const std::pair<std::string, const char*> bad[] = {{"12abc", "Expected white space"},
      {std::string("12\0", 3), "Expected white space"}, {"\n5", "Expected a number"},
      {"  \r5", "Expected a number"}, {"\\x", "Illegal \\"}, {"\\", "Illegal \\"}, {"x", "Illegal integer"}};
  for (auto [text, message] : bad) EXPECT_EQ(message_of(text, [](In_Stream& s) { read_number_field(s); }), message);
}

TEST(TextRead, Reals) {
  Chunk_Stream s(" 3.25 -.5 1.5e-3 +2E+2 7. 12.5abc");
  for (double x : {3.25, -0.5, 1.5e-3, 200.0, 7.0, 12.5}) EXPECT_EQ(read_real(s), x);
  EXPECT_EQ(get_byte(s), 'a');

  Chunk_Stream odd("# -# \x9E\x44 -\x9E\x44");
  EXPECT_TRUE(std::isnan(read_real(odd)));
  EXPECT_TRUE(std::isnan(read_real(odd)));
  EXPECT_EQ(read_real(odd), INFINITY);
  EXPECT_EQ(read_real(odd), -INFINITY);

  // The message ends with the text collected.
  const std::pair<const char*, const char*> bad[] = {{"1e", "1e"}, {"2.5e+x", "2.5e+"}, {".", "."}, {"-x", "-"},
                                                     {"e5", ""}, {"", ""}, {"-\x9E", "-\x9E"}};
  for (auto [text, collected] : bad)
    EXPECT_EQ(message_of(text, [](In_Stream& s) { read_real(s); }), std::string("Illegal decimal number:  ") + collected);
}

TEST(TextRead, UpToASeparator) {
  Byte_Str to;
  Chunk_Stream s("  ab cd  ,next;\x9E,\x44;last");
  read_until(s, ',', to, READ_TRIM);
  EXPECT_TRUE(equal_q(to, "ab cd"));
  read_until(s, ';', to, READ_SEP_REQUIRED);
  EXPECT_TRUE(equal_q(to, "next"));
  // The comma is the last byte of a character here, not a separator.
  read_until(s, ',', to, 0);
  EXPECT_TRUE(equal_q(to, "\x9E,\x44;last"));

  Chunk_Stream blank("  \nx");
  read_until(blank, '\n', to, READ_TRIM);  // skipping the blanks stops at the separator
  EXPECT_EQ(n_elts(to), 0);
  EXPECT_EQ(get_byte(blank), 'x');

  EXPECT_EQ(message_of("abc", [&](In_Stream& s) { read_until(s, ',', to, READ_SEP_REQUIRED); }), "Missing ','");
  EXPECT_EQ(message_of("a\xC0", [&](In_Stream& s) { read_until(s, ',', to, 0); }),
            "Illegal EOF inside a character code");
  Chunk_Stream any("x");
  EXPECT_EQ(check_text([&] { read_until(any, char(0x80), to, 0); }),
            "Assertion failed - file text_read:\runsigned(sep_cn) <= 0x7F");
}
