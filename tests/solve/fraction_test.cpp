#include <gtest/gtest.h>

#include <cmath>

#include "algebra/solve_fraction.h"

namespace {

std::string text_of(double x) {
  Fraction f = simplest_fraction(x);
  return int_to_string(f.num.get()) + "/" + int_to_string(f.den.get());
}

TEST(SimplestFraction, DecimalsTypedByUsersBecomeTheirFractions) {
  EXPECT_EQ(text_of(0.5), "1/2");
  EXPECT_EQ(text_of(0.75), "3/4");
  EXPECT_EQ(text_of(-2.5), "-5/2");
  EXPECT_EQ(text_of(0.1), "1/10");
  EXPECT_EQ(text_of(1.0 / 3.0), "1/3");
  EXPECT_EQ(text_of(-22.0 / 7.0), "-22/7");
  EXPECT_EQ(text_of(3.0), "3/1");
  EXPECT_EQ(text_of(0.0), "0/1");
  // The smallest denominator wins, even over the decimal the user typed.
  EXPECT_EQ(text_of(1e20), "99999999999999911183/1");
  EXPECT_EQ(text_of(1.23456789e-5), "306607/24835167226");
}

TEST(SimplestFraction, TinyNumbersUseTheAbsoluteTolerance) {
  EXPECT_EQ(text_of(1e-310), "0/1");
  EXPECT_EQ(text_of(-4e-301), "0/1");
  // 3e-300 is farther than 1e-300 from 0: the simplest fraction has a huge denominator.
  Fraction f = simplest_fraction(3e-300);
  EXPECT_EQ(int_to_string(f.num.get()), "1");
  EXPECT_GT(int_bit_length(f.den.get()), 990);
}

TEST(SimplestFraction, StaysWithinTheRelativeTolerance) {
  const double xs[] = {M_PI, std::sqrt(2.0), 6.02214076e23, -1.602176634e-19, 123456.789, 0.999999999999};
  for (double x : xs) {
    Fraction f = simplest_fraction(x);
    double q = int_to_double(f.num.get()) / int_to_double(f.den.get());
    EXPECT_LE(std::fabs(q - x), std::fabs(x) * 0x1p-50 * 1.1) << x;
    EXPECT_GT(int_compare(f.den.get(), imm_make(0)), 0);
  }
  EXPECT_EQ(text_of(M_PI), "74724506/23785549");
}

}  // namespace
