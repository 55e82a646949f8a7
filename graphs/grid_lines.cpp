#include "graphs/grid_lines.h"

#include <cmath>

namespace {

constexpr Grid_Span NO_GRID = {0, 1, 1};
constexpr int32_t MAX_GRID_STEPS = 1000;
constexpr double GRID_TOL = 0.000001, ZERO_TOL = 0.00001;

// Scales that make the range between 1.04 and 10.4 units wide: 1, 2, 4 or 5
// more gives the step sizes 1, 0.5, 0.25 and 0.2.
int32_t grid_multiplier(double d) {
  if (d > 5.2) return 1;
  if (d > 2.6) return 2;
  if (d > 2.1) return 4;
  return 5;
}

int32_t zero_line(const Grid_Span& g, double low, double high) {
  if (!(low <= 0 && 0 < high) || g.n <= 0) return -1;
  double t = ((-low / (high - low)) - g.f0) / (g.f1 - g.f0) * g.n;
  double r = std::trunc(t + 0.5);
  if (std::fabs(t - r) < ZERO_TOL && 0 <= r && r <= g.n) return int32_t(r);
  return -1;
}

}  // namespace

Grid_Span grid_span(double lo, double hi) {
  if (!(std::isfinite(lo) && std::isfinite(hi) && lo < hi)) return NO_GRID;
  while (std::fabs(lo) >= 5 || std::fabs(hi) >= 5) {
    lo *= 0.1;
    hi *= 0.1;
  }
  lo += 5;
  hi += 5;
  for (int32_t step = 0; step < MAX_GRID_STEPS && lo < hi; ++step) {
    double w = std::trunc(lo);
    lo -= w;
    hi -= w;
    double d = hi - lo;
    if (d < 1.04) {
      lo *= 10;
      hi *= 10;
      continue;
    }
    int32_t u = grid_multiplier(d);
    lo *= u;
    hi *= u;
    double i0 = std::trunc(lo + 1 - GRID_TOL), i1 = std::trunc(hi + GRID_TOL);
    return {(i0 - lo) / (hi - lo), (i1 - lo) / (hi - lo), int32_t(i1 - i0)};
  }
  return NO_GRID;
}

Axis_Grid axis_grid(double low, double high, bool y_axis_q) {
  Grid_Span g = grid_span(low, high);
  Axis_Grid a;
  int32_t n_div = g.n > 1 ? g.n : 1;
  for (int32_t k = 0; k <= g.n; ++k) a.fracs.push_back(g.f0 + (g.f1 - g.f0) * k / n_div);
  a.zero_i = zero_line(g, low, high);
  if (y_axis_q) {
    a.fracs = std::vector<double>(a.fracs.rbegin(), a.fracs.rend());
    if (a.zero_i >= 0) a.zero_i = g.n - a.zero_i;
  }
  return a;
}
