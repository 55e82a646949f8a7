// Numeric functions: compilation, the basic functions and their facets.
#include "formula/dblsf_counted.h"
#include "tests/formula/dblsf_test_util.h"
#include "tests/err_text.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

// Enclosures (exact bounds, or empty when lo > hi) and smoothness over boxes.
TEST(Compile, EnclosuresAndSmoothnessOverBoxes) {
  const struct {
    const char* text;
    double lo, hi, enc_lo, enc_hi;
    int32_t smoothness;
  } cases[] = {{"(+ (^ x 2) 1)", -1, 2, 1, 5, SMOOTH},  {"(/ 1 x)", 0, 1, 1, DBL_INF, MAY_JUMP},
               {"(/ 1 x)", 0.5, 1, 1, 2, SMOOTH},        {"(/ 1 x)", -1, 1, -DBL_INF, DBL_INF, MAY_JUMP},
               {"(abs x)", -1, 1, 0, 1, KINK},           {"(sqrt x)", -3, -2, 1, 0, MAY_JUMP},
               {"(ln (+ x 5))", -9, -6, 1, 0, MAY_JUMP}};
  for (const auto& c : cases) {
    Ref f = compile_x(c.text);
    Interval e = enclosure_over(f, c.lo, c.hi);
    if (c.enc_lo > c.enc_hi) EXPECT_TRUE(empty_q(e)) << c.text;
    else EXPECT_EQ(bounds(e), std::pair(c.enc_lo, c.enc_hi)) << c.text << " over " << c.lo << ", " << c.hi;
    EXPECT_EQ(smoothness_over(f, c.lo, c.hi), c.smoothness) << c.text << " over " << c.lo << ", " << c.hi;
  }
}

// Outside the domain values are NaN, not errors; numbers are approximated first.
TEST(Compile, ValuesOfElementaryFormulas) {
  expect_values({{"(sqrt x)", -1, NaN}, {"(sqrt x)", 0, 0.0}, {"(ln x)", -1, NaN}, {"(acos x)", 2, NaN},
                 {"(^ x 1.5)", -1, NaN}, {"(* x _π)", 2, 2 * std::numbers::pi}, {"(* x (^ 3 -1))", 3, 3.0 * (1.0 / 3.0)},
                 {"(log 2 x)", 8, 3.0}, {"(^ 2 x)", 10, 1024.0}, {"(^ x x)", 3, 27.0}, {"(+ (^ x 2) 1)", 2, 5.0}});
  EXPECT_EQ(slope_at(compile_x("(+ (^ x 2) 1)").get(), 2), 4.0);
  EXPECT_EQ(message_of<Misc_Static_Err>([] { compile_x("(+ x nan)"); }), "Numeric overflow");
}

TEST(Compile, SymbolsOutsideTheVariablesGoToTheRules) {
  Ref x_list = Ref::adopt(pair_new(syms().x.get(), EMPTY_HDL));
  EXPECT_EQ(message_of<Misc_Err>([&] { dblsf_compile(x_list.get(), rd("(+ x b)").get(), default_symbol_rules()); }),
            "Illegal symbol:  b");
  EXPECT_EQ(message_of<Misc_Err>([&] { compile_x("(* x z)"); }), "Illegal symbol:  z");
  EXPECT_EQ(message_of<Misc_Err>([&] { compile_x("(= x 1)"); }), "Illegal symbol:  =");
  EXPECT_EQ(message_of<Misc_Err>([&] { compile_x("_i"); }), "Illegal symbol:  _i");
  Ref f = compile_text("(+ (* a (^ x 2)) y)", {syms().y.get(), syms().x.get()}, 3.0);
  double point[2] = {10, 2};
  EXPECT_EQ(dblsf_value1(f.get(), point), 22.0);
  EXPECT_EQ(dblsf_value1(derived(f.get(), 1).get(), point), 12.0);  // the parameter keeps its value in the derivative
}

