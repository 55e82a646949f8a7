#include "formula/dbls_solve.h"

#include <algorithm>
#include <cmath>

namespace {

double value_at(DblsF f, double x) { return dblsf_value1(f, &x); }

// Newton's method from x, kept inside [lo, hi]: a step that would leave the
// bracket ends at its end; each step narrows the bracket to the side it took.
double newton(DblsF f, DblsF f1, double x, double lo, double hi, double y, int32_t n_iters) {
  for (; n_iters > 0; --n_iters) {
    double next = x + (y - value_at(f, x)) / value_at(f1, x);
    if (std::isnan(next)) return x;
    if (next < x) {
      if (next <= lo) return lo;
      hi = x;
    } else if (next == x) {
      return x;
    } else {
      if (next >= hi) return hi;
      lo = x;
    }
    x = next;
  }
  return x;
}

// The least |f1| over the box, 0 when f1 may vanish there.
double slope_bound(DblsF f1, const Interval* box) {
  Interval d = dblsf_enclose1(f1, box);
  if (d.lo > 0) return d.lo;
  if (d.hi < 0) return -d.hi;
  return 0.0;
}

// Newton converges inside the bracket when its width times the largest |f2|
// stays below the least |f1|: f is monotone there and bends too little for a
// step to overshoot.
bool newton_safe_q(DblsF f, DblsF f1, DblsF f2, const Interval* box) {
  if (dblsf_smoothness(f, box) <= 1) return false;
  double m = slope_bound(f1, box);
  if (!(m > 0)) return false;
  Interval c2 = dblsf_enclose1(f2, box);
  double c = std::max(std::fabs(c2.lo), std::fabs(c2.hi));
  return (box->hi - box->lo) * c < m;
}

}  // namespace

double dbls_solve(DblsF f, DblsF f1, DblsF f2, double a, double b, double y, int32_t n_iters) {
  CHECK(src_dim(f) == 1 && tgt_dim(f) == 1);
  double fa = value_at(f, a);
  if (fa == y) return a;
  double fb = value_at(f, b);
  if (fb == y) return b;
  bool rising = fa < fb;
  Interval bracket = {a, b};
  for (;;) {
    double mid = (bracket.lo + bracket.hi) * 0.5;
    if (!(bracket.lo < mid && mid < bracket.hi) || n_iters < 2) return mid;
    double fm = value_at(f, mid);
    if (fm == y) return mid;
    // y lies above mid when f rises and has not reached y there, or falls and has not come down to it.
    bool replace_lo = rising ? fm < y : fm > y;
    if (newton_safe_q(f, f1, f2, &bracket)) {
      double start = replace_lo ? bracket.hi : bracket.lo;
      return newton(f, f1, start, bracket.lo, bracket.hi, y, n_iters);
    }
    (replace_lo ? bracket.lo : bracket.hi) = mid;
    --n_iters;
  }
}
