// Placing the parts of composites and lists, by the row flow and column
// stack of draw/.
#pragma once
#include <span>

#include "editor/composite.h"

// Each item is given by its bounds around its own origin; a row sets them on
// one baseline left to right from x = 0, a column stacks them downward from
// y = 0 at x = 0, gap apart. Gives the union of the placed items.
Rect part_layout(const Part_Layout& l, std::span<const Rect> items, std::span<Point> pts);