TEST(Compile, BuiltinsCarryTheirImplementationAfterTheFirstCompilation) {
  compile_x("x");
  for (Builtin_Sym s : {SYM_PLUS, SYM_TIMES, SYM_EXP, SYM_LN, SYM_COS, SYM_SIN, SYM_TAN, SYM_ACOS, SYM_ASIN, SYM_ATAN,
                        SYM_ABS, SYM_ABS1, SYM_ABS2}) {
    Hdl f = prop_get(builtin(s), DBLS_F1N);
    ASSERT_NE(f, NO_HDL) << s;
    EXPECT_EQ(src_dim(f), imm_value(prop_get(builtin(s), N_ARGS))) << s;
  }
  EXPECT_EQ(prop_get(builtin(SYM_POWER), DBLS_F1N), NO_HDL);
  DblsF times_f = prop_get(builtin(SYM_TIMES), DBLS_F1N);
  double ab[2] = {3, 7};
  EXPECT_EQ(dblsf_value1(derived(times_f).get(), ab), 7.0);
  EXPECT_EQ(slope_at(prop_get(builtin(SYM_LN), DBLS_F1N), 4), 0.25);
  EXPECT_DOUBLE_EQ(slope_at(prop_get(builtin(SYM_TAN), DBLS_F1N), 0.5), 1 / (std::cos(0.5) * std::cos(0.5)));
}

TEST(Compile, PlaceholdersAndIntegerPowers) {
  EXPECT_STREQ(symbol_name(placeholder(0)), "_x0");
  EXPECT_STREQ(symbol_name(placeholder(11)), "_x11");
  EXPECT_EQ(placeholder(3), placeholder(3));
  Ref cube = Ref::adopt(dblsf_int_power(-3));
  EXPECT_EQ(value_at(cube, 2), 0.125);
  EXPECT_EQ(slope_at(cube.get(), 2), -3.0 / 16);
  EXPECT_EQ(value_at(Ref::adopt(dblsf_int_power(0)), NaN), 1.0);
  EXPECT_EQ(value_at(Ref::adopt(dblsf_int_power(1000)), -1), 1.0);
}

TEST(Compile, AbsoluteValueItsSignAndSpike) {
  Ref f = compile_x("(abs x)");
  EXPECT_EQ(value_at(f, -2.5), 2.5);
  Ref d1 = derived(f.get());
  EXPECT_EQ(value_at(d1, -2.5), -1.0);
  EXPECT_EQ(value_at(d1, 0), 0.0);
  EXPECT_EQ(slope_at(d1.get(), 3), 0.0);
  EXPECT_TRUE(std::isnan(slope_at(d1.get(), 0)));
  EXPECT_EQ(smoothness_over(d1, -1, 1), -1);
  EXPECT_EQ(smoothness_over(d1, 1, 2), SMOOTH);
}

TEST(Constant, ValueIntervalPartialAndOverflow) {
  Ref c = Ref::adopt(dblsf_constant(2, 4.5));
  double p[2] = {1, 2};
  Interval box[2] = {{0, 1}, {EMPTY_INTERVAL}};
  EXPECT_EQ(dblsf_value1(c.get(), p), 4.5);
  EXPECT_EQ(bounds(dblsf_enclose1(c.get(), box)), std::pair(4.5, 4.5));
  EXPECT_EQ(dblsf_smoothness(c.get(), box), SMOOTH);
  Ref d = derived(c.get(), 1);
  EXPECT_EQ(src_dim(d.get()), 2);
  EXPECT_EQ(dblsf_value1(d.get(), p), 0.0);
  EXPECT_EQ(message_of<Misc_Static_Err>([] { dblsf_constant(1, NaN); }), "Numeric overflow");
  EXPECT_EQ(value_at(Ref::adopt(dblsf_constant(1, DBL_INF)), 0), DBL_INF);
}

