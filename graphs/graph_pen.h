// What the three graphics share when they draw: their colour selected for
// the drawing and the previous one given back, and their points moved to the
// canvas's origin.
#pragma once
#include <span>
#include <vector>

#include "draw/canvas.h"

template <class Draw>
void draw_in_colour(Canvas& c, int32_t colour, Draw draw) {
  int32_t before = c.colour;
  canvas_set_colour(c, colour);
  draw();
  canvas_set_colour(c, before);
}

inline std::vector<Point> offset_points(std::span<const Point> pts, Point origin) {
  std::vector<Point> out;
  out.reserve(pts.size());
  for (Point p : pts) out.push_back({p.x + origin.x, p.y + origin.y});
  return out;
}
