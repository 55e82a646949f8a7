// Univariate polynomials over any ring of the tower. A polynomial is a list
// of terms in strictly decreasing order of exponent: each list cell is a pair
// (term, rest) and each term a pair (coefficient, immediate exponent >= 0).
// No coefficient is zero, so the zero polynomial is the empty list and every
// value has one form. Nested, these rings give polynomials in several
// variables: the coefficients of the main variable are polynomials in the
// lower ones.
//
// The operations take the polynomial ring P = R[x] (a ring record made by
// upoly2_ring_new) and, like all ring operations, borrow their arguments and
// return a new use.
#pragma once
#include "algebra/ring.h"
#include "core/fun_obj.h"

typedef Hdl UPoly2;

inline bool nz_q(UPoly2 p) { return p != EMPTY_HDL; }
inline int32_t deg_nz(UPoly2 p) { return imm_value(pair_rest(pair_first(p))); }
inline Hdl lead_coef(UPoly2 p) { return pair_first(pair_first(p)); }
inline UPoly2 poly_rest(UPoly2 p) { return pair_rest(p); }

// c·x^e in front of rest (whose degree is below e); gives rest when c is
// zero in the coefficient ring. Takes over the uses of c and rest.
UPoly2 make_term(const Ring& coef, Hdl c, int32_t e, UPoly2 rest);
// The constant c (borrowed) and the variable x of P.
UPoly2 poly_constant(const Ring& p, Hdl c);
UPoly2 poly_x(const Ring& p);

int poly_compare(const Ring& p, UPoly2 a, UPoly2 b);
UPoly2 poly_add(const Ring& p, UPoly2 a, UPoly2 b);
UPoly2 poly_negate(const Ring& p, UPoly2 a);
UPoly2 poly_multiply(const Ring& p, UPoly2 a, UPoly2 b);
// The exponent of a product of terms: e + f, or "Numeric overflow" when no
// term can hold it.
int32_t exponent_sum(int32_t e, int32_t f);
// a·c for a coefficient c, and a·x^k for k >= 0.
UPoly2 poly_multiply_coef(const Ring& p, UPoly2 a, Hdl c);
UPoly2 poly_multiply_xk(const Ring& p, UPoly2 a, int32_t k);

// Division with remainder: the quotient, and *rem_p = a - q·b. Stops when the
// remainder's degree drops below b's, or when the coefficient ring cannot
// divide its leading coefficient by b's; exact whenever b divides a.
UPoly2 poly_divide(const Ring& p, UPoly2 a, UPoly2 b, UPoly2* rem_p);
// Each coefficient of a divided exactly by c ("Nonzero remainder" otherwise).
UPoly2 poly_divide_coef(const Ring& p, UPoly2 a, Hdl c);
// The pseudo-remainder: lc(g)^(deg f - deg g + 1)·f modulo g; f, g non-zero.
UPoly2 poly_prem(const Ring& p, UPoly2 f, UPoly2 g);

// The gcd of the coefficients (of the coefficient ring).
Hdl poly_content(const Ring& p, UPoly2 a);
// The subresultant gcd of two polynomials over an integral domain, up to a
// factor of the coefficient ring.
UPoly2 poly_sgcd(const Ring& p, UPoly2 a, UPoly2 b);
// The unit-normal gcd (over the integers its leading coefficient is positive).
UPoly2 poly_gcd(const Ring& p, UPoly2 a, UPoly2 b);
