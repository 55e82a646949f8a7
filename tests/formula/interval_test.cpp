// Interval operations and the elementary enclosures at their edges.
#include <gtest/gtest.h>

#include <numbers>
#include <random>

#include "formula/guarded.h"
#include "formula/interval.h"

namespace {

constexpr double PI = std::numbers::pi;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

void expect_iv(Interval got, double lo, double hi, const char* what) {
  EXPECT_EQ(got.lo, lo) << what;
  EXPECT_EQ(got.hi, hi) << what;
}

void expect_within(Interval got, double lo, double hi, double tol, const char* what) {
  EXPECT_NEAR(got.lo, lo, tol) << what;
  EXPECT_NEAR(got.hi, hi, tol) << what;
  EXPECT_LE(got.lo, lo) << what;
  EXPECT_GE(got.hi, hi) << what;
}

}  // namespace

TEST(Interval, EmptyInputsGiveEmptyAndNanBoundsWiden) {
  Interval unit = {0, 1};
  for (Interval r : {iv_add(EMPTY_INTERVAL, unit), iv_mul(unit, EMPTY_INTERVAL), iv_exp(EMPTY_INTERVAL),
                     iv_ln(EMPTY_INTERVAL), iv_cos(EMPTY_INTERVAL), iv_sin(EMPTY_INTERVAL), iv_tan(EMPTY_INTERVAL),
                     iv_acos(EMPTY_INTERVAL), iv_atan(EMPTY_INTERVAL), iv_abs(EMPTY_INTERVAL),
                     iv_int_power(EMPTY_INTERVAL, 3), iv_add({2, 1}, unit)})
    EXPECT_TRUE(empty_q(r));
  expect_iv(iv_add({-DBL_INF, 0}, {DBL_INF, DBL_INF}), -DBL_INF, DBL_INF, "-inf + inf is NaN, widened");
  expect_iv(iv_mul({0, 0}, {1, DBL_INF}), 0, DBL_INF, "0 * inf high bound widened");
  expect_iv(widen_nan({NaN, NaN}), -DBL_INF, DBL_INF, "NaN bounds");
}

TEST(Interval, PointInBoxNeedsFiniteCoordinatesWithinClosedBounds) {
  Interval box[2] = {{0, 1}, {-2, -1}};
  double inside[2] = {1, -2}, outside[2] = {1, -0.5}, nan_pt[2] = {NaN, -1.5}, inf_box[1] = {DBL_INF};
  EXPECT_TRUE(point_in_box_q(inside, box, 2));
  EXPECT_FALSE(point_in_box_q(outside, box, 2));
  EXPECT_FALSE(point_in_box_q(nan_pt, box, 2));
  Interval whole[1] = {WHOLE_LINE};
  EXPECT_FALSE(point_in_box_q(inf_box, whole, 1));
}

TEST(Interval, ProductBySignsOfBounds) {
  expect_iv(iv_mul({2, 3}, {4, 5}), 8, 15, "++");
  expect_iv(iv_mul({2, 3}, {-5, -4}), -15, -8, "+-");
  expect_iv(iv_mul({2, 3}, {-1, 4}), -3, 12, "+ mixed");
  expect_iv(iv_mul({-3, -2}, {-5, -4}), 8, 15, "--");
  expect_iv(iv_mul({-3, -2}, {-1, 4}), -12, 3, "- mixed");
  expect_iv(iv_mul({-2, 3}, {4, 5}), -10, 15, "mixed +");
  expect_iv(iv_mul({-2, 3}, {-5, 4}), -15, 12, "both mixed");
}

TEST(Interval, IntegerPowersByParityAndSign) {
  expect_iv(iv_int_power({2, 3}, 2), 4, 9, "above 0");
  expect_iv(iv_int_power({-3, -2}, 2), 4, 9, "below 0, even: reflected");
  expect_iv(iv_int_power({-3, -2}, 3), -27, -8, "below 0, odd");
  expect_iv(iv_int_power({-2, 3}, 2), 0, 9, "containing 0, even");
  expect_iv(iv_int_power({-2, 3}, 3), -8, 27, "containing 0, odd positive");
  expect_iv(iv_int_power({-2, 3}, -1), -DBL_INF, DBL_INF, "containing 0, odd negative");
  expect_iv(iv_int_power({-2, 4}, -2), 0.0625, DBL_INF, "containing 0, even negative");
  expect_iv(iv_int_power({2, 4}, -1), 0.25, 0.5, "negative power: ends exchanged");
  expect_iv(iv_int_power({-4, -2}, -1), -0.5, -0.25, "below 0, odd negative");
  expect_iv(iv_int_power({0, 2}, -1), 0.5, DBL_INF, "touching 0 from above");
  expect_iv(iv_int_power({-2, 0}, -1), -DBL_INF, DBL_INF, "touching 0 from below");
  expect_iv(iv_int_power({-5, 7}, 0), 1, 1, "power 0");
  EXPECT_EQ(smooth_int_power({-1, 1}, -1), MAY_JUMP);
  EXPECT_EQ(smooth_int_power({1e-13, 1}, -2), MAY_JUMP);
  EXPECT_EQ(smooth_int_power({1e-11, 1}, -2), SMOOTH);
  EXPECT_EQ(smooth_int_power({-1, 1}, 3), SMOOTH);
}

