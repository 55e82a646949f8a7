// Members of Solve's system kept fraction-free: a polynomial of the
// outermost level scaled by a constant of K has the same zeros, so each
// member is kept with the smallest coefficients there are (no denominators,
// no common factor, leading coefficient unit-normal), and made monic only
// when it is listed. Over the rationals this keeps the coefficients integers,
// whose sums and products need no gcd, where monic members carry growing
// common denominators in every coefficient.
#pragma once
#include <vector>

#include "algebra/solve_exps.h"

// f(c) for each coefficient c of the innermost ring of p, p being `level`
// rings above it.
template <class F>
void each_coef(Hdl p, int level, const F& f) {
  if (level == 0) return f(p);
  for (; nz_q(p); p = poly_rest(p)) each_coef(lead_coef(p), level - 1, f);
}

// p·c for c in K, p of level `level`.
Ref scaled(const Solve_Tower& t, int level, Hdl p, Hdl c);
// The constant f of K that makes a polynomial with these coefficients, its
// leading one first, fraction-free: f·c has no denominator, the f·c have no
// common factor, and f·c_0 is unit-normal.
Ref primitive_factor(const Solve_Tower& t, const std::vector<Hdl>& coefs);
// The same over any fraction field: the element f with f·c whole for each c.
Ref fraction_free_factor(const Ring& field, const std::vector<Hdl>& coefs);
// c·x^e·p for c in K and p of the outermost level: a product without the
// generic multiplication's sums.
Ref term_times(const Solve_Tower& t, Hdl c, const Tri_Exps& e, Hdl p);
// p of the outermost level divided by its content in K.
Ref primitive_of(const Solve_Tower& t, Hdl p);
// p of the outermost level with leading coefficient 1.
Ref monic_of(const Solve_Tower& t, Hdl p);
// Constants a, b of K with a·x = b·y for non-zero x, y of K: when both are
// fraction-free, a and b are too, and as small as the gcd of x and y makes them.
void cancelling_factors(const Solve_Tower& t, Hdl x, Hdl y, Ref& a, Ref& b);
