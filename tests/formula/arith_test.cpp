// Canonical forms of the arithmetic constructors, one table row per rule.
#include "tests/formula/formula_test_util.h"

TEST(Arith, SumsProductsAndPowersInCanonicalForm) {
  expect_canonical({
      {"(+ 2 3)", "5"}, {"(+ 1073741823 1)", "1073741824"}, {"(+ x 0)", "x"}, {"(+ 0 x)", "x"}, {"(+ 2 0.5)", "2.5"},
      {"(+ _π 1.0)", "4.141592653589793"}, {"(+ 0.0 (* x 2))", "(* x 2.0)"}, {"(+ (* x 2) 0.0)", "(* x 2.0)"},
      {"(+ x 1.5)", "(+ x 1.5)"}, {"(+ x x)", "(* x 2)"}, {"(+ 1 x)", "(+ x 1)"}, {"(- x x)", "0"},
      {"(+ (* 3 x) (* 2 y))", "(+ (* y 2) (* x 3))"}, {"(+ (+ x 1) (+ y 2))", "(+ y (+ x 3))"},
      {"(+ (+ y x) (* x -1))", "y"}, {"(+ (* x y) (* x 3))", "(+ (* y x) (* x 3))"},
      {"(+ (* x a) (* x 3))", "(* x (+ a 3))"}, {"(+ (* _π 3) 2)", "(+ (* _π 3) 2)"}, {"(* 6 7)", "42"},
      {"(* 65536 65536)", "4294967296"}, {"(* 0 x)", "0"}, {"(* x 0)", "0"}, {"(* 1 x)", "x"}, {"(* x 1)", "x"},
      {"(* 2 0.5)", "1.0"}, {"(* 0.0 x)", "0.0"}, {"(* x 0.0)", "0.0"}, {"(* 1.0 (* x 2))", "(* x 2.0)"},
      {"(* (* x 2) 1.0)", "(* x 2.0)"}, {"(* x x)", "(^ x 2)"}, {"(* 3 x)", "(* x 3)"}, {"(* 2 (^ 2 -1))", "1"},
      {"(* 4 (^ 2 -1))", "(* 4 (^ 2 -1))"}, {"(/ x x)", "1"}, {"(* (^ x 2) (^ x -2))", "1"},
      {"(* (* x 2) (* y 3))", "(* y (* x 6))"}, {"(* (+ x 1) (+ x 1))", "(^ (+ x 1) 2)"}, {"(^ x 2.0)", "(^ x 2)"},
      {"(^ x 100.0)", "(^ x 100)"}, {"(^ x -100.0)", "(^ x -100)"}, {"(^ x 101.0)", "(^ x 101.0)"},
      {"(^ x 2.5)", "(^ x 2.5)"}, {"(^ x 0)", "1"}, {"(^ x 0.0)", "1"}, {"(^ x 1)", "x"}, {"(^ _i 2)", "-1"},
      {"(^ _i 4)", "1"}, {"(^ _i 5)", "_i"}, {"(^ _i 7)", "(* _i -1)"}, {"(^ _i -1)", "(* _i -1)"},
      {"(^ _i 4294967297)", "_i"}, {"(^ 2.0 3)", "8.0"}, {"(^ 2.0 -1)", "0.5"}, {"(^ -2.0 3)", "-8.0"},
      {"(^ 2 10)", "1024"}, {"(^ 2 40)", "1099511627776"}, {"(^ 2 -1)", "(^ 2 -1)"},
      {"(^ (* x y) 2)", "(* (^ y 2) (^ x 2))"}, {"(^ (^ x 2) 3)", "(^ x 6)"}, {"(^ x (log x y))", "y"},
      {"(^ 4.0 0.5)", "2.0"},
      {"(^ 2 0.5)", "1.414213562373095"},  // exp(0.5 ln 2), one unit below the square root
      {"(^ -4.0 0.5)", "(^ -4.0 0.5)"}, {"(^ 1 x)", "1"}, {"(^ x y)", "(^ x y)"}, {"(- x y)", "(+ (* y -1) x)"},
      {"(- x 3)", "(+ x -3)"}, {"(/ x y)", "(* (^ y -1) x)"}, {"(/ 6 3)", "(* 6 (^ 3 -1))"},
      {"(sqrt 4)", "(^ 4 (^ 2 -1))"}, {"(sqrt 4.0)", "2.0"}, {"(sqrt x)", "(^ x (^ 2 -1))"},
  });
}

TEST(Reorder, OffKeepsTheWrittenOrderButStillMerges) {
  Reorder_Off off;
  expect_canonical({
      {"(+ 1 x)", "(+ 1 x)"}, {"(* 3 x)", "(* 3 x)"}, {"(+ x x)", "(* x 2)"}, {"(+ (+ 1 x) 2)", "(+ 1 (+ x 2))"},
      {"(+ 1 (+ 2 x))", "(+ 1 (+ 2 x))"}, {"(+ x (+ x 1))", "(+ (* x 2) 1)"}, {"(= 1 x)", "(= 1 x)"},
  });
}

TEST(Reorder, SwitchIsRestoredAfterTheScope) {
  {
    Reorder_Off off;
    EXPECT_FALSE(reorder_);
    {
      Reorder_Off inner;
    }
    EXPECT_FALSE(reorder_);
  }
  EXPECT_TRUE(reorder_);
  EXPECT_EQ(canon("(+ 1 x)"), "(+ x 1)");
}

TEST(Apply, FixedFirstArgumentAndAssertions) {
  EXPECT_EQ(canon("((_fix12 log 2) x)"), "(log 2 x)");
  EXPECT_EQ(canon("((_fix12 ^ x) 2)"), "(^ x 2)");
  EXPECT_EQ(canon("(y x 2)"), "(y x 2)");
  const std::pair<const char*, const char*> stops[] = {{"(3 x)", "apply:\r! integer_p(f)"},
      {"((_fix12 log 2) x y)", "apply:\rn_elts(*flp) == 3 && n_elts(args) == 1"},
      {"(+ x)", "arith:\rn_elts(args) == 2"}, {"(exp x y)", "arith:\rn_elts(args) == 1"}};
  for (auto [text, stop] : stops) EXPECT_EQ(check_text([&] { rd(text); }), std::string("Assertion failed - file ") + stop);
}
