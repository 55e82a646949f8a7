// Polynomials of Solve written back as formulas.
#pragma once
#include "algebra/solve_ring.h"
#include "formula/tree.h"

// The symbols the levels stand for: vars[L-1] is x_L, coef_syms[i] the i-th
// coefficient symbol.
struct Solve_Names {
  std::vector<wff> vars;
  std::vector<wff> coef_syms;
};

// p, of level `level`, as a formula.
wff formula_of_polynomial(const Solve_Tower& t, int level, Hdl p, const Solve_Names& names);
// p of the level n_vars_left as an equation: "v = -c0" when p is monic of degree 1 in its main variable v, else "p = 0".
wff polynomial_to_equation(const Solve_Tower& t, Hdl p, int n_vars_left, const Solve_Names& names);
