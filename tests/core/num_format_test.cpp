#include "core/num_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/err_text.h"

namespace {

std::string text_of(const Byte_Str& s) { return std::string(s.first_p, size_t(n_elts(s))); }

std::string real(double x, int32_t n_decs, int32_t width = 1, bool plus_q = false) {
  Byte_Str s;
  format_real(s, x, n_decs, width, plus_q);
  return text_of(s);
}

std::string tol(double x, double t) {
  Byte_Str s;
  format_real_tol(s, x, t);
  return text_of(s);
}

}  // namespace

TEST(NumFormat, Integers) {
  auto fmt = [](int32_t v, int32_t width, int32_t min_digits) {
    Byte_Str s;
    format_int(s, v, width, min_digits);
    return text_of(s);
  };
  EXPECT_EQ(fmt(5, 0, 1), "5");
  EXPECT_EQ(fmt(0, 0, 1), "0");
  EXPECT_EQ(fmt(-42, 6, 1), "   -42");
  EXPECT_EQ(fmt(7, 0, 3), "007");
  EXPECT_EQ(fmt(-7, 5, 3), " -007");
  EXPECT_EQ(fmt(12345, 2, 1), "12345");
  EXPECT_EQ(fmt(INT32_MIN, 0, 1), "-2147483648");
}

TEST(NumFormat, Hexadecimal) {
  auto fmt = [](uint32_t v, const char* prefix, int32_t min_digits) {
    Byte_Str s;
    format_hex(s, v, prefix, min_digits);
    return text_of(s);
  };
  EXPECT_EQ(fmt(0xbeef, "0x", 1), "0xBEEF");
  EXPECT_EQ(fmt(0xab, "$", 4), "$00AB");
  EXPECT_EQ(fmt(0, "", 1), "0");
  EXPECT_EQ(fmt(0xFFFFFFFF, "", 2), "FFFFFFFF");
}

TEST(NumFormat, FixedFormRoundsHalvesAwayFromZero) {
  EXPECT_EQ(real(2.5, 0), "3");
  EXPECT_EQ(real(-2.5, 0), "-3");
  EXPECT_EQ(real(0.125, 2), "0.13");
  EXPECT_EQ(real(-0.125, 2), "-0.13");
  EXPECT_EQ(real(1.005, 2), "1.01");  // 1.00499999999999989... in binary
  EXPECT_EQ(real(-0.0001, 2), "0.00");  // never "-0.00"
  EXPECT_EQ(real(-0.005, 2), "-0.01");
  EXPECT_EQ(real(-0.0, 1), "0.0");
  // From six decimals on the number is written as it is.
  EXPECT_EQ(real(5e-7, 6), "0.000000");
  EXPECT_EQ(real(5e-7, 5), "0.00000");
  EXPECT_EQ(check_text([] { real(1, -1); }), "Assertion failed - file num_format:\rn_decs >= 0");
}

TEST(NumFormat, WidthAndSignRules) {
  EXPECT_EQ(real(0.5, 1, 0), ".5");
  EXPECT_EQ(real(0.5, 1, 0, true), "+0.5");
  EXPECT_EQ(real(-0.5, 1, 0), "-0.5");
  EXPECT_EQ(real(0.0, 0, 0), "0");
  EXPECT_EQ(real(3.14159, 2, 4), "   3.14");  // the width counts the integer part
  EXPECT_EQ(real(3.14159, 2, 4, true), "+  3.14");
  EXPECT_EQ(real(-3.14159, 2, 4, true), "  -3.14");
  EXPECT_EQ(real(42, 0, 5), "   42");
  EXPECT_EQ(real(123456, 1, 2), "123456.0");
}

TEST(NumFormat, ExponentFormAndLargeMagnitudes) {
  EXPECT_EQ(real(12345.678, 2, -1), "1.23e+04");
  EXPECT_EQ(real(-0.00012345, 3, -1, true), "-1.234e-04");  // no nudge in exponent form
  EXPECT_EQ(real(1e18, 2, 5), "1.0000000000000000e+18");
  EXPECT_EQ(real(-1e18, 0, 1, true), "-1.0000000000000000e+18");
  EXPECT_EQ(real(1e17, 0, 1), "100000000000000000");
}

TEST(NumFormat, NotANumberAndInfinities) {
  EXPECT_EQ(real(NAN, 0, 1), "#");
  EXPECT_EQ(real(NAN, 2, 3), "     #");  // width 3 + 2 decimals + the point
  EXPECT_EQ(real(INFINITY, 0, 1), "\x9E\x44");
  EXPECT_EQ(real(INFINITY, 0, 1, true), "+\x9E\x44");
  EXPECT_EQ(real(-INFINITY, 1, 3), "   -\x9E\x44");  // the sign counts one character
  EXPECT_EQ(real(-INFINITY, 1, 1), "-\x9E\x44");
}

TEST(NumFormat, ToATolerance) {
  EXPECT_EQ(tol(3.14159, 0.05), "3.14");
  EXPECT_EQ(tol(3.14159, 0.005), "3.142");
  EXPECT_EQ(tol(3.14159, -0.05), "3.14");
  EXPECT_EQ(tol(123.456, 0.5), "123.5");
  EXPECT_EQ(tol(2.5, 1), "2.5");
  EXPECT_EQ(tol(12345.5, 50000), "1.2e+04");
  EXPECT_EQ(tol(123456789, 20000), "1.2346e+08");
  EXPECT_EQ(tol(1e-7, 1), "0.0");
  EXPECT_EQ(tol(0.0, 0.1), "0.0");
  EXPECT_EQ(tol(2, 0), "2.0000000000000000e+00");
  EXPECT_EQ(tol(1.234e-6, 5e-8), "1.23e-06");
  EXPECT_EQ(tol(5e-6, 5e-5), "5.0e-06");  // a tolerance above the value counts as 1
  EXPECT_EQ(tol(1.0 / 3, 1e-30), "0.33333333333333331483");  // at most 20 decimals
  EXPECT_EQ(tol(1.5, NAN), "1.5");
  EXPECT_EQ(tol(NAN, 0.1), "#");  // width 1 does not grow
  EXPECT_EQ(tol(-INFINITY, 0.1), "-\x9E\x44");
}
