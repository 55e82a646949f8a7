#include "draw/styl.h"

#include "core/err.h"
#include "draw/screen.h"

Styl make_style(std::shared_ptr<Font> font, int32_t prefer_coding, int32_t style_bits) {
  CHECK(unsigned(prefer_coding) < unsigned(N_CODINGS));
  Styl s;
  s.prefer_coding_ = prefer_coding;
  s.style_bits = style_bits;
  s.ascent = font->ascent;
  s.descent = font->descent;
  s.leading = font->leading;
  for (int32_t coding = 0; coding < N_CODINGS; ++coding) {
    if (coding == prefer_coding) s.fonts[coding] = font;
    else s.fonts[coding] = make_font(coding == ROMAN_CODING ? default_family() : symbol_family(), font->size);
  }
  return s;
}

namespace {

int32_t table_sum(const Width_Table& widths, const char* bytes, int32_t n_bytes) {
  int32_t w = 0;
  for (int32_t i = 0; i < n_bytes; ++i) w += widths[uint8_t(bytes[i])];
  return w;
}

}  // namespace

int32_t font_bytes_width(const Styl& s, int32_t coding, int32_t style_bits, const char* bytes, int32_t n_bytes) {
  CHECK(unsigned(coding) < unsigned(N_CODINGS));
  return table_sum(font_widths(*s.fonts[coding], style_bits & 3), bytes, n_bytes);
}

const Styl& default_style() {
  static Styl* style_p = new Styl(make_style(default_font(), ROMAN_CODING));
  return *style_p;
}

// Walked in place: the editor measures on every keystroke.
int32_t text_width(const char* text, int32_t n_bytes, int32_t style_bits, const Styl& s) {
  const Width_Table* tables[N_CODINGS] = {};
  Font_Walk walk = font_walk(text, n_bytes, s.prefer_coding_);
  Font_Piece piece;
  int32_t w = 0;
  while (font_walk_next(walk, piece)) {
    const Width_Table*& t = tables[piece.coding];
    if (!t) t = &font_widths(*s.fonts[piece.coding], style_bits & 3);
    w += table_sum(*t, piece.bytes_p, piece.n_bytes);
  }
  return w;
}
