// An expression's nodes as composites: an infix is its operand, operator and
// operand, a group its prefix, delimiters, inner part and suffix; arrows,
// Tab and Select More move between them as in any composite.
#pragma once
#include "editor/Expr.h"

// The query and perform of ARROW_CMD and SELECT_MORE_CMD on e with s in e's
// own coordinates.
int32_t expr_nav_query(const Expr& e, const Sel& s, Cmd& c);
void expr_nav_perform(Expr& e, Cmd_Args& args);
