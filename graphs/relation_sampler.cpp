#include "graphs/relation_sampler.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graphs/curve_sampler.h"

namespace {

double magnitude(Interval a) { return std::max(std::fabs(a.lo), std::fabs(a.hi)); }
int sign_of(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }
// +1 or -1 when the whole interval has that sign, else 0.
int fixed_sign(Interval a) { return a.lo > 0 ? 1 : a.hi < 0 ? -1 : 0; }

Interval range_over(const Ref& f, const Cell& cell) {
  Interval box[2] = {{cell.c[0], cell.c[1]}, {cell.c[2], cell.c[3]}};
  Interval out;
  dblsf_enclose(f.get(), box, &out);
  return out;
}
double value_at(const Ref& f, double x, double y) {
  double xs[2] = {x, y};
  return dblsf_value1(f.get(), xs);
}
double corner_x(const Cell& cell, int corner) { return cell.c[corner & 1]; }
double corner_y(const Cell& cell, int corner) { return cell.c[2 + (corner >> 1)]; }
// Whether f's values at the four corners all pass the test.
bool corners_all_q(const Ref& f, const Cell& cell, bool (*test)(double)) {
  for (int k = 0; k < 4; ++k)
    if (!test(value_at(f, corner_x(cell, k), corner_y(cell, k)))) return false;
  return true;
}
bool not_nan_q(double v) { return !std::isnan(v); }
bool negative_q(double v) { return v < 0; }
bool positive_q(double v) { return v > 0; }

int32_t canvas_units(double v) { return int32_t(std::lround(v)); }
Point to_canvas(const Relation_Frame& fr, double x, double y) {
  return {canvas_units((x - fr.x_origin) * fr.x_scale), canvas_units((y - fr.y_origin) * fr.y_scale)};
}

void fill_if(Graph_Picture& pic, int32_t colour, const Relation_Frame& fr, const Cell& cell) {
  if (colour != NO_COLOUR) fill_cell(pic.fills, colour, fr, cell);
}

// Widens the copy along axis (0 x, 1 y) by half a pixel each way while
// the partial along that axis keeps its sign, so that a graph grazing the
// cell's edge is still caught whole.
void widen_while_monotone(Cell& copy, const Cell& cell, int axis, double tol, const Ref& partial) {
  copy.c[2 * axis] -= tol * 0.5;
  copy.c[2 * axis + 1] += tol * 0.5;
  Interval g = range_over(partial, copy);
  if (g.lo <= 0 && 0 <= g.hi) {
    copy.c[2 * axis] = cell.c[2 * axis];
    copy.c[2 * axis + 1] = cell.c[2 * axis + 1];
  }
}

bool graph_q(const Ref& fourth, const Cell& copy, int axis, double tol) {
  return hermite_within_q(copy.c[2 * axis + 1] - copy.c[2 * axis], range_over(fourth, copy), tol);
}

// Up to two crossed edges and which way round the piece runs (the flag set
// swaps them so that the region f > 0 lies on the piece's left).
struct Edge_Pick {
  int32_t edges[2];
  int n = 0;
  int swap = -1;
  void add(int32_t e, bool swap_q) {
    edges[n++] = e;
    if (swap < 0) swap = swap_q;
  }
};

Edge_Pick pick_edges(const int s[4], bool& y_graph_q, bool x_graph_q, int sx, int sy) {
  Edge_Pick p;
  if (y_graph_q) {
    if (s[0] != s[2]) p.add(EDGE_LEFT, s[0] > s[2]);
    if (s[1] != s[3]) p.add(EDGE_RIGHT, s[1] < s[3]);
    if (sx != 0 && p.n < 2 && (p.n > 0 || !x_graph_q)) {
      if (s[0] == -s[1]) p.add(EDGE_BOTTOM, s[0] < s[1]);
      if (p.n < 2 && s[2] == -s[3]) p.add(EDGE_TOP, s[0] < s[1]);
    }
  }
  if (x_graph_q && p.n == 0) {
    y_graph_q = false;
    if (s[0] != s[1]) p.add(EDGE_BOTTOM, s[0] < s[1]);
    if (s[2] != s[3]) p.add(EDGE_TOP, s[3] < s[2]);
    if (sy != 0 && p.n < 2) {
      if (s[0] == -s[2]) p.add(EDGE_LEFT, s[2] < s[0]);
      if (p.n < 2 && s[1] == -s[3]) p.add(EDGE_RIGHT, s[2] < s[0]);
    }
  }
  return p;
}

struct Rel_Run {
  Graph_Picture& pic;
  const Relation_Frame& fr;
  const Relation_Fns& rf;
};

// Where f is monotone along x or y and the zero set is a graph within a
// pixel of a cubic: the cell decided by its corners, or its piece drawn.
// False leaves the cell to be halved.
bool graph_cell(Rel_Run& r, const Cell& cell, int32_t depth, Interval gx, Interval gy) {
  const Ref* fns = r.rf.fns;
  int sx = fixed_sign(gx), sy = fixed_sign(gy);
  Cell copy = cell;
  if (sx == 0 && sy != 0) widen_while_monotone(copy, cell, 1, r.fr.y_tol, fns[REL_F_Y]);
  if (sy == 0 && sx != 0) widen_while_monotone(copy, cell, 0, r.fr.x_tol, fns[REL_F_X]);
  bool y_graph_q = sy != 0 && graph_q(fns[REL_D4Y_DX4], copy, 0, r.fr.y_tol);
  bool x_graph_q = sx != 0 && graph_q(fns[REL_D4X_DY4], copy, 1, r.fr.x_tol);
  if (!x_graph_q && !y_graph_q) return false;
  int s[4];
  for (int k = 0; k < 4; ++k) {
    double v = value_at(fns[REL_F], corner_x(copy, k), corner_y(copy, k));
    if (std::isnan(v)) return false;
    s[k] = sign_of(v);
  }
  if (sx != 0 && sy != 0) {
    // Monotone both ways: one corner holds the maximum, the opposite the minimum.
    int top = (sx > 0 ? 1 : 0) + sy + 1;
    if (s[top] <= 0) return true;
    if (s[3 - top] >= 0) {
      fill_if(r.pic, r.rf.colours.region, r.fr, cell);
      return true;
    }
  }
  Edge_Pick p = pick_edges(s, y_graph_q, x_graph_q, sx, sy);
  if (p.n != 2) return false;
  if (p.swap > 0) std::swap(p.edges[0], p.edges[1]);
  return draw_cell_piece(r.pic, r.fr, copy, r.rf, y_graph_q, p.edges[0], p.edges[1], depth + 4);
}

void sample_cell(Rel_Run& r, Cell& cell, int32_t depth, int32_t order) {
  const Ref* fns = r.rf.fns;
  const Relation_Colours& colours = r.rf.colours;
  Interval e = range_over(fns[REL_F], cell);
  if (e.hi < 0 || (e.hi == 0 && colours.curve == NO_COLOUR)) return;
  if (e.lo == 0 && e.hi == 0) return fill_if(r.pic, colours.curve, r.fr, cell);
  if (order < 4) {
    Interval box[2] = {{cell.c[0], cell.c[1]}, {cell.c[2], cell.c[3]}};
    order = dblsf_smoothness(fns[REL_F].get(), box);
  }
  // An enclosure speaks only for the points where f is defined: a region cell
  // that may reach beyond f's domain (sqrt x beside x = 0) is halved, not
  // filled, down to the last level, where f defined at its corners will do.
  if (e.lo > 0 &&
      (order >= 0 || colours.region == NO_COLOUR || (depth < 1 && corners_all_q(fns[REL_F], cell, not_nan_q))))
    return fill_if(r.pic, colours.region, r.fr, cell);
  if (order >= 1) {
    // Mean value theorem: f stays within half of A + B of its centre value;
    // a sign held by a partial lets the pixel nearest the boundary go.
    Interval gx = range_over(fns[REL_F_X], cell), gy = range_over(fns[REL_F_Y], cell);
    double m1 = magnitude(gx), m2 = magnitude(gy);
    double a = (cell.c[1] - cell.c[0]) * m1, b = (cell.c[3] - cell.c[2]) * m2, c = a + b;
    if (fixed_sign(gx) != 0) c -= r.fr.x_tol * m1;
    if (fixed_sign(gy) != 0) c -= r.fr.y_tol * m2;
    double bound = 0.5 * std::max({a, b, c}), sure = 0.5 * (a + b);
    double centre = value_at(fns[REL_F], (cell.c[0] + cell.c[1]) * 0.5, (cell.c[2] + cell.c[3]) * 0.5);
    // Within the pixel let go, the zero set may still cross the cell along
    // its edge, where no neighbour draws it: a corner of the other sign says so.
    if (centre < -bound && (centre < -sure || corners_all_q(fns[REL_F], cell, negative_q))) return;
    if (centre > bound && (centre > sure || corners_all_q(fns[REL_F], cell, positive_q)))
      return fill_if(r.pic, colours.region, r.fr, cell);
    if (order >= 4 && graph_cell(r, cell, depth, gx, gy)) return;
  }
  if (depth < 1) return fill_if(r.pic, colours.unresolved, r.fr, cell);
  const Cell whole = cell;
  double xm = (whole.c[0] + whole.c[1]) * 0.5, ym = (whole.c[2] + whole.c[3]) * 0.5;
  const Cell quarters[4] = {{{whole.c[0], xm, whole.c[2], ym}},
                            {{xm, whole.c[1], whole.c[2], ym}},
                            {{xm, whole.c[1], ym, whole.c[3]}},
                            {{whole.c[0], xm, ym, whole.c[3]}}};
  for (const Cell& q : quarters) {
    cell = q;
    sample_cell(r, cell, depth - 1, order);
  }
  cell = whole;
}

// The zero of f along the edge, solved in the free coordinate over the cell.
void edge_root(const Relation_Fns& rf, const Cell& cell, int32_t edge, int32_t n_iters, double p[2]) {
  int fixed = edge >> 1, free = 1 - fixed;
  double at = cell.c[edge];
  Ref g = Ref::adopt(dblsf_restrict(rf.fns[REL_F].get(), fixed, at));
  Ref g1 = Ref::adopt(dblsf_restrict(rf.fns[free == 0 ? REL_F_X : REL_F_Y].get(), fixed, at));
  Ref g2 = Ref::adopt(dblsf_restrict(rf.fns[free == 0 ? REL_F_XX : REL_F_YY].get(), fixed, at));
  p[fixed] = at;
  p[free] = dbls_solve(g.get(), g1.get(), g2.get(), cell.c[2 * free], cell.c[2 * free + 1], 0, n_iters);
}

bool in_cell_q(const double p[2], const Cell& cell) {
  for (int i = 0; i < 2; ++i)
    if (!std::isfinite(p[i]) || p[i] < cell.c[2 * i] || p[i] > cell.c[2 * i + 1]) return false;
  return true;
}

// The corner that follows each edge going counter-clockwise, and the corner
// after each corner.
constexpr int FIRST_CORNER_AFTER[4] = {0, 3, 1, 2};
constexpr int NEXT_CORNER[4] = {1, 3, 0, 2};

}  // namespace

