#include "draw/units.h"

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t ceil_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) == (b < 0)) ? q + 1 : q;
}

int32_t canvas_from_pixel(int32_t p, int32_t dpi) {
  return int32_t((2 * int64_t(p) + 1) * (UNITS_PER_INCH / 2) / dpi);
}

int32_t device_x(int32_t x, int32_t dpi_x) { return int32_t(floor_div(int64_t(x) * dpi_x, UNITS_PER_INCH)); }

int32_t device_y(int32_t y, int32_t dpi_y) {
  return int32_t(floor_div((int64_t(y) + 1) * dpi_y, UNITS_PER_INCH));
}

Point device_point(Point p, int32_t dpi_x, int32_t dpi_y) { return {device_x(p.x, dpi_x), device_y(p.y, dpi_y)}; }

Device_Rect device_rect(const Rect& r, int32_t dpi_x, int32_t dpi_y) {
  return {int32_t(floor_div(int64_t(r.x0) * dpi_x, UNITS_PER_INCH)),
          int32_t(floor_div(int64_t(r.y1) * dpi_y, UNITS_PER_INCH)),
          int32_t(ceil_div(int64_t(r.x1) * dpi_x, UNITS_PER_INCH)),
          int32_t(ceil_div(int64_t(r.y0) * dpi_y, UNITS_PER_INCH))};
}

int32_t device_length(int32_t v, int32_t dpi) {
  int64_t a = dpi < 0 ? -int64_t(dpi) : dpi;
  return int32_t(floor_div(int64_t(v) * a + UNITS_PER_INCH / 2, UNITS_PER_INCH));
}

Rect canvas_rect(const Device_Rect& d, int32_t dpi_x, int32_t dpi_y) {
  return {int32_t(int64_t(d.left) * UNITS_PER_INCH / dpi_x), int32_t(int64_t(d.right) * UNITS_PER_INCH / dpi_x),
          int32_t(int64_t(d.bottom) * UNITS_PER_INCH / dpi_y), int32_t(int64_t(d.top) * UNITS_PER_INCH / dpi_y)};
}
