#include "core/in_stream.h"

#include <gtest/gtest.h>

#include "tests/err_text.h"
#include "tests/core/chunk_stream.h"
#include "tests/core/syntax_text.h"

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
