// Points and rectangles in canvas units (18432 per inch, y up) and in device
// pixels (y down), and the Hermite samples that curves are drawn through.
#pragma once
#include <cstdint>

struct Point {
  int32_t x, y;
  bool operator==(const Point&) const = default;
};

// Canvas rectangle: x0 left, x1 right, y0 bottom, y1 top.
struct Rect {
  int32_t x0, x1, y0, y1;
  bool operator==(const Rect&) const = default;
};

// The start value of unions: every real rectangle widens it.
constexpr Rect EMPTY_RECT = {2147483647, -2147483647 - 1, 2147483647, -2147483647 - 1};

inline bool rect_empty_q(const Rect& r) { return r.x0 >= r.x1 || r.y0 >= r.y1; }

inline Rect rect_union(const Rect& a, const Rect& b) {
  return {a.x0 < b.x0 ? a.x0 : b.x0, a.x1 > b.x1 ? a.x1 : b.x1,
          a.y0 < b.y0 ? a.y0 : b.y0, a.y1 > b.y1 ? a.y1 : b.y1};
}

// Device pixel rectangle, GDI style: left and top inside, right and bottom outside.
struct Device_Rect {
  int32_t left, top, right, bottom;
  bool operator==(const Device_Rect&) const = default;
};

// One sample of a curve: parameter, position and derivatives by the parameter.
struct Hermite_Point {
  double t, x, y, dx, dy;
};

// r moved by d; r must not be empty (the empty value would overflow).
inline Rect rect_shift(const Rect& r, Point d) { return {r.x0 + d.x, r.x1 + d.x, r.y0 + d.y, r.y1 + d.y}; }
// Bounds moved by d; bounds that are the empty value (nothing to show) stay so.
inline Rect bounds_shift(const Rect& r, Point d) { return r == EMPTY_RECT ? r : rect_shift(r, d); }
inline Point point_add(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
