// Exact and approximate numbers: approximation, conversions, rational pairs,
// the negative test and the guarded numeric functions.
#include <cmath>
#include <limits>
#include <random>

#include "tests/formula/formula_test_util.h"

namespace {

constexpr double INF = std::numeric_limits<double>::infinity();

std::string rational_text(double x) {
  Ref r = Ref::adopt(rational_of_double(x));
  return int_to_string(pair_first(r.get())) + "/" + int_to_string(pair_rest(r.get()));
}

Ref approx(const char* text) { return Ref::adopt(approximate(rd(text).get())); }

}  // namespace

TEST(Approximate, NumbersConstantsAndRefolding) {
  EXPECT_EQ(real_value(approx("_π").get()), std::acos(-1.0));
  EXPECT_EQ(text_of(approx("3")), "3.0");
  EXPECT_EQ(text_of(approx("(+ x (* 2 _π))")), "(+ x 6.283185307179586)");
  EXPECT_EQ(text_of(approx("(^ 2 -1)")), "0.5");
  EXPECT_EQ(text_of(approx("(sin (* _π (^ 2 -1)))")), "1.0");
  EXPECT_EQ(text_of(approx("(cos _i)")), "(cos _i)");
  Ref big = Ref::adopt(int_shift(imm_make(1), 200));  // 201 bits
  Ref big_approx = Ref::adopt(approximate(big.get()));
  EXPECT_EQ(big_approx.get(), big.get());
  Ref just = Ref::adopt(int_shift(imm_make(1), 199));  // 200 bits
  Ref just_approx = Ref::adopt(approximate(just.get()));
  EXPECT_EQ(real_value(just_approx.get()), std::ldexp(1.0, 199));
}

TEST(Approximate, KeptConstants) {
  EXPECT_EQ(prefix_text(i_pi_const()), "(* _i _π)");
  EXPECT_EQ(prefix_text(half_const()), "(^ 2 -1)");
  EXPECT_EQ(prefix_text(e_const()), "(exp 1)");
  EXPECT_EQ(e_const(), e_const());
  Ref e = Ref::adopt(approximate(e_const()));
  EXPECT_EQ(real_value(e.get()), std::exp(1.0));
}

TEST(DoubleOfInteger, RoundsLikeTheExactValue) {
  EXPECT_EQ(double_of_integer(imm_make(0)), 0.0);
  EXPECT_EQ(double_of_integer(imm_make(-12345)), -12345.0);
  // 2^53 + 1 lies halfway between two doubles; the forced bit counts as
  // something below it, so it rounds up rather than to even.
  Ref two53 = Ref::adopt(int_shift(imm_make(1), 53));
  Ref halfway = Ref::adopt(int_add(two53.get(), imm_make(1)));
  EXPECT_EQ(double_of_integer(halfway.get()), std::ldexp(1.0, 53) + 2);
  // Above halfway only by a bit far below the 61 kept: the forced bit rounds up.
  Ref far = Ref::adopt(int_shift(halfway.get(), 40));
  Ref above = Ref::adopt(int_add(far.get(), imm_make(1)));
  EXPECT_EQ(double_of_integer(above.get()), std::ldexp(1.0, 93) + std::ldexp(2.0, 40));
  std::mt19937_64 rng(7);
  for (int i = 0; i < 2000; ++i) {
    Ref v = Ref::adopt(int_from_uint64(rng()));
    int k = int(rng() % 120);
    // A low bit keeps the value off the halfway points, where the forced bit
    // decides differently from rounding to even.
    v = Ref::adopt(int_shift(v.get(), k));
    v = Ref::adopt(int_add(v.get(), imm_make(1)));
    if (rng() & 1) v = Ref::adopt(int_negate(v.get()));
    ASSERT_EQ(double_of_integer(v.get()), int_to_double(v.get())) << int_to_string(v.get());
  }
}

