#include "core/byte_str.h"

#include <gtest/gtest.h>

#include "tests/err_text.h"
#include "tests/bytes_of.h"

TEST(ByteStr, StartsWithFourBytesAndDoublesWhenWritten) {
  Byte_Str s;
  EXPECT_EQ(block_size(s), 4);
  std::vector<int32_t> sizes;
  for (int i = 0; i < 40; ++i) {
    put_byte(s, char('a' + i % 26));
    if (sizes.empty() || sizes.back() != block_size(s)) sizes.push_back(block_size(s));
  }
  // One byte of each block is kept for the NUL: 3 bytes fit in 4.
  EXPECT_EQ(sizes, (std::vector<int32_t>{4, 8, 16, 32, 64}));
  EXPECT_STREQ(c_str(s), "abcdefghijklmnopqrstuvwxyzabcdefghijklmn");
}

TEST(ByteStr, ReserveGrowsKeepsOrShrinks) {
  Byte_Str s;
  reserve(s, 100);  // need 101 > 4: max(101, 8)
  EXPECT_EQ(block_size(s), 128);
  reserve(s, 31);  // need 32 >= 128 / 4: kept
  EXPECT_EQ(block_size(s), 128);
  reserve(s, 30);  // need 31 < 32: shrinks
  EXPECT_EQ(block_size(s), 32);
  reserve(s, 40);  // need 41 > 32: max(41, 64)
  EXPECT_EQ(block_size(s), 64);
  reserve(s, 200);
  append(s, "abcdef", 6);
  // Shrinking below the length is a caller's fault.
  EXPECT_EQ(check_text([&] { reserve(s, 2); }), "Assertion failed - file byte_str:\ra_n > nc");
}

TEST(ByteStr, EditingOperations) {
  Byte_Str s("hello");
  Byte_Str w(" world");
  insert(s, 5, w);  // at n_elts: appends
  EXPECT_EQ(bytes_of(s), "hello world");
  insert(s, 0, Byte_Str(">"));
  EXPECT_EQ(bytes_of(s), ">hello world");
  erase(s, 3, 3);
  EXPECT_EQ(bytes_of(s), ">hello world");
  erase(s, 0, 2);
  EXPECT_EQ(bytes_of(s), "ello world");
  set_length(s, 12, '!');
  EXPECT_EQ(bytes_of(s), "ello world!!");
  set_length(s, 4);
  EXPECT_EQ(bytes_of(s), "ello");
  append(s, s.first_p, 4);  // its own bytes, moved by the growth
  EXPECT_EQ(bytes_of(s), "elloello");
  Byte_Str t;
  copy(t, s);
  EXPECT_EQ(compare(t, s), 0);
  EXPECT_TRUE(equal_q(t, "elloello"));
}

TEST(ByteStr, AssertionTexts) {
  Byte_Str s("abc");
  EXPECT_EQ(check_text([&] { append(s, "x", -1); }), "Assertion failed - file byte_str:\rn >= 0");
  EXPECT_EQ(check_text([&] { set_length(s, -1); }), "Assertion failed - file byte_str:\r0 <= a_len");
  const std::string INSERT = "Assertion failed - file byte_str:\r&s != &to_insert && 0 <= ind && ind <= n_elts(s)";
  const std::string ERASE = "Assertion failed - file byte_str:\r0 <= start && start <= end && end <= n_elts(s)";
  EXPECT_EQ(check_text([&] { insert(s, 0, s); }), INSERT);
  EXPECT_EQ(check_text([&] { insert(s, 4, Byte_Str("x")); }), INSERT);
  EXPECT_EQ(check_text([&] { erase(s, 2, 1); }), ERASE);
  EXPECT_EQ(check_text([&] { erase(s, 1, 4); }), ERASE);
  EXPECT_EQ(check_text([&] { char_start_before(s.first_p, s.first_p); }), "Assertion failed - file byte_str:\rp > a");
  EXPECT_EQ(bytes_of(s), "abc");
  EXPECT_EQ(check_text([&] { set_length(s, INT32_MAX); }), "Out of memory");
  EXPECT_EQ(check_text([&] { append(s, s.first_p, INT32_MAX); }), "Out of memory");  // the length sum wraps
  EXPECT_EQ(bytes_of(s), "abc");
}

TEST(ByteStr, ComparesAsUnsignedBytesAndStepsBackOverWholeCharacters) {
  EXPECT_LT(compare_text("ab", "abc"), 0);
  EXPECT_GT(compare_text("abc", "ab"), 0);
  EXPECT_EQ(compare_text("", ""), 0);
  EXPECT_LT(compare_text("a", "\xC0"), 0);  // 0xC0 is above 'a' as an unsigned byte
  EXPECT_EQ(text_length("pi\xC0\x07"), 4);
  const char text[] = "a\xC0\x07";  // a, then pi (U+03C0) in the internal coding
  EXPECT_EQ(char_start_before(text, text + 3), text + 1);
  EXPECT_EQ(char_start_before(text, text + 1), text);
}
