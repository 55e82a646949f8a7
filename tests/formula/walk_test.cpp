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
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"(+ (* x 2) y)", "3", "(+ y 6)"}, {"(+ (* x 2) y)", "y", "(* y 3)"}, {"(sin (* x _π))", "1", "0"},
      {"(^ x 2)", "0.5", "0.25"}, {"(= x 2)", "2", "true"}, {"7", "2", "7"}, {"2.5", "2", "2.5"}};
  for (auto [text, x, result] : cases) EXPECT_EQ(substituted(text, x), result) << text << " at x = " << x;
  Ref rule = Ref::adopt(fun1_const(imm_make(1)));  // a record that is no formula
  EXPECT_EQ(check_text([&] { substitute(rule.get(), rule.get()); }),
            "Assertion failed - file walk:\relp && nonempty_q(*elp)");
}

TEST(GreatestSymbol, InDecreasingOrderOneByOne) {
  const char* f = "(+ (* x 2) (sin y))";
  const std::tuple<const char*, wff, const char*> cases[] = {
      {f, NO_HDL, "y"}, {f, syms().y.get(), "x"}, {f, syms().x.get(), "sin"}, {f, builtin(SYM_PI), "none"},
      {"(+ (* _π 2) a)", syms().a.get(), "+"}, {"(+ (* _π 2) a)", builtin(SYM_TIMES), "_π"}, {"3", NO_HDL, "none"},
      {"2.5", NO_HDL, "none"}, {"a", syms().b.get(), "a"}, {"b", syms().a.get(), "none"}};
  for (auto [text, bound, result] : cases) EXPECT_EQ(greatest(text, bound), result) << text;
}

// Non-finite reals anywhere, powers of zero and of negative numbers, and
// logarithms outside their domain.
TEST(Undefined, NonFiniteRealsPowersAndLogarithms) {
  for (const char* text : {"nan", "inf", "(+ x -inf)", "(sin (+ x nan))", "(^ 0 -1)", "(* x (^ 0 -2))",
                           "(^ 0.0 -0.5)", "(^ -2 0.5)", "(^ -2.0 0.5)", "(^ -2.0 1.0000011)", "(ln 0)", "(ln -2)",
                           "(ln -2.0)", "(log 1 x)", "(log 1.0 x)", "(log -2 x)", "(log 0.0 x)", "(log 2 0)",
                           "(log x -3)"})
    EXPECT_TRUE(undefined(text)) << text;
  for (const char* text : {"(+ x 1.5)", "x", "-7", "(^ 0 x)", "(^ -2.0 x)", "(^ -2.0 100.0000001)", "(^ -2.0 2e9)",
                           "(^ -2.0 -3.0000001)", "(^ 2.0 0.5)", "(ln 2)", "(log 2 x)"})
    EXPECT_FALSE(undefined(text)) << text;
}
