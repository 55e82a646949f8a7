#include "algebra/solve_write.h"

#include "formula/construct.h"

namespace {

// Sum of c_e·s^e over the terms of a polynomial p in the symbol s, each
// coefficient written by write_coef.
template <class Write_Coef>
wff formula_of_terms(Hdl p, wff s, Write_Coef write_coef) {
  Ref sum = Ref::adopt(imm_make(0));
  for (; nz_q(p); p = poly_rest(p)) {
    Ref c = Ref::adopt(write_coef(lead_coef(p)));
    Ref e = Ref::adopt(imm_make(deg_nz(p)));
    Ref pw = Ref::adopt(power(s, e.get()));
    Ref term = Ref::adopt(times(c.get(), pw.get()));
    sum = Ref::adopt(plus(sum.get(), term.get()));
  }
  return sum.release();
}

// An element of the coefficient rings: level 0 the rationals, level i the
// polynomials in coefficient symbol i over level i-1.
wff formula_of_coefficient(const Solve_Tower& t, int coef_level, Hdl a, const Solve_Names& names) {
  if (coef_level == 0) {
    Ref num = Ref::share(frac_num(a)), den = Ref::share(frac_den(a));
    return divide(num.get(), den.get());
  }
  return formula_of_terms(a, names.coef_syms[size_t(coef_level) - 1],
                          [&](Hdl c) { return formula_of_coefficient(t, coef_level - 1, c, names); });
}

}  // namespace

wff formula_of_polynomial(const Solve_Tower& t, int level, Hdl p, const Solve_Names& names) {
  if (level == 0) {
    int top = int(names.coef_syms.size());
    // Without coefficient symbols K is the rationals themselves.
    if (top == 0) return formula_of_coefficient(t, 0, p, names);
    Ref num = Ref::adopt(formula_of_coefficient(t, top, frac_num(p), names));
    Ref den = Ref::adopt(formula_of_coefficient(t, top, frac_den(p), names));
    return divide(num.get(), den.get());
  }
  return formula_of_terms(p, names.vars[size_t(level) - 1],
                          [&](Hdl c) { return formula_of_polynomial(t, level - 1, c, names); });
}

wff polynomial_to_equation(const Solve_Tower& t, Hdl gx, int n_vars_left, const Solve_Names& names) {
  int level = n_vars_left;
  for (; level > 0; --level, gx = lead_coef(gx)) {
    CHECK(nz_q(gx));
    if (deg_nz(gx) != 0) break;
  }
  if (level > 0 && deg_nz(gx) == 1 && one_q(t, level - 1, lead_coef(gx))) {
    // Negated as a polynomial, so that every term carries its own sign.
    Ref minus_c0 = Ref::adopt(ring_negate(ring_at(t, level), poly_rest(gx)));
    Ref w = Ref::adopt(formula_of_polynomial(t, level, minus_c0.get(), names));
    return apply2(SYM_EQ, names.vars[size_t(level) - 1], w.get());
  }
  Ref pf = Ref::adopt(formula_of_polynomial(t, level, gx, names));
  return apply2(SYM_EQ, pf.get(), imm_make(0));
}
