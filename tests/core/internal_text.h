// A code point as internal text, for building test inputs.
#pragma once
#include <string>

#include "core/code_point.h"

inline std::string internal(uint32_t cp) {
  char buf[CODE_POINT_MAX_BYTES];
  return std::string(buf, put_code_point(buf, cp));
}
