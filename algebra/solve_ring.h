// The rings of one Solve call and the operations the solver needs of them.
//
// The tower, innermost first: the integers, the rationals Q, one polynomial
// ring per coefficient symbol, the coefficient field K (the fractions of the
// last of those; Q itself without coefficient symbols), one polynomial ring
// R_1 .. R_n per variable in elimination order, and the field F of fractions
// of R_n. Level 0 is K and level L is R_L: an element of level L is a
// polynomial in x_L whose coefficients are of level L-1.
//
// Arguments are borrowed; every Ref returned holds a new use.
#pragma once
#include <vector>

#include "algebra/Integer.h"
#include "algebra/UPoly2.h"
#include "algebra/fraction_field.h"

struct Solve_Tower {
  std::vector<Ref> coef_rings;  // Q, Q[s_1], Q[s_1][s_2], ...
  std::vector<Ref> levels;      // K, R_1, ..., R_n
  Ref field;                    // F
};

Solve_Tower tower_new(int n_coef_syms, int n_vars);
inline int n_vars_of(const Solve_Tower& t) { return int(t.levels.size()) - 1; }
inline const Ring& ring_at(const Solve_Tower& t, int level) { return ring_of(t.levels[size_t(level)].get()); }

// ---- Elements of a level ----
inline Ref zero_of(const Solve_Tower& t, int level) { return Ref::share(ring_at(t, level).zero); }
inline Ref one_of(const Solve_Tower& t, int level) { return Ref::share(ring_at(t, level).one); }
// A polynomial's zero is the empty list, its one form: no comparison needed.
inline bool zero_q(const Solve_Tower& t, int level, Hdl a) {
  return level > 0 ? a == EMPTY_HDL : ring_zero_q(ring_at(t, 0), a);
}
inline bool one_q(const Solve_Tower& t, int level, Hdl a) { return ring_one_q(ring_at(t, level), a); }
inline bool equal_q(const Solve_Tower& t, int level, Hdl a, Hdl b) { return ring_equal_q(ring_at(t, level), a, b); }
inline Ref level_add(const Solve_Tower& t, int level, Hdl a, Hdl b) {
  return Ref::adopt(ring_add(ring_at(t, level), a, b));
}
inline Ref level_sub(const Solve_Tower& t, int level, Hdl a, Hdl b) {
  return Ref::adopt(ring_subtract(ring_at(t, level), a, b));
}
inline Ref level_mul(const Solve_Tower& t, int level, Hdl a, Hdl b) {
  return Ref::adopt(ring_multiply(ring_at(t, level), a, b));
}
// a/b in the field K (b not zero).
Ref k_divide(const Solve_Tower& t, Hdl a, Hdl b);
// a of level `from` as a constant of level `to` (from <= to).
Ref lift(const Solve_Tower& t, int from, int to, Hdl a);

// ---- Polynomials of level >= 1 ----
// c·x^e in front of rest (deg rest < e); rest alone when c is zero.
inline Ref term_new(const Solve_Tower& t, int level, Hdl c, int32_t e, Hdl rest) {
  return Ref::adopt(make_term(ring_at(t, level - 1), hdl_copy(c), e, hdl_copy(rest)));
}

// ---- The field F ----
inline const Ring& field_ring(const Solve_Tower& t) { return ring_of(t.field.get()); }
inline bool field_zero_q(const Solve_Tower& t, Hdl a) { return ring_zero_q(field_ring(t), a); }
inline Ref field_add(const Solve_Tower& t, Hdl a, Hdl b) { return Ref::adopt(ring_add(field_ring(t), a, b)); }
inline Ref field_sub(const Solve_Tower& t, Hdl a, Hdl b) { return Ref::adopt(ring_subtract(field_ring(t), a, b)); }
inline Ref field_mul(const Solve_Tower& t, Hdl a, Hdl b) { return Ref::adopt(ring_multiply(field_ring(t), a, b)); }
inline Ref field_power(const Solve_Tower& t, Hdl a, int32_t n) { return Ref::adopt(ring_power(field_ring(t), a, n)); }
// The numerator, of level n.
inline Ref field_numerator(Hdl a) { return Ref::share(frac_num(a)); }
// The generator x_L (L = 1..n), the generator of coefficient symbol i
// (0-based), and the rational num/den, as elements of F.
Ref field_variable(const Solve_Tower& t, int level);
Ref field_coef_symbol(const Solve_Tower& t, int coef_i);
Ref field_rational(const Solve_Tower& t, Integer num, Integer den);
