#include "draw/font_text.h"

#include <cstdio>

#include "core/code_point.h"
#include "core/coding.h"
#include "core/err.h"

namespace {

void put(Font_Text& ft, int32_t coding, const char* bytes, int32_t n) {
  if (ft.runs.empty() || ft.runs.back().coding != coding) ft.runs.push_back({coding, 0});
  ft.bytes.append(bytes, size_t(n));
  ft.runs.back().n_bytes += n;
}

Font_Pos position_of(uint32_t cp, int32_t prefer_coding) {
  if (cp == 0x1E || cp == 0x1F) return {SYMBOL_CODING, uint8_t(cp)};
  if (cp >= 0x10000) return {NO_CODING, 0};
  Font_Pos pos = font_pos_of(cp);
  if (prefer_coding == SYMBOL_CODING && pos.coding == ROMAN_CODING) {
    if (uint8_t b = preferred_symbol_b(pos.b)) return {SYMBOL_CODING, b};
  }
  return pos;
}

}  // namespace

Font_Text font_text(const char* text, int32_t n_bytes, int32_t prefer_coding) {
  CHECK(unsigned(prefer_coding) < unsigned(N_CODINGS));
  Font_Text ft;
  const char* p = text;
  const char* end = text + n_bytes;
  while (p < end) {
    uint8_t b = uint8_t(*p);
    int32_t run_coding = ft.runs.empty() ? ROMAN_CODING : ft.runs.back().coding;
    if (b == '\r') {
      put(ft, run_coding, "\r\n", 2);
      ++p;
      continue;
    }
    if (b < 0x80 && b != 0x1E && b != 0x1F && run_coding == ROMAN_CODING && prefer_coding == ROMAN_CODING) {
      put(ft, ROMAN_CODING, p++, 1);
      continue;
    }
    uint32_t cp = take_code_point(p);
    Font_Pos pos = position_of(cp, prefer_coding);
    if (pos.coding == NO_CODING) {
      // No font has it: it travels as an escape, so it is never lost.
      char esc[16];
      int n = std::snprintf(esc, sizeof esc, "\x1F%04X", unsigned(cp));
      put(ft, ROMAN_CODING, esc, n);
    } else {
      char c = char(pos.b);
      put(ft, pos.coding, &c, 1);
    }
  }
  return ft;
}
