#include "graphs/dot_set.h"

#include "core/bin_codec.h"
#include "graphs/graph_pen.h"
#include "graphs/point_codec.h"

Rect dot_set_bounds(const Dot_Set& d) {
  Rect r = EMPTY_RECT;
  for (Point p : d.dots) r = rect_union(r, dot_rect(p));
  return r;
}

void draw_dot_set(Canvas& c, Point origin, const Dot_Set& d) {
  draw_in_colour(c, d.colour, [&] {
    for (Point p : offset_points(d.dots, origin)) canvas_rectangle(c, dot_rect(p));
  });
}

void write_dot_set(Out_Stream& out, const Dot_Set& d) {
  write_unsigned(out, uint32_t(d.dots.size()));
  write_points(out, d.dots);
  write_int(out, d.colour);
}

Dot_Set read_dot_set(In_Stream& in) {
  Dot_Set d{{}, 0};
  read_points(in, read_unsigned(in), d.dots);
  d.colour = read_int(in);
  return d;
}
