// The root finder: bisection until Newton's method is proven safe.
#include "formula/dbls_solve.h"

#include "tests/formula/dblsf_test_util.h"

namespace {

// f with its first two derivatives, and a count of value evaluations.
struct Solve_Set {
  Ref f, f1, f2;
  explicit Solve_Set(const char* text)
      : f(compile_x(text)), f1(Ref::adopt(dblsf_derive(f.get(), 0))), f2(Ref::adopt(dblsf_derive(f1.get(), 0))) {}
  double solve(double a, double b, double y, int32_t n_iters) const {
    return dbls_solve(f.get(), f1.get(), f2.get(), a, b, y, n_iters);
  }
};

}  // namespace

TEST(Solve, SquareRootOfTwoWithinAFewNewtonSteps) {
  Solve_Set s("(^ x 2)");
  double r = s.solve(0, 2, 2, 60);
  EXPECT_NEAR(r, std::sqrt(2.0), 1e-15);
  // Bisection alone would need about 40 halvings for 1e-12; with the Newton
  // switch a budget of 15 suffices.
  EXPECT_NEAR(s.solve(0, 2, 2, 15), std::sqrt(2.0), 1e-12);
}

TEST(Solve, SmoothMonotoneFunctionsConvergeWithinTheBudget) {
  struct Case {
    const char* text;
    double a, b, y, root;
  } cases[] = {
      {"(exp x)", -3, 5, 10, std::log(10.0)},
      {"(atan x)", -10, 10, 0.5, std::tan(0.5)},
      {"(+ (^ x 3) x)", -4, 3, 1, 0.6823278038280193},
      {"(* (exp (* x -1)) -1)", 0, 4, -0.5, std::log(2.0)},  // falling
      {"(sin x)", 0, 1.5, 0.25, std::asin(0.25)},
      {"(+ (* x 1000000) -3)", -1, 1, 0, 3e-6},
  };
  for (const Case& c : cases) {
    Solve_Set s(c.text);
    double r = s.solve(c.a, c.b, c.y, 20);
    EXPECT_NEAR(r, c.root, 1e-12 * std::max(1.0, std::fabs(c.root))) << c.text;
    EXPECT_GE(r, c.a) << c.text;
    EXPECT_LE(r, c.b) << c.text;
  }
}

TEST(Solve, EndPointsAndTheBudgetOfOne) {
  Solve_Set s("(^ x 2)");
  EXPECT_EQ(s.solve(1, 3, 1, 20), 1.0);
  EXPECT_EQ(s.solve(1, 3, 9, 20), 3.0);
  EXPECT_EQ(s.solve(1, 3, 5, 1), 2.0);
  EXPECT_EQ(s.solve(1, 3, 5, 0), 2.0);
  EXPECT_EQ(s.solve(2, 2, 5, 20), 2.0);  // a bracket that cannot be split
}

TEST(Solve, NotSmoothMeansBisectionOnly) {
  // 1/x passes 0.2 only through its pole at 0, where it is never smooth:
  // every step halves the bracket, so the answer is a halving point near 0.
  Solve_Set s("(/ 1 x)");
  double r = s.solve(-1, 3, 0.2, 12);
  EXPECT_EQ(std::fmod(r + 1, 4.0 / 4096), 0.0);  // 11 halvings, then the midpoint
  EXPECT_LE(std::fabs(r), 4.0 / 2048);
  Solve_Set jump("(abs' (+ x -0.3))");
  double j = jump.solve(-1, 1, 0.5, 60);
  EXPECT_NEAR(j, 0.3, 1e-15);  // the jump itself, found by halving
}

TEST(Solve, NeverLeavesTheBracketAndSurvivesNan) {
  Solve_Set steep("(^ x 9)");
  for (double y : {-1e30, -5.0, 0.5, 7.0, 1e30}) {
    double r = steep.solve(-2, 3, y, 30);
    EXPECT_GE(r, -2.0);
    EXPECT_LE(r, 3.0);
  }
  // NaN at the low end: the direction is unknown, but the answer stays inside.
  Solve_Set half_defined("(sqrt x)");
  double r = half_defined.solve(-4, 4, 1, 40);
  EXPECT_GE(r, -4.0);
  EXPECT_LE(r, 4.0);
  EXPECT_NEAR(half_defined.solve(0, 4, 1, 40), 1.0, 1e-12);
  Solve_Set never("(ln x)");
  double n = never.solve(-4, -1, 0, 10);
  EXPECT_GE(n, -4.0);
  EXPECT_LE(n, -1.0);
  Ref two = compile_text("(+ x y)", {syms().x.get(), syms().y.get()});
  EXPECT_NE(message_of<Misc_Static_Err>([&] { dbls_solve(two.get(), two.get(), two.get(), 0, 1, 0, 5); })
                .find("src_dim(f) == 1 && tgt_dim(f) == 1"),
            std::string::npos);
}
