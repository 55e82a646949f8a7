// Conversions between canvas units (18432 per inch, y up) and device pixels
// (y down). The canvas keeps dpi_y negated, so every formula here takes the
// stored, signed resolution and flips the axis by its sign.
#pragma once
#include <cstdint>

#include "draw/geom.h"

constexpr int32_t UNITS_PER_INCH = 18432;
constexpr int32_t UNITS_PER_POINT = 256;

// Division rounding towards minus infinity, for negative coordinates too.
int64_t floor_div(int64_t a, int64_t b);
int64_t ceil_div(int64_t a, int64_t b);

// The centre of a pixel, for mouse positions.
int32_t canvas_from_pixel(int32_t p, int32_t dpi);

int32_t device_x(int32_t x, int32_t dpi_x);
// The +1 keeps a canvas point on the pixel whose centre converts back to it.
int32_t device_y(int32_t y, int32_t dpi_y);
Point device_point(Point p, int32_t dpi_x, int32_t dpi_y);

// The smallest device rectangle that covers the canvas rectangle.
Device_Rect device_rect(const Rect& r, int32_t dpi_x, int32_t dpi_y);

// Pen widths and corner radii: rounded to the nearest pixel.
int32_t device_length(int32_t v, int32_t dpi);

Rect canvas_rect(const Device_Rect& d, int32_t dpi_x, int32_t dpi_y);
