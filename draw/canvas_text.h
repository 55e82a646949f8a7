// Text on the canvas: each coding run in its own font, placed where the
// width tables say, so text lines up the same on every device.
#pragma once
#include <cstdint>

#include "draw/canvas.h"
#include "draw/styl.h"

// Writes n_bytes of internal text at the current point and moves the current
// point past it by its measured width; colour -1 keeps the current colour.
void canvas_draw_text(Canvas& c, const char* text, int32_t n_bytes, int32_t style_bits, int32_t colour,
                      const Styl& s);
