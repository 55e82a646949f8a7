#include "algebra/solve_convert.h"

#include "formula/builtins.h"
#include "formula/numbers.h"

const Prop_Key ALG_REP{"ALG_REP"};

namespace {

bool binary_q(wff w, Builtin_Sym op) { return appl_of_q(w, builtin(op)); }

Ref convert_number(Convert_State& st, wff w) {
  if (integer_p(w)) return field_rational(*st.tower_p, w, imm_make(1));
  // The continued fraction stops as soon as it is within x·2^-50, so 0.1 is
  // 1/10 and 1e20 is 10^20: the numbers that were typed. NaN and infinities
  // raise "Numeric overflow".
  Ref r = Ref::adopt(rational_of_double(real_value(w)));
  st.inexact_q = true;
  return field_rational(*st.tower_p, pair_first(r.get()), pair_rest(r.get()));
}

}  // namespace

Ref convert_to_polynomial(Convert_State& st, wff w) {
  const Solve_Tower& t = *st.tower_p;
  if (integer_p(w) || real_p(w)) return convert_number(st, w);
  if (symbol_p(w)) {
    Hdl rep = prop_get(w, ALG_REP);
    if (rep == NO_HDL) raise_static("Transcendental expression");
    return Ref::share(rep);
  }
  if (binary_q(w, SYM_PLUS) || binary_q(w, SYM_TIMES)) {
    CHECK(n_elts(w) == 3);
    Ref a = convert_to_polynomial(st, arg_of(w, 0));
    Ref b = convert_to_polynomial(st, arg_of(w, 1));
    return binary_q(w, SYM_PLUS) ? field_add(t, a.get(), b.get()) : field_mul(t, a.get(), b.get());
  }
  // Only a small integer literal is a polynomial exponent; a big one would not
  // fit in memory anyway.
  if (binary_q(w, SYM_POWER) && n_elts(w) == 3 && imm_q(arg_of(w, 1))) {
    Ref base = convert_to_polynomial(st, arg_of(w, 0));
    int32_t n = imm_value(arg_of(w, 1));
    if (n < 0 && field_zero_q(t, base.get())) raise_static("Numeric overflow");
    return field_power(t, base.get(), n);
  }
  raise_static("Transcendental expression");
}

void equations_to_polynomials(Convert_State& st, wff w, std::vector<Ref>& out) {
  if (binary_q(w, SYM_AND) && n_elts(w) == 3) {
    equations_to_polynomials(st, arg_of(w, 0), out);
    equations_to_polynomials(st, arg_of(w, 1), out);
    return;
  }
  if (!binary_q(w, SYM_EQ) || n_elts(w) != 3) raise_static("Non-equation");
  Ref left = convert_to_polynomial(st, arg_of(w, 0));
  Ref right = convert_to_polynomial(st, arg_of(w, 1));
  // The denominator only excludes points; the equation holds where the numerator vanishes.
  out.push_back(field_numerator(field_sub(*st.tower_p, left.get(), right.get()).get()));
}
