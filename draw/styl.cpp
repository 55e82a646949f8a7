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

int32_t font_bytes_width(const Styl& s, int32_t coding, int32_t style_bits, const char* bytes, int32_t n_bytes) {
  CHECK(unsigned(coding) < unsigned(N_CODINGS));
  const Width_Table& widths = font_widths(*s.fonts[coding], style_bits & 3);
  int32_t w = 0;
  for (int32_t i = 0; i < n_bytes; ++i) w += widths[uint8_t(bytes[i])];
  return w;
}

int32_t text_width(const char* text, int32_t n_bytes, int32_t style_bits, const Styl& s) {
  Font_Text ft = font_text(text, n_bytes, s.prefer_coding_);
  int32_t w = 0, at = 0;
  for (int32_t run_i = 0; run_i < n_runs(ft.runs); ++run_i) {
    int32_t n = run_n_bytes(ft.runs, run_i);
    w += font_bytes_width(s, run_coding(ft.runs, run_i), style_bits, ft.bytes.first_p + at, n);
    at += n;
  }
  return w;
}
