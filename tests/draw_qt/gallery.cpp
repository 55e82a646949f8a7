#include "gallery.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/code_point.h"
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

int n_inked(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

Drawn expect_drawn_inside(const char* name, const Rect& b, const std::function<void(Canvas&, Point)>& draw,
                          int32_t dpi, int32_t slack) {
  const int32_t MARGIN = 16, PX = UNITS_PER_INCH / dpi;
  Point origin = {MARGIN * PX - b.x0, -MARGIN * PX - b.y1};
  int32_t w = (b.x1 - b.x0) / PX + 2 * MARGIN, h = (b.y1 - b.y0) / PX + 2 * MARGIN;
  Drawn res = {qt_draw_image(w, h, dpi, [&](Canvas& c) { draw(c, origin); }),
               device_rect(rect_shift(b, origin), dpi, -dpi)};
  const Device_Rect& d = res.bds;
  int32_t n_outside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      n_outside += (res.img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF &&
                   (x < d.left - slack || x >= d.right + slack || y < d.top - slack || y >= d.bottom + slack);
  EXPECT_GT(n_inked(res.img), 50) << name;
  EXPECT_EQ(n_outside, 0) << name;
  if (const char* dir_mp = std::getenv("VEZA_GALLERY_DIR"))
    qt_save_png(res.img, std::string(dir_mp) + "/" + name + ".png");
  return res;
}
