// Drawing a table: a shaded header band with the titles centred on their
// columns, the cells of the rows that reach into the area, and the grid: a
// frame, a line under every row and between the columns, and a heavier one
// under the header.
#include <algorithm>

#include "draw/canvas_text.h"
#include "tables/small_table.h"

namespace {

constexpr int32_t GRID_COLOUR = 0x808080, HEADER_FILL = 0xE8E8E8, TEXT_COLOUR = 0x000000;

void line(Canvas& c, Point a, Point b) {
  canvas_move_to(c, a);
  canvas_line_to(c, b);
}

// Rows j..k reach into the area (whose y runs from y0 to y1 at this origin).
void rows_in(const Small_Table& t, int32_t oy, const Rect& area, int32_t& j, int32_t& k) {
  auto below = [&](int32_t b, int32_t v) { return b + oy > v; };
  auto first = t.y_bdys.begin() + 2;
  j = int32_t(std::lower_bound(first, t.y_bdys.end(), area.y1, below) - first);
  k = std::min(n_elts(t), int32_t(std::lower_bound(first, t.y_bdys.end(), area.y0, below) - first) + 1);
}

// The frame's top and right lines lie a unit inside the bounds: a device
// rectangle stops short of its top and right edges, so lines on them would
// fall outside a picture or a redraw of exactly the table.
void draw_grid(const Small_Table& t, Canvas& c, Point o, int32_t j, int32_t k) {
  canvas_set_colour(c, GRID_COLOUR);
  int32_t x0 = o.x + t.x_bdys.front(), x1 = o.x + t.x_bdys.back() - 1;
  int32_t top = o.y + t.y_bdys[0] - 1, bottom = o.y + t.y_bdys[size_t(k) + 1];
  line(c, {x0, top}, {x1, top});
  for (int32_t i = j; i <= k; ++i) line(c, {x0, o.y + t.y_bdys[size_t(i) + 1]}, {x1, o.y + t.y_bdys[size_t(i) + 1]});
  for (int32_t xb : t.x_bdys) line(c, {std::min(o.x + xb, x1), top}, {std::min(o.x + xb, x1), bottom});
  canvas_set_colour(c, TEXT_COLOUR);
  int32_t under = o.y + t.y_bdys[1];
  // Its round ends stick out by half its width unless pulled in.
  int32_t half = canvas_set_pen_width(c, 2 * DEFAULT_PEN_WIDTH) / 2;
  line(c, {x0 + half, under}, {x1 - half, under});
  canvas_set_pen_width(c, DEFAULT_PEN_WIDTH);
}

void draw_header(const Small_Table& t, Canvas& c, Point o) {
  const Gui_Kind& hk = *t.kind_p->env.hdr_kind_p;
  canvas_set_colour(c, HEADER_FILL);
  canvas_rectangle(c, rect_shift({t.x_bdys.front(), t.x_bdys.back(), t.y_bdys[1], t.y_bdys[0]}, o));
  canvas_set_colour(c, TEXT_COLOUR);
  for (size_t j = 0; j < t.hdr.size(); ++j) {
    Rect b = hk.bounds(hk, t.hdr[j]);
    hk.draw(hk, t.hdr[j], c, {o.x + t.center_xjs[j] - (b.x0 + b.x1) / 2, o.y + t.hdr_y});
  }
}

}  // namespace

void table_draw(const Small_Table& t, Canvas& c, Point o, const Rect& area) {
  int32_t j = 0, k = n_elts(t);
  rows_in(t, o.y, area, j, k);
  if (o.y + t.y_bdys[1] < area.y1) draw_header(t, c, o);
  canvas_set_colour(c, TEXT_COLOUR);
  for (int32_t i = j; i < k; ++i) {
    Sub_Elt r = row_sub(t, i);
    r.kind_p->draw(*r.kind_p, r.e, c, point_add(o, r.pt));
  }
  draw_grid(t, c, o, j, std::max(j, k));
}
