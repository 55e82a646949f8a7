// The partial derivatives of the built-in functions.
#include "formula/rules.h"

namespace {

wff exact(int32_t n) { return imm_make(n); }

wff unary_arg(Hdl args, Hdl j_hdl) {
  int32_t j = imm_value(j_hdl);
  CHECK(n_elts(args) == 1 && j == 0);
  return pair_first(args);
}

int32_t binary_index(Hdl args, Hdl j_hdl) {
  int32_t j = imm_value(j_hdl);
  CHECK(n_elts(args) == 2 && unsigned(j) < 2);
  return j;
}

// (1 - u^2)^(-1/2), shared by acos and asin.
wff inverse_root(wff u) {
  Ref sq = Ref::adopt(power(u, exact(2)));
  Ref diff = Ref::adopt(minus(exact(1), sq.get()));
  Ref minus_half = Ref::adopt(divide(exact(-1), exact(2)));
  return power(diff.get(), minus_half.get());
}

}  // namespace

Hdl partial_plus(const Fn_Rec*, Hdl args, Hdl j) {
  binary_index(args, j);
  return exact(1);
}

Hdl partial_times(const Fn_Rec*, Hdl args, Hdl j) {
  return hdl_copy(elt(args, 1 - binary_index(args, j)));
}

Hdl partial_power(const Fn_Rec*, Hdl args, Hdl j) {
  int32_t i = binary_index(args, j);
  auto [u, v] = two_args(args);
  if (i == 0) {
    Ref v_less = Ref::adopt(plus(v, exact(-1)));
    Ref p = Ref::adopt(power(u, v_less.get()));
    return times(v, p.get());
  }
  Ref p = Ref::adopt(power(u, v));
  Ref l = Ref::adopt(apply1(SYM_LN, u));
  return times(p.get(), l.get());
}

Hdl partial_exp(const Fn_Rec*, Hdl args, Hdl j) { return apply1(SYM_EXP, unary_arg(args, j)); }
Hdl partial_ln(const Fn_Rec*, Hdl args, Hdl j) { return power(unary_arg(args, j), exact(-1)); }

Hdl partial_log(const Fn_Rec*, Hdl args, Hdl j) {
  int32_t i = binary_index(args, j);
  auto [b, x] = two_args(args);
  Ref ln_b = Ref::adopt(apply1(SYM_LN, b));
  if (i == 1) {
    Ref d = Ref::adopt(times(x, ln_b.get()));
    return power(d.get(), exact(-1));
  }
  Ref l = Ref::adopt(apply2(SYM_LOG, b, x));
  Ref num = Ref::adopt(negate(l.get()));
  Ref den = Ref::adopt(times(b, ln_b.get()));
  return divide(num.get(), den.get());
}

Hdl partial_cos(const Fn_Rec*, Hdl args, Hdl j) {
  Ref s = Ref::adopt(apply1(SYM_SIN, unary_arg(args, j)));
  return negate(s.get());
}

Hdl partial_sin(const Fn_Rec*, Hdl args, Hdl j) { return apply1(SYM_COS, unary_arg(args, j)); }

Hdl partial_tan(const Fn_Rec*, Hdl args, Hdl j) {
  Ref c = Ref::adopt(apply1(SYM_COS, unary_arg(args, j)));
  return power(c.get(), exact(-2));
}

Hdl partial_acos(const Fn_Rec*, Hdl args, Hdl j) {
  Ref r = Ref::adopt(inverse_root(unary_arg(args, j)));
  return negate(r.get());
}

Hdl partial_asin(const Fn_Rec*, Hdl args, Hdl j) { return inverse_root(unary_arg(args, j)); }

Hdl partial_atan(const Fn_Rec*, Hdl args, Hdl j) {
  Ref sq = Ref::adopt(power(unary_arg(args, j), exact(2)));
  Ref sum = Ref::adopt(plus(exact(1), sq.get()));
  return power(sum.get(), exact(-1));
}

Hdl partial_abs(const Fn_Rec*, Hdl args, Hdl j) { return apply1(SYM_ABS1, unary_arg(args, j)); }
Hdl partial_abs1(const Fn_Rec*, Hdl args, Hdl j) { return apply1(SYM_ABS2, unary_arg(args, j)); }
Hdl partial_abs2(const Fn_Rec*, Hdl args, Hdl j) { return apply1(SYM_ABS2, unary_arg(args, j)); }