TEST(Interval, CosineAndSineReachTheirExtremaAfterReduction) {
  expect_within(iv_cos({-0.5, 0.5}), std::cos(0.5), 1.0, 1e-15, "even multiple inside");
  EXPECT_EQ(iv_cos({3, 4}).lo, -1.0);
  EXPECT_LE(iv_cos({3, 4}).hi, std::cos(4.0) + 1e-15);
  EXPECT_EQ(iv_cos({3 + 200 * PI, 4 + 200 * PI}).lo, -1.0);  // reduced by 100 turns
  EXPECT_EQ(iv_cos({-4 - 20 * PI, -3 - 20 * PI}).lo, -1.0);
  expect_within(iv_cos({0.5, 1}), std::cos(1.0), std::cos(0.5), 1e-15, "monotone piece");
  expect_iv(iv_cos({0, 7}), -1, 1, "a full turn");
  expect_iv(iv_cos({-DBL_INF, 0}), -1, 1, "not finite");
  EXPECT_EQ(iv_sin({1, 2}).hi, 1.0);
  EXPECT_EQ(iv_sin({4, 5}).lo, -1.0);
  expect_within(iv_sin({-0.5, 0.5}), std::sin(-0.5), std::sin(0.5), 1e-15, "rising piece");
}

TEST(Interval, TangentIsTheWholeLineNearItsPoles) {
  expect_within(iv_tan({-1, 1}), std::tan(-1.0), std::tan(1.0), 1e-14, "one branch");
  expect_within(iv_tan({2, 3}), std::tan(2.0), std::tan(3.0), 1e-14, "next branch");
  expect_iv(iv_tan({1, 2}), -DBL_INF, DBL_INF, "pole at pi/2 inside");
  expect_iv(iv_tan({0, PI / 2}), -DBL_INF, DBL_INF, "pole at the end");
  expect_iv(iv_tan({1 + 100 * PI, 2 + 100 * PI}), -DBL_INF, DBL_INF, "pole after reduction");
  expect_iv(iv_tan({0, 3.5}), -DBL_INF, DBL_INF, "at least pi wide");
  EXPECT_EQ(smooth_tan({1, 2}), MAY_JUMP);
  EXPECT_EQ(smooth_tan({PI / 2 + 1e-13, 2}), MAY_JUMP);  // within the margin of the pole
  EXPECT_EQ(smooth_tan({2, 3}), SMOOTH);
  EXPECT_EQ(smooth_tan({-DBL_INF, 0}), MAY_JUMP);
}

TEST(Interval, LogarithmAndInverseFunctionsAtTheirDomainEdges) {
  EXPECT_TRUE(empty_q(iv_ln({-2, -1})));
  expect_iv(iv_ln({-1, 0}), -DBL_INF, -DBL_INF, "only 0 defined");
  EXPECT_EQ(iv_ln({0, 1}).lo, -DBL_INF);
  EXPECT_EQ(smooth_ln({0, 1}), MAY_JUMP);
  EXPECT_EQ(smooth_ln({1e-12, 1}), MAY_JUMP);
  EXPECT_EQ(smooth_ln({2e-12, 1}), SMOOTH);
  EXPECT_TRUE(empty_q(iv_acos({1.5, 2})));
  EXPECT_TRUE(empty_q(iv_asin({-3, -1.5})));
  expect_within(iv_acos({0.5, 3}), 0, std::acos(0.5), 1e-15, "clipped at 1");
  expect_within(iv_asin({-3, 0.5}), -PI / 2, std::asin(0.5), 1e-15, "clipped at -1");
  double m = margin_of(1.0);
  EXPECT_EQ(m, 0x1p-40);
  EXPECT_EQ(smooth_acos_asin({-1 + m, 1 - 2 * m}), SMOOTH);
  EXPECT_EQ(smooth_acos_asin({-1 + m / 2, 0}), MAY_JUMP);
  EXPECT_EQ(smooth_acos_asin({0, 1 - m}), MAY_JUMP);
  EXPECT_EQ(margin_of(-1024.0), 1024 * 0x1p-40);
  expect_within(iv_atan({-DBL_INF, DBL_INF}), -PI / 2, PI / 2, 1e-15, "atan of the whole line");
  expect_within(iv_exp({-DBL_INF, 0}), 0, 1, 1e-15, "exp from -inf");
}

TEST(Interval, MagnitudeAndSign) {
  expect_iv(iv_abs({-3, 2}), 0, 3, "containing 0");
  expect_iv(iv_abs({-3, -2}), 2, 3, "below 0");
  expect_iv(iv_sign({-3, 2}), -1, 1, "sign across 0");
  expect_iv(iv_sign({0, 2}), 0, 1, "sign from 0");
  expect_iv(iv_sign1({1, 2}), 0, 0, "abs'' away from 0");
  expect_iv(iv_sign1({-1, 2}), -DBL_INF, DBL_INF, "abs'' at 0");
  EXPECT_EQ(smooth_abs({-1, 1}), KINK);
  EXPECT_EQ(smooth_abs({1, 2}), SMOOTH);
  EXPECT_EQ(smooth_sign({0, 1}), MAY_JUMP);
}

TEST(Interval, InlinePowerRoundsExactlyAsTheGuardedPower) {
  std::mt19937_64 rng(1);
  std::uniform_real_distribution<double> u(-3, 3);
  for (int t = 0; t < 20000; ++t) {
    double x = u(rng) * std::pow(10.0, double(int(rng() % 9)) - 4);
    int32_t n = int32_t(rng() % 41) - 20;
    if (t == 0) n = INT32_MIN;
    double a = int_power(x, n), b = guarded_int_power(x, n);
    ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << x << "^" << n;
  }
}
