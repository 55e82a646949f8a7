// Formulas into the exact algebra of Solve: the elements of the field F of
// the ring tower, and the polynomials of the equations.
#pragma once
#include "algebra/solve.h"
#include "algebra/solve_ring.h"
#include "formula/tree.h"

struct Convert_State {
  const Solve_Tower* tower_p;
  bool inexact_q = false;  // a decimal number was met
};

// The element of F a formula stands for. Fails with "Numeric overflow" (a NaN
// or infinite decimal) or "Transcendental expression" (anything but sums,
// products, integer powers, numbers and symbols with an ALG_REP).
Ref convert_to_polynomial(Convert_State& st, wff w);
// One polynomial of R_n per equation, in order: the numerator of left side
// minus right side. Fails with "Non-equation" unless w is an equation or a
// line-break list of them.
void equations_to_polynomials(Convert_State& st, wff w, std::vector<Ref>& out);
