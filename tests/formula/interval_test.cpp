// Interval operations and the elementary enclosures at their edges.
#include <gtest/gtest.h>

#include <numbers>
#include <random>

#include "formula/guarded.h"
#include "formula/interval.h"

namespace {

constexpr double PI = std::numbers::pi;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = DBL_INF;

struct Iv_Case {
  Interval got;
  double lo, hi;
};

// Exact bounds, row by row.
void expect_ivs(std::initializer_list<Iv_Case> cases) {
  int i = 0;
  for (const Iv_Case& c : cases) {
    EXPECT_EQ(c.got.lo, c.lo) << "row " << i;
    EXPECT_EQ(c.got.hi, c.hi) << "row " << i++;
  }
}

// Bounds at most tol outside [lo, hi] and never inside it.
void expect_around(std::initializer_list<Iv_Case> cases, double tol) {
  int i = 0;
  for (const Iv_Case& c : cases) {
    EXPECT_TRUE(c.got.lo <= c.lo && c.got.lo >= c.lo - tol) << "row " << i << ": " << c.got.lo;
    EXPECT_TRUE(c.got.hi >= c.hi && c.got.hi <= c.hi + tol) << "row " << i++ << ": " << c.got.hi;
  }
}

}  // namespace

TEST(Interval, EmptyInputsGiveEmptyAndNanBoundsWiden) {
  Interval unit = {0, 1}, e = EMPTY_INTERVAL;
  for (Interval r : {iv_add(e, unit), iv_mul(unit, e), iv_exp(e), iv_ln(e), iv_cos(e), iv_sin(e), iv_tan(e),
                     iv_acos(e), iv_atan(e), iv_abs(e), iv_int_power(e, 3), iv_add({2, 1}, unit), iv_ln({-2, -1}),
                     iv_acos({1.5, 2}), iv_asin({-3, -1.5})})
    EXPECT_TRUE(empty_q(r));
  // -inf + inf and 0 * inf are NaN, widened.
  expect_ivs({{iv_add({-INF, 0}, {INF, INF}), -INF, INF}, {iv_mul({0, 0}, {1, INF}), 0, INF},
              {widen_nan({NaN, NaN}), -INF, INF}});
  Interval box[2] = {{0, 1}, {-2, -1}}, whole[1] = {WHOLE_LINE};
  double inside[2] = {1, -2}, outside[2] = {1, -0.5}, nan_pt[2] = {NaN, -1.5}, inf_pt[1] = {INF};
  EXPECT_TRUE(point_in_box_q(inside, box, 2));
  EXPECT_FALSE(point_in_box_q(outside, box, 2) || point_in_box_q(nan_pt, box, 2) || point_in_box_q(inf_pt, whole, 1));
}

TEST(Interval, ProductsPowersMagnitudeAndSign) {
  expect_ivs({
      // Products by the signs of the bounds.
      {iv_mul({2, 3}, {4, 5}), 8, 15}, {iv_mul({2, 3}, {-5, -4}), -15, -8}, {iv_mul({2, 3}, {-1, 4}), -3, 12},
      {iv_mul({-3, -2}, {-5, -4}), 8, 15}, {iv_mul({-3, -2}, {-1, 0.5}), -1.5, 3}, {iv_mul({-2, 3}, {4, 5}), -10, 15},
      {iv_mul({-2, 3}, {-5, 4}), -15, 12}, {iv_mul({2, INF}, {-5, 0}), -INF, 0},  // no inf * 0 at a zero end
      // Integer powers by parity and sign; a negative power exchanges the ends.
      {iv_int_power({2, 3}, 2), 4, 9}, {iv_int_power({-3, -2}, 2), 4, 9}, {iv_int_power({-3, -2}, 3), -27, -8},
      {iv_int_power({-2, 3}, 2), 0, 9}, {iv_int_power({-2, 3}, 3), -8, 27}, {iv_int_power({-2, 3}, -1), -INF, INF},
      {iv_int_power({-2, 4}, -2), 0.0625, INF}, {iv_int_power({2, 4}, -1), 0.25, 0.5},
      {iv_int_power({-4, -2}, -1), -0.5, -0.25}, {iv_int_power({0, 2}, -1), 0.5, INF},
      {iv_int_power({-2, 0}, -1), -INF, INF}, {iv_int_power({-5, 7}, 0), 1, 1}, {iv_abs({-3, 2}), 0, 3},
      {iv_abs({-3, -2}), 2, 3}, {iv_sign({-3, 2}), -1, 1}, {iv_sign({0, 2}), 0, 1}, {iv_sign1({1, 2}), 0, 0},
      {iv_sign1({-1, 2}), -INF, INF}, {iv_sign1({0, 2}), -INF, INF}, {iv_sign1({-2, 0}), -INF, INF},
  });
  EXPECT_EQ(smooth_int_power({-1, 1}, -1), MAY_JUMP);
  EXPECT_EQ(smooth_int_power({1e-13, 1}, -2), MAY_JUMP);
  EXPECT_EQ(smooth_int_power({1e-11, 1}, -2), SMOOTH);
  EXPECT_EQ(smooth_int_power({-1, 1}, 3), SMOOTH);
  EXPECT_EQ(smooth_abs({-1, 1}), KINK);
  EXPECT_EQ(smooth_abs({1, 2}), SMOOTH);
  EXPECT_EQ(smooth_sign({0, 1}), MAY_JUMP);
}

