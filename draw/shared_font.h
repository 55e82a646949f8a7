// A font shared by the styles that use it: a family at a size in points with
// its metrics, and width tables measured once on the screen so that text is
// measured the same on every device.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "draw/device.h"

constexpr int32_t N_STYLE_INDEXES = 4;  // bit 1 bold, bit 2 italic

// Character widths in canvas units, to 1/16 of a screen pixel.
typedef std::array<int32_t, 256> Width_Table;

struct Font {
  Font_Family family;
  int32_t size;
  int32_t ascent;   // canvas units above the baseline
  int32_t descent;  // canvas units, negative: below the baseline
  int32_t leading;
  std::unique_ptr<Width_Table> widths[N_STYLE_INDEXES];  // filled on first use
};

// Equal requests share one font while any holder keeps it.
std::shared_ptr<Font> make_font(const Font_Family& family, int32_t size);

const Width_Table& font_widths(Font& f, int32_t style_i);

// The default family at the system font's character height.
std::shared_ptr<Font> default_font();
