// Shared by the sampler tests and benchmarks: panels, functions compiled
// from prefix notation, and the drawn geometry as polylines in canvas units.
#pragma once
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "formula/dblsf_counted.h"
#include "formula/prefix.h"
#include "graphs/dblsf_curves.h"

// The symbols x and y for the whole program: they outlive every formula.
struct Plot_Syms {
  Ref x = Ref::adopt(symbol_new("x"));
  Ref y = Ref::adopt(symbol_new("y"));
  Ref both = Ref::adopt(pair_new(x.get(), Ref::adopt(pair_new(y.get(), EMPTY_HDL)).get()));
  Ref x_only = Ref::adopt(pair_new(x.get(), EMPTY_HDL));
};
inline Plot_Syms& plot_syms() {
  static Plot_Syms* s = new Plot_Syms;
  return *s;
}
// A formula over x and y read from prefix notation.
inline Ref plot_formula(const char* text) { return Ref::adopt(prefix_read(text, plot_syms().both.get())); }
inline Ref compile_x(const char* text) {
  return Ref::adopt(dblsf_compile(plot_syms().x_only.get(), plot_formula(text).get(), default_symbol_rules()));
}

constexpr int32_t PX = 192;  // canvas units per pixel
constexpr int32_t CURVE_COLOUR = 0x2040C0;
constexpr Interval TEN = {-10, 10};

inline Graph_Picture panel_picture(int32_t n_px) {
  Graph_Picture pic;
  set_drawing_size(pic, n_px * PX, n_px * PX);
  return pic;
}

// y = f(x) over TEN × TEN (or the given ranges) on a square panel of n_px
// pixels; facet calls counted in counts_p when given.
inline Graph_Picture curve_picture(const char* text, int32_t n_px = 200, Facet_Counts* counts_p = nullptr,
                                   Interval xs = TEN, Interval ys = TEN) {
  Ref f = compile_x(text);
  if (counts_p) f = Ref::adopt(dblsf_counted(f.get(), counts_p));
  Graph_Picture pic = panel_picture(n_px);
  sample_curve_on_panel(pic, CURVE_COLOUR, xs, ys, PX, curve_fns_of(f.get()));
  return pic;
}

struct Canvas_Pt {
  double x, y;
};

// The cubic Bézier through p0..p3 flattened so that chords are at most a
// hundredth of a pixel apart in parameter-driven steps.
inline void flatten_bezier(const Point* p, std::vector<Canvas_Pt>& out) {
  double len = 0;
  for (int k = 0; k < 3; ++k) len += std::hypot(double(p[k + 1].x - p[k].x), double(p[k + 1].y - p[k].y));
  int n = 1 + int(len / (PX * 0.05));
  for (int i = 0; i <= n; ++i) {
    double t = double(i) / n, u = 1 - t;
    double w[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
    Canvas_Pt q = {0, 0};
    for (int k = 0; k < 4; ++k) {
      q.x += w[k] * p[k].x;
      q.y += w[k] * p[k].y;
    }
    out.push_back(q);
  }
}

// A strand as drawn: its Bézier segments in integer canvas units, flattened.
inline std::vector<Canvas_Pt> drawn_polyline(const Strand& s) {
  std::vector<Canvas_Pt> out;
  if (s.pts.size() < 2) {
    for (const Hermite_Point& h : s.pts) out.push_back({h.x, h.y});
    return out;
  }
  std::vector<Point> b = hermite_bezier_points(last_i(s), s.pts);
  for (size_t i = 0; i + 3 < b.size(); i += 3) flatten_bezier(&b[i], out);
  return out;
}

inline double segment_distance(Canvas_Pt p, Canvas_Pt a, Canvas_Pt b) {
  double vx = b.x - a.x, vy = b.y - a.y, wx = p.x - a.x, wy = p.y - a.y;
  double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(wx - t * vx, wy - t * vy);
}

// Polylines bucketed by pixel, for distance queries over the panel and two
// panel heights beyond it (farther points go to the outermost rows).
struct Poly_Index {
  int n_cols, n_rows, row0;
  std::vector<std::vector<std::pair<Canvas_Pt, Canvas_Pt>>> cells;
  explicit Poly_Index(int32_t n_px) : n_cols(n_px + 8), n_rows(5 * n_px + 8), row0(2 * n_px + 4) {
    cells.resize(size_t(n_cols) * size_t(n_rows));
  }
  void add(const std::vector<Canvas_Pt>& line) {
    for (size_t i = 0; i + 1 < line.size(); ++i) add_segment(line[i], line[i + 1]);
    if (line.size() == 1) add_segment(line[0], line[0]);
  }
  int col(double x) const { return std::clamp(int(std::floor(x / PX)) + 4, 0, n_cols - 1); }
  int row(double y) const { return std::clamp(int(std::floor(y / PX)) + row0, 0, n_rows - 1); }
  void add_segment(Canvas_Pt a, Canvas_Pt b) {
    for (int c = col(std::min(a.x, b.x)); c <= col(std::max(a.x, b.x)); ++c)
      for (int r = row(std::min(a.y, b.y)); r <= row(std::max(a.y, b.y)); ++r)
        cells[size_t(c) * size_t(n_rows) + size_t(r)].push_back({a, b});
  }
  // The distance to the nearest segment, looked for within reach; the first
  // one within enough ends the search.
  double distance(Canvas_Pt p, double reach, double enough = 0) const {
    double best = INFINITY;
    for (int c = col(p.x - reach); c <= col(p.x + reach); ++c)
      for (int r = row(p.y - reach); r <= row(p.y + reach); ++r)
        for (const auto& s : cells[size_t(c) * size_t(n_rows) + size_t(r)]) {
          best = std::min(best, segment_distance(p, s.first, s.second));
          if (best <= enough) return best;
        }
    return best;
  }
};
