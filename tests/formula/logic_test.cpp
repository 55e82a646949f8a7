// Canonical forms of the logical operators and comparisons.
#include "tests/formula/formula_test_util.h"

TEST(Logic, NegationConjunctionAndDisjunction) {
  expect_canonical({
      {"(¬ true)", "false"}, {"(¬ false)", "true"}, {"(¬ (¬ (= x 1)))", "(= x 1)"}, {"(¬ (= x 1))", "(¬ (= x 1))"},
      {"(\r true (= x 1))", "(= x 1)"}, {"(\r (= x 1) true)", "(= x 1)"}, {"(\r (= x 1) false)", "false"},
      {"(\r false (= x 1))", "false"}, {"(\r (= x 1) (= x 1))", "(= x 1)"},
      {"(\r (= x 1) (= y 2))", "(\r (= y 2) (= x 1))"},
      {"(\r (\r (= y 2) (= x 1)) (\r (= z 3) (= x 1)))", "(\r (= z 3) (\r (= y 2) (= x 1)))"},
      {"(\r (= x 1) (\r (= z 3) (= y 2)))", "(\r (= z 3) (\r (= y 2) (= x 1)))"}, {"(∨ false (= x 1))", "(= x 1)"},
      {"(∨ (= x 1) false)", "(= x 1)"}, {"(∨ (= x 1) true)", "true"}, {"(∨ (= x 1) (= y 2))", "(∨ (= y 2) (= x 1))"},
      {"(∨ (∨ (= y 2) (= x 1)) (= y 2))", "(∨ (= y 2) (= x 1))"},
  });
}

TEST(Logic, ReorderOffAppendsAndMergesEqualNeighbours) {
  Reorder_Off off;
  expect_canonical({
      {"(\r (= x 1) (= y 2))", "(\r (= x 1) (= y 2))"}, {"(\r (= x 1) (\r (= x 1) (= y 2)))", "(\r (= x 1) (= y 2))"},
      {"(\r (\r (= x 1) (= y 2)) (= z 3))", "(\r (= x 1) (\r (= y 2) (= z 3)))"},
      {"(∨ (= x 1) (= y 2))", "(∨ (= x 1) (= y 2))"},
  });
}

TEST(Logic, EquationsAndInequalities) {
  expect_canonical({
      {"(= 1.0 1)", "true"}, {"(= 1 1.5)", "false"}, {"(= 2 2)", "true"}, {"(= 2 3)", "false"},
      {"(= 4294967296 4294967296)", "true"}, {"(= nan nan)", "false"}, {"(= x x)", "true"}, {"(= _π 3)", "false"},
      {"(= true false)", "false"}, {"(= _π 3.0)", "false"}, {"(= x 1)", "(= x 1)"}, {"(= 1 x)", "(= x 1)"},
      {"(= x y)", "(= y x)"}, {"(< 1 2)", "true"}, {"(< 2 1)", "false"}, {"(< 2.0 1)", "false"},
      {"(< 1 2.5)", "true"}, {"(< 1 1)", "false"}, {"(≤ 1 1)", "true"}, {"(≤ 1.0 1)", "true"},
      {"(< nan 1.0)", "(< nan 1.0)"}, {"(< x x)", "false"}, {"(≤ x x)", "true"}, {"(< x 1)", "(< x 1)"},
      {"(≤ 1 x)", "(≤ 1 x)"}, {"(< _π 4.0)", "true"}, {"(> x 1)", "(< 1 x)"}, {"(> 2 1)", "true"},
      {"(≥ x 1)", "(≤ 1 x)"}, {"(≥ 1 1)", "true"}, {"(≠ x 1)", "(¬ (= x 1))"}, {"(≠ 1 2)", "true"},
      {"(≠ 2 2)", "false"}, {"(, 1 2)", "(, 1 2)"},
  });
}
