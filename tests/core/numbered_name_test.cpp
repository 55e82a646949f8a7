#include "core/numbered_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string stepped(const std::string& name, int32_t delta) {
  Byte_Str s = step_file_name(name.c_str(), delta);
  return std::string(s.first_p, size_t(n_elts(s)));
}

}  // namespace

TEST(StepFileName, NumbersBeforeTheLastDot) {
  EXPECT_EQ(stepped("run9.mm", 1), "run10.mm");
  EXPECT_EQ(stepped("run10.mm", -1), "run9.mm");
  EXPECT_EQ(stepped("run0.mm", -1), "");
  EXPECT_EQ(stepped("run007.mm", 1), "run8.mm");  // no padding kept
  EXPECT_EQ(stepped("v1.2/run5.mm", 2), "v1.2/run7.mm");
  EXPECT_EQ(stepped("a.b3.mm", 1), "a.b4.mm");
  EXPECT_EQ(stepped("run3.mm.bak", 1), "");  // only the digits right before the last dot count
  EXPECT_EQ(stepped("12", 30), "42");  // no dot: the digits end the name
  EXPECT_EQ(stepped("notes.mm", 1), "");
  EXPECT_EQ(stepped("run2147483647.mm", 1), "");
  EXPECT_EQ(stepped("run2147483646.mm", 1), "run2147483647.mm");
  EXPECT_EQ(stepped("run99999999999999999999.mm", -1), "");
}

TEST(StepFileName, LettersAfterADigit) {
  EXPECT_EQ(stepped("fig2a.mm", 1), "fig2b.mm");
  EXPECT_EQ(stepped("fig2z.mm", 1), "");
  EXPECT_EQ(stepped("fig2A.mm", -1), "");
  EXPECT_EQ(stepped("fig2Z.mm", 7), "fig2a.mm");  // still a letter, though of the other case
  EXPECT_EQ(stepped("figa.mm", 1), "");            // the letter must follow a digit
  EXPECT_EQ(stepped("fig2a", 2), "fig2c");
}

TEST(StepFileName, MultiByteCharactersAreNeverTakenForDigits) {
  // U+1831 is the bytes B1 30: its last byte is the digit "0".
  const std::string u1831 = "\xB1\x30";
  const std::string pi = "\xC0\x07";
  EXPECT_EQ(stepped(pi + "7.mm", 1), pi + "8.mm");
  EXPECT_EQ(stepped(u1831 + "9.mm", 1), u1831 + "10.mm");
  EXPECT_EQ(stepped(u1831 + ".mm", 1), "");
  EXPECT_EQ(stepped("2" + u1831 + ".mm", 1), "");
  EXPECT_EQ(stepped(u1831 + "a.mm", 1), "");
  EXPECT_EQ(stepped("\xC0\x07" "2a.mm", 1), pi + "2b.mm");
  // U+172E is the bytes AE 2E: its last byte is a "." that must not count.
  const std::string u172e = "\xAE\x2E";
  EXPECT_EQ(stepped("run4" + u172e + "x", 1), "");
  EXPECT_EQ(stepped("run4.a" + u172e + "x", 1), "run5.a" + u172e + "x");
}
