#include "core/numbered_name.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/bytes_of.h"

namespace {

std::string stepped(const std::string& name, int32_t delta) {
  return bytes_of(step_file_name(name.c_str(), delta));
}

}  // namespace

// Digits right before the last dot, or a letter after a digit, step; an empty
// name means no neighbour.
TEST(StepFileName, NumbersAndLettersBeforeTheLastDot) {
  const std::tuple<const char*, int32_t, const char*> cases[] = {
      {"run9.mm", 1, "run10.mm"}, {"run10.mm", -1, "run9.mm"}, {"run0.mm", -1, ""},
      {"run007.mm", 1, "run8.mm"},  // no padding kept
      {"v1.2/run5.mm", 2, "v1.2/run7.mm"}, {"a.b3.mm", 1, "a.b4.mm"}, {"run3.mm.bak", 1, ""},
      {"12", 30, "42"},  // no dot: the digits end the name
      {"notes.mm", 1, ""}, {"run2147483647.mm", 1, ""}, {"run2147483646.mm", 1, "run2147483647.mm"},
      {"run99999999999999999999.mm", -1, ""}, {"fig2a.mm", 1, "fig2b.mm"}, {"fig2z.mm", 1, ""}, {"fig2A.mm", -1, ""},
      {"fig2Z.mm", 7, "fig2a.mm"},  // still a letter, though of the other case
      {"figa.mm", 1, ""}, {"fig2a", 2, "fig2c"}};
  for (auto [name, delta, result] : cases) EXPECT_EQ(stepped(name, delta), result) << name << " " << delta;
}

TEST(StepFileName, MultiByteCharactersAreNeverTakenForDigits) {
  // U+1831 is the bytes B1 30: its last byte is the digit "0". U+172E is the
  // bytes AE 2E: its last byte is a "." that must not count.
  const std::string u1831 = "\xB1\x30", pi = "\xC0\x07", u172e = "\xAE\x2E";
  const std::pair<std::string, std::string> cases[] = {
      {pi + "7.mm", pi + "8.mm"}, {u1831 + "9.mm", u1831 + "10.mm"}, {u1831 + ".mm", ""}, {"2" + u1831 + ".mm", ""},
      {u1831 + "a.mm", ""}, {pi + "2a.mm", pi + "2b.mm"}, {"run4" + u172e + "x", ""},
      {"run4.a" + u172e + "x", "run5.a" + u172e + "x"}};
  for (auto& [name, result] : cases) EXPECT_EQ(stepped(name, 1), result) << name;
}
