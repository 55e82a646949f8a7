// Arrow keys inside an expression.
#pragma once
#include "editor/Expr.h"

// Moves s for a Left or Right arrow (Shift extends inside a string and is
// dropped at its edge, Ctrl goes to the ends); false when s cannot move.
bool expr_arrow(const Expr& e, Sel& s, const Arrow_Cmd& a);

