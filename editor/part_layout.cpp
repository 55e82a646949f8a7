#include "editor/part_layout.h"

#include "core/err.h"

Rect part_layout(const Part_Layout& l, std::span<const Rect> items, std::span<Point> pts) {
  CHECK(items.size() == pts.size());
  Rect all = EMPTY_RECT;
  int32_t run = 0;  // the next item's left edge (row) or top (column)
  for (size_t i = 0; i < items.size(); ++i) {
    const Rect& r = items[i];
    pts[i] = l.layout_n == ROW_LAYOUT ? Point{run - r.x0, 0} : Point{0, i == 0 ? 0 : run - r.y1};
    Rect placed = {r.x0 + pts[i].x, r.x1 + pts[i].x, r.y0 + pts[i].y, r.y1 + pts[i].y};
    all = rect_union(all, placed);
    run = l.layout_n == ROW_LAYOUT ? placed.x1 + l.gap : placed.y0 - l.gap;
  }
  return all;
}
