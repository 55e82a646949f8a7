#include "graphs/curve_sampler.h"

#include <algorithm>
#include <cmath>

#include "graphs/sampler_colours.h"

namespace {

constexpr int32_t N_ROOT_ITERS = 20;

struct Curve_Run {
  Graph_Picture& pic;
  int32_t colour;
  Interval y_range;
  double eps;
  Interval x_range;
  double dx_min;
  const Curve_Fns& fns;
  Strand*& strand_mp;
  double sx, sy, height;
};

double value_of(const Ref& f, double x) { return dblsf_value1(f.get(), &x); }
Interval range_of(const Ref& f, Interval ab) { return dblsf_enclose1(f.get(), &ab); }
double magnitude(Interval a) { return std::max(std::fabs(a.lo), std::fabs(a.hi)); }

double canvas_x(const Curve_Run& r, double x) { return (x - r.x_range.lo) * r.sx; }
double canvas_y(const Curve_Run& r, double y) { return (y - r.y_range.lo) * r.sy; }
// The edge of the panel a value beyond it lies at, in values and canvas units.
double edge_value(const Curve_Run& r, int side) { return side < 0 ? r.y_range.lo : r.y_range.hi; }
double edge_y(const Curve_Run& r, int side) { return side < 0 ? 0 : r.height; }

int side_of(const Curve_Run& r, double y) { return y < r.y_range.lo ? -1 : y > r.y_range.hi ? 1 : 0; }

void start_strand(Curve_Run& r) { r.strand_mp = &new_strand(r.pic, r.colour, CURVE_PEN_STYLE); }
void end_strand(Curve_Run& r) { r.strand_mp = nullptr; }
void add_point(Curve_Run& r, double x, double y_canvas, double dx, double dy) {
  append_point(*r.strand_mp, x, canvas_x(r, x), y_canvas, dx, dy);
}
void add_curve_point(Curve_Run& r, double x, double y, double slope) {
  add_point(r, x, canvas_y(r, y), r.sx, slope * r.sy);
}
// The point where f reaches the panel's edge on side within ab.
void add_edge_point(Curve_Run& r, Interval ab, int side) {
  const Ref* d = r.fns.d;
  double x = dbls_solve(d[0].get(), d[1].get(), d[2].get(), ab.lo, ab.hi, edge_value(r, side), N_ROOT_ITERS);
  add_point(r, x, edge_y(r, side), r.sx, r.sy * value_of(d[1], x));
}

// The values f may take over ab that the panel shows.
Interval visible_range(const Curve_Run& r, Interval ab) {
  Interval e = range_of(r.fns.d[0], ab);
  return {std::max(r.y_range.lo, e.lo), std::min(r.y_range.hi, e.hi)};
}

struct Ends {
  double y0, y1, d0, d1;
  int side0, side1;
};

// A piece narrower than a pixel whose end values span what is visible of it:
// too steep to resolve, but its entry into or exit from the panel can be
// placed within the pixel. A tangent that reaches the edge sooner than the
// middle moves the point so that the Bézier control lies on the edge line.
bool steep_piece(Curve_Run& r, Interval ab, const Ends& e) {
  double a = ab.lo, b = ab.hi, dx = b - a, xm = (a + b) * 0.5;
  if (e.side0 * e.side1 < 0) {
    add_vertical_segment(r.pic, xm, r.x_range, r.y_range, r.y_range, r.colour, CURVE_PEN_STYLE);
    return true;
  }
  if (r.strand_mp && e.side1 != 0) {
    double edge = edge_value(r, e.side1);
    bool sooner_q = e.side1 < 0 ? e.d0 * dx < 6 * (edge - e.y0) : 6 * (edge - e.y0) < e.d0 * dx;
    double x = sooner_q ? a + 3 * (edge - e.y0) / e.d0 : xm;
    add_point(r, x, edge_y(r, e.side1), 0, 0);
    end_strand(r);
    return true;
  }
  if (!r.strand_mp && e.side1 == 0) {
    double edge = edge_value(r, e.side0);
    bool later_q = e.side0 < 0 ? 6 * (e.y1 - edge) < e.d1 * dx : e.d1 * dx < 6 * (e.y1 - edge);
    double x = later_q ? b - 3 * (e.y1 - edge) / e.d1 : xm;
    start_strand(r);
    add_point(r, x, edge_y(r, e.side0), 0, 0);
    add_curve_point(r, b, e.y1, e.d1);
    return true;
  }
  return false;
}

// A monotone piece (dir +1 rising, -1 falling) that the Hermite bound
// accepts: entered and left through the panel's edges at the roots of f.
void monotone_piece(Curve_Run& r, Interval ab, const Ends& e, int dir) {
  bool overlap_q = dir > 0 ? e.y0 < r.y_range.hi && e.y1 > r.y_range.lo : e.y0 > r.y_range.lo && e.y1 < r.y_range.hi;
  if (!overlap_q) return end_strand(r);
  if (!r.strand_mp) {
    start_strand(r);
    add_edge_point(r, ab, -dir);
  }
  if (side_of(r, e.y1) == dir) {
    add_edge_point(r, ab, dir);
    end_strand(r);
  } else {
    add_curve_point(r, ab.hi, e.y1, e.d1);
  }
}

bool within_q(double y, Interval range) { return std::isfinite(y) && range.lo <= y && y <= range.hi; }

// A piece whose cubic Hermite interpolant is provably within one pixel.
bool hermite_piece(Curve_Run& r, Interval ab, const Ends& e) {
  double dx = ab.hi - ab.lo;
  if (!hermite_within_q(dx, range_of(r.fns.d[4], ab), r.eps)) return false;
  if (r.strand_mp && e.side1 == 0) {
    // Both Bézier controls inside keep the whole piece inside.
    double c1 = e.y0 + dx * e.d0 / 3, c2 = e.y1 - dx * e.d1 / 3;
    if (within_q(c1, r.y_range) && within_q(c2, r.y_range)) {
      add_curve_point(r, ab.hi, e.y1, e.d1);
      return true;
    }
  }
  // The Hermite cubic is monotone when the end slopes share the chord's
  // sign and their sum is at most three times its slope.
  double rise3 = 3 * (e.y1 - e.y0), slopes = (e.d0 + e.d1) * dx;
  if (e.d0 >= 0 && e.d1 >= 0 && slopes <= rise3) {
    monotone_piece(r, ab, e, 1);
    return true;
  }
  if (e.d0 <= 0 && e.d1 <= 0 && rise3 <= slopes) {
    monotone_piece(r, ab, e, -1);
    return true;
  }
  return false;
}

bool finite_q(const Ends& e) {
  return std::isfinite(e.y0) && std::isfinite(e.y1) && std::isfinite(e.d0) && std::isfinite(e.d1);
}

// A pole right at an end of ab has no value to show, and its infinity would
// stretch the enclosure over the whole line: what f shows there is what it
// takes beside the pole.
Interval beside_poles(Interval ab, const Ends& e) {
  if (std::isinf(e.y0)) ab.lo = std::nextafter(ab.lo, ab.hi);
  if (std::isinf(e.y1)) ab.hi = std::nextafter(ab.hi, ab.lo);
  return ab;
}

// f and f' at a point.
struct Point_Vals {
  double y, d;
};
Point_Vals vals_at(const Curve_Run& r, double x) { return {value_of(r.fns.d[0], x), value_of(r.fns.d[1], x)}; }

// The values at the ends come from the caller, so that each halving point
// is evaluated once for both halves.
void sample(Curve_Run& r, Interval& ab, int32_t order, Point_Vals at_a, Point_Vals at_b) {
  const Ref* d = r.fns.d;
  double a = ab.lo, b = ab.hi, dx = b - a;
  Ends e = {at_a.y, at_b.y, at_a.d, at_b.d, 0, 0};
  bool subdivide_q = true;
  Interval shown = EMPTY_INTERVAL;
  if (finite_q(e)) {
    e.side0 = side_of(r, e.y0);
    e.side1 = side_of(r, e.y1);
    if (e.side0 != 0) {
      end_strand(r);
    } else if (!r.strand_mp) {
      start_strand(r);
      add_curve_point(r, a, e.y0, e.d0);
    }
    if (order < 4) order = dblsf_smoothness(d[0].get(), &ab);
    bool same_side_q = e.side0 != 0 && e.side0 == e.side1;
    if (same_side_q || dx < r.dx_min) {
      shown = visible_range(r, ab);
      if (order >= 1) shown = narrow_by_slope(shown, e.y0, e.y1, dx, range_of(d[1], ab));
      if (shown.hi < shown.lo) return end_strand(r);
    }
    if (dx < r.dx_min && order >= 0 && std::min(e.y0, e.y1) < shown.lo + r.eps &&
        std::max(e.y0, e.y1) > shown.hi - r.eps && steep_piece(r, ab, e))
      return;
    if (order >= 4 && !same_side_q && hermite_piece(r, ab, e)) return;
  } else {
    if (std::isnan(e.y0) && std::isnan(e.y1) && empty_q(range_of(d[0], ab))) return end_strand(r);
    // Near a pole or a domain's end a pixel is as fine as it gets.
    if (dx <= r.dx_min) {
      subdivide_q = false;
      shown = visible_range(r, beside_poles(ab, e));
    }
  }
  if (subdivide_q && dx >= 0.1 * r.dx_min) {
    double m = (a + b) * 0.5;
    Point_Vals at_m = vals_at(r, m);
    ab.hi = m;
    sample(r, ab, order, at_a, at_m);
    ab = {m, b};
    sample(r, ab, order, at_m, at_b);
    ab = {a, b};
    return;
  }
  end_strand(r);
  if (shown.lo < shown.hi)
    add_vertical_segment(r.pic, (a + b) * 0.5, r.x_range, shown, r.y_range, light_colour(r.colour), CURVE_PEN_STYLE);
}

}  // namespace

