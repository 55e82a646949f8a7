// Numbers written for people. Formatting never fails.
#pragma once
#include <cstdint>

#include "core/byte_str.h"

// The decimal digits of |value|, zero-padded to min_digits, after "-" for a
// negative value, right-aligned with spaces in width.
void format_int(Out_Stream& s, int32_t value, int32_t width = 0, int32_t min_digits = 1);
// The prefix, then upper-case hexadecimal digits zero-padded to min_digits.
void format_hex(Out_Stream& s, uint32_t value, const char* prefix = "", int32_t min_digits = 1);

// x with n_decs decimals: fixed form for width >= 0, where width counts the
// integer part (and the sign) only; exponent form for a negative width.
// NaN is "#", an infinity its sign and the infinity sign; magnitudes above
// 1e17 always take exponent form with 16 decimals. Fixed form with fewer than
// six decimals rounds halves away from zero and never writes a negative zero.
// Width 0 drops the leading "0" of "0.5"; plus_q writes "+" before a
// non-negative number.
void format_real(Out_Stream& s, double x, int32_t n_decs, int32_t width = 1, bool plus_q = false);
// x with as many decimals as the tolerance tol makes meaningful: the form of
// every displayed value.
void format_real_tol(Out_Stream& s, double x, double tol);
