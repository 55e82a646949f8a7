#include "formula/numbers.h"

#include <cmath>

#include "formula/construct.h"

namespace {

constexpr int32_t MAX_APPROX_BITS = 200;

// The list of approximations of a list's elements, in order.
Hdl approximate_list(Hdl list) {
  if (!pair_q(list)) return EMPTY_HDL;
  Ref first = Ref::adopt(approximate(pair_first(list)));
  Ref rest = Ref::adopt(approximate_list(pair_rest(list)));
  return pair_new(first.get(), rest.get());
}

wff approximate_appl(wff w) {
  Ref head = Ref::adopt(approximate(head_of(w)));
  Ref args = Ref::adopt(approximate_list(args_of(w)));
  return apply(head.get(), args.get());
}

void raise_overflow() { raise_static("Numeric overflow"); }

// The continued-fraction step: x >= 0, tol the absolute tolerance.
Hdl rational_within(double x, double tol) {
  Ref n = Ref::adopt(integer_of_double(x));
  double r = x - double_of_integer(n.get());
  if (r <= tol) return pair_new(n.get(), imm_make(1));
  Ref inner = Ref::adopt(rational_within(1.0 / r, tol / (r * r)));
  Integer p = pair_first(inner.get()), q = pair_rest(inner.get());
  CHECK_AS(int_compare(p, z0_) > 0, "num(r) > z0_");
  // n + 1/(p/q) = (n*p + q) / p
  Ref np = Ref::adopt(int_multiply(n.get(), p));
  Ref num = Ref::adopt(int_add(np.get(), q));
  return pair_new(num.get(), p);
}

}  // namespace

wff approximate(wff w) {
  if (integer_p(w))
    return int_bit_length(w) > MAX_APPROX_BITS ? hdl_copy(w) : real_new(double_of_integer(w));
  if (symbol_p(w)) {
    Hdl value = prop_get(w, APPROX1);
    return hdl_copy(value != NO_HDL ? value : w);
  }
  if (appl_q(w)) return approximate_appl(w);
  return hdl_copy(w);
}

double double_of_integer(Integer a) {
  if (imm_q(a)) return double(imm_value(a));
  Ref mag = Ref::adopt(int_abs(a));
  int32_t n = int_bit_length(mag.get());
  double sign = int_neg_q(a) ? -1.0 : 1.0;
  if (n <= 30) return sign * double(int_to_int(mag.get()));
  int32_t s = n - 30;
  Ref top = Ref::adopt(int_shift(mag.get(), -s));
  Ref top_back = Ref::adopt(int_shift(top.get(), s));
  Ref rest = Ref::adopt(int_subtract(mag.get(), top_back.get()));
  Ref low = Ref::adopt(int_shift(rest.get(), 61 - n));
  // The forced low bit stands for every bit below the 61 kept, so that the
  // one rounding of the sum rounds as the exact value would.
  int64_t low_bits = int_to_int64(low.get()) | 1;
  double value = std::ldexp(double(int_to_int(top.get())), s) + std::ldexp(double(low_bits), n - 61);
  return sign * value;
}

Integer integer_of_double(double x) {
  if (!std::isfinite(x)) raise_overflow();
  int exponent = 0;
  std::frexp(x, &exponent);
  if (exponent <= 31) return int_from_int64(int64_t(x));
  Ref high = Ref::adopt(integer_of_double(std::ldexp(x, -31)));
  Ref shifted = Ref::adopt(int_shift(high.get(), 31));
  Ref rest = Ref::adopt(integer_of_double(x - std::ldexp(double_of_integer(high.get()), 31)));
  return int_add(shifted.get(), rest.get());
}

Hdl rational_of_double(double x) {
  if (!std::isfinite(x)) raise_overflow();
  if (x < 0) {
    Ref r = Ref::adopt(rational_of_double(-x));
    Ref num = Ref::adopt(int_negate(pair_first(r.get())));
    return pair_new(num.get(), pair_rest(r.get()));
  }
  return rational_within(x, std::ldexp(x, -50));
}

bool negative_q(wff w) {
  if (integer_p(w)) return int_neg_q(w);
  if (const double* x = real_p(w)) return *x < 0.0;
  if (appl_of_q(w, builtin(SYM_TIMES))) return negative_q(arg_of(w, 1));
  return false;
}
