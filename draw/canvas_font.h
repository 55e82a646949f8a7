// Device fonts of a canvas: made on first request and kept for equal ones.
#pragma once
#include <cstdint>

#include "draw/canvas.h"
#include "draw/device.h"

constexpr int32_t BOLD_BIT = 1;
constexpr int32_t ITALIC_BIT = 2;
constexpr int32_t UNDERLINE_BIT = 4;

// The platform's request for a family at a size in points and style bits,
// on a device of vertical resolution dpi_y (either sign).
Log_Font log_font(const Font_Family& family, int32_t size, int32_t style_bits, int32_t dpi_y);

// Selects the canvas's font for the request, making it the first time.
void canvas_select_font(Canvas& c, const Font_Family& family, int32_t size, int32_t style_bits);
