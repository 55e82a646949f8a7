#include "editor/part_layout.h"

#include <climits>

#include "draw/flow.h"

// A row never wraps and a column is not centred: parts keep their own x.
Rect part_layout(const Part_Layout& l, std::span<const Rect> items, std::span<Point> pts) {
  int32_t n = int32_t(items.size());
  if (l.layout_n == ROW_LAYOUT) return row_flow({l.gap, INT32_MAX, 0, n, false}, items, pts);
  return column_stack({l.gap, n}, items, pts);
}
