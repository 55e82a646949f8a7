#include "test_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/code_point.h"
#include "draw/Canvas_os.h"
#include "draw/font.h"
#include "draw/qt/qt_targets.h"
#include "draw/units.h"

std::string internal_text(const std::u32string& s) {
  std::string out;
  for (char32_t cp : s) {
    char buf[CODE_POINT_MAX_BYTES];
    out.append(buf, size_t(put_code_point(buf, uint32_t(cp)) - buf));
  }
  return out;
}

const Styl& gallery_style(int32_t depth) {
  static const Styl base = make_style(make_font(font_family_resolve("Times", SERIF_KIND), 16), ROMAN_CODING);
  static const Styl script = make_style(make_font(font_family_resolve("Times", SERIF_KIND), 11), ROMAN_CODING);
  return depth == 0 ? base : script;
}

void expect_drawn_inside(const char* name, const Rect& b, const std::function<void(Canvas&, Point)>& draw) {
  constexpr int32_t DPI = 600, MARGIN = 16, PX = UNITS_PER_INCH / DPI;
  Point origin = {MARGIN * PX - b.x0, -MARGIN * PX - b.y1};
  int32_t w = (b.x1 - b.x0) / PX + 2 * MARGIN, h = (b.y1 - b.y0) / PX + 2 * MARGIN;
  QImage img = qt_draw_image(w, h, DPI, [&](Canvas& c) { draw(c, origin); });
  Device_Rect d = device_rect(rect_shift(b, origin), DPI, -DPI);
  int32_t n_inked = 0, n_outside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        ++n_inked;
        n_outside += x < d.left - 1 || x > d.right || y < d.top - 1 || y > d.bottom;
      }
  EXPECT_GT(n_inked, 50) << name;
  EXPECT_EQ(n_outside, 0) << name;
  if (const char* dir_mp = std::getenv("VEZA_GALLERY_DIR")) qt_save_png(img, std::string(dir_mp) + "/" + name + ".png");
}

namespace {

constexpr int32_t INCH = 18432, POINT = 256;

void text_at(Canvas& c, Point p, const std::u32string& s, const Styl& st, int32_t colour) {
  std::string t = internal_text(s);
  canvas_move_to(c, p);
  canvas_draw_text(c, t.data(), int32_t(t.size()), st.style_bits, colour, st);
}

void draw_texts(Canvas& c) {
  int32_t y = -INCH / 3;
  for (int32_t size : {9, 12, 18}) {
    Styl times = make_style(make_font(font_family_resolve("Times", SERIF_KIND), size), ROMAN_CODING);
    Styl helv = make_style(make_font(font_family_resolve("Helvetica", SANS_SERIF_KIND), size), ROMAN_CODING);
    text_at(c, {INCH / 4, y}, U"x\u2264y, \u03B1\u03B2\u03B3\u03B4 \u03C0r\u00B2 \u03A3\u03A9 \u2202f/\u2202x", times, 0);
    text_at(c, {INCH * 7 / 2, y}, U"Sum \u2211 \u2260 \u221E \u00B1 \u2248", helv, 0x0000C0);
    y -= size * POINT * 3 / 2;
  }
}

void draw_lines_and_curves(Canvas& c) {
  canvas_set_colour(c, 0x000000);
  for (int32_t i = 0; i < 4; ++i) {
    canvas_set_pen_width(c, 64 + i * 128);
    canvas_move_to(c, {INCH / 4, -INCH * 3 / 2 - i * INCH / 6});
    canvas_line_to(c, {INCH * 3 / 2, -INCH * 3 / 2 - i * INCH / 6 - INCH / 8});
  }
  // A sine wave through samples with their derivatives.
  std::vector<Hermite_Point> wave;
  for (int32_t i = 0; i <= 8; ++i) {
    double t = i * M_PI / 4;
    wave.push_back({t, INCH / 4 + t * INCH / 6, -3 * INCH + std::sin(t) * INCH / 4, INCH / 6.0, std::cos(t) * INCH / 4});
  }
  canvas_set_colour(c, 0xC00000);
  canvas_set_pen_width(c, 192);
  canvas_hermite_strand(c, 8, wave);
  canvas_set_colour(c, 0x40A040);
  std::vector<Point> blob = {{2 * INCH, -3 * INCH - INCH / 4},  {2 * INCH + INCH / 2, -3 * INCH + INCH / 4},
                             {3 * INCH, -3 * INCH - INCH * 3 / 4}, {3 * INCH, -3 * INCH - INCH / 4},
                             {3 * INCH, -3 * INCH - INCH / 4}, {2 * INCH, -3 * INCH - INCH / 4},
                             {2 * INCH, -3 * INCH - INCH / 4}};
  canvas_fill_bezier_path(c, blob);
  canvas_set_colour(c, 0x000080);
  canvas_round_rect(c, {INCH * 7 / 2, INCH * 9 / 2, -INCH * 7 / 2, -INCH * 11 / 4}, INCH / 8);
}

Rect moved(Rect r, Point p) { return {r.x0 + p.x, r.x1 + p.x, r.y0 + p.y, r.y1 + p.y}; }

// One row of bracket pairs per height, each pair around a gap of one width.
void draw_brackets(Canvas& c) {
  const uint32_t pairs[][2] = {{'(', ')'}, {'[', ']'}, {'{', '}'}, {0x2308, 0x2309}, {0x230A, 0x230B}, {0x2329, 0x232A}};
  canvas_set_colour(c, 0x000000);
  int32_t y = -INCH * 3 / 2;
  for (int32_t h : {2048, 4096, 8192}) {
    y -= h / 2 + INCH / 10;
    int32_t x = 2 * INCH, w = bracket_width(h);
    for (const auto& pair : pairs) {
      x += w;
      canvas_draw_bracket(c, pair[0], moved(bracket_bounds(pair[0], h), {x, y}));
      x += w;
      canvas_draw_bracket(c, pair[1], moved(bracket_bounds(pair[1], h), {x, y}));
      x += w + INCH / 12;
    }
    y -= h / 2;
  }
}

}  // namespace

void draw_test_picture(Canvas& c) {
  draw_texts(c);
  draw_lines_and_curves(c);
  draw_brackets(c);
}
