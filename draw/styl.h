// A text style: the fonts that draw each coding at one size, the style bits,
// and the metrics of its main font. Text is measured from the fonts' width
// tables, never by the device.
#pragma once
#include <cstdint>
#include <memory>

#include "draw/font_text.h"
#include "draw/shared_font.h"

struct Styl {
  int32_t prefer_coding_;
  int32_t style_bits;  // 1 bold, 2 italic, 4 underline
  int32_t ascent, descent, leading;
  std::shared_ptr<Font> fonts[N_CODINGS];
};

// The font draws its own coding, the preferred one; the other coding takes
// the default roman family or the symbol family at the same size.
Styl make_style(std::shared_ptr<Font> font, int32_t prefer_coding, int32_t style_bits = 0);

// The default font's roman style, made once: buttons, alerts and the graphs'
// labels are written in it.
const Styl& default_style();

// The width of one coding's font bytes.
int32_t font_bytes_width(const Styl& s, int32_t coding, int32_t style_bits, const char* bytes, int32_t n_bytes);

// The width of n_bytes of internal text: the sum of its characters' table
// widths, without kerning.
int32_t text_width(const char* text, int32_t n_bytes, int32_t style_bits, const Styl& s);