TEST(IntegerOfDouble, TruncatesAndRefusesNonFinite) {
  const std::pair<double, const char*> cases[] = {{2.9, "2"}, {-2.9, "-2"}, {-2147483648.0, "-2147483648"},
      {1e20, "100000000000000000000"}, {-0x1.fffffffffffffp+80, "-2417851639229258080976896"}};
  for (auto [x, text] : cases) EXPECT_EQ(int_to_string(Ref::adopt(integer_of_double(x)).get()), text) << x;
  EXPECT_EQ(message_of<Misc_Static_Err>([] { integer_of_double(INF); }), "Numeric overflow");
  EXPECT_EQ(message_of<Misc_Static_Err>([] { integer_of_double(std::nan("")); }), "Numeric overflow");
  std::mt19937_64 rng(11);
  for (int i = 0; i < 2000; ++i) {
    double x = std::ldexp(double(int64_t(rng())), int(rng() % 200) - 100);
    Ref v = Ref::adopt(integer_of_double(x));
    ASSERT_EQ(double_of_integer(v.get()), std::trunc(x)) << x;
  }
}

TEST(RationalOfDouble, ContinuedFractionsStopAtTheTypedNumber) {
  const std::pair<double, const char*> cases[] = {
      {0.75, "3/4"}, {-0.5, "-1/2"}, {0.0, "0/1"}, {5.0, "5/1"}, {1.0 / 3.0, "1/3"}, {-22.0 / 7.0, "-22/7"},
      {0.1, "1/10"}, {1e20, "100000000000000000000/1"}, {2.0 / 3e10, "1/15000000000"}};
  for (auto [x, text] : cases) EXPECT_EQ(rational_text(x), text) << x;
  // Far below 1 the reciprocal step's tolerance overflows: 1 over 1/1e-300 as a double, exactly.
  Ref big = Ref::adopt(integer_of_double(1.0 / 1e-300));
  EXPECT_EQ(rational_text(1e-300), "1/" + int_to_string(big.get()));
  EXPECT_EQ(message_of<Misc_Static_Err>([] { rational_of_double(-INF); }), "Numeric overflow");
}

TEST(Negative, NumbersAndTrailingFactors) {
  for (const char* text : {"-3", "-0.5", "(* x -2)", "(* x (* y -2))"}) EXPECT_TRUE(negative_q(rd(text).get())) << text;
  for (const char* text : {"0", "nan", "(* x 2)", "(+ x -2)", "x"}) EXPECT_FALSE(negative_q(rd(text).get())) << text;
}

TEST(Guarded, NanAndInfinityTable) {
  const double nan = GUARD_NAN, pi = std::acos(-1.0);
  EXPECT_EQ(std::bit_cast<uint64_t>(nan), std::bit_cast<uint64_t>(double(std::numeric_limits<float>::quiet_NaN())));
  for (double (*f)(double) : {guarded_sin, guarded_cos, guarded_tan, guarded_asin, guarded_acos})
    for (double x : {nan, INF, -INF}) EXPECT_TRUE(std::isnan(f(x))) << x;
  const std::tuple<double (*)(double), double, double> cases[] = {
      {guarded_sin, 0.5, std::sin(0.5)}, {guarded_asin, 1.0000001, nan}, {guarded_acos, -1.0, pi},
      {guarded_atan, nan, nan}, {guarded_atan, INF, pi / 2}, {guarded_atan, -INF, -pi / 2}, {guarded_exp, nan, nan},
      {guarded_exp, INF, INF}, {guarded_exp, -INF, 0.0}, {guarded_ln, 0.0, -INF}, {guarded_ln, -0.0, -INF},
      {guarded_ln, -1.0, nan}, {guarded_ln, nan, nan}, {guarded_ln, INF, INF}, {guarded_ln, -INF, nan},
      {guarded_abs, nan, nan}, {guarded_abs, -INF, INF}, {guarded_sign, 2.0, 1.0}, {guarded_sign, -INF, -1.0},
      {guarded_sign, 0.0, 0.0}, {guarded_sign, nan, 0.0}};
  int row = 0;
  for (auto [f, x, y] : cases) {
    double got = f(x);
    EXPECT_TRUE(got == y || (std::isnan(got) && std::isnan(y))) << "row " << row++ << ": " << got;
  }
  const std::tuple<double, int32_t, double> powers[] = {
      {3.0, 0, 1.0}, {nan, 0, 1.0}, {3.0, 5, 243.0}, {2.0, -3, 0.125}, {1.0, INT32_MIN, 1.0}, {2.0, INT32_MIN, 0.0},
      {-1.0, INT32_MIN, 1.0}, {nan, 3, nan}, {-INF, 3, -INF}};
  for (auto [x, n, y] : powers) {
    double got = guarded_int_power(x, n);
    EXPECT_TRUE(got == y || (std::isnan(got) && std::isnan(y))) << x << "^" << n << " = " << got;
  }
}
