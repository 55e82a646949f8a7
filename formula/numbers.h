// Moving between exact and approximate numbers in formulas.
#pragma once
#include "formula/tree.h"

// Every number that can be becomes an approximate real, bottom-up; integers
// longer than 200 bits stay exact; constants with APPROX1 become their value.
// Applications are rebuilt through their constructors so that they fold.
wff approximate(wff w);

// The double nearest to an integer.
double double_of_integer(Integer a);
// The integer part of a double, rounded towards zero; NaN and infinities raise
// Misc_Static_Err "Numeric overflow".
Integer integer_of_double(double x);
// A rational pair (numerator, denominator > 0) close to x, found by continued
// fractions to a relative tolerance of 2^-50. Read it with pair_first and
// pair_rest. Raises "Numeric overflow" for NaN and infinities.
Hdl rational_of_double(double x);

// A negative integer or real, or a product whose last factor is negative:
// what display writes with a leading minus sign.
bool negative_q(wff w);
