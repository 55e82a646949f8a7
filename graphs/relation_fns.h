// What the relation sampler needs of a relation f(x, y) > 0 or f(x, y) = 0:
// f, its partials, the slopes of its zero set, and the fourth derivatives of
// the zero set taken as a function x(y) or y(x), with the colours to draw in.
#pragma once
#include "formula/DblsF.h"
#include "graphs/sampler_colours.h"

enum Relation_Fn {
  REL_F,
  REL_F_X,       // ∂f/∂x
  REL_F_Y,       // ∂f/∂y
  REL_F_XX,      // ∂²f/∂x²
  REL_F_YY,      // ∂²f/∂y²
  REL_DX_DY,     // -f_y / f_x along the zero set
  REL_DY_DX,     // -f_x / f_y along the zero set
  REL_D4X_DY4,   // of the implicit function x(y)
  REL_D4Y_DX4,   // of the implicit function y(x)
  N_RELATION_FNS
};

struct Relation_Fns {
  Ref fns[N_RELATION_FNS];  // each a DblsF of (x, y)
  Relation_Colours colours;
};

// The nine functions of the formula w over the variables x and y, compiled
// with rules for every other symbol. The implicit derivatives differentiate
// dy/dx totally along x three times, dy/dx substituted each time (and
// likewise for x(y)).
Relation_Fns relation_fns_compile(wff x, wff y, wff w, const Symbol_Rules& rules, Relation_Colours colours);
