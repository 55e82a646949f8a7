// Readers of numbers and texts written for people. Every failure raises
// Syntax_Err with its message and the stream, which stays at the byte where
// the fault was found.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/in_stream.h"

// The infinity sign U+221E in the internal coding.
constexpr char INFINITY_SIGN[] = "\x9E\x44";

// The space and the bytes 9 to 13.
inline bool white_space_q(int c) { return c == ' ' || (c >= 9 && c <= 13); }
void skip_white(In_Stream& s);

// White space, then text byte for byte (its own leading white space is
// skipped too); "Expected:  " followed by the text.
void expect_text(In_Stream& s, const char* text);
// White space, an optional "-", digits; "Illegal integer" for no digit or a
// value outside the signed 32-bit range.
int32_t read_decimal_int(In_Stream& s);
// White space, the prefix exactly ("Illegal hex prefix"), then one to eight
// hexadecimal digits of either case ("Illegal unsigned (hexadecimal)").
uint32_t read_hex(In_Stream& s, const char* prefix);
// One number of a line of fields: blanks, tabs and backslash-return line
// continuations, then a decimal integer followed by white space or the end.
// "Illegal \" for a backslash without a return after it, "Expected a number"
// for white space where the number starts, "Expected white space" for
// anything else after it.
int32_t read_number_field(In_Stream& s);
// White space, an optional sign, then "#" (NaN), the infinity sign, or
// digits with an optional fraction and exponent; "Illegal decimal number:  "
// followed by the bytes collected.
double read_real(In_Stream& s);

// Flags of read_until.
constexpr int READ_TRIM = 1;           // skip leading white space, drop trailing spaces
constexpr int READ_SEP_REQUIRED = 2;   // the end of input before the separator is a fault
// Replaces to with the bytes before the separator, which is consumed.
// Characters of several bytes are copied whole ("Illegal EOF inside a
// character code"); with READ_SEP_REQUIRED the end of input raises
// "Missing '" + separator + "'". The separator is below 0x80.
void read_until(In_Stream& s, char sep_cn, Byte_Str& to, int flags);
