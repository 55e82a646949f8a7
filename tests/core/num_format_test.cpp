#include "core/num_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/bytes_of.h"
#include "tests/err_text.h"

TEST(NumFormat, IntegersAndHexadecimal) {
  const std::tuple<int32_t, int32_t, int32_t, const char*> decs[] = {{0, 0, 1, "0"}, {-42, 6, 1, "   -42"},
      {-7, 5, 3, " -007"}, {12345, 2, 1, "12345"}, {INT32_MIN, 0, 1, "-2147483648"}};
  for (auto [v, width, min_digits, text] : decs)
    EXPECT_EQ(written([&](Byte_Str& s) { format_int(s, v, width, min_digits); }), text) << v;
  const std::tuple<uint32_t, const char*, int32_t, const char*> hexes[] = {{0xbeef, "0x", 1, "0xBEEF"},
      {0xab, "$", 4, "$00AB"}, {0xFFFFFFFF, "", 2, "FFFFFFFF"}};
  for (auto [v, prefix, min_digits, text] : hexes)
    EXPECT_EQ(written([&](Byte_Str& s) { format_hex(s, v, prefix, min_digits); }), text) << v;
}

TEST(NumFormat, Reals) {
  const struct {
    double x;
    int32_t n_decs, width;
    bool plus_q;
    const char* text;
  } cases[] = {
      // Fixed form rounds halves away from zero, never writing "-0.00".
      {2.5, 0, 1, false, "3"}, {-2.5, 0, 1, false, "-3"}, {0.125, 2, 1, false, "0.13"},
      {-0.125, 2, 1, false, "-0.13"}, {1.005, 2, 1, false, "1.01"},  // 1.00499999999999989... in binary
      {-0.0001, 2, 1, false, "0.00"}, {-0.005, 2, 1, false, "-0.01"}, {-0.0, 1, 1, false, "0.0"},
      // From six decimals on the number is written as it is.
      {5e-7, 6, 1, false, "0.000000"}, {5e-7, 5, 1, false, "0.00000"},
      // Width 0 drops a leading zero unless a plus sign is asked for; the width
      // counts the integer part; the plus sign takes one place of it.
      {0.5, 1, 0, false, ".5"}, {0.0, 0, 0, false, ""}, {0.0, 2, 0, false, ".00"},
      {0.5, 1, 0, true, "+0.5"}, {-0.5, 1, 0, false, "-0.5"}, {3.14159, 2, 4, false, "   3.14"},
      {3.14159, 2, 4, true, "+  3.14"}, {-3.14159, 2, 4, true, "  -3.14"}, {42, 0, 5, false, "   42"},
      {123456, 1, 2, false, "123456.0"},
      // Exponent form, chosen or forced above 1e17, has no nudge.
      {12345.678, 2, -1, false, "1.23e+04"}, {-0.00012345, 3, -1, true, "-1.234e-04"},
      {1e18, 2, 5, false, "1.0000000000000000e+18"}, {-1e18, 0, 1, true, "-1.0000000000000000e+18"},
      {1e17, 0, 1, false, "100000000000000000"},
      // NaN and infinities: the width grows by the decimals and the point; the
      // infinity sign counts one character.
      {NAN, 0, 1, false, "#"}, {NAN, 2, 3, false, "     #"}, {INFINITY, 0, 1, true, "+\x9E\x44"},
      {-INFINITY, 1, 3, false, "   -\x9E\x44"}, {-INFINITY, 1, 1, false, "-\x9E\x44"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(written([&](Byte_Str& s) { format_real(s, c.x, c.n_decs, c.width, c.plus_q); }), c.text)
        << c.x << " " << c.n_decs << " " << c.width;
  EXPECT_EQ(check_text([] { written([](Byte_Str& s) { format_real(s, 1, -1, 1, false); }); }),
            "Assertion failed - file num_format:\rn_decs >= 0");
}

TEST(NumFormat, ToATolerance) {
  const std::tuple<double, double, const char*> cases[] = {
      {3.14159, 0.05, "3.14"}, {3.14159, 0.005, "3.142"}, {3.14159, -0.05, "3.14"}, {123.456, 0.5, "123.5"},
      {12345.5, 50000, "1.2e+04"}, {123456789, 20000, "1.2346e+08"}, {1e-7, 1, "0.0"}, {0.0, 0.1, "0.0"},
      {2, 0, "2.0000000000000000e+00"}, {1.234e-6, 5e-8, "1.23e-06"},
      {5e-6, 5e-5, "5.0e-06"},  // a tolerance above the value counts as 1
      {1.0 / 3, 1e-30, "0.33333333333333331483"},  // at most 20 decimals
      {1.5, NAN, "1.5"}, {NAN, 0.1, "#"}, {-INFINITY, 0.1, "-\x9E\x44"}};
  for (auto [x, t, text] : cases)
    EXPECT_EQ(written([&](Byte_Str& s) { format_real_tol(s, x, t); }), text) << x << " to " << t;
}
