// The colour swatch: a cell holding one colour word (0x00RRGGBB), drawn as a
// filled square. Its text is the colour as "#RRGGBB"; typing such a text
// over it sets the colour, so rows copy, paste and undo like any other.
// Its selection is 0..1: anchor_i = gen_i = 0 before it, 0, 1 all of it.
#pragma once
#include <cstdint>

#include "editor/gui_kind.h"

struct Swatch_Kind {
  Gui_Kind kind;  // SWATCH_OPS
  int32_t accept_n;
};

extern const Gui_Kind SWATCH_OPS;

struct Swatch {
  int32_t colour;
};

Swatch* swatch_new(int32_t colour);
inline int32_t swatch_colour(const void* e) { return static_cast<const Swatch*>(e)->colour; }

// Side of the square, in canvas units.
constexpr int32_t SWATCH_SIDE = 1536;
