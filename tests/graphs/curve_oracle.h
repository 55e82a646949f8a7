// The reference for drawn curves: the true curve sampled densely in canvas
// units, and the checks that drawn geometry and the true curve lie within a
// pixel of each other. Shared by the tests and the benchmark.
#pragma once
#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/graphs/curve_family.h"
#include "tests/graphs/sampler_test_util.h"

constexpr int TRUTH_PER_PX = 32;
// Canvas rounding of the drawn points and the chord error of the truth.
constexpr double ORACLE_SLACK = PX / 16.0;

struct Panel_Map {
  Interval xs, ys;
  int32_t n_px;
  double canvas_x(double x) const { return (x - xs.lo) * n_px * PX / (xs.hi - xs.lo); }
  double canvas_y(double y) const { return (y - ys.lo) * n_px * PX / (ys.hi - ys.lo); }
  double height() const { return double(n_px) * PX; }
};

// The true curve as polylines, broken where it is undefined or jumps.
inline std::vector<std::vector<Canvas_Pt>> true_curve(const Curve_Case& c, const Panel_Map& m) {
  std::vector<std::vector<Canvas_Pt>> lines(1);
  int n = m.n_px * TRUTH_PER_PX;
  double prev_x = m.xs.lo;
  for (int i = 0; i <= n; ++i) {
    double x = m.xs.lo + (m.xs.hi - m.xs.lo) * i / n, y = c.native(x);
    bool jump_q = std::any_of(c.jumps.begin(), c.jumps.end(), [&](double j) { return prev_x <= j && j <= x; });
    prev_x = x;
    if ((!std::isfinite(y) || jump_q) && !lines.back().empty()) lines.emplace_back();
    if (!std::isfinite(y)) continue;
    // Far outside the panel only the direction matters.
    lines.back().push_back({m.canvas_x(x), std::clamp(m.canvas_y(y), -2 * m.height(), 3 * m.height())});
  }
  return lines;
}

struct Oracle_Result {
  double worst_drawn = 0;   // largest distance of a drawn point from the truth (or an unresolved segment)
  double worst_missed = 0;  // largest distance of a visible true point from the drawing
  std::string where;
};

// Checks the picture's curve strands against the truth; light strands (the
// unresolved pieces) excuse what is drawn near them.
inline Oracle_Result check_curve(const Graph_Picture& pic, const Curve_Case& c, const Panel_Map& m, int32_t colour) {
  Poly_Index truth(m.n_px), drawn(m.n_px), light(m.n_px);
  auto lines = true_curve(c, m);
  for (const auto& l : lines) truth.add(l);
  std::vector<std::vector<Canvas_Pt>> curves;
  for (const auto& s : pic.strands) {
    std::vector<Canvas_Pt> line = drawn_polyline(*s);
    drawn.add(line);
    if (s->colour == colour) curves.push_back(std::move(line));
    else light.add(line);
  }
  Oracle_Result r;
  double reach = PX + ORACLE_SLACK, enough = reach;
  for (const auto& line : curves)
    for (Canvas_Pt p : line) {
      double d = truth.distance(p, reach, enough);
      if (d > enough) d = std::min(d, light.distance(p, reach, enough));
      if (d > r.worst_drawn) {
        r.worst_drawn = d;
        r.where = "drawn (" + std::to_string(p.x / PX) + ", " + std::to_string(p.y / PX) + ") px";
      }
    }
  // Along the truth's chords too: a jump steeper than its samples shows only there.
  for (const auto& line : lines)
    for (size_t i = 0; i + 1 < line.size(); ++i) {
      Canvas_Pt a = line[i], b = line[i + 1];
      int n = 1 + int(std::hypot(b.x - a.x, b.y - a.y) / (PX / 8.0));
      for (int k = 0; k < n; ++k) {
        Canvas_Pt p = {a.x + (b.x - a.x) * k / n, a.y + (b.y - a.y) * k / n};
        if (p.y < 0 || p.y > m.height()) continue;
        double d = drawn.distance(p, reach, enough);
        if (d > r.worst_missed) r.worst_missed = d;
      }
    }
  return r;
}
