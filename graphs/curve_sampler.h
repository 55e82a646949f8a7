// The curve sampler: y = f(x) over a panel as strands of Hermite points,
// every drawn piece provably within one pixel of the curve. Intervals are
// halved until a cubic piece passes the fourth-derivative error bound, the
// curve provably misses the panel, or the interval is a tenth of a pixel
// wide; what is still unresolved then is drawn as a light vertical segment
// over the values the curve may take there.
#pragma once
#include "formula/DblsF.h"
#include "graphs/graph_picture.h"

// f and its first four derivatives.
struct Curve_Fns {
  Ref d[5];
};
Curve_Fns curve_fns_of(DblsF f);

// Samples f over ab (an interval of the panel's x range x_range, halved in
// place during the recursion and given back as it came) clipped to y_range.
// dx_min and eps are one pixel in x and y units; order is f's smoothness
// over ab or anything below 4 to have it measured. strand_mp is the strand
// being extended, null for none: pieces continue it, and it is left null
// where the curve leaves the panel or stops being resolved.
void sample_curve(Graph_Picture& pic, int32_t colour, Interval y_range, double eps, Interval& ab, Interval x_range,
                  double dx_min, int32_t order, const Curve_Fns& fns, Strand*& strand_mp);

// The whole curve over the panel x_range × y_range, with the tolerances
// taken from pixel_units, the canvas units of one pixel.
void sample_curve_on_panel(Graph_Picture& pic, int32_t colour, Interval x_range, Interval y_range, int32_t pixel_units,
                           const Curve_Fns& fns);

// A straight strand at x from ys.lo to ys.hi mapped into the panel's frame;
// nothing unless ys.lo < ys.hi.
void add_vertical_segment(Graph_Picture& pic, double x, Interval x_range, Interval ys, Interval y_range,
                          int32_t colour, int32_t style);

// Whether the cubic Hermite interpolant over a width h is within tol of a
// function whose fourth derivative lies within fourth.
bool hermite_within_q(double h, Interval fourth, double tol);

// Narrows range with what a slope within slope allows between (a, y0) and
// (a + h, y1): the end values themselves for a monotone function, else the
// meeting points of the steepest lines out of one end and into the other.
Interval narrow_by_slope(Interval range, double y0, double y1, double h, Interval slope);
