// Derivatives of formulas and the test for values outside the operators'
// domains.
#pragma once
#include "formula/tree.h"

// The derivative of w. The symbol rule (a Fun1 from a symbol to a new formula)
// says how symbols differentiate; applications use their heads' rules.
wff derivative(wff w, Fun1 symbol_rule);

// Rules for derivative(); each is a new function object owned by the caller.
// A plain variable: 1 for x, 0 for every other symbol.
Fun1 deriv_var_rule(wff x);
// As deriv_var_rule, except that a symbol y with IMP_FUN F (y defined by
// F = 0) has the derivative -(dF/dx)/(dF/dy), built once per symbol and kept
// in the rule.
Fun1 deriv_implicit_rule(wff x);

// Holds a NaN or infinite real, a power of 0 to a negative exponent, a
// negative number to a non-whole approximate exponent, or a logarithm of (or
// to a base of) a non-positive number, anywhere in the tree.
bool undefined_q(wff w);
