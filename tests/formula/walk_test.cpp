// Substitution, the search for the greatest symbol, and the undefined test.
#include "tests/formula/formula_test_util.h"

namespace {

// Replaces x by the formula in cap 0 and leaves every other symbol.
Hdl replace_x_apply(const Fn_Rec* f, Hdl s) {
  return hdl_copy(s == syms().x.get() ? Hdl(f->cap[0]) : s);
}

std::string substituted(const char* text, const char* x_value) {
  Ref value = rd(x_value);
  Ref rule = Ref::adopt(fn_new(replace_x_apply, 1, 1, intptr_t(value.release())));
  Ref w = Ref::adopt(substitute(rd(text).get(), rule.get()));
  return prefix_text(w.get());
}

std::string greatest(const char* text, wff bound) {
  Ref w = rd(text);
  wff s = greatest_symbol_below(w.get(), bound);
  return s == NO_HDL ? "none" : prefix_text(s);
}

bool undefined(const char* text) { return undefined_q(rd(text).get()); }

}  // namespace

TEST(Substitute, ReplacesSymbolsAndRefolds) {
  EXPECT_EQ(substituted("(+ (* x 2) y)", "3"), "(+ y 6)");
  EXPECT_EQ(substituted("(+ (* x 2) y)", "y"), "(* y 3)");
  EXPECT_EQ(substituted("(sin (* x _π))", "1"), "0");
  EXPECT_EQ(substituted("(^ x 2)", "0.5"), "0.25");
  EXPECT_EQ(substituted("(= x 2)", "2"), "true");
  EXPECT_EQ(substituted("7", "2"), "7");
  EXPECT_EQ(substituted("2.5", "2"), "2.5");
}

TEST(GreatestSymbol, InDecreasingOrderOneByOne) {
  EXPECT_EQ(greatest("(+ (* x 2) (sin y))", NO_HDL), "y");
  EXPECT_EQ(greatest("(+ (* x 2) (sin y))", syms().y.get()), "x");
  EXPECT_EQ(greatest("(+ (* x 2) (sin y))", syms().x.get()), "sin");
  EXPECT_EQ(greatest("(+ (* _π 2) a)", syms().a.get()), "+");
  EXPECT_EQ(greatest("(+ (* _π 2) a)", builtin(SYM_TIMES)), "_π");
  EXPECT_EQ(greatest("(+ (* x 2) (sin y))", builtin(SYM_PI)), "none");
  EXPECT_EQ(greatest("3", NO_HDL), "none");
  EXPECT_EQ(greatest("2.5", NO_HDL), "none");
  EXPECT_EQ(greatest("a", syms().b.get()), "a");
  EXPECT_EQ(greatest("b", syms().a.get()), "none");
}

TEST(Undefined, NonFiniteRealsAnywhere) {
  EXPECT_TRUE(undefined("nan"));
  EXPECT_TRUE(undefined("inf"));
  EXPECT_TRUE(undefined("(+ x -inf)"));
  EXPECT_TRUE(undefined("(sin (+ x nan))"));
  EXPECT_FALSE(undefined("(+ x 1.5)"));
  EXPECT_FALSE(undefined("x"));
  EXPECT_FALSE(undefined("-7"));
}

TEST(Undefined, PowersOfZeroAndOfNegativeNumbers) {
  EXPECT_TRUE(undefined("(^ 0 -1)"));
  EXPECT_TRUE(undefined("(* x (^ 0 -2))"));
  EXPECT_TRUE(undefined("(^ 0.0 -0.5)"));
  EXPECT_FALSE(undefined("(^ 0 x)"));
  EXPECT_TRUE(undefined("(^ -2 0.5)"));
  EXPECT_TRUE(undefined("(^ -2.0 0.5)"));
  EXPECT_FALSE(undefined("(^ -2.0 x)"));
  EXPECT_TRUE(undefined("(^ -2.0 1.0000011)"));
  EXPECT_FALSE(undefined("(^ -2.0 100.0000001)"));
  EXPECT_FALSE(undefined("(^ -2.0 2e9)"));
  EXPECT_FALSE(undefined("(^ 2.0 0.5)"));
}

TEST(Undefined, LogarithmsOutsideTheirDomain) {
  EXPECT_TRUE(undefined("(ln 0)"));
  EXPECT_TRUE(undefined("(ln -2)"));
  EXPECT_TRUE(undefined("(ln -2.0)"));
  EXPECT_FALSE(undefined("(ln 2)"));
  EXPECT_TRUE(undefined("(log 1 x)"));
  EXPECT_TRUE(undefined("(log 1.0 x)"));
  EXPECT_TRUE(undefined("(log -2 x)"));
  EXPECT_TRUE(undefined("(log 0.0 x)"));
  EXPECT_TRUE(undefined("(log 2 0)"));
  EXPECT_TRUE(undefined("(log x -3)"));
  EXPECT_FALSE(undefined("(log 2 x)"));
}
