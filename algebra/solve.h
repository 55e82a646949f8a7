// Solve: the user's constraint equations turned, by exact polynomial algebra,
// into an equivalent system in triangular form, each equation solved for its
// main variable where it is linear in it.
#pragma once
#include "formula/tree.h"

// The symbol property holding, while Solve converts the equations, each
// variable's and coefficient symbol's polynomial; the earlier values are back
// when solve_equations returns or fails.
extern const Prop_Key ALG_REP;

// equations: an equation or a line-break list of them. coef_syms: a list of
// symbols taken as independent transcendental constants (Solve passes pi).
// vars: a list of symbols in elimination order, the last one eliminated
// first. Gives the line-break list of the resulting equations, starting from
// "true" (so "true" when there are none, "false" when they contradict).
// Fails with "Numeric overflow", "Transcendental expression" or
// "Non-equation". The quadratic formula is not offered: quadratic_q must be off.
wff solve_equations(wff equations, Hdl coef_syms, Hdl vars, bool quadratic_q);
