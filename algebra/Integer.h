// Exact integers of any size as value handles.
//
// A value in -2^30 .. 2^30-1 is an immediate handle. A larger one is a chain
// of word records (count, kind INTEGER_KIND, high, low): value = high·2^32 +
// low, where high is again an Integer (it carries the sign, two's complement)
// and low an unsigned 32-bit word. The chain runs from the least significant
// word outwards to the most significant part, always an immediate.
//
// Every value has exactly one representation: all results go through
// int_make, which gives an immediate whenever the value fits. Equal values are
// therefore equal handles when immediate, and equal chains otherwise.
//
// Ownership: arguments are borrowed; every returned Integer is a new use that
// the caller owns (release it with hdl_release, or hold it in a Ref).
#pragma once
#include <cstdint>
#include <string>

#include "core/byte_streams.h"
#include "core/handle.h"

typedef Hdl Integer;

// The word record; exactly one 16-byte pool block.
struct Int_Rec {
  Rec hdr;
  Integer high;
  uint32_t low;
};

// The immediates 0 and -1: the most significant parts of non-negative and
// negative chains.
// Constant expressions (2n+1) so start-up initialisers may use them.
constexpr Integer z0_ = 1;
constexpr Integer minus1_z_ = 0xFFFFFFFFu;

// True for a handle holding an Integer (immediate or word record).
inline bool int_q(Hdl h) { return imm_q(h) || rec_of(h)->kind_i == INTEGER_KIND; }
inline bool int_zero_q(Integer a) { return a == z0_; }
inline Integer int_high(Integer a) { return rec_as<Int_Rec>(a)->high; }
inline uint32_t int_low(Integer a) { return rec_as<Int_Rec>(a)->low; }

// The canonical constructor high·2^32 + low; takes over the use of high.
Integer int_make(Integer high, uint32_t low);

Integer int_from_int(int32_t n);
Integer int_from_int64(int64_t n);
Integer int_from_uint64(uint64_t n);
// The integer part of a finite double, rounded towards zero.
Integer int_from_double(double x);

bool int_fits_int_q(Integer a);
// The 32-bit value; an assertion stop when it does not fit.
int32_t int_to_int(Integer a);
bool int_fits_int64_q(Integer a);
int64_t int_to_int64(Integer a);
// Correctly rounded to the nearest double (infinity beyond its range).
double int_to_double(Integer a);

// Negative, zero or positive as a < b, a = b, a > b.
int int_compare(Integer a, Integer b);
bool int_equal_q(Integer a, Integer b);
bool int_neg_q(Integer a);
// The immediate -1 for negative values, 1 otherwise (0 counts as positive).
Integer int_sign(Integer a);

Integer int_add(Integer a, Integer b);
Integer int_negate(Integer a);
Integer int_subtract(Integer a, Integer b);
Integer int_abs(Integer a);

Integer int_multiply(Integer a, Integer b);
// a·w for an unsigned word w.
Integer int_multiply_word(Integer a, uint32_t w);
// a^n for n >= 0 (0^0 is 1).
Integer int_power(Integer a, uint32_t n);

// Truncating division (b not 0): returns the quotient and replaces a, which
// the caller owns, by the remainder; the remainder takes the dividend's sign.
Integer int_divide(Integer& a, Integer b);
// Divides a (owned by the caller) by the word w (not 0) in place and returns
// the remainder, which takes the dividend's sign.
int64_t int_divide_word(Integer& a, uint32_t w);
// The non-negative greatest common divisor; gcd(0, 0) = 0.
Integer int_gcd(Integer a, Integer b);

// a·2^k for k > 0, floor(a / 2^-k) for k < 0.
Integer int_shift(Integer a, int32_t k);
// Number of significant bits of |a|; 0 for 0.
int32_t int_bit_length(Integer a);

// Decimal text: white space, an optional "-", digits; the stream is left at
// the first byte after the digits. Raises Syntax_Err "Illegal big integer"
// when no digit starts the number.
Integer int_read(In_Stream& s);
// Writes the decimal text of a.
void int_write(Out_Stream& s, Integer a);
std::string int_to_string(Integer a);
// The decimal text must be the whole of text (tests and constants).
Integer int_from_string(const char* text);
