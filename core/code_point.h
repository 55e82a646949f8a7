// The internal character coding: a code point as an unsigned number of
// seven-bit groups, least significant first, the top bit set on every byte but
// the last. ASCII stands for itself and only U+0000 contains a zero byte, so
// internal text is still NUL-terminated text.
#pragma once
#include <cstdint>

// A 32-bit value needs at most five groups.
constexpr int CODE_POINT_MAX_BYTES = 5;

inline int code_point_n_bytes(uint32_t cp) {
  int n = 1;
  while (cp >= 0x80) { cp >>= 7; ++n; }
  return n;
}

// Writes the bytes of cp at p; gives the position after them.
inline char* put_code_point(char* p, uint32_t cp) {
  while (cp >= 0x80) {
    *p++ = char(0x80 | (cp & 0x7F));
    cp >>= 7;
  }
  *p++ = char(cp);
  return p;
}

// Reads one character at p and moves p past it, stopping at end_p when one is
// given. Groups beyond the fifth are consumed but ignored, so malformed text
// cannot shift past 32 bits; a NUL ends every character, so without end_p the
// read still stops at the end of NUL-terminated text.
inline uint32_t take_code_point(const char*& p, const char* end_p = nullptr) {
  uint32_t cp = 0;
  for (int shift = 0; p != end_p; shift += 7) {
    uint8_t b = uint8_t(*p++);
    if (shift < 32) cp |= uint32_t(b & 0x7F) << shift;
    if (b < 0x80) break;
  }
  return cp;
}

// Moves p past the character at p without decoding it.
inline void skip_code_point(const char*& p, const char* end_p) {
  while (p != end_p && uint8_t(*p++) >= 0x80) {}
}

// The byte index of the first character cp in n_bytes of internal text, or
// -1. Bytes are not compared alone: an ASCII byte can end another character.
inline int32_t find_code_point(const char* text, int32_t n_bytes, uint32_t cp) {
  for (const char* p = text; p != text + n_bytes;) {
    const char* at_p = p;
    if (take_code_point(p, text + n_bytes) == cp) return int32_t(at_p - text);
  }
  return -1;
}