Curve_Fns curve_fns_of(DblsF f) {
  Curve_Fns fns;
  fns.d[0] = Ref::share(f);
  for (int k = 1; k < 5; ++k) fns.d[k] = Ref::adopt(dblsf_derive(fns.d[k - 1].get(), 0));
  return fns;
}

void sample_curve(Graph_Picture& pic, int32_t colour, Interval y_range, double eps, Interval& ab, Interval x_range,
                  double dx_min, int32_t order, const Curve_Fns& fns, Strand*& strand_mp) {
  Rect bds0 = drawing_bounds(pic);
  Curve_Run r = {pic,     colour, y_range,   eps, x_range, dx_min, fns, strand_mp, bds0.x1 / (x_range.hi - x_range.lo),
                 bds0.y1 / (y_range.hi - y_range.lo), double(bds0.y1)};
  sample(r, ab, order, vals_at(r, ab.lo), vals_at(r, ab.hi));
}

void sample_curve_on_panel(Graph_Picture& pic, int32_t colour, Interval x_range, Interval y_range, int32_t pixel_units,
                           const Curve_Fns& fns) {
  Rect bds0 = drawing_bounds(pic);
  double dx_min = (x_range.hi - x_range.lo) * pixel_units / bds0.x1;
  double eps = (y_range.hi - y_range.lo) * pixel_units / bds0.y1;
  Interval ab = x_range;
  Strand* strand_mp = nullptr;
  sample_curve(pic, colour, y_range, eps, ab, x_range, dx_min, dblsf_smoothness(fns.d[0].get(), &ab), fns, strand_mp);
}

