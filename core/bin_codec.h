// Compact binary numbers and strings, as the model files hold them.
// An unsigned number is written seven bits a byte, least significant group
// first, every byte but the last with its top bit set (the form of a
// character in the internal coding). A signed number ends when the rest fits
// the last byte's seven bits, whose bit 6 is then the sign. A string is its
// byte length as an unsigned number, then its bytes.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/in_stream.h"

void write_unsigned(Out_Stream& s, uint32_t v);
void write_int(Out_Stream& s, int32_t v);
// The bytes may not contain a NUL.
void write_str(Out_Stream& s, const char* bytes_p, int32_t n);
inline void write_str(Out_Stream& s, const Byte_Str& str) { write_str(s, str.first_p, n_elts(str)); }

// "Illegal unsigned": the input ends inside the number, or the number has
// more than four continuation bytes.
uint32_t read_unsigned(In_Stream& s);
// "Illegal int", for the same faults.
int32_t read_int(In_Stream& s);
// Replaces to with the string read. "Illegal character string" for an
// embedded NUL or a length beyond 2^31 - 1; "Not enough input" when the
// bytes run out.
void read_str(In_Stream& s, Byte_Str& to);
