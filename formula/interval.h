// Intervals of doubles and the enclosures of the numeric functions over them.
//
// An enclosure contains the value the value facet computes at every point of
// its box, not only the exact value there: sums and products are monotone
// under rounding, so bounds computed by the same operations contain every
// computed interior value; the library's elementary functions are not
// guaranteed monotone, so their bounds are widened by two units in the last
// place (one for the bound's own error, one for an interior value's).
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

constexpr double DBL_INF = std::numeric_limits<double>::infinity();

struct Interval {
  double lo, hi;
};

// (+infinity, -infinity): what every operation on an empty input gives.
constexpr Interval EMPTY_INTERVAL = {DBL_INF, -DBL_INF};
constexpr Interval WHOLE_LINE = {-DBL_INF, DBL_INF};

inline bool empty_q(Interval a) { return a.lo > a.hi; }

// After every interval operation: a NaN low bound becomes -infinity, a NaN
// high bound +infinity, so that enclosures never hold NaN.
inline Interval widen_nan(Interval a) {
  if (std::isnan(a.lo)) a.lo = -DBL_INF;
  if (std::isnan(a.hi)) a.hi = DBL_INF;
  return a;
}

// A point lies in a box when every coordinate is finite and within its
// interval, bounds included.
bool point_in_box_q(const double* xs, const Interval* box, int32_t n);

// The smallest interval holding both.
inline Interval hull(Interval a, Interval b) {
  if (empty_q(a)) return b;
  if (empty_q(b)) return a;
  return {a.lo < b.lo ? a.lo : b.lo, a.hi > b.hi ? a.hi : b.hi};
}

// The neighbouring doubles towards -infinity and +infinity; infinities and
// NaN stay.
double step_down(double x);
double step_up(double x);
// Two units in the last place outwards on each side (see the file comment).
inline Interval widen_ulps(Interval a) {
  return {step_down(step_down(a.lo)), step_up(step_up(a.hi))};
}

// The margin for v: max(|v|, 1) times 2^-40, a fixed constant when v is not
// finite. It covers the error of reducing an argument by multiples of pi.
double margin_of(double v);

// x^n by square-and-multiply: the same steps, and so the same roundings, as
// guarded_int_power, inline because evaluation trees call it for every x^k.
inline double int_power(double x, int32_t n) {
  if (n == 0) return 1.0;
  if (n == INT32_MIN) return int_power(x, -INT32_MAX) / x;
  if (n < 0) {
    x = 1.0 / x;
    n = -n;
  }
  double result = 1.0;
  for (uint32_t k = uint32_t(n); k; k >>= 1, x *= x)
    if (k & 1) result *= x;
  return result;
}

// Smoothness counts.
constexpr int32_t SMOOTH = 2147483647;  // smooth on the whole box
constexpr int32_t MAY_JUMP = -1;        // may be discontinuous on the box
constexpr int32_t KINK = 0;             // continuous, but its derivative may jump

Interval iv_add(Interval a, Interval b);
Interval iv_mul(Interval a, Interval b);
Interval iv_exp(Interval a);
Interval iv_ln(Interval a);
Interval iv_cos(Interval a);
Interval iv_sin(Interval a);
Interval iv_tan(Interval a);
Interval iv_acos(Interval a);
Interval iv_asin(Interval a);
Interval iv_atan(Interval a);
Interval iv_abs(Interval a);
Interval iv_sign(Interval a);   // abs'
Interval iv_sign1(Interval a);  // abs'': 0 away from 0, a spike at 0
Interval iv_int_power(Interval a, int32_t k);

int32_t smooth_ln(Interval a);
int32_t smooth_tan(Interval a);
int32_t smooth_acos_asin(Interval a);
int32_t smooth_abs(Interval a);
int32_t smooth_sign(Interval a);  // abs' and abs''
int32_t smooth_int_power(Interval a, int32_t k);
