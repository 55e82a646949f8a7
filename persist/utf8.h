// The system character set of file names and text files is UTF-8; the
// program's own text is in the internal coding. Both hold any code point, so
// the conversion loses nothing but code points UTF-8 cannot hold.
#pragma once
#include <cstdint>

#include "core/byte_str.h"

// UTF-8 takes at most three bytes for every two internal bytes, and the
// internal coding at most two for every UTF-8 byte (a stray byte read as
// Latin-1).
constexpr int32_t UTF8_GROWTH = 2;
constexpr int32_t INTERNAL_GROWTH = 2;

// Writes cp in UTF-8 at p and gives the position after it. A code point beyond
// U+10FFFF becomes U+FFFD.
char* put_utf8(char* p, uint32_t cp);

// Converts n internal bytes made of whole characters; gives the bytes written
// to to_p, which has room for UTF8_GROWTH * n.
int32_t utf8_of_internal(const char* from_p, int32_t n, char* to_p);

// Converts UTF-8 bytes; to_p has room for INTERNAL_GROWTH * n. A byte that
// does not start a well-formed sequence is taken as the Latin-1 character of
// its value, so files from 8-bit systems still read. A sequence cut by the end
// of the bytes is left for the next call unless end_q; n_used tells how many
// bytes were taken. Gives the bytes written.
int32_t internal_of_utf8(const char* from_p, int32_t n, char* to_p, bool end_q, int32_t& n_used);

// A NUL-terminated internal text (a file name) in UTF-8, NUL-terminated.
Byte_Str utf8_name(const char* name);
// And back: a NUL-terminated UTF-8 name in the internal coding.
Byte_Str internal_name(const char* utf8);
