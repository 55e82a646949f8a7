// The arithmetic constructors: +, *, ^ and the operators rewritten into them.
#include <cmath>

#include "formula/guarded.h"
#include "formula/numbers.h"
#include "formula/rules.h"

namespace {

bool real_is_q(wff w, double v) { return real_p(w) && real_value(w) == v; }

// Both sides approximated when exactly one is an approximate real.
struct Approx_Pair {
  Ref x, y;
};
Approx_Pair approximate_both(wff x, wff y) { return {Ref::adopt(approximate(x)), Ref::adopt(approximate(y))}; }

wff fold_sum(wff x, wff y) {
  Approx_Pair a = approximate_both(x, y);
  wff ax = a.x.get(), ay = a.y.get();
  if (real_p(ax) && real_p(ay)) return real_new(real_value(ax) + real_value(ay));
  if (real_is_q(ax, 0.0)) return a.y.release();
  if (real_is_q(ay, 0.0)) return a.x.release();
  return merge_terms(SYM_PLUS, SYM_TIMES, ax, ay);
}

wff fold_product(wff x, wff y) {
  Approx_Pair a = approximate_both(x, y);
  wff ax = a.x.get(), ay = a.y.get();
  if (real_p(ax) && real_p(ay)) return real_new(real_value(ax) * real_value(ay));
  if (real_is_q(ax, 0.0)) return a.x.release();
  if (real_is_q(ay, 0.0)) return a.y.release();
  if (real_is_q(ax, 1.0)) return a.y.release();
  if (real_is_q(ay, 1.0)) return a.x.release();
  return merge_terms(SYM_TIMES, SYM_POWER, ax, ay);
}

// An approximate exponent that is a small whole number becomes exact, so that
// x^2.0 and x^2 are one formula.
bool small_whole_q(double b) { return b == std::trunc(b) && b > -100.1 && b < 100.1; }

// _i to an integer power cycles through 1, _i, -1, -_i.
wff power_of_i(Integer b) {
  uint32_t r = imm_q(b) ? uint32_t(imm_value(b)) & 3u : int_low(b) & 3u;
  switch (r) {
    case 0: return imm_make(1);
    case 1: return hdl_copy(builtin(SYM_I));
    case 2: return imm_make(-1);
    default: return negate(builtin(SYM_I));
  }
}

double real_int_power(double a, Integer b) {
  if (int_fits_int_q(b)) return guarded_int_power(a, int_to_int(b));
  return std::pow(a, double_of_integer(b));
}

bool positive_machine_int_q(wff b) { return integer_p(b) && int_fits_int_q(b) && int_to_int(b) > 0; }

wff power_structure(wff a, wff b);

// The rules of ^ after the exponent has been made exact where it can be.
wff power_rules(wff a, wff b) {
  if (zero_q(b)) return imm_make(1);
  if (b == imm_make(1)) return hdl_copy(a);
  if (a == builtin(SYM_I) && integer_p(b)) return power_of_i(b);
  if (real_p(a) && integer_p(b)) return real_new(real_int_power(real_value(a), b));
  if (integer_p(a) && positive_machine_int_q(b)) return int_power(a, uint32_t(int_to_int(b)));
  // Numeric folding: an approximate side approximates the other; when that
  // makes both numbers the rules start over.
  Ref folded_a = Ref::share(a), folded_b = Ref::share(b);
  if (real_p(a) && !real_p(b)) {
    folded_b = Ref::adopt(approximate(b));
    if (real_p(folded_b.get())) return power(a, folded_b.get());
  } else if (real_p(b) && !real_p(a)) {
    folded_a = Ref::adopt(approximate(a));
    if (real_p(folded_a.get())) return power(folded_a.get(), b);
  }
  return power_structure(folded_a.get(), folded_b.get());
}

// The rules that look at the shape of base and exponent.
wff power_structure(wff a, wff b) {
  if (appl_of_q(a, builtin(SYM_TIMES))) {
    Ref u = Ref::adopt(power(arg_of(a, 0), b));
    Ref v = Ref::adopt(power(arg_of(a, 1), b));
    return times(u.get(), v.get());
  }
  if (appl_of_q(a, builtin(SYM_POWER))) {
    Ref e = Ref::adopt(times(arg_of(a, 1), b));
    return power(arg_of(a, 0), e.get());
  }
  if (appl_of_q(b, builtin(SYM_LOG)) && n_elts(args_of(b)) == 2 && equal_q(arg_of(b, 0), a))
    return hdl_copy(arg_of(b, 1));
  if (real_p(b) && real_p(a) && real_value(a) >= 0.0)
    return real_new(guarded_exp(real_value(b) * guarded_ln(real_value(a))));
  if (a == imm_make(1)) return imm_make(1);
  return appl_raw2(builtin(SYM_POWER), a, b);
}

}  // namespace

wff only_arg(Hdl args) {
  CHECK(n_elts(args) == 1);
  return pair_first(args);
}

Arg_Pair two_args(Hdl args) {
  CHECK(n_elts(args) == 2);
  return {pair_first(args), pair_first(pair_rest(args))};
}

Hdl make_plus(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  if (integer_p(x) && integer_p(y)) return int_add(x, y);
  if (zero_q(y)) return hdl_copy(x);
  if (zero_q(x)) return hdl_copy(y);
  if (real_p(x) || real_p(y)) return fold_sum(x, y);
  return merge_terms(SYM_PLUS, SYM_TIMES, x, y);
}

Hdl make_times(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  if (integer_p(x) && integer_p(y)) return int_multiply(x, y);
  if (zero_q(x) || zero_q(y)) return imm_make(0);
  if (x == imm_make(1)) return hdl_copy(y);
  if (y == imm_make(1)) return hdl_copy(x);
  if (real_p(x) || real_p(y)) return fold_product(x, y);
  return merge_terms(SYM_TIMES, SYM_POWER, x, y);
}

Hdl make_power(const Fn_Rec*, Hdl args) {
  auto [a, b] = two_args(args);
  if (real_p(b) && small_whole_q(real_value(b))) {
    Ref exact = Ref::adopt(int_from_int(int32_t(real_value(b))));
    return power_rules(a, exact.get());
  }
  return power_rules(a, b);
}

Hdl make_minus(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  return minus(x, y);
}

Hdl make_divide(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  return divide(x, y);
}

Hdl make_sqrt(const Fn_Rec*, Hdl args) {
  wff x = only_arg(args);
  return power(x, half_const());
}
