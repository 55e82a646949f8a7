// Numeric functions that never raise: NaN and infinite arguments give the
// results of a fixed table instead of traps or domain errors.
#pragma once
#include <cstdint>

// The quiet NaN the guards give: the single-precision one widened.
extern const double GUARD_NAN;

double guarded_sin(double x);
double guarded_cos(double x);
double guarded_tan(double x);
double guarded_asin(double x);
double guarded_acos(double x);
double guarded_atan(double x);
double guarded_exp(double x);
double guarded_ln(double x);
double guarded_abs(double x);
// x^n by square-and-multiply.
double guarded_int_power(double x, int32_t n);
// 1 above 0.0, -1 below, 0 otherwise (NaN included).
double guarded_sign(double x);
