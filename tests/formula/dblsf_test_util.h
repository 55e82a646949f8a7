// Shared by the numeric-function tests: compiling prefix-notation formulas
// over the test symbols, and a symbol rule that binds parameters to values.
#pragma once
#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include "formula/DblsF.h"
#include "tests/formula/formula_test_util.h"

// A Fun1 giving the constant DblsF of cap[1] inputs and value cap[2] for the
// symbol cap[0], and raising the default rule's error for any other.
inline Hdl bound_param_apply(const Fn_Rec* f, Hdl sym) {
  if (sym == Hdl(f->cap[0])) return dblsf_constant(int32_t(f->cap[1]), std::bit_cast<double>(int64_t(f->cap[2])));
  return fun1_apply(illegal_symbol_rule(), sym);
}
inline Ref bound_param_rule(wff sym, int32_t n_vars, double value) {
  return Ref::adopt(fn_new(bound_param_apply, 3, 0, intptr_t(sym), n_vars,
                           intptr_t(std::bit_cast<int64_t>(value))));
}

// The formula (prefix notation over x, y, a, b, z) compiled over the listed
// variables, with the parameter a bound to a_value when a rule is asked for.
inline Ref compile_text(const char* text, std::initializer_list<Hdl> vars, double a_value = 1.75) {
  Ref list;
  for (auto it = std::rbegin(vars); it != std::rend(vars); ++it) list = Ref::adopt(pair_new(*it, list.get()));
  Ref rule = bound_param_rule(syms().a.get(), int32_t(vars.size()), a_value);
  Symbol_Rules rules = {rule.get(), rule.get(), rule.get()};
  return Ref::adopt(dblsf_compile(list.get(), rd(text).get(), rules));
}
inline Ref compile_x(const char* text) { return compile_text(text, {syms().x.get()}); }

inline double value_at(const Ref& f, double x) { return dblsf_value1(f.get(), &x); }
inline Ref derived(Hdl f, int32_t j = 0) { return Ref::adopt(dblsf_derive(f, j)); }
// The first derivative of a function of one input, at x.
inline double slope_at(Hdl f, double x) { return value_at(derived(f), x); }

// A formula in x, a point and the value there: NaN for NaN, else within a few
// units in the last place.
struct Value_Case {
  const char* text;
  double x, value;
};
inline void expect_values(std::initializer_list<Value_Case> cases) {
  for (const Value_Case& c : cases) {
    double v = value_at(compile_x(c.text), c.x);
    bool nan_q = std::isnan(v) && std::isnan(c.value);
    EXPECT_TRUE(nan_q || std::fabs(v - c.value) <= 4e-16 * std::fabs(c.value)) << c.text << " at " << c.x << ": " << v;
  }
}
inline Interval enclosure_over(const Ref& f, double lo, double hi) {
  Interval box = {lo, hi};
  return dblsf_enclose1(f.get(), &box);
}
inline std::pair<double, double> bounds(Interval e) { return {e.lo, e.hi}; }
inline int32_t smoothness_over(const Ref& f, double lo, double hi) {
  Interval box = {lo, hi};
  return dblsf_smoothness(f.get(), &box);
}
