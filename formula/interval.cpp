#include "formula/interval.h"

#include <algorithm>
#include <bit>
#include <numbers>

#include "formula/guarded.h"

namespace {

constexpr double PI = std::numbers::pi;
constexpr double TWO_PI = 2 * std::numbers::pi;
constexpr double HALF_PI = std::numbers::pi / 2;
// Boxes reaching this close to a pole of ln or of a negative power count as reaching it.
constexpr double POLE_NEAR = 1e-12;

bool finite_box_q(Interval a) { return std::isfinite(a.lo) && std::isfinite(a.hi); }

// Whether some c + j * period lies in [lo - m, hi + m], for the few j that
// can matter once lo is reduced into one period.
bool reaches_q(double lo, double hi, double m, double c, double period) {
  for (int j = -1; j <= 2; ++j) {
    double p = c + j * period;
    if (lo - m <= p && p <= hi + m) return true;
  }
  return false;
}

// lo reduced into (-period/2, period/2] + shift, hi moved by the same amount.
Interval reduce(Interval a, double period, double shift) {
  double k = std::floor((a.lo - shift + period / 2) / period);
  double r = a.lo - k * period;
  if (r <= shift - period / 2) r += period;
  if (r > shift + period / 2) r -= period;
  return {r, r + (a.hi - a.lo)};
}

// The cosine shape: the hull of the end values, reaching -1 and 1 where the
// reduced box d passes an odd or an even multiple of pi. The margin makes up
// for the reduction's rounding, so an extremum near an end is never missed.
Interval cos_shape(Interval d, double m, double v0, double v1) {
  Interval out = widen_ulps({std::min(v0, v1), std::max(v0, v1)});
  if (reaches_q(d.lo, d.hi, m, -PI, TWO_PI)) out.lo = -1.0;
  if (reaches_q(d.lo, d.hi, m, 0.0, TWO_PI)) out.hi = 1.0;
  return {std::max(out.lo, -1.0), std::min(out.hi, 1.0)};
}

double box_margin(Interval a) { return margin_of(std::max(std::fabs(a.lo), std::fabs(a.hi))); }

// True when the box, reduced modulo pi, comes within the margin of a pole of tan.
bool near_tan_pole_q(Interval a) {
  Interval d = reduce(a, PI, -HALF_PI);
  return reaches_q(d.lo, d.hi, box_margin(a), -HALF_PI, PI);
}

}  // namespace

bool point_in_box_q(const double* xs, const Interval* box, int32_t n) {
  for (int32_t i = 0; i < n; ++i)
    if (!std::isfinite(xs[i]) || !(box[i].lo <= xs[i] && xs[i] <= box[i].hi)) return false;
  return true;
}

double step_down(double x) {
  if (!std::isfinite(x)) return x;
  if (x == 0.0) return -std::numeric_limits<double>::denorm_min();
  uint64_t bits = std::bit_cast<uint64_t>(x);
  return std::bit_cast<double>(x > 0 ? bits - 1 : bits + 1);
}

double step_up(double x) { return -step_down(-x); }

double margin_of(double v) {
  constexpr double SCALE = 0x1p-40;
  if (!std::isfinite(v)) return 1.0;
  return std::max(std::fabs(v), 1.0) * SCALE;
}

// Rounding is monotone: the computed sum of any two points of the boxes lies
// between the computed sums of their bounds.
Interval iv_add(Interval a, Interval b) {
  if (empty_q(a) || empty_q(b)) return EMPTY_INTERVAL;
  return widen_nan({a.lo + b.lo, a.hi + b.hi});
}

// By the signs of the bounds; each computed product is monotone in each factor
// once the signs are fixed, so the bounds' products bound every computed one.
Interval iv_mul(Interval a, Interval b) {
  if (empty_q(a) || empty_q(b)) return EMPTY_INTERVAL;
  if (a.lo >= 0) {
    if (b.lo >= 0) return widen_nan({a.lo * b.lo, a.hi * b.hi});
    if (b.hi <= 0) return widen_nan({a.hi * b.lo, a.lo * b.hi});
    return widen_nan({a.hi * b.lo, a.hi * b.hi});
  }
  if (a.hi <= 0) {
    if (b.lo >= 0) return widen_nan({a.lo * b.hi, a.hi * b.lo});
    if (b.hi <= 0) return widen_nan({a.hi * b.hi, a.lo * b.lo});
    return widen_nan({a.lo * b.hi, a.lo * b.lo});
  }
  if (b.lo >= 0) return widen_nan({a.lo * b.hi, a.hi * b.hi});
  if (b.hi <= 0) return widen_nan({a.hi * b.lo, a.lo * b.lo});
  // All four bounds are non-zero here, so no product is NaN.
  return {std::min(a.lo * b.hi, a.hi * b.lo), std::max(a.lo * b.lo, a.hi * b.hi)};
}

