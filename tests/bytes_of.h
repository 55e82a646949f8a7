// Byte strings as std::string, for tests that compare exact bytes.
#pragma once
#include <string>

#include "core/byte_str.h"

inline std::string bytes_of(const Byte_Str& s) { return std::string(s.first_p, size_t(n_elts(s))); }

// The bytes put writes into a fresh byte string.
template <class F>
std::string written(F put) {
  Byte_Str s;
  put(s);
  return bytes_of(s);
}
