// The simplest fraction near a decimal: how Solve turns the decimals a user
// typed into exact rationals.
#pragma once
#include "algebra/Integer.h"

struct Fraction {
  Ref num;
  Ref den;  // greater than 0
};

// The fraction p/q with the smallest q (then the smallest |p|) within
// max(|x|·2^-50, 1e-300) of x. x must be finite; the caller checks.
Fraction simplest_fraction(double x);
