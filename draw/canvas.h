// The drawing surface: canvas units in, device pixels out. One canvas borrows
// one device for the time of a drawing (a paint, a page, a picture) and gives
// it back with its pen, brush and font as it found them.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "draw/device.h"
#include "draw/geom.h"

// A device font this canvas made, kept for equal requests.
struct Canvas_Font {
  Font_Family family;  // the charset too: one family may serve both codings
  int32_t size;
  int32_t style_bits;
  int32_t font_i;
};

struct Canvas {
  Rect bounds;
  int32_t min_pen_width;
  Point cur;
  int32_t colour;
  Device dc;
  int32_t dpi_x, dpi_y;  // dpi_y negated: the canvas's y axis points up
  bool one_pixel_pen_q;
  std::vector<Canvas_Font> fonts;
  int32_t font_i;  // index into fonts, -1 before the first text

  // dpi 0 takes the device's own resolution.
  Canvas(Device device, int32_t a_x_dpi, int32_t a_y_sdpi);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
};

constexpr int32_t DEFAULT_PEN_WIDTH = 128;

// Returns the width obtained, in canvas units.
int32_t canvas_set_pen_width(Canvas& c, int32_t width);
void canvas_set_colour(Canvas& c, int32_t colour);
void canvas_set_mask_mode(Canvas& c, bool mask_q);

void canvas_move_to(Canvas& c, Point p);
void canvas_line_to(Canvas& c, Point p);
void canvas_line_by(Canvas& c, Point offset);
void canvas_polyline(Canvas& c, std::span<const Point> pts, bool closed_q);
// Groups of (start, control, control, end) sharing their ends.
void canvas_bezier_path(Canvas& c, std::span<const Point> pts);
void canvas_fill_bezier_path(Canvas& c, std::span<const Point> pts);
// n_segs Bézier segments through n_segs + 1 samples.
void canvas_hermite_strand(Canvas& c, int32_t n_segs, std::span<const Hermite_Point> samples);
// The Bézier points canvas_hermite_strand draws.
std::vector<Point> hermite_bezier_points(int32_t n_segs, std::span<const Hermite_Point> samples);
void canvas_polygon(Canvas& c, std::span<const Point> pts);
void canvas_rectangle(Canvas& c, const Rect& r);
void canvas_round_rect(Canvas& c, const Rect& r, int32_t radius);

// The current colour as the device takes it: adapted, red and blue exchanged.
uint32_t canvas_device_colour(const Canvas& c);

// The canvas point at the centre of a device pixel (mouse positions).
Point canvas_point_of_pixel(const Canvas& c, int32_t px, int32_t py);
