// Rows and columns of laid-out items (the messages and buttons of alerts):
// each item is given by its bounds relative to its own origin, and placing
// gives each item's origin and the bounds of the whole.
#pragma once
#include <cstdint>
#include <span>

#include "draw/geom.h"

struct Row_Flow {
  int32_t gap;        // between items of a row
  int32_t max_width;  // a row wraps before an item that would make it wider
  int32_t row_gap;    // from a row's bottom to the next row's top
  int32_t centre_i;   // items from this index on are centred vertically on their row so far
  bool justify_q;     // the width a row leaves over is spread over its gaps
};

// Left to right in rows stacked downward, the first row's baseline at 0 and
// its first item's left edge at 0. pts holds one point per item.
Rect row_flow(const Row_Flow& f, std::span<const Rect> items, std::span<Point> pts);

struct Column_Stack {
  int32_t gap;       // from an item's bottom to the next one's top
  int32_t centre_i;  // items from this index on are centred on the column
};

// Top to bottom, the first item's origin at (0, 0), the others at x = 0
// unless centred; with centre_i 0 the column's left edge is moved to 0.
Rect column_stack(const Column_Stack& f, std::span<const Rect> items, std::span<Point> pts);
