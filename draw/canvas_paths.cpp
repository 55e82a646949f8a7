// Lines, Bézier paths, polygons and rectangles: canvas points converted to
// device pixels, with the end pixel that the platform's lines leave out.
#include <cmath>
#include <vector>

#include "core/err.h"
#include "draw/canvas.h"
#include "draw/colour.h"
#include "draw/units.h"

namespace {

int32_t n_elts(std::span<const Point> s) { return int32_t(s.size()); }

Point to_device(const Canvas& c, Point p) { return device_point(p, c.dpi_x, c.dpi_y); }

void device_move_to(Canvas& c, Point p) {
  Point d = to_device(c, p);
  c.dc.ops_p->move_to(c.dc.impl_p, d.x, d.y);
}

void set_end_pixel(Canvas& c, Point p) {
  if (!c.one_pixel_pen_q) return;
  Point d = to_device(c, p);
  c.dc.ops_p->set_pixel(c.dc.impl_p, d.x, d.y, canvas_device_colour(c));
}

// A straight segment is one whose controls sit on its ends.
bool straight_q(std::span<const Point> pts, int32_t i) { return pts[i + 1] == pts[i] && pts[i + 2] == pts[i + 3]; }

// The segments of a path from its first point: runs of curves in one call,
// straight segments as lines. Returns the last point.
void trace_bezier_path(Canvas& c, std::span<const Point> pts) {
  device_move_to(c, pts[0]);
  std::vector<Point> curves;
  auto flush = [&] {
    if (curves.empty()) return;
    c.dc.ops_p->poly_bezier_to(c.dc.impl_p, curves.data(), int32_t(curves.size()));
    curves.clear();
  };
  for (int32_t i = 0; i + 3 < n_elts(pts); i += 3) {
    if (straight_q(pts, i)) {
      flush();
      Point d = to_device(c, pts[i + 3]);
      c.dc.ops_p->line_to(c.dc.impl_p, d.x, d.y);
    } else {
      for (int32_t k = 1; k <= 3; ++k) curves.push_back(to_device(c, pts[i + k]));
    }
  }
  flush();
  c.cur = pts.back();
}

// Samples become integer canvas units by truncation after a small nudge,
// so that values a rounding error below an integer still reach it.
int32_t nudged(double v) { return int32_t(v + 0.001); }

}  // namespace

void canvas_move_to(Canvas& c, Point p) { c.cur = p; }

void canvas_line_to(Canvas& c, Point p) {
  device_move_to(c, c.cur);
  Point d = to_device(c, p);
  c.dc.ops_p->line_to(c.dc.impl_p, d.x, d.y);
  set_end_pixel(c, p);
  c.cur = p;
}

void canvas_line_by(Canvas& c, Point offset) { canvas_line_to(c, {c.cur.x + offset.x, c.cur.y + offset.y}); }

void canvas_polyline(Canvas& c, std::span<const Point> pts, bool closed_q) {
  if (n_elts(pts) < 2) return;
  canvas_move_to(c, pts[0]);
  for (int32_t i = 1; i < n_elts(pts); ++i) canvas_line_to(c, pts[i]);
  if (closed_q) canvas_line_to(c, pts[0]);
}

void canvas_bezier_path(Canvas& c, std::span<const Point> pts) {
  CHECK(n_elts(pts) % 3 == 1);
  if (n_elts(pts) == 1) return;
  trace_bezier_path(c, pts);
  set_end_pixel(c, pts.back());
}

void canvas_fill_bezier_path(Canvas& c, std::span<const Point> pts) {
  if (n_elts(pts) < 2) return;
  CHECK(n_elts(pts) % 3 == 1);
  c.dc.ops_p->begin_path(c.dc.impl_p);
  trace_bezier_path(c, pts);
  c.dc.ops_p->end_path(c.dc.impl_p);
  c.dc.ops_p->stroke_and_fill_path(c.dc.impl_p);
}

std::vector<Point> hermite_bezier_points(int32_t n_segs, std::span<const Hermite_Point> samples) {
  CHECK(n_segs >= 0);
  CHECK(int64_t(samples.size()) >= int64_t(n_segs) + 1);
  std::vector<Point> pts;
  pts.reserve(size_t(3 * n_segs + 1));
  for (int32_t i = 0; i <= n_segs; ++i) {
    const Hermite_Point& s = samples[i];
    Point p = {nudged(s.x), nudged(s.y)};
    if (i > 0) {
      double dt = s.t - samples[i - 1].t;
      pts.push_back({p.x - int32_t(dt * s.dx / 3 - 0.001), p.y - int32_t(dt * s.dy / 3 - 0.001)});
    }
    pts.push_back(p);
    if (i < n_segs) {
      double dt = samples[i + 1].t - s.t;
      pts.push_back({p.x + nudged(dt * s.dx / 3), p.y + nudged(dt * s.dy / 3)});
    }
  }
  return pts;
}

void canvas_hermite_strand(Canvas& c, int32_t n_segs, std::span<const Hermite_Point> samples) {
  std::vector<Point> pts = hermite_bezier_points(n_segs, samples);
  canvas_bezier_path(c, pts);
}

void canvas_polygon(Canvas& c, std::span<const Point> pts) {
  if (n_elts(pts) < 3) return;
  std::vector<Point> d;
  d.reserve(pts.size());
  for (Point p : pts) d.push_back(to_device(c, p));
  c.dc.ops_p->polygon(c.dc.impl_p, d.data(), int32_t(d.size()));
}

void canvas_rectangle(Canvas& c, const Rect& r) {
  c.dc.ops_p->rectangle(c.dc.impl_p, device_rect(r, c.dpi_x, c.dpi_y));
}

void canvas_round_rect(Canvas& c, const Rect& r, int32_t radius) {
  c.dc.ops_p->set_null_brush(c.dc.impl_p);
  c.dc.ops_p->round_rect(c.dc.impl_p, device_rect(r, c.dpi_x, c.dpi_y), 2 * device_length(radius, c.dpi_x),
                         2 * device_length(radius, c.dpi_y));
  c.dc.ops_p->set_brush(c.dc.impl_p, canvas_device_colour(c) | PALETTE_RELATIVE);
}
