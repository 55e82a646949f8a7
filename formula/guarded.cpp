#include "formula/guarded.h"

#include <cmath>
#include <limits>
#include <numbers>

const double GUARD_NAN = double(std::numeric_limits<float>::quiet_NaN());

namespace {

bool finite_q(double x) { return std::isfinite(x); }

}  // namespace

double guarded_sin(double x) { return finite_q(x) ? std::sin(x) : GUARD_NAN; }
double guarded_cos(double x) { return finite_q(x) ? std::cos(x) : GUARD_NAN; }
double guarded_tan(double x) { return finite_q(x) ? std::tan(x) : GUARD_NAN; }

double guarded_asin(double x) { return finite_q(x) && std::fabs(x) <= 1.0 ? std::asin(x) : GUARD_NAN; }
double guarded_acos(double x) { return finite_q(x) && std::fabs(x) <= 1.0 ? std::acos(x) : GUARD_NAN; }

double guarded_atan(double x) {
  if (std::isnan(x)) return GUARD_NAN;
  if (std::isinf(x)) return std::copysign(std::numbers::pi / 2, x);
  return std::atan(x);
}

double guarded_exp(double x) {
  if (std::isnan(x)) return GUARD_NAN;
  if (std::isinf(x)) return x > 0 ? x : 0.0;
  return std::exp(x);
}

double guarded_ln(double x) {
  if (std::isnan(x)) return GUARD_NAN;
  if (x == 0.0) return -std::numeric_limits<double>::infinity();
  if (x < 0.0) return GUARD_NAN;
  return std::log(x);
}

double guarded_abs(double x) { return std::isnan(x) ? GUARD_NAN : std::fabs(x); }

double guarded_int_power(double x, int32_t n) {
  if (n == 0) return 1.0;
  // -n overflows for the most negative n: take one factor out first.
  if (n == INT32_MIN) return guarded_int_power(x, -INT32_MAX) / x;
  if (n < 0) return guarded_int_power(1.0 / x, -n);
  double result = 1.0;
  for (uint32_t k = uint32_t(n); k; k >>= 1, x *= x)
    if (k & 1) result *= x;
  return result;
}

double guarded_sign(double x) { return x > 0.0 ? 1.0 : x < 0.0 ? -1.0 : 0.0; }
