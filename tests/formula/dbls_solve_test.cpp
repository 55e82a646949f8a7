// The root finder: bisection until Newton's method is proven safe.
#include "formula/dbls_solve.h"
#include "formula/dblsf_counted.h"

#include "tests/formula/dblsf_test_util.h"

namespace {

Facet_Counts counts_;

// f with its first two derivatives; the calls of f's facets are counted in counts_.
struct Solve_Set {
  Ref f, f1, f2;
  explicit Solve_Set(Ref plain)
      : f(Ref::adopt(dblsf_counted(plain.get(), &counts_))),
        f1(Ref::adopt(dblsf_derive(plain.get(), 0))),
        f2(Ref::adopt(dblsf_derive(f1.get(), 0))) {}
  explicit Solve_Set(const char* text) : Solve_Set(compile_x(text)) {}
  double solve(double a, double b, double y, int32_t n_iters) const {
    counts_ = {};
    return dbls_solve(f.get(), f1.get(), f2.get(), a, b, y, n_iters);
  }
};

}  // namespace

TEST(Solve, SquareRootOfTwoWithinAFewNewtonSteps) {
  Solve_Set s("(^ x 2)");
  EXPECT_NEAR(s.solve(0, 2, 2, 60), std::sqrt(2.0), 1e-15);
  // Bisection alone would need about 40 halvings for 1e-12.
  EXPECT_NEAR(s.solve(0, 2, 2, 15), std::sqrt(2.0), 1e-12);
  EXPECT_LE(counts_.n_values, 15);
}

TEST(Solve, SmoothMonotoneFunctionsConvergeWithinTheBudget) {
  struct Case {
    const char* text;
    double a, b, y, root;
  } cases[] = {
      {"(exp x)", -3, 5, 10, std::log(10.0)}, {"(atan x)", -10, 10, 0.5, std::tan(0.5)},
      {"(+ (^ x 3) x)", -4, 3, 1, 0.6823278038280193},
      {"(* (exp (* x -1)) -1)", 0, 4, -0.5, std::log(2.0)},  // falling
      {"(sin x)", 0, 1.5, 0.25, std::asin(0.25)}, {"(+ (* x 1000000) -3)", -1, 1, 0, 3e-6},
  };
  for (const Case& c : cases) {
    double r = Solve_Set(c.text).solve(c.a, c.b, c.y, 20);
    EXPECT_NEAR(r, c.root, 1e-12 * std::max(1.0, std::fabs(c.root))) << c.text;
  }
}

TEST(Solve, EndPointsAndTheBudgetOfOneStopAtOnce) {
  Solve_Set s("(^ x 2)");
  EXPECT_EQ(s.solve(1, 3, 1, 20), 1.0);
  EXPECT_EQ(counts_.n_values, 1);
  EXPECT_EQ(s.solve(1, 3, 9, 20), 3.0);
  EXPECT_EQ(counts_.n_values, 2);
  EXPECT_EQ(s.solve(1, 3, 5, 1), 2.0);
  EXPECT_EQ(counts_.n_values, 2);
  EXPECT_EQ(s.solve(2, 2, 5, 20), 2.0);  // a bracket that cannot be split
}

TEST(Solve, AJumpIsFoundByHalvingAlone) {
  // x below 0.3 and x + 1 from it on: slope 1 and no curvature on both sides,
  // so only the smoothness facet keeps Newton's method off the jump.
  Ref split = Ref::adopt(dblsf_split(0.3, compile_x("(+ x 1)").get(), compile_x("x").get()));
  Solve_Set s(split);
  double r = s.solve(-1, 1, 0.5, 20);
  EXPECT_EQ(counts_.n_values, 2 + 19);  // the ends, then one value per halving
  EXPECT_LE(std::fabs(r - 0.3), std::ldexp(1.0, -18));
  // 1/x passes 0.2 only through its pole at 0: every step halves the bracket.
  r = Solve_Set("(/ 1 x)").solve(-1, 3, 0.2, 12);
  EXPECT_EQ(std::fmod(r + 1, 4.0 / 4096), 0.0);  // 11 halvings, then the midpoint
  EXPECT_LE(std::fabs(r), 4.0 / 2048);
}

TEST(Solve, NeverLeavesTheBracketAndSurvivesNan) {
  Solve_Set steep("(^ x 9)");
  for (double y : {-1e30, -5.0, 0.5, 7.0, 1e30}) {
    double r = steep.solve(-2, 3, y, 30);
    EXPECT_TRUE(r >= -2.0 && r <= 3.0) << y;
  }
  // NaN at the low end: the direction is unknown, but the answer stays inside.
  Solve_Set half_defined("(sqrt x)");
  double r = half_defined.solve(-4, 4, 1, 40);
  EXPECT_TRUE(r >= -4.0 && r <= 4.0);
  EXPECT_NEAR(half_defined.solve(0, 4, 1, 40), 1.0, 1e-12);
  double n = Solve_Set("(ln x)").solve(-4, -1, 0, 10);
  EXPECT_TRUE(n >= -4.0 && n <= -1.0);
  Ref two = compile_text("(+ x y)", {syms().x.get(), syms().y.get()});
  EXPECT_EQ(check_text([&] { dbls_solve(two.get(), two.get(), two.get(), 0, 1, 0, 5); }),
            "Assertion failed - file dbls_solve:\rsrc_dim(f) == 1 && tgt_dim(f) == 1");
}