void add_vertical_segment(Graph_Picture& pic, double x, Interval x_range, Interval ys, Interval y_range,
                          int32_t colour, int32_t style) {
  if (!(ys.lo < ys.hi)) return;
  Rect bds0 = drawing_bounds(pic);
  double sx = bds0.x1 / (x_range.hi - x_range.lo), sy = bds0.y1 / (y_range.hi - y_range.lo);
  double cx = (x - x_range.lo) * sx;
  straight_strand(pic, cx, (ys.lo - y_range.lo) * sy, cx, (ys.hi - y_range.lo) * sy, colour, style);
}

bool hermite_within_q(double h, Interval fourth, double tol) {
  // Cubic Hermite interpolation errs by at most h^4 max|f^(4)| / 384; with
  // no fourth derivative it is exact however wide the piece, where h^4
  // alone may overflow.
  double m4 = magnitude(fourth);
  double err = m4 == 0 ? 0 : h * h * h * h * m4;
  return std::isfinite(err) && err < 384 * tol;
}

Interval narrow_by_slope(Interval range, double y0, double y1, double h, Interval slope) {
  double m = slope.lo, big_m = slope.hi;
  Interval cand;
  if (!(m < 0)) {
    cand = {y0, y1};
  } else if (!(big_m > 0)) {
    cand = {y1, y0};
  } else {
    // The rise from y0 to where the line out of (a, y0) with slope M meets
    // the line into (b, y1) with slope m.
    double delta = !std::isfinite(big_m) ? y1 - y0 - m * h
                   : !std::isfinite(m)   ? big_m * h
                                         : (y1 - y0 - m * h) * big_m / (big_m - m);
    cand = {y1 - delta, y0 + delta};
  }
  if (cand.lo > range.lo) range.lo = cand.lo;  // a NaN end compares false and is ignored
  if (cand.hi < range.hi) range.hi = cand.hi;
  return range;
}