TEST(Interval, CircularFunctionsReachTheirExtremaAfterReduction) {
  // Whole ranges: a full turn, an unbounded box, a tangent's pole inside, at
  // the end, after reduction, or a box at least pi wide.
  expect_ivs({{iv_cos({0, 7}), -1, 1}, {iv_cos({-INF, 0}), -1, 1}, {iv_tan({1, 2}), -INF, INF},
              {iv_tan({0, PI / 2}), -INF, INF}, {iv_tan({1 + 100 * PI, 2 + 100 * PI}), -INF, INF},
              {iv_tan({0, 3.5}), -INF, INF}});
  expect_around({{iv_cos({-0.5, 0.5}), std::cos(0.5), 1.0}, {iv_cos({0.5, 1}), std::cos(1.0), std::cos(0.5)},
                 {iv_sin({-0.5, 0.5}), std::sin(-0.5), std::sin(0.5)}, {iv_acos({0.5, 3}), 0, std::acos(0.5)},
                 {iv_asin({-3, 0.5}), -PI / 2, std::asin(0.5)}, {iv_atan({-INF, INF}), -PI / 2, PI / 2},
                 {iv_exp({-INF, 0}), 0, 1}},
                1e-15);
  expect_around({{iv_tan({-1, 1}), std::tan(-1.0), std::tan(1.0)}, {iv_tan({2, 3}), std::tan(2.0), std::tan(3.0)}},
                1e-14);
  EXPECT_EQ(iv_cos({3, 4}).lo, -1.0);
  EXPECT_LE(iv_cos({3, 4}).hi, std::cos(4.0) + 1e-15);
  EXPECT_EQ(iv_cos({3 + 200 * PI, 4 + 200 * PI}).lo, -1.0);  // reduced by 100 turns
  EXPECT_EQ(iv_cos({-4 - 20 * PI, -3 - 20 * PI}).lo, -1.0);
  EXPECT_EQ(iv_sin({1, 2}).hi, 1.0);
  EXPECT_EQ(iv_sin({4, 5}).lo, -1.0);
  EXPECT_EQ(smooth_tan({1, 2}), MAY_JUMP);
  EXPECT_EQ(smooth_tan({PI / 2 + 1e-13, 2}), MAY_JUMP);  // within the margin of the pole
  EXPECT_EQ(smooth_tan({2, 3}), SMOOTH);
  EXPECT_EQ(smooth_tan({-INF, 0}), MAY_JUMP);
}

TEST(Interval, LogarithmAndInverseFunctionsAtTheirDomainEdges) {
  expect_ivs({{iv_ln({-1, 0}), -INF, -INF}});  // only 0 defined
  EXPECT_EQ(iv_ln({0, 1}).lo, -INF);
  EXPECT_EQ(smooth_ln({0, 1}), MAY_JUMP);
  EXPECT_EQ(smooth_ln({1e-12, 1}), MAY_JUMP);
  EXPECT_EQ(smooth_ln({2e-12, 1}), SMOOTH);
  double m = margin_of(1.0);
  EXPECT_EQ(m, 0x1p-40);
  EXPECT_EQ(margin_of(-1024.0), 1024 * 0x1p-40);
  EXPECT_EQ(smooth_acos_asin({-1 + m, 1 - 2 * m}), SMOOTH);
  EXPECT_EQ(smooth_acos_asin({-1 + m / 2, 0}), MAY_JUMP);
  EXPECT_EQ(smooth_acos_asin({0, 1 - m}), MAY_JUMP);
}

TEST(Interval, InlinePowerRoundsExactlyAsTheGuardedPower) {
  std::mt19937_64 rng(1);
  std::uniform_real_distribution<double> u(-3, 3);
  for (int t = 0; t < 20000; ++t) {
    double x = u(rng) * std::pow(10.0, double(int(rng() % 9)) - 4);
    int32_t n = t == 0 ? INT32_MIN : int32_t(rng() % 41) - 20;
    double a = int_power(x, n), b = guarded_int_power(x, n);
    ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << x << "^" << n;
  }
}
