#include "algebra/solve_write.h"

#include <vector>

#include "algebra/solve_primitive.h"
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

// The rational r as a constant of the coefficient ring of that level.
Ref rational_at(const Solve_Tower& t, int coef_level, Hdl r) {
  if (coef_level == 0) return Ref::share(r);
  Ref c = rational_at(t, coef_level - 1, r);
  return Ref::adopt(poly_constant(ring_of(t.coef_rings[size_t(coef_level)].get()), c.get()));
}

// An element num/den of K, both sides scaled to whole numbers without a
// common factor and with den's leading one positive: (π^2+4)/(2*π+1) where
// K keeps (π^2/2+2)/(π+1/2).
wff formula_of_k(const Solve_Tower& t, int top, Hdl a, const Solve_Names& names) {
  std::vector<Hdl> rationals;
  for (Hdl side : {frac_den(a), frac_num(a)}) each_coef(side, top, [&](Hdl c) { rationals.push_back(c); });
  Ref r = rational_at(t, top, fraction_free_factor(ring_of(t.coef_rings[0].get()), rationals).get());
  const Ring& ring = ring_of(t.coef_rings[size_t(top)].get());
  Ref num = Ref::adopt(ring_multiply(ring, frac_num(a), r.get())), den = Ref::adopt(ring_multiply(ring, frac_den(a), r.get()));
  Ref num_w = Ref::adopt(formula_of_coefficient(t, top, num.get(), names));
  Ref den_w = Ref::adopt(formula_of_coefficient(t, top, den.get(), names));
  return divide(num_w.get(), den_w.get());
}

}  // namespace

wff formula_of_polynomial(const Solve_Tower& t, int level, Hdl p, const Solve_Names& names) {
  if (level == 0) {
    int top = int(names.coef_syms.size());
    // Without coefficient symbols K is the rationals themselves.
    return top == 0 ? formula_of_coefficient(t, 0, p, names) : formula_of_k(t, top, p, names);
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
