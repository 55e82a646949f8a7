// Groups: a prefix, a bracketed inner part and a suffix in a row, the
// brackets as tall as the inner part.
#include "draw/bracket.h"
#include "draw/math_layout.h"

namespace {

bool has_width_q(const Rect& r) { return r.x1 > r.x0; }

// Places a delimiter with the left edge of its box at x; gives the x past
// it. A hidden one has no width.
int32_t place_delimiter(Delimiter d, int32_t x, int32_t middle, Point& pt, Rect& bds) {
  if (d.height == 0) {
    pt = {x, middle};
    bds = NO_BOUNDS;
    return x;
  }
  bds = bracket_bounds(d.cp, d.height);
  pt = {x - bds.x0, middle};
  return pt.x + bds.x1;
}

}  // namespace

int32_t delimiter_height(const Rect& inner, bool shown_q) { return shown_q ? inner.y1 - inner.y0 : 0; }

Group_Layout group_layout(const Rect& prefix, Delimiter open, const Rect& inner, Delimiter close,
                          const Rect& suffix) {
  Group_Layout l;
  int32_t middle = inner.y0 + (inner.y1 - inner.y0) / 2;
  l.pts[0] = {0, 0};
  int32_t x = prefix.x1 + (has_width_q(prefix) ? PART_GAP : 0);
  x = place_delimiter(open, x, middle, l.pts[1], l.open_bds);
  if (open.height != 0) x += PART_GAP;
  l.pts[2] = {x - inner.x0, 0};
  x = l.pts[2].x + inner.x1;
  if (close.height != 0) x += PART_GAP;
  x = place_delimiter(close, x, middle, l.pts[3], l.close_bds);
  if (has_width_q(suffix)) x += PART_GAP;
  l.pts[4] = {x - suffix.x0, 0};
  const Rect* parts[5] = {&prefix, &l.open_bds, &inner, &l.close_bds, &suffix};
  l.bds = prefix;
  for (int32_t i = 1; i < 5; ++i) l.bds = rect_union(l.bds, rect_shift(*parts[i], l.pts[i]));
  l.bds.x1 = l.pts[4].x + suffix.x1;
  return l;
}
