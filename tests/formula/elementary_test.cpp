// Canonical forms of the elementary functions, one table row per rule.
#include "tests/formula/formula_test_util.h"

TEST(Elementary, ExponentialLogarithmsAndCircularFunctions) {
  expect_canonical({
      {"(exp 0)", "1"}, {"(exp 1.0)", "2.718281828459045"}, {"(exp (ln y))", "y"},
      {"(exp (+ x (* _i _π)))", "(* (exp x) -1)"}, {"(exp (+ x (* 2 (* _i _π))))", "(exp x)"},
      {"(exp (* _i (* _π 3)))", "-1"}, {"(exp (+ x _π))", "(exp (+ x _π))"}, {"(exp x)", "(exp x)"}, {"(ln 1)", "0"},
      {"(ln -1)", "(* _i _π)"}, {"(ln 1.0)", "0.0"}, {"(ln 0.0)", "-inf"}, {"(ln -2.0)", "(ln -2.0)"},
      {"(ln 2)", "(ln 2)"}, {"(log x 1)", "0"}, {"(log y y)", "1"}, {"(log 2 8.0)", "3.0"},
      {"(log 10 0.001)", "-2.9999999999999996"}, {"(log _π 1.0)", "0.0"}, {"(log 2 -8.0)", "(log 2 -8.0)"},
      {"(log x 8.0)", "(log x 8.0)"}, {"(log2 x)", "(log 2 x)"}, {"(log10 x)", "(log 10 x)"}, {"(cos 0)", "1"},
      {"(cos 0.0)", "1.0"}, {"(cos (acos y))", "y"}, {"(cos (+ x (* 3 _π)))", "(* (cos x) -1)"},
      {"(cos (+ x (* 2 _π)))", "(cos x)"}, {"(cos _π)", "-1"}, {"(cos (* _π (^ 2 -1)))", "(cos (* _π (^ 2 -1)))"},
      {"(cos x)", "(cos x)"}, {"(sin 0)", "0"}, {"(sin 0.5)", "0.479425538604203"}, {"(sin (asin y))", "y"},
      {"(sin (+ x _π))", "(* (sin x) -1)"}, {"(sin (+ x (* _π -2)))", "(sin x)"}, {"(sin x)", "(sin x)"},
      {"(tan 0)", "0"}, {"(tan 1.0)", "1.5574077246549023"}, {"(tan (atan y))", "y"}, {"(tan (+ x _π))", "(tan x)"},
      {"(tan (+ x (* _π 3)))", "(tan x)"}, {"(tan x)", "(tan x)"},
  });
}

// A coefficient of pi that is a sum only stays in front of pi when the
// operands keep their written order.
TEST(Elementary, WholePartOfASumCoefficient) {
  Reorder_Off off;
  expect_canonical({
      {"(cos (+ x (* _π (+ y 3))))", "(* (cos (+ x (* _π y))) -1)"},
      {"(sin (+ x (* _π (+ y 2))))", "(sin (+ x (* _π y)))"},
  });
}

TEST(Elementary, RewrittenInverseAndAbsoluteFunctions) {
  expect_canonical({
      {"(cot x)", "(* (^ (sin x) -1) (cos x))"}, {"(ctn x)", "(* (^ (sin x) -1) (cos x))"},
      {"(sec x)", "(^ (cos x) -1)"}, {"(csc x)", "(^ (sin x) -1)"}, {"(acos 1)", "0"},
      {"(acos 0)", "(* _π (^ 2 -1))"}, {"(acos -1)", "_π"}, {"(acos 0.5)", "1.0471975511965979"},
      {"(acos 2.0)", "nan"}, {"(acos x)", "(acos x)"}, {"(asin 1)", "(* _π (^ 2 -1))"}, {"(asin 0)", "0"},
      {"(asin -1)", "(* _π (* (^ 2 -1) -1))"}, {"(asin 0.5)", "0.5235987755982989"}, {"(asin x)", "(asin x)"},
      {"(atan 1)", "(* _π (^ 4 -1))"}, {"(atan 0)", "0"}, {"(atan -1)", "(* _π (* (^ 4 -1) -1))"},
      {"(atan 1.0)", "0.7853981633974483"}, {"(atan inf)", "1.5707963267948966"}, {"(atan x)", "(atan x)"},
      {"(abs -3)", "3"}, {"(abs -4294967296)", "4294967296"}, {"(abs -2.5)", "2.5"}, {"(abs _π)", "_π"},
      {"(abs _i)", "1"}, {"(abs x)", "(abs x)"}, {"(abs' _π)", "1"}, {"(abs' 2.0)", "1.0"}, {"(abs' -2.0)", "-1.0"},
      {"(abs' 5)", "1"}, {"(abs' -5)", "-1"}, {"(abs' 0)", "(abs' 0)"}, {"(abs' 0.0)", "(abs' 0.0)"},
      {"(abs' x)", "(abs' x)"}, {"(abs'' 2.0)", "0.0"}, {"(abs'' 0.0)", "nan"}, {"(abs'' _π)", "0"},
      {"(abs'' -3)", "0"}, {"(abs'' 0)", "(abs'' 0)"}, {"(abs'' x)", "(abs'' x)"},
  });
}
