// The colours the samplers draw in, derived from a variable's colour: a light
// one for what could not be resolved, and for relations one each for the
// zero set, the region where the relation holds, and undecided cells.
#pragma once
#include <cstdint>

// Stands for "draw nothing" in a colour slot.
constexpr int32_t NO_COLOUR = -1;

// Every channel halfway to white: floor(c/2) + 127.
inline int32_t light_colour(int32_t c) { return ((c & 0xFEFEFE) >> 1) + 0x7F7F7F; }

struct Relation_Colours {
  int32_t curve;       // the zero set
  int32_t region;      // where f > 0
  int32_t unresolved;  // cells left undecided at the deepest level
};

// boundary_q draws the zero set in c; region_q fills the region in a
// saturated shade of c, its red and green raised to at least 0x80 so that
// curves drawn over it stay visible.
Relation_Colours relation_colours(int32_t c, bool boundary_q, bool region_q);