Interval iv_exp(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  Interval out = widen_ulps(widen_nan({guarded_exp(a.lo), guarded_exp(a.hi)}));
  return {std::max(out.lo, 0.0), out.hi};
}

Interval iv_ln(Interval a) {
  if (empty_q(a) || a.hi < 0.0) return EMPTY_INTERVAL;
  return widen_ulps(widen_nan({guarded_ln(std::max(a.lo, 0.0)), guarded_ln(a.hi)}));
}

Interval iv_cos(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  if (!finite_box_q(a) || a.hi - a.lo >= TWO_PI) return {-1.0, 1.0};
  return cos_shape(reduce(a, TWO_PI, 0.0), box_margin(a), std::cos(a.lo), std::cos(a.hi));
}

// sin x = cos(pi/2 - x): the extrema come from the cosine's, the end values
// from the sine itself, so that they match the value facet.
Interval iv_sin(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  if (!finite_box_q(a) || a.hi - a.lo >= TWO_PI) return {-1.0, 1.0};
  Interval shifted = {HALF_PI - a.hi, HALF_PI - a.lo};
  return cos_shape(reduce(shifted, TWO_PI, 0.0), box_margin(a), std::sin(a.lo), std::sin(a.hi));
}

Interval iv_tan(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  if (!finite_box_q(a) || a.hi - a.lo >= PI || near_tan_pole_q(a)) return WHOLE_LINE;
  return widen_ulps({std::tan(a.lo), std::tan(a.hi)});
}

Interval iv_acos(Interval a) {
  if (empty_q(a) || a.lo > 1.0 || a.hi < -1.0) return EMPTY_INTERVAL;
  return widen_ulps(widen_nan({std::acos(std::min(a.hi, 1.0)), std::acos(std::max(a.lo, -1.0))}));
}

Interval iv_asin(Interval a) {
  if (empty_q(a) || a.lo > 1.0 || a.hi < -1.0) return EMPTY_INTERVAL;
  return widen_ulps(widen_nan({std::asin(std::max(a.lo, -1.0)), std::asin(std::min(a.hi, 1.0))}));
}

Interval iv_atan(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  return widen_ulps(widen_nan({guarded_atan(a.lo), guarded_atan(a.hi)}));
}

// Exact: the magnitude is monotone on each side of 0.
Interval iv_abs(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  a = widen_nan(a);
  if (a.lo >= 0) return a;
  if (a.hi <= 0) return {-a.hi, -a.lo};
  return {0.0, std::max(-a.lo, a.hi)};
}

// Exact: the sign is monotone.
Interval iv_sign(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  a = widen_nan(a);
  return {guarded_sign(a.lo), guarded_sign(a.hi)};
}

// 0 away from 0; at 0 the derivative of a jump, bounded by nothing.
Interval iv_sign1(Interval a) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  if (a.lo <= 0 && 0 <= a.hi) return WHOLE_LINE;
  return {0.0, 0.0};
}

// The bounds use the value facet's own square-and-multiply, which is monotone
// in |x| (every step a correctly rounded product of non-negative factors).
Interval iv_int_power(Interval a, int32_t k) {
  if (empty_q(a)) return EMPTY_INTERVAL;
  if (k == 0) return {1.0, 1.0};
  a = widen_nan(a);
  bool even = k % 2 == 0;
  // -0.0 counts as below 0: its odd negative powers are -infinity.
  bool at_or_above = a.lo > 0 || (a.lo == 0 && !std::signbit(a.lo));
  double lo = a.lo, hi = a.hi;
  if (at_or_above) {
  } else if (a.hi < 0) {
    if (even) lo = -a.hi, hi = -a.lo;
  } else if (even) {
    lo = 0.0, hi = std::max(-a.lo, a.hi);
  } else if (k < 0) {
    return WHOLE_LINE;
  }
  if (k < 0) std::swap(lo, hi);
  return widen_nan({int_power(lo, k), int_power(hi, k)});
}

int32_t smooth_ln(Interval a) { return a.lo <= POLE_NEAR ? MAY_JUMP : SMOOTH; }

int32_t smooth_tan(Interval a) {
  if (!finite_box_q(a) || a.hi - a.lo >= PI || near_tan_pole_q(a)) return MAY_JUMP;
  return SMOOTH;
}

int32_t smooth_acos_asin(Interval a) {
  double m = margin_of(1.0);
  return -1.0 + m <= a.lo && a.hi < 1.0 - m ? SMOOTH : MAY_JUMP;
}

int32_t smooth_abs(Interval a) { return a.lo <= 0 && 0 <= a.hi ? KINK : SMOOTH; }
int32_t smooth_sign(Interval a) { return a.lo <= 0 && 0 <= a.hi ? MAY_JUMP : SMOOTH; }

int32_t smooth_int_power(Interval a, int32_t k) {
  return k < 0 && a.lo <= POLE_NEAR && a.hi >= -POLE_NEAR ? MAY_JUMP : SMOOTH;
}
