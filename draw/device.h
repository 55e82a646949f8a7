// The platform seam of drawing: a record of device operations in device
// pixels, one record per backend (Qt, the recording substitute). The canvas is
// the only caller; it does every conversion before calling.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "draw/geom.h"

constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t SYMBOL_CHARSET = 2;
// Face names are at most 31 bytes, as the platform's font records hold them.
constexpr int32_t LF_FACESIZE = 32;
constexpr int32_t FW_BOLD = 700;

struct Device_Info {
  int32_t width_px, height_px;
  int32_t dpi_x, dpi_y;  // both positive, as the device reports them
  int32_t n_colours;     // 2, 8, ...; 0 or less for true colour
};

// A font request: height < 0 is the character height in pixels.
struct Log_Font {
  int32_t height;
  int32_t weight;
  bool italic_q, underline_q;
  uint8_t charset;
  std::string face;
  bool operator==(const Log_Font&) const = default;
};

// In pixels, as the platform reports them for the selected font.
struct Text_Metrics {
  int32_t height, ascent, descent, internal_leading, external_leading;
};

struct Font_Family {
  std::string name;
  uint8_t charset;
  bool operator==(const Font_Family&) const = default;
};

struct Device_Ops {
  Device_Info (*info)(void* d);
  // Remember and restore the device's pen, brush, font and modes.
  void (*save)(void* d);
  void (*restore)(void* d);
  // A solid pen; returns the width the device actually gives.
  int32_t (*set_pen)(void* d, int32_t width_px, uint32_t colour);
  void (*set_brush)(void* d, uint32_t colour);
  void (*set_null_brush)(void* d);
  void (*set_text_colour)(void* d, uint32_t colour);
  // On: the pen is ANDed with what is below; off: it covers it.
  void (*set_mask_mode)(void* d, bool mask_q);
  void (*move_to)(void* d, int32_t x, int32_t y);
  // The end pixel is left out, as on every platform line primitive.
  void (*line_to)(void* d, int32_t x, int32_t y);
  void (*set_pixel)(void* d, int32_t x, int32_t y, uint32_t colour);
  // Groups of three points (two controls, end) from the current point.
  void (*poly_bezier_to)(void* d, const Point* pts, int32_t n_pts);
  void (*begin_path)(void* d);
  void (*end_path)(void* d);
  void (*stroke_and_fill_path)(void* d);
  void (*polygon)(void* d, const Point* pts, int32_t n_pts);
  void (*rectangle)(void* d, Device_Rect r);
  void (*round_rect)(void* d, Device_Rect r, int32_t ellipse_w, int32_t ellipse_h);
  void (*invert_rect)(void* d, Device_Rect r);
  // Fonts are numbered by the device; a font's charset decides how the
  // bytes of text_out and text_extent are read.
  int32_t (*create_font)(void* d, const Log_Font& lf);
  void (*select_font)(void* d, int32_t font_i);
  void (*delete_font)(void* d, int32_t font_i);
  // Writes at the current point on the baseline and moves the point past it.
  void (*text_out)(void* d, const uint8_t* bytes, int32_t n_bytes);
  Text_Metrics (*text_metrics)(void* d);
  int32_t (*text_extent)(void* d, const uint8_t* bytes, int32_t n_bytes);
  // The face names as the system lists them, styles and duplicates included.
  void (*enum_families)(void* d, std::vector<Font_Family>& out);
  // The system font's face and metrics.
  void (*system_font)(void* d, Font_Family& family, Text_Metrics& tm);
};

struct Device {
  const Device_Ops* ops_p;
  void* impl_p;
};
