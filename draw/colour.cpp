#include "draw/colour.h"

namespace {

bool near_white_q(uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) >= 0xF0 && ((rgb >> 8) & 0xFF) >= 0xF0 && (rgb & 0xFF) >= 0xF0;
}

}  // namespace

uint32_t adapt_colour(uint32_t rgb, int32_t n_colours) {
  rgb &= 0xFFFFFF;
  if (near_white_q(rgb) || n_colours <= 0 || n_colours > 8) return rgb;
  if (n_colours <= 2) return 0;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    if (((rgb >> shift) & 0xFF) >= 0x80) out |= 0xFFu << shift;
  // Pure white would vanish on paper; a light colour still has to show.
  return out == 0xFFFFFF ? 0x7F7F7F : out;
}
