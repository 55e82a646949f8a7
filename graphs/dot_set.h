// A dot set: the data points of one variable in one colour, each drawn as a
// square 288 units (1/64 inch) on each side of its point.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "draw/canvas.h"

constexpr int32_t DOT_RADIUS = 288;

struct Dot_Set {
  std::vector<Point> dots;  // canvas units of the panel, y up
  int32_t colour;           // 0x00RRGGBB
};

inline void add_dot(Dot_Set& d, Point p) { d.dots.push_back(p); }
// The square a dot covers.
inline Rect dot_rect(Point p) { return {p.x - DOT_RADIUS, p.x + DOT_RADIUS, p.y - DOT_RADIUS, p.y + DOT_RADIUS}; }
// The union of the dots' squares; EMPTY_RECT for no dots.
Rect dot_set_bounds(const Dot_Set& d);

// Draws at origin in the set's colour; the canvas's colour is given back.
void draw_dot_set(Canvas& c, Point origin, const Dot_Set& d);

// The number of dots (unsigned), the dots, then the colour (signed).
void write_dot_set(Out_Stream& out, const Dot_Set& d);
Dot_Set read_dot_set(In_Stream& in);