TEST(Projection, ValueIntervalAndPartials) {
  Ref p = Ref::adopt(dblsf_projection(3, 1));
  double xs[3] = {1, 2, 3};
  Interval box[3] = {{0, 1}, {NaN, 5}, {2, 3}};
  EXPECT_EQ(dblsf_value1(p.get(), xs), 2.0);
  EXPECT_EQ(bounds(dblsf_enclose1(p.get(), box)), std::pair(-DBL_INF, 5.0));  // a NaN bound widens
  EXPECT_EQ(dblsf_value1(derived(p.get(), 1).get(), xs), 1.0);
  EXPECT_EQ(dblsf_value1(derived(p.get(), 2).get(), xs), 0.0);
  EXPECT_EQ(check_text([&] { dblsf_derive(p.get(), 3); }),
            "Assertion failed - file dblsf_record:\runsigned(j) < unsigned(src_dim(f))");
}

TEST(Split, BelowTheThresholdHAboveG) {
  Ref g = compile_x("(* x 2)");
  Ref h = compile_x("(* x -1)");
  Ref s = Ref::adopt(dblsf_split(1.0, g.get(), h.get()));
  EXPECT_EQ(value_at(s, 0.5), -0.5);
  EXPECT_EQ(value_at(s, 1.0), 2.0);
  EXPECT_TRUE(std::isnan(value_at(s, NaN)));
  EXPECT_EQ(bounds(enclosure_over(s, 0, 2)), std::pair(-1.0, 4.0));
  EXPECT_EQ(smoothness_over(s, 0, 2), -1);
  EXPECT_EQ(smoothness_over(s, 0, 0.9), SMOOTH);
  EXPECT_EQ(smoothness_over(s, 1, 2), SMOOTH);
  EXPECT_EQ(slope_at(s.get(), 0), -1.0);
  EXPECT_EQ(slope_at(s.get(), 3), 2.0);
  EXPECT_EQ(message_of<Misc_Static_Err>([&] { dblsf_split(NaN, g.get(), h.get()); }), "Numeric overflow");
  Ref two = compile_text("(+ x y)", {syms().x.get(), syms().y.get()});
  EXPECT_EQ(check_text([&] { dblsf_split(0, two.get(), h.get()); }),
            "Assertion failed - file dblsf_record:\rsrc_dim(g) == 1 && tgt_dim(h) == m && src_dim(h) == 1");
}

TEST(Restrict, AFunctionOfTwoInputsAlongALine) {
  Ref f = compile_text("(+ (* x (^ y 2)) (sin x))", {syms().x.get(), syms().y.get()});
  Ref along_x = Ref::adopt(dblsf_restrict(f.get(), 1, 3.0));  // y fixed at 3
  Ref along_y = Ref::adopt(dblsf_restrict(f.get(), 0, 2.0));  // x fixed at 2
  EXPECT_EQ(src_dim(along_x.get()), 1);
  EXPECT_DOUBLE_EQ(value_at(along_x, 2.0), 18 + std::sin(2.0));
  EXPECT_DOUBLE_EQ(value_at(along_y, 3.0), 18 + std::sin(2.0));
  EXPECT_DOUBLE_EQ(slope_at(along_x.get(), 2.0), 9 + std::cos(2.0));
  EXPECT_DOUBLE_EQ(slope_at(along_y.get(), 3.0), 12.0);
  Interval e = enclosure_over(along_y, 1, 2);
  EXPECT_LE(e.lo, 4 + std::sin(2.0));
  EXPECT_GE(e.hi, 8 + std::sin(2.0));
  Ref sum = compile_text("(+ x y)", {syms().x.get(), syms().y.get()});
  EXPECT_EQ(value_at(Ref::adopt(dblsf_restrict(sum.get(), 0, 5.0)), -1), 4.0);
}

