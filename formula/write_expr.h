// Writing formulas back as structured expressions, so that solutions and
// computed values show in the notation they are typed in, and what is shown
// reads back as the same formula.
#pragma once
#include "editor/Expr.h"
#include "formula/resolver.h"

// An expression of the standard operators, parenthesised wherever precedence
// would change its meaning, not yet styled: its owner restyles it in its own
// environment. Approximate reals are written to the absolute tolerance tol.
Expr write_expr(wff w, const Resolver& r, double tol);

// An infix of the standard operator with this text (internal coding), its
// operands put in parentheses where precedence would regroup them.
Expr infix_built(Expr x, const char* op_text, Expr z);
