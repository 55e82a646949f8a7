// Colour words: 0x00RRGGBB in the program, red and blue exchanged for the
// device, and adapted to devices that show only a few colours.
#pragma once
#include <cstdint>

constexpr int32_t NO_COLOUR = -1;
// Brushes are palette-relative so that palette devices pick the nearest entry.
constexpr uint32_t PALETTE_RELATIVE = 0x02000000;

// The device's form of a colour word: red and blue exchanged.
inline uint32_t device_colour(uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// A colour as a device with n_colours can show it (n_colours <= 0: any).
uint32_t adapt_colour(uint32_t rgb, int32_t n_colours);
