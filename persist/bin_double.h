// Doubles in binary streams: their eight IEEE 754 bytes, least significant
// first, so every value (NaN payloads and negative zero too) reads back
// exactly.
#pragma once
#include "core/byte_str.h"
#include "core/in_stream.h"

void write_double(Out_Stream& s, double x);
// "Not enough input" when fewer than eight bytes are left.
double read_double(In_Stream& s);