// A function whose facets are not trees (here one counting its calls) is kept
// whole and composed with the fixed input.
TEST(Restrict, AFunctionKeptWholeIsComposedWithTheFixedInput) {
  Facet_Counts counts = {};
  Ref f = compile_text("(* x (exp y))", {syms().x.get(), syms().y.get()});
  Ref line = Ref::adopt(dblsf_restrict(Ref::adopt(dblsf_counted(f.get(), &counts)).get(), 0, 2.0));
  EXPECT_EQ(value_at(line, 0), 2.0);
  Interval e = enclosure_over(line, 0, 1);
  EXPECT_TRUE(e.lo <= 2.0 && e.hi >= 2 * std::exp(1.0)) << e.lo << ", " << e.hi;
  EXPECT_EQ(smoothness_over(line, 0, 1), SMOOTH);
  EXPECT_EQ(counts.n_values, 1);  // each facet went through the whole function
  EXPECT_TRUE(counts.n_intervals > 0 && counts.n_smooths > 0);
  EXPECT_DOUBLE_EQ(slope_at(line.get(), 0.5), 2 * std::exp(0.5));
}

TEST(Compile, EmptyBoxesGiveEmptyEnclosures) {
  Ref f = compile_text("(+ x y)", {syms().x.get(), syms().y.get()});
  Interval box[2] = {{0, 1}, EMPTY_INTERVAL};
  EXPECT_TRUE(empty_q(dblsf_enclose1(f.get(), box)));
  Interval nan_box[2] = {{NaN, 1}, {0, NaN}};
  EXPECT_EQ(bounds(dblsf_enclose1(f.get(), nan_box)), std::pair(-DBL_INF, DBL_INF));
}

// Use counts: everything a compilation builds goes back to the pool, and the
// value, interval and smoothness facets take nothing from it.
TEST(Compile, ReleasingReturnsEveryBlockAndEvaluationTakesNone) {
  const char* text = "(+ (sin (* a x)) (+ (/ 1 (- x 2)) (+ (^ x 0.5) (+ (tan x) (log 3 (abs x))))))";
  auto build_and_evaluate = [&] {
    Ref f = compile_x(text);
    Ref s = Ref::adopt(dblsf_split(0.5, f.get(), derived(f.get()).get()));
    Ref s1 = derived(s.get());
    Ref two = compile_text("(* x (exp y))", {syms().x.get(), syms().y.get()});
    Ref line = Ref::adopt(dblsf_restrict(two.get(), 0, 2.0));
    Ref line1 = derived(line.get());
    uint64_t built = pool_free_bytes();
    volatile double sum = 0;
    for (int i = 0; i < 100; ++i) {
      double x = 0.01 * i - 0.3;
      Interval box = {x, x + 0.5};
      sum = sum + value_at(s, x) + value_at(line1, x) + dblsf_enclose1(s.get(), &box).hi +
            dblsf_smoothness(s.get(), &box);
    }
    EXPECT_EQ(pool_free_bytes(), built);
  };
  build_and_evaluate();  // the first run makes what lives for the whole run
  uint64_t before = pool_free_bytes();
  build_and_evaluate();
  EXPECT_EQ(pool_free_bytes(), before);
}

// Constant multiples of input powers live inside the sums that use them;
// restriction must rebuild them with the fixed input in place.
TEST(Restrict, PolynomialsKeepTheirCoefficients) {
  Ref f = compile_text("(+ (* 3 (^ x 2)) (+ (* 2 y) (+ (* -5 (^ x 3)) -1)))", {syms().x.get(), syms().y.get()});
  Ref at_x2 = Ref::adopt(dblsf_restrict(f.get(), 0, 2.0));
  Ref at_y1 = Ref::adopt(dblsf_restrict(f.get(), 1, 1.0));
  EXPECT_EQ(value_at(at_x2, 0.5), 12 + 1 - 40 - 1);
  EXPECT_EQ(value_at(at_y1, -1.0), 3 + 2 + 5 - 1);
  Interval e = enclosure_over(at_y1, 0, 1);
  EXPECT_LE(e.lo, -1.0);
  EXPECT_GE(e.hi, 1.16);  // the maximum, at x = 0.4
  EXPECT_EQ(slope_at(at_y1.get(), 2.0), 12 - 60);
}
