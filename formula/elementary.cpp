// The constructors of the elementary functions.
#include <cmath>

#include "formula/guarded.h"
#include "formula/numbers.h"
#include "formula/rules.h"

namespace {

wff exact(int32_t n) { return imm_make(n); }

// The coefficient of the constant c in u (exact 0 when there is none).
wff coefficient_of(wff u, wff c) {
  if (appl_of_q(u, builtin(SYM_PLUS))) {
    wff k = coefficient_of(arg_of(u, 0), c);
    return zero_q(k) ? coefficient_of(arg_of(u, 1), c) : k;
  }
  if (equal_q(u, c)) return exact(1);
  if (appl_of_q(u, builtin(SYM_TIMES))) {
    wff a = arg_of(u, 0), b = arg_of(u, 1);
    if (appl_of_q(c, builtin(SYM_TIMES))) return equal_q(a, arg_of(c, 0)) ? coefficient_of(b, arg_of(c, 1)) : exact(0);
    if (equal_q(a, c)) return b;
  }
  return exact(0);
}

// The whole-number part of a coefficient: itself when exact, that of its last
// term when a sum, else 0.
wff whole_part(wff k) {
  if (integer_p(k)) return k;
  if (appl_of_q(k, builtin(SYM_PLUS))) return whole_part(arg_of(k, 1));
  return exact(0);
}

bool odd_q(Integer n) { return imm_q(n) ? (imm_value(n) & 1) : (int_low(n) & 1); }

// f(u) with the whole multiples n of c taken out of u: f(u - n c), negated for
// odd n when the period of f is 2c. Returns NO_HDL when there are none.
wff split_multiples(Builtin_Sym f, wff u, wff c, bool negate_odd) {
  wff n = whole_part(coefficient_of(u, c));
  if (zero_q(n)) return NO_HDL;
  Ref minus_n = Ref::adopt(negate(n));
  Ref shift = Ref::adopt(times(c, minus_n.get()));
  Ref reduced = Ref::adopt(plus(u, shift.get()));
  Ref result = Ref::adopt(apply1(f, reduced.get()));
  if (negate_odd && odd_q(n)) return negate(result.get());
  return result.release();
}

// The shared shape of cos, sin and tan: a value at exact 0, the guarded
// function for approximate reals, the inverse undone, multiples of pi split.
wff make_circular(Builtin_Sym f, Builtin_Sym inverse, Hdl args, int32_t at_zero, double (*g)(double),
                  bool negate_odd) {
  wff u = only_arg(args);
  if (zero_q(u)) return exact(at_zero);
  if (const double* x = real_p(u)) return real_new(g(*x));
  if (appl_of_q(u, builtin(inverse))) return hdl_copy(arg_of(u, 0));
  wff split = split_multiples(f, u, builtin(SYM_PI), negate_odd);
  if (split != NO_HDL) return split;
  return appl_raw(builtin(f), args);
}

// pi / den, or -pi / den.
wff pi_over(int32_t den, bool negative) {
  Ref pi = Ref::adopt(negative ? negate(builtin(SYM_PI)) : hdl_copy(builtin(SYM_PI)));
  return divide(pi.get(), exact(den));
}

// The shape of acos, asin and atan: fixed values at -1, 0 and 1 (the makers
// below), the guarded function for approximate reals.
wff make_inverse(Builtin_Sym f, Hdl args, double (*g)(double), wff (*at)(int32_t)) {
  wff u = only_arg(args);
  if (u == exact(-1) || u == exact(0) || u == exact(1)) return at(imm_value(u));
  if (const double* x = real_p(u)) return real_new(g(*x));
  return appl_raw(builtin(f), args);
}

wff acos_at(int32_t n) { return n == 1 ? exact(0) : n == 0 ? pi_over(2, false) : hdl_copy(builtin(SYM_PI)); }
wff asin_at(int32_t n) { return n == 0 ? exact(0) : pi_over(2, n < 0); }
wff atan_at(int32_t n) { return n == 0 ? exact(0) : pi_over(4, n < 0); }

}  // namespace