Relation_Frame relation_frame(const Graph_Picture& pic, Interval x_range, Interval y_range, int32_t pixel_units) {
  Rect bds0 = drawing_bounds(pic);
  double sx = bds0.x1 / (x_range.hi - x_range.lo), sy = bds0.y1 / (y_range.hi - y_range.lo);
  return {x_range.lo, sx, pixel_units / sx, y_range.lo, sy, pixel_units / sy};
}

void sample_relation(Graph_Picture& pic, const Relation_Frame& frame, const Cell& panel, const Relation_Fns& rf) {
  DblsF f = rf.fns[REL_F].get();
  CHECK(src_dim(f) == 2 && tgt_dim(f) == 1);
  Cell cell = panel;
  sample_relation_cell(pic, frame, cell, RELATION_DEPTH, -1, rf);
}

void sample_relation_cell(Graph_Picture& pic, const Relation_Frame& frame, Cell& cell, int32_t depth, int32_t order,
                          const Relation_Fns& rf) {
  Rel_Run r = {pic, frame, rf};
  sample_cell(r, cell, depth, order);
}

bool draw_cell_piece(Graph_Picture& pic, const Relation_Frame& frame, const Cell& cell, const Relation_Fns& rf,
                     bool y_of_x_q, int32_t edge_a, int32_t edge_b, int32_t n_iters) {
  double p0[2], p3[2], c1[2], c2[2];
  edge_root(rf, cell, edge_a, n_iters, p0);
  edge_root(rf, cell, edge_b, n_iters, p3);
  int indep = y_of_x_q ? 0 : 1, dep = 1 - indep;
  const Ref& slope = rf.fns[y_of_x_q ? REL_DY_DX : REL_DX_DY];
  double third = (p3[indep] - p0[indep]) / 3;
  c1[indep] = p0[indep] + third;
  c1[dep] = p0[dep] + third * value_at(slope, p0[0], p0[1]);
  c2[indep] = p3[indep] - third;
  c2[dep] = p3[dep] - third * value_at(slope, p3[0], p3[1]);
  if (!in_cell_q(c1, cell) || !in_cell_q(c2, cell)) return false;
  const Relation_Colours& colours = rf.colours;
  if (colours.region != NO_COLOUR) {
    std::unique_ptr<Fill_Poly> poly = new_fill_poly(colours.region, true);
    for (const double* p : {p0, c1, c2, p3}) add_vertex(*poly, to_canvas(frame, p[0], p[1]));
    int stop = FIRST_CORNER_AFTER[edge_a];
    for (int k = FIRST_CORNER_AFTER[edge_b]; k != stop; k = NEXT_CORNER[k])
      add_edge(*poly, to_canvas(frame, corner_x(cell, k), corner_y(cell, k)));
    add_fill(pic, poly);
  }
  if (colours.curve != NO_COLOUR) {
    auto x_of = [&](const double* p) { return (p[0] - frame.x_origin) * frame.x_scale; };
    auto y_of = [&](const double* p) { return (p[1] - frame.y_origin) * frame.y_scale; };
    Strand& s = new_strand(pic, colours.curve, CURVE_PEN_STYLE);
    append_point(s, 0, x_of(p0), y_of(p0), 3 * (x_of(c1) - x_of(p0)), 3 * (y_of(c1) - y_of(p0)));
    append_point(s, 1, x_of(p3), y_of(p3), 3 * (x_of(p3) - x_of(c2)), 3 * (y_of(p3) - y_of(c2)));
  }
  return true;
}

void fill_cell(std::vector<std::unique_ptr<Fill_Poly>>& fills, int32_t colour, const Relation_Frame& frame,
               const Cell& cell) {
  std::unique_ptr<Fill_Poly> poly = new_fill_poly(colour, true);
  add_vertex(*poly, to_canvas(frame, cell.c[0], cell.c[2]));
  for (int k : {1, 3, 2}) add_edge(*poly, to_canvas(frame, corner_x(cell, k), corner_y(cell, k)));
  fills.push_back(std::move(poly));
}
