// Derivatives: every partial derivative rule, the caller's symbol rules and
// implicit functions.
#include "tests/formula/formula_test_util.h"

namespace {

struct Case {
  const char* input;
  const char* derivative;  // with respect to x
};

std::string d_dx(const char* text, Fun1 rule) {
  Ref d = Ref::adopt(derivative(rd(text).get(), rule));
  return prefix_text(d.get());
}

void expect_derivatives(std::initializer_list<Case> cases) {
  Ref rule = Ref::adopt(deriv_var_rule(syms().x.get()));
  for (const Case& c : cases) EXPECT_EQ(d_dx(c.input, rule.get()), c.derivative) << "input: " << c.input;
}

}  // namespace

TEST(Derivative, EveryRule) {
  expect_derivatives({
      {"5", "0"}, {"2.5", "0"}, {"x", "1"}, {"y", "0"}, {"(+ x y)", "1"}, {"(+ x (* x 3))", "4"}, {"(* x y)", "y"},
      {"(* x x)", "(* x 2)"}, {"(* (ln x) x)", "(+ (ln x) 1)"}, {"(^ x 3)", "(* (^ x 2) 3)"},
      {"(^ x y)", "(* y (^ x (+ y -1)))"}, {"(^ y x)", "(* (ln y) (^ y x))"}, {"(exp x)", "(exp x)"},
      {"(exp (* x 2))", "(* (exp (* x 2)) 2)"}, {"(ln x)", "(^ x -1)"}, {"(log y x)", "(* (^ (ln y) -1) (^ x -1))"},
      {"(log 2 x)", "(* (^ x -1) (^ (ln 2) -1))"}, {"(log x y)", "(* (log x y) (* (^ (ln x) -1) (* (^ x -1) -1)))"},
      {"(cos x)", "(* (sin x) -1)"}, {"(sin x)", "(cos x)"}, {"(sin (^ x 2))", "(* (cos (^ x 2)) (* x 2))"},
      {"(tan x)", "(^ (cos x) -2)"}, {"(acos x)", "(* (^ (+ (* (^ x 2) -1) 1) (* (^ 2 -1) -1)) -1)"},
      {"(asin x)", "(^ (+ (* (^ x 2) -1) 1) (* (^ 2 -1) -1))"}, {"(atan x)", "(^ (+ (^ x 2) 1) -1)"},
      {"(cot x)", "(+ (* (^ (sin x) -2) (* (^ (cos x) 2) -1)) -1)"}, {"(abs x)", "(abs' x)"},
      {"(abs' x)", "(abs'' x)"}, {"(abs'' x)", "(abs'' x)"}, {"(abs (* x 3))", "(* (abs' (* x 3)) 3)"},
  });
}

TEST(Derivative, TheCallersRuleDecidesForSymbols) {
  // Differentiating along y instead of x.
  Ref by_y = Ref::adopt(deriv_var_rule(syms().y.get()));
  EXPECT_EQ(d_dx("(* x (^ y 2))", by_y.get()), "(* y (* x 2))");
  // A rule that makes every symbol's derivative 1: d(x y) = x + y.
  Ref ones = Ref::adopt(fun1_const(imm_make(1)));
  EXPECT_EQ(d_dx("(* x y)", ones.get()), "(+ y x)");
}

TEST(Derivative, ImplicitFunctionsAreBuiltOncePerSymbol) {
  Ref x = syms().x;
  Ref v = Ref::adopt(symbol_new("v"));
  // v^2 - x^2 = 0 defines v: dv/dx = -(-2x)/(2v) = x/v.
  Ref v2 = Ref::adopt(power(v.get(), imm_make(2)));
  Ref x2 = Ref::adopt(power(x.get(), imm_make(2)));
  Ref f = Ref::adopt(minus(v2.get(), x2.get()));
  prop_set(v.get(), IMP_FUN, f.get());
  Ref rule = Ref::adopt(deriv_implicit_rule(x.get()));
  Ref dv = Ref::adopt(fun1_apply(rule.get(), v.get()));
  EXPECT_EQ(text_of(dv), "(* x (^ v -1))");
  Ref dv_again = Ref::adopt(fun1_apply(rule.get(), v.get()));
  EXPECT_EQ(dv_again.get(), dv.get());
  Ref dx = Ref::adopt(fun1_apply(rule.get(), x.get()));
  EXPECT_EQ(dx.get(), imm_make(1));
  Ref dy = Ref::adopt(fun1_apply(rule.get(), syms().y.get()));
  EXPECT_EQ(dy.get(), imm_make(0));
  // Through a formula: d(v x)/dx = v + x (x/v).
  Ref vx = Ref::adopt(times(v.get(), x.get()));
  Ref d = Ref::adopt(derivative(vx.get(), rule.get()));
  EXPECT_EQ(text_of(d), "(+ (* (^ x 2) (^ v -1)) v)");
  // The property refers back to v: remove it so v can be released.
  prop_remove(v.get(), IMP_FUN);
}

TEST(Derivative, MalformedTreesStop) {
  Ref rule = Ref::adopt(deriv_var_rule(syms().x.get()));
  auto stop_of = [&](const char* text) {
    return check_text([&] { Ref d = Ref::adopt(derivative(rd(text).get(), rule.get())); });
  };
  EXPECT_EQ(stop_of("(y x)"), "Assertion failed - file derivative:\rdfp");
  EXPECT_EQ(stop_of("((+ y 2) x)"), "Assertion failed - file derivative:\rfsp");
  EXPECT_EQ(stop_of("(< x 1)"), "Assertion failed - file derivative:\rdfp");
  const std::tuple<Builtin_Sym, Ref, int, const char*> partials[] = {
      {SYM_EXP, Ref::adopt(list1(syms().x.get())), 1, "n_elts(args) == 1 && j == 0"},
      {SYM_LOG, Ref::adopt(list2(syms().x.get(), syms().y.get())), 2, "n_elts(args) == 2 && unsigned(j) < 2"}};
  for (const auto& [s, args, j, stop] : partials) {
    Hdl partial = prop_get(builtin(s), DERIV_F_ARGS_J);
    EXPECT_EQ(check_text([&] { hdl_release(fun2_apply(partial, args.get(), imm_make(j))); }),
              std::string("Assertion failed - file partials:\r") + stop);
  }
}