Hdl make_exp(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (zero_q(u)) return exact(1);
  if (const double* x = real_p(u)) return real_new(guarded_exp(*x));
  if (appl_of_q(u, builtin(SYM_LN))) return hdl_copy(arg_of(u, 0));
  wff split = split_multiples(SYM_EXP, u, i_pi_const(), true);
  if (split != NO_HDL) return split;
  return appl_raw(builtin(SYM_EXP), args);
}

Hdl make_ln(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (u == exact(1)) return exact(0);
  if (u == exact(-1)) return hdl_copy(i_pi_const());
  if (const double* x = real_p(u); x && *x >= 0.0) return real_new(guarded_ln(*x));
  return appl_raw(builtin(SYM_LN), args);
}

Hdl make_log(const Fn_Rec*, Hdl args) {
  auto [b, x] = two_args(args);
  if (x == exact(1)) return exact(0);
  if (equal_q(b, x)) return exact(1);
  if (const double* xv = real_p(x); xv && *xv >= 0.0) {
    Ref approx_b = Ref::adopt(approximate(b));
    if (const double* bv = real_p(approx_b.get())) return real_new(guarded_ln(*xv) / guarded_ln(*bv));
  }
  return appl_raw(builtin(SYM_LOG), args);
}

Hdl make_log2(const Fn_Rec*, Hdl args) { return apply2(SYM_LOG, exact(2), only_arg(args)); }
Hdl make_log10(const Fn_Rec*, Hdl args) { return apply2(SYM_LOG, exact(10), only_arg(args)); }

Hdl make_cos(const Fn_Rec*, Hdl args) { return make_circular(SYM_COS, SYM_ACOS, args, 1, guarded_cos, true); }
Hdl make_sin(const Fn_Rec*, Hdl args) { return make_circular(SYM_SIN, SYM_ASIN, args, 0, guarded_sin, true); }
Hdl make_tan(const Fn_Rec*, Hdl args) { return make_circular(SYM_TAN, SYM_ATAN, args, 0, guarded_tan, false); }

Hdl make_cot(const Fn_Rec*, Hdl args) {
  wff x = only_arg(args);
  Ref c = Ref::adopt(apply1(SYM_COS, x));
  Ref s = Ref::adopt(apply1(SYM_SIN, x));
  return divide(c.get(), s.get());
}

Hdl make_sec(const Fn_Rec*, Hdl args) {
  Ref c = Ref::adopt(apply1(SYM_COS, only_arg(args)));
  return power(c.get(), exact(-1));
}

Hdl make_csc(const Fn_Rec*, Hdl args) {
  Ref s = Ref::adopt(apply1(SYM_SIN, only_arg(args)));
  return power(s.get(), exact(-1));
}

Hdl make_acos(const Fn_Rec*, Hdl args) { return make_inverse(SYM_ACOS, args, guarded_acos, acos_at); }
Hdl make_asin(const Fn_Rec*, Hdl args) { return make_inverse(SYM_ASIN, args, guarded_asin, asin_at); }
Hdl make_atan(const Fn_Rec*, Hdl args) { return make_inverse(SYM_ATAN, args, guarded_atan, atan_at); }

Hdl make_abs(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (integer_p(u)) return int_abs(u);
  if (const double* x = real_p(u)) return real_new(guarded_abs(*x));
  if (u == builtin(SYM_PI)) return hdl_copy(u);
  if (u == builtin(SYM_I)) return exact(1);
  return appl_raw(builtin(SYM_ABS), args);
}

Hdl make_abs1(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (u == builtin(SYM_PI)) return exact(1);
  if (const double* x = real_p(u); x && *x != 0.0 && !std::isnan(*x)) return real_new(*x > 0.0 ? 1.0 : -1.0);
  if (integer_p(u) && !zero_q(u)) return exact(int_neg_q(u) ? -1 : 1);
  return appl_raw(builtin(SYM_ABS1), args);
}

Hdl make_abs2(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (const double* x = real_p(u)) return real_new(*x == 0.0 ? GUARD_NAN : 0.0);
  if (u == builtin(SYM_PI) || (integer_p(u) && !zero_q(u))) return exact(0);
  return appl_raw(builtin(SYM_ABS2), args);
}
