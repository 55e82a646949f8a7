// The characters that have a fixed meaning when typed mathematics is read
// into formulas and formulas are written back.
#pragma once
#include <cstdint>

#include "core/code_point.h"
#include "editor/Expr.h"

constexpr uint32_t ROOT_CP = 0x221A, DOT_CP = 0x22C5, LE_CP = 0x2264, GE_CP = 0x2265, NE_CP = 0x2260;
// The absolute-value bars: private-use characters of the symbol font.
constexpr uint32_t BAR_OPEN_CP = 0xF8EF, BAR_CLOSE_CP = 0xF8FA;

// The closing partner of an opening bracket; 0 for any other character.
inline uint32_t bracket_partner(uint32_t open) {
  switch (open) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    case 0x2308: return 0x2309;  // ceiling
    case 0x230A: return 0x230B;  // floor
    case 0x2329: return 0x232A;  // angle brackets
    case BAR_OPEN_CP: return BAR_CLOSE_CP;
    default: return 0;
  }
}

// The operator's text when it is one character, else 0.
inline uint32_t op_char(const Op& op) {
  const char* p = op.text.first_p;
  if (p == op.text.write_p) return 0;
  uint32_t cp = take_code_point(p, op.text.write_p);
  return p == op.text.write_p ? cp : 0;
}
