#include "draw/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "core/err.h"
#include "draw/colour.h"
#include "draw/units.h"

namespace {

int32_t pen_dpi(const Canvas& c) { return std::max(std::abs(c.dpi_y), c.dpi_x); }

// Selects a pen of device width; returns the device width obtained.
int32_t select_pen(Canvas& c, int32_t device_width) {
  int32_t got = c.dc.ops_p->set_pen(c.dc.impl_p, device_width, canvas_device_colour(c));
  c.one_pixel_pen_q = got <= 1;
  return got;
}

}  // namespace

Canvas::Canvas(Device device, int32_t a_x_dpi, int32_t a_y_sdpi)
    : bounds{0, 0, 0, 0}, min_pen_width(0), cur{0, 0}, colour(NO_COLOUR), dc(device), dpi_x(0), dpi_y(0),
      one_pixel_pen_q(false), font_i(-1) {
  Device_Info info = dc.ops_p->info(dc.impl_p);
  if (a_x_dpi == 0) a_x_dpi = info.dpi_x;
  if (a_y_sdpi == 0) a_y_sdpi = -info.dpi_y;
  CHECK(a_x_dpi != 0 && a_y_sdpi != 0);
  dpi_x = a_x_dpi;
  dpi_y = a_y_sdpi < 0 ? a_y_sdpi : -a_y_sdpi;
  bounds = canvas_rect({0, 0, info.width_px, info.height_px}, dpi_x, dpi_y);
  min_pen_width = UNITS_PER_INCH / pen_dpi(*this);
  dc.ops_p->save(dc.impl_p);
  canvas_set_colour(*this, 0);
}

Canvas::~Canvas() {
  dc.ops_p->restore(dc.impl_p);
  for (const Canvas_Font& f : fonts) dc.ops_p->delete_font(dc.impl_p, f.font_i);
}

int32_t canvas_set_pen_width(Canvas& c, int32_t width) {
  width = std::max(width, c.min_pen_width);
  int32_t got = select_pen(c, device_length(width, pen_dpi(c)));
  return int32_t(int64_t(std::max(got, 1)) * UNITS_PER_INCH / pen_dpi(c));
}

void canvas_set_colour(Canvas& c, int32_t colour) {
  if (colour == NO_COLOUR || colour == c.colour) return;
  c.colour = colour;
  select_pen(c, device_length(DEFAULT_PEN_WIDTH, pen_dpi(c)));
  uint32_t dev = canvas_device_colour(c);
  c.dc.ops_p->set_brush(c.dc.impl_p, dev | PALETTE_RELATIVE);
  c.dc.ops_p->set_text_colour(c.dc.impl_p, dev);
}

void canvas_set_mask_mode(Canvas& c, bool mask_q) { c.dc.ops_p->set_mask_mode(c.dc.impl_p, mask_q); }

uint32_t canvas_device_colour(const Canvas& c) {
  int32_t n_colours = c.dc.ops_p->info(c.dc.impl_p).n_colours;
  return device_colour(adapt_colour(uint32_t(c.colour == NO_COLOUR ? 0 : c.colour), n_colours));
}

Point canvas_point_of_pixel(const Canvas& c, int32_t px, int32_t py) {
  return {canvas_from_pixel(px, c.dpi_x), canvas_from_pixel(py, c.dpi_y)};
}
