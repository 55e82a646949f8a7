// Exponent vectors of the terms of Solve's polynomials (the exponent of x_L
// at index L-1), and monomials made from them.
#pragma once
#include <algorithm>
#include <vector>

#include "algebra/solve_ring.h"

typedef std::vector<int32_t> Tri_Exps;

// Lexicographic from the highest variable: the elimination order.
inline bool lex_less_q(const Tri_Exps& a, const Tri_Exps& b) {
  for (size_t i = a.size(); i-- > 0;)
    if (a[i] != b[i]) return a[i] < b[i];
  return false;
}

inline Tri_Exps difference(const Tri_Exps& a, const Tri_Exps& b) {
  Tri_Exps d(a.size());
  for (size_t i = 0; i < a.size(); ++i) d[i] = a[i] - b[i];
  return d;
}

inline Tri_Exps lcm_of(const Tri_Exps& a, const Tri_Exps& b) {
  Tri_Exps l(a.size());
  for (size_t i = 0; i < a.size(); ++i) l[i] = std::max(a[i], b[i]);
  return l;
}

inline bool divides_q(const Tri_Exps& a, const Tri_Exps& b) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] > b[i]) return false;
  return true;
}

// Leading terms that share no variable make a combination that reduces to
// zero by the two alone.
inline bool coprime_q(const Tri_Exps& a, const Tri_Exps& b) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] > 0 && b[i] > 0) return false;
  return true;
}

inline int32_t exps_degree(const Tri_Exps& e) {
  int32_t d = 0;
  for (int32_t x : e) d += x;
  return d;
}

// c·x_1^e_1···x_n^e_n for c in K, as an element of the outermost level.
inline Ref tri_monomial(const Solve_Tower& t, Hdl c, const Tri_Exps& e) {
  Ref m = Ref::share(c);
  for (int level = 1; level <= n_vars_of(t); ++level) m = term_new(t, level, m.get(), e[size_t(level) - 1], EMPTY_HDL);
  return m;
}
