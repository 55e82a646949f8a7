// Where a graph axis gets its grid lines: steps of 1, 0.5, 0.25 or 0.2 times
// a power of ten, about five to ten intervals across the range, and which
// line, if any, stands at zero.
#pragma once
#include <cstdint>
#include <vector>

// The first and last line as fractions of the range, and the intervals
// between them; (0, 1, 1) for a range that has no grid.
struct Grid_Span {
  double f0, f1;
  int32_t n;
};
Grid_Span grid_span(double lo, double hi);

// One axis: the fractions of the range where its lines stand (from the top
// down on a y axis) and the index of the line at zero, -1 for none.
struct Axis_Grid {
  std::vector<double> fracs;
  int32_t zero_i = -1;
};
Axis_Grid axis_grid(double low, double high, bool y_axis_q);

// A line's position on a panel of side s, in canvas units.
inline int32_t grid_pos(double frac, int32_t s) { return int32_t(s * frac + 0.001); }
