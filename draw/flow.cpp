#include "draw/flow.h"

#include "core/err.h"

namespace {

int32_t middle(int32_t lo, int32_t hi) { return lo + (hi - lo) / 2; }

Rect union_of(std::span<const Rect> items, std::span<const Point> pts, size_t first, size_t end) {
  Rect u = EMPTY_RECT;
  for (size_t i = first; i < end; ++i) u = rect_union(u, rect_shift(items[i], pts[i]));
  return u;
}

// Spreads what the row [first, end) leaves of the width evenly over its
// gaps; the last item then ends at the full width.
void justify(const Row_Flow& f, std::span<const Rect> items, std::span<Point> pts, size_t first, size_t end) {
  int32_t n_gaps = int32_t(end - first) - 1;
  if (n_gaps < 1) return;
  int32_t left_over = f.max_width - (pts[end - 1].x + items[end - 1].x1);
  for (int32_t k = 1; k <= n_gaps; ++k) pts[first + size_t(k)].x += int32_t(int64_t(left_over) * k / n_gaps);
}

// Moves the finished row [first, end) so that its top is row_gap below
// the previous rows' bottom; gives the new bottom.
int32_t settle_row(const Row_Flow& f, std::span<const Rect> items, std::span<Point> pts, size_t first, size_t end,
                   int32_t bottom) {
  if (f.justify_q) justify(f, items, pts, first, end);
  Rect row = union_of(items, pts, first, end);
  int32_t dy = first == 0 ? 0 : bottom - f.row_gap - row.y1;
  for (size_t i = first; i < end; ++i) pts[i].y += dy;
  return row.y0 + dy;
}

}  // namespace

Rect row_flow(const Row_Flow& f, std::span<const Rect> items, std::span<Point> pts) {
  CHECK(pts.size() == items.size());
  size_t row_first = 0;
  int32_t x = 0, bottom = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const Rect& r = items[i];
    if (i > row_first && x - r.x0 + r.x1 > f.max_width) {
      bottom = settle_row(f, items, pts, row_first, i, bottom);
      row_first = i;
      x = 0;
    }
    pts[i] = {x - r.x0, 0};
    if (int32_t(i) >= f.centre_i && i > row_first) {
      Rect so_far = union_of(items, pts, row_first, i);
      pts[i].y = middle(so_far.y0, so_far.y1) - middle(r.y0, r.y1);
    }
    x = pts[i].x + r.x1 + f.gap;
  }
  if (!items.empty()) settle_row(f, items, pts, row_first, items.size(), bottom);
  return union_of(items, pts, 0, items.size());
}

Rect column_stack(const Column_Stack& f, std::span<const Rect> items, std::span<Point> pts) {
  CHECK(pts.size() == items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    int32_t y = i == 0 ? 0 : rect_shift(items[i - 1], pts[i - 1]).y0 - f.gap - items[i].y1;
    pts[i] = {0, y};
  }
  Rect all = union_of(items, pts, 0, items.size());
  for (size_t i = size_t(f.centre_i < 0 ? 0 : f.centre_i); i < items.size(); ++i)
    pts[i].x = middle(all.x0, all.x1) - middle(items[i].x0, items[i].x1);
  if (f.centre_i == 0) {
    int32_t dx = -union_of(items, pts, 0, items.size()).x0;
    for (Point& p : pts) p.x += dx;
  }
  return union_of(items, pts, 0, items.size());
}
