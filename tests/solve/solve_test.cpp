// Solve on the cases a model meets: the exact resulting formulas in prefix
// notation, the failures, contradictions and repetitions, and the symbol
// properties it borrows.
#include "tests/solve/solve_test_util.h"

#include "tests/memory_limits.h"

namespace {

TEST(Solve, SimpleModelsGiveTheirSolvedForms) {
  EXPECT_EQ(solved("(= y (* m x))", "m x y"), "(= y (* x m))");
  EXPECT_EQ(solved("(\r (= y (* m x)) (= z (* (/ -1 m) x)))", "m x y z"), "(\r (= (+ (* z m) x) 0) (= y (* x m)))");
  EXPECT_EQ(solved("(= y (+ (* a (^ x 2)) (+ (* b x) c)))", "a b c x y"), "(= y (+ (* (^ x 2) a) (+ (* x b) c)))");
  // The line through (1, 2) and (3, 8), and through two points given by parameters.
  EXPECT_EQ(solved("(\r (= 2 (+ (* m 1) b)) (= 8 (+ (* m 3) b)))", "b m"), "(\r (= m 3) (= b -1))");
  EXPECT_EQ(solved("(\r (= c (+ (* m a) r)) (= y (+ (* m x) r)))", "a c x m r y"), "(\r (= y (+ (* (+ x (* a -1)) m) c)) (= r (+ (* m (* a -1)) c)))");
  EXPECT_EQ(solved("(\r (= (+ x y) 3) (= (- x y) 1))", "x y"), "(\r (= y 1) (= x 2))");
}

TEST(Solve, DecimalsGiveDecimalsAndFractionsStayExact) {
  EXPECT_EQ(solved("(= y (* 0.5 x))", "x y"), "(= y (* x 0.5))");
  EXPECT_EQ(solved("(= y (/ x 2))", "x y"), "(= y (* x (^ 2 -1)))");
  EXPECT_EQ(solved("(\r (= (+ x y) 0.3) (= (- x y) 0.1))", "x y"), "(\r (= y 0.1) (= x 0.2))");
  // Decimals become the fractions typed, not merely close ones: 1e20 is 10^20.
  EXPECT_EQ(solved("(= y (* 1e20 x))", "x y"), "(= y (* x 1e+20))");
  EXPECT_EQ(solved("(= y (* 0.1 x))", "x y"), "(= y (* x 0.1))");
}

TEST(Solve, PiStaysASymbol) {
  EXPECT_EQ(solved("(= y (* _π x))", "x y"), "(= y (* x _π))");
  EXPECT_EQ(solved("(= (* _π y) (^ x 2))", "x y"), "(= y (* (^ x 2) (^ _π -1)))");
  // Whole numbers on both sides of a quotient in π: (π²+4)/(2π+1), not (π²/2+2)/(π+1/2).
  EXPECT_EQ(solved("(\r (= (+ x (* _π y)) 4) (= (- (* 2 x) y) _π))", "x y"),
            "(\r (= y (* (^ (+ (* _π 2) 1) -1) (+ (* _π -1) 8))) (= x (* (+ (^ _π 2) 4) (^ (+ (* _π 2) 1) -1))))");
}

TEST(Solve, NonLinearOrNonMonicComeBackAsPolynomialEquations) {
  EXPECT_EQ(solved("(= (+ (^ x 2) (^ y 2)) (^ r 2))", "r x y"), "(= (+ (^ y 2) (+ (^ x 2) (* (^ r 2) -1))) 0)");
  EXPECT_EQ(solved("(= (* a y) x)", "a x y"), "(= (+ (* y a) (* x -1)) 0)");
  EXPECT_EQ(solved("(\r (= (+ (^ x 2) (^ y 2)) (^ r 2)) (= y (+ (* m x) b)))", "b m r x y"),
            "(\r (= y (+ (* x m) b)) (= (+ (* (^ x 2) (+ (^ m 2) 1)) (+ (* x (* m (* b 2))) (+ (* (^ r 2) -1) (^ b 2)))) 0))");
}

TEST(Solve, FailuresNameTheirCause) {
  EXPECT_EQ(solve_failure("(= y (sin x))", "x y"), "Transcendental expression");
  EXPECT_EQ(solve_failure("(= y (^ x a))", "a x y"), "Transcendental expression");
  EXPECT_EQ(solve_failure("(= y (^ x 0.5))", "x y"), "Transcendental expression");
  EXPECT_EQ(solve_failure("(= y (* x z))", "x y"), "Transcendental expression");
  EXPECT_EQ(solve_failure("(< y x)", "x y"), "Non-equation");
  EXPECT_EQ(solve_failure("(\r (= y x) (* y 2))", "x y"), "Non-equation");
  EXPECT_EQ(solve_failure("(= y (* x inf))", "x y"), "Numeric overflow");
  EXPECT_EQ(solve_failure("(= y (+ x nan))", "x y"), "Numeric overflow");
  // The numerator of y·x^(10^9) - x^(-10^9) needs x^(2·10^9).
  EXPECT_EQ(solve_failure("(= (* y (^ x 1000000000)) (^ x -1000000000))", "x y"), "Numeric overflow");
  // Closing the system after each of the first equations runs out of memory; all four together stay small.
  EXPECT_EQ(solve_failure("(\r (\r (\r (= (+ (* 3 (* u x)) (+ (* 5 (* u z)) (+ (* -9 (^ u 2)) (+ (* -7 x) -2)))) 0)"
                          " (= (+ (* -8 (^ z 2)) (+ (* -8 (* u x)) (+ (* -4 (* a y)) (+ (* 4 (* u z)) 7)))) 0))"
                          " (= (+ (* 5 z) (+ (* -5 x) 4)) 0)) (= (+ (* -4 (^ u 2)) (+ (* -9 u) (+ (* 3 a) (+ (* 9 (* x z)) -7)))) 0))",
                          "a x y z u"),
            "<no error>");
}

TEST(Solve, ContradictionsShowAsFalse) {
  EXPECT_EQ(solved("(\r (= (+ x y) 1) (= (+ x y) 2))", "x y"), "false");
  EXPECT_EQ(solved("(\r (= x 1) (= (^ x 2) 2))", "x y"), "false");
  EXPECT_EQ(solved("(= (^ (+ x 1) 2) (+ (^ x 2) (+ (* 2 x) 2)))", "x"), "false");
  EXPECT_EQ(solved("(\r (= (* x y) 1) (= x 0))", "x y"), "false");
}

TEST(Solve, RepeatedAndDependentEquationsAddNothing) {
  EXPECT_EQ(solved("(\r (= y (* 2 x)) (= (* 2 y) (* 4 x)))", "x y"), "(= y (* x 2))");
  // Left as written: the formula constructors would drop them.
  Ref eq = rd("(= y (* 2 x))");
  Ref zero_eq = Ref::adopt(appl_raw2(builtin(SYM_EQ), imm_make(0), imm_make(0)));
  for (wff other : {eq.get(), zero_eq.get()}) {
    Ref both = Ref::adopt(appl_raw2(builtin(SYM_AND), eq.get(), other));
    EXPECT_EQ(solved(both.get(), "x y"), "(= y (* x 2))");
  }
  EXPECT_EQ(solved(zero_eq.get(), "x y"), "true");
}

TEST(Solve, AlgRepPropertiesAreRestoredAfterSuccessAndEachFailure) {
  Ref earlier = Ref::adopt(imm_make(7));
  prop_set(sym("x"), ALG_REP, earlier.get());
  const char* cases[][2] = {{"(= y (* m x))", "(= y (* x m))"},
                            {"(= y (sin x))", "Transcendental expression"},
                            {"(\r (= y (* m x)) (< y x))", "Non-equation"},
                            {"(\r (= y x) (= y (* m inf)))", "Numeric overflow"}};
  for (auto& c : cases) {
    std::string got = solve_failure(c[0], "m x y");
    if (got == "<no error>") got = solved(c[0], "m x y");
    EXPECT_EQ(got, c[1]);
    EXPECT_EQ(prop_get(sym("x"), ALG_REP), earlier.get()) << c[0];
    EXPECT_EQ(prop_get(sym("y"), ALG_REP), NO_HDL) << c[0];
    EXPECT_EQ(prop_get(sym("m"), ALG_REP), NO_HDL) << c[0];
    EXPECT_EQ(prop_get(builtin(SYM_PI), ALG_REP), NO_HDL) << c[0];
  }
  prop_remove(sym("x"), ALG_REP);
}

// Every shortage ends in "Out of memory" and leaves the pool as it was: the
// pool nearly full (Solve's own records) and the C++ heap failing (its
// standard containers and the word arrays of big integers).
TEST(Solve, ShortagesEndInOutOfMemoryAndLeaveThePoolSound) {
  Ref eqs = rd("(\r (= (* y y) (+ (* a (* x x)) (+ (* b x) c))) (= z (+ (* 2 y) x)))");
  Ref coef = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL)), vars = sym_list("a b c x y z");
  Ref warm_up = Ref::adopt(solve_equations(eqs.get(), coef.get(), vars.get(), false));  // builds the caches
  uint64_t free_before = pool_free_bytes();
  auto attempt = [&](auto&& limit) {
    std::string got = "Out of memory";
    {
      auto in_force = limit();
      try {
        Ref r = Ref::adopt(solve_equations(eqs.get(), coef.get(), vars.get(), false));
        got = "";
      } catch (const Misc_Static_Err& e) {
        EXPECT_STREQ(e.message(), "Out of memory");
      }
      if constexpr (std::is_same_v<decltype(in_force), Pool_Filler>) {
        EXPECT_TRUE(in_force.intact_q());
      }
    }
    EXPECT_NO_THROW(pool_check());
    EXPECT_EQ(pool_free_bytes(), free_before);
    return got.empty();
  };
  int n_short = 0;
  for (uint64_t n_free = 0; !attempt([&] { return Pool_Filler(n_free); }); n_free += 512) ++n_short;
  for (int64_t n = 0; !attempt([&] { return Heap_Budget(n); }); ++n) ++n_short;
  EXPECT_GT(n_short, 20);
}

}  // namespace
