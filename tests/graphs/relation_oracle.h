// The reference for drawn relations: where f changes sign near a point, in
// C++ over a fine grid, and the checks that the drawn boundary and the true
// zero set lie within a pixel of each other and that full region cells lie
// in the region. Shared by the tests and the benchmark.
#pragma once
#include <string>

#include "tests/graphs/relation_family.h"
#include "tests/graphs/sampler_test_util.h"

constexpr Interval THREE = {-3, 3};
const Relation_Colours BOTH_COLOURS = relation_colours(CURVE_COLOUR, true, true);

inline Relation_Fns relation_of(const char* text, Relation_Colours colours = BOTH_COLOURS) {
  return relation_fns_compile(plot_syms().x.get(), plot_syms().y.get(), plot_formula(text).get(), default_symbol_rules(),
                              colours);
}

inline Graph_Picture relation_picture(const Relation_Fns& rf, int32_t n_px = 200, Interval r = THREE) {
  Graph_Picture pic = panel_picture(n_px);
  sample_relation(pic, relation_frame(pic, r, r, PX), Cell{{r.lo, r.hi, r.lo, r.hi}}, rf);
  return pic;
}

struct Relation_Oracle {
  double (*f)(double, double);
  double unit;  // value units per canvas unit
  double value(double c) const { return THREE.lo + c * unit; }
  // f takes both signs (or 0) within r canvas units of p.
  bool near_zero_q(Canvas_Pt p, double r) const {
    bool neg_q = false, pos_q = false;
    for (int i = -8; i <= 8; ++i)
      for (int j = -8; j <= 8; ++j) {
        if (i * i + j * j > 64) continue;
        double v = f(value(p.x + r * i / 8), value(p.y + r * j / 8));
        neg_q |= v <= 0;
        pos_q |= v >= 0;
        if (neg_q && pos_q) return true;
      }
    return false;
  }
};

// A cell the sampler filled whole: its four corners as a rectangle.
inline bool full_cell_q(const Fill_Poly& p) {
  const std::vector<Point>& v = p.verts;
  return v.size() == 10 && v[1] == v[0] && v[3] == v[2] && v[0].y == v[2].y && v[2].x == v[5].x && v[5].y == v[8].y &&
         v[8].x == v[0].x;
}
inline Rect cell_rect(const Fill_Poly& p) { return {p.verts[0].x, p.verts[4].x, p.verts[0].y, p.verts[7].y}; }

struct Relation_Result {
  int n_far_boundary = 0;   // drawn boundary points farther than a pixel from the zero set
  int n_outside_cells = 0;  // points of full region cells farther than a pixel from the region
  int n_missed = 0;         // zero-set points farther than a pixel from the boundary and undecided cells
  std::string where;
};

inline Relation_Result check_relation(const Graph_Picture& pic, const Relation_Case& c, const Relation_Fns& rf,
                                      int32_t n_px) {
  const double tol = PX + PX / 16.0;
  Relation_Oracle o = {c.native, (THREE.hi - THREE.lo) / (double(n_px) * PX)};
  Relation_Result r;
  auto note = [&](int& n, const char* what, Canvas_Pt p) {
    if (n++ == 0) r.where += std::string(what) + " (" + std::to_string(p.x / PX) + ", " + std::to_string(p.y / PX) + ") px; ";
  };
  Poly_Index boundary(n_px);
  std::vector<Rect> undecided;
  for (const auto& s : pic.strands) {
    std::vector<Canvas_Pt> line = drawn_polyline(*s);
    boundary.add(line);
    for (size_t i = 0; i < line.size(); i += 4)
      if (!o.near_zero_q(line[i], tol)) note(r.n_far_boundary, "far boundary", line[i]);
  }
  auto check_in_region = [&](Canvas_Pt q) {
    if (!(o.f(o.value(q.x), o.value(q.y)) > 0) && !o.near_zero_q(q, tol)) note(r.n_outside_cells, "cell outside", q);
  };
  for (const auto& p : pic.fills) {
    if (!full_cell_q(*p)) {
      // A cell's piece: the corners it takes in lie in the region.
      if (p->colour == rf.colours.region)
        for (size_t k = 5; k < p->verts.size(); k += 3) check_in_region({double(p->verts[k].x), double(p->verts[k].y)});
      continue;
    }
    Rect b = cell_rect(*p);
    if (p->colour != rf.colours.region) {
      undecided.push_back({b.x0 - PX, b.x1 + PX, b.y0 - PX, b.y1 + PX});
      continue;
    }
    for (int i = 0; i <= 8; ++i)
      for (int j = 0; j <= 8; ++j) {
        check_in_region({b.x0 + (b.x1 - b.x0) * i / 8.0, b.y0 + (b.y1 - b.y0) * j / 8.0});
      }
  }
  if (rf.colours.curve == NO_COLOUR) return r;
  // Sign changes between neighbours of a quarter-pixel grid.
  const double step = PX / 4.0;
  int n = n_px * 4;
  std::vector<double> row(size_t(n + 1)), below(size_t(n + 1));
  for (int j = 0; j <= n; ++j) {
    for (int i = 0; i <= n; ++i) row[size_t(i)] = o.f(o.value(i * step), o.value(j * step));
    for (int i = 0; i <= n; ++i) {
      bool right_q = i < n && (row[size_t(i)] > 0) != (row[size_t(i + 1)] > 0);
      bool down_q = j > 0 && (row[size_t(i)] > 0) != (below[size_t(i)] > 0);
      if (!right_q && !down_q) continue;
      Canvas_Pt p = {i * step + (right_q ? step / 2 : 0), j * step - (right_q ? 0 : step / 2)};
      if (boundary.distance(p, tol, tol + step / 2) <= tol + step / 2) continue;
      bool in_cell_q = false;
      for (const Rect& u : undecided) in_cell_q |= u.x0 <= p.x && p.x <= u.x1 && u.y0 <= p.y && p.y <= u.y1;
      if (!in_cell_q) note(r.n_missed, "missed", p);
    }
    std::swap(row, below);
  }
  return r;
}
