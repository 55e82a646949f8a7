#include "draw/rec_device.h"

#include <cstdio>
#include <cstdlib>

#include "core/err.h"

namespace {

Rec_Device& rec(void* d) { return *static_cast<Rec_Device*>(d); }

std::string hex_colour(uint32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08X", c);
  return buf;
}

std::string ints(std::initializer_list<int32_t> vs) {
  std::string s;
  for (int32_t v : vs) s += " " + std::to_string(v);
  return s;
}

std::string rect_text(Device_Rect r) { return ints({r.left, r.top, r.right, r.bottom}); }

std::string points_text(const Point* pts, int32_t n) {
  std::string s;
  for (int32_t i = 0; i < n; ++i) s += ints({pts[i].x, pts[i].y});
  return s;
}

// Printable ASCII as itself, everything else as \xHH.
std::string bytes_text(const uint8_t* bytes, int32_t n) {
  std::string s;
  for (int32_t i = 0; i < n; ++i) {
    uint8_t b = bytes[i];
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      s += char(b);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", b);
      s += buf;
    }
  }
  return s;
}

void log(void* d, std::string s) { rec(d).calls.push_back(std::move(s)); }

const Log_Font& selected(void* d) {
  Rec_Device& r = rec(d);
  CHECK(r.font_i >= 0 && r.font_i < int32_t(r.fonts.size()));
  return r.fonts[size_t(r.font_i)];
}

int32_t em_of(const Log_Font& lf) { return std::abs(lf.height); }

Device_Info info(void* d) { return rec(d).info; }
void save(void* d) { log(d, "save"); }
void restore(void* d) { log(d, "restore"); }
int32_t set_pen(void* d, int32_t w, uint32_t c) {
  log(d, "pen" + ints({w}) + " " + hex_colour(c));
  return w < 1 ? 1 : w;
}
void set_brush(void* d, uint32_t c) { log(d, "brush " + hex_colour(c)); }
void set_null_brush(void* d) { log(d, "null_brush"); }
void set_text_colour(void* d, uint32_t c) { log(d, "text_colour " + hex_colour(c)); }
void set_mask_mode(void* d, bool m) { log(d, m ? "mask on" : "mask off"); }
void move_to(void* d, int32_t x, int32_t y) { log(d, "move_to" + ints({x, y})); }
void line_to(void* d, int32_t x, int32_t y) { log(d, "line_to" + ints({x, y})); }
void set_pixel(void* d, int32_t x, int32_t y, uint32_t c) { log(d, "pixel" + ints({x, y}) + " " + hex_colour(c)); }
void poly_bezier_to(void* d, const Point* p, int32_t n) { log(d, "bezier_to" + points_text(p, n)); }
void begin_path(void* d) { log(d, "begin_path"); }
void end_path(void* d) { log(d, "end_path"); }
void stroke_and_fill_path(void* d) { log(d, "stroke_and_fill_path"); }
void polygon(void* d, const Point* p, int32_t n) { log(d, "polygon" + points_text(p, n)); }
void rectangle(void* d, Device_Rect r) { log(d, "rectangle" + rect_text(r)); }
void round_rect(void* d, Device_Rect r, int32_t w, int32_t h) { log(d, "round_rect" + rect_text(r) + ints({w, h})); }
void invert_rect(void* d, Device_Rect r) { log(d, "invert" + rect_text(r)); }

int32_t create_font(void* d, const Log_Font& lf) {
  Rec_Device& r = rec(d);
  r.fonts.push_back(lf);
  int32_t font_i = int32_t(r.fonts.size()) - 1;
  log(d, "font" + ints({font_i, lf.height, lf.weight, lf.italic_q, lf.underline_q, lf.charset}) + " " + lf.face);
  return font_i;
}
void select_font(void* d, int32_t font_i) {
  rec(d).font_i = font_i;
  log(d, "select_font" + ints({font_i}));
}
void delete_font(void* d, int32_t font_i) { log(d, "delete_font" + ints({font_i})); }
void text_out(void* d, const uint8_t* bytes, int32_t n) {
  log(d, "text" + ints({rec(d).font_i}) + " \"" + bytes_text(bytes, n) + "\"");
}
Text_Metrics text_metrics(void* d) { return rec_text_metrics(em_of(selected(d))); }
int32_t text_extent(void* d, const uint8_t* bytes, int32_t n) {
  const Log_Font& lf = selected(d);
  int32_t tenths = 0;
  for (int32_t i = 0; i < n; ++i) tenths += rec_char_width_tenths(bytes[i], em_of(lf), lf.charset, lf.weight >= FW_BOLD);
  return tenths / 10 + (lf.italic_q ? em_of(lf) / 4 : 0);
}
void enum_families(void* d, std::vector<Font_Family>& out) { out = rec(d).faces; }
void system_font(void* d, Font_Family& family, Text_Metrics& tm) {
  family = rec(d).system_face;
  tm = rec_text_metrics(rec(d).system_em_px);
}

const Device_Ops REC_DEVICE_OPS = {
    info, save, restore, set_pen, set_brush, set_null_brush, set_text_colour, set_mask_mode, move_to,
    line_to, set_pixel, poly_bezier_to, begin_path, end_path, stroke_and_fill_path, polygon, rectangle,
    round_rect, invert_rect, create_font, select_font, delete_font, text_out, text_metrics, text_extent,
    enum_families, system_font,
};

}  // namespace

int32_t rec_char_width_tenths(uint8_t b, int32_t em, uint8_t charset, bool bold_q) {
  int32_t w = charset == SYMBOL_CHARSET ? em * (6 + b % 3) : em * (5 + b % 4);
  return bold_q ? w + em : w;
}

Text_Metrics rec_text_metrics(int32_t em) {
  int32_t internal = em / 5, descent = em / 5;
  return {em + internal, em + internal - descent, descent, internal, em / 10};
}

Rec_Device rec_device_new(int32_t dpi, int32_t width_px, int32_t height_px) {
  Rec_Device r;
  r.info = {width_px, height_px, dpi, dpi, 0};
  r.font_i = -1;
  r.faces = {{"Times New Roman", ANSI_CHARSET}, {"Arial", ANSI_CHARSET},       {"Arial Bold", ANSI_CHARSET},
             {"Courier New", ANSI_CHARSET},     {"Symbol", SYMBOL_CHARSET},    {"System", ANSI_CHARSET},
             {"Arial Bold Italic", ANSI_CHARSET}, {"Times New Roman Italic", ANSI_CHARSET}};
  r.system_face = {"System", ANSI_CHARSET};
  r.system_em_px = 12;
  return r;
}

Device rec_device(Rec_Device& r) { return {&REC_DEVICE_OPS, &r}; }

std::vector<std::string> rec_take_calls(Rec_Device& r) {
  std::vector<std::string> out = std::move(r.calls);
  r.calls.clear();
  return out;
}
