// Character boundaries in internal text: bytes with the high bit set
// continue a character, the first byte below 128 ends it.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/code_point.h"

// The boundary one character before i, or 0 at the start.
inline int32_t char_before_i(const Byte_Str& t, int32_t i) {
  return i > 0 ? int32_t(char_start_before(t.first_p, t.first_p + i) - t.first_p) : 0;
}

// The boundary one character after i, or the end.
inline int32_t char_after_i(const Byte_Str& t, int32_t i) {
  const char* p = t.first_p + i;
  if (i < n_elts(t)) skip_code_point(p, t.write_p);
  return int32_t(p - t.first_p);
}
