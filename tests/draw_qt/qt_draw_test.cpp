#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>
#include <QWidget>
#include <string>
#include <vector>

#include "core/err.h"
#include "draw/Canvas_os.h"
#include "draw/font.h"
#include "draw/qt/qt_device.h"
#include "draw/qt/qt_targets.h"
#include "gallery.h"

namespace {

constexpr int32_t INCH = 18432;

uint32_t pixel(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

struct Pixel_Case {
  int x, y;
  uint32_t colour;
};
void expect_pixels(const QImage& img, std::initializer_list<Pixel_Case> cases) {
  for (const Pixel_Case& c : cases) EXPECT_EQ(pixel(img, c.x, c.y), c.colour) << c.x << ", " << c.y;
}

Styl times_style(int32_t size) {
  return make_style(make_font(font_family_resolve("Times", SERIF_KIND), size), ROMAN_CODING);
}

// One character drawn alone through the canvas, black on white.
QImage glyph_image(uint32_t cp, const Styl& s) {
  std::string t = internal_text(std::u32string(1, char32_t(cp)));
  return qt_draw_image(60, 60, 96, [&](Canvas& c) {
    canvas_move_to(c, {10 * 192, -45 * 192});
    canvas_draw_text(c, t.data(), int32_t(t.size()), 0, 0, s);
  });
}

}  // namespace

TEST(Qt_Draw, LinesKeepTheirEndPixelAndFilledBeziersAreFilled) {
  QImage img = qt_draw_image(100, 100, 96, [](Canvas& c) {
    canvas_move_to(c, {10 * 192 + 96, -(10 * 192 + 96)});
    canvas_line_to(c, {60 * 192 + 96, -(10 * 192 + 96)});
    canvas_set_colour(c, 0xFF0000);
    std::vector<Point> square = {{20 * 192, -30 * 192}, {20 * 192, -30 * 192}, {80 * 192, -30 * 192},
                                 {80 * 192, -30 * 192}, {80 * 192, -90 * 192}, {20 * 192, -90 * 192},
                                 {20 * 192, -30 * 192}};
    canvas_fill_bezier_path(c, square);
  });
  // Whole pixels from the first to the last, which the device alone leaves out.
  // Inside the curved side's hull and well inside the straight sides: red.
  expect_pixels(img, {{9, 10, 0xFFFFFF}, {10, 10, 0}, {35, 10, 0}, {60, 10, 0}, {61, 10, 0xFFFFFF}, {35, 9, 0xFFFFFF},
                      {35, 11, 0xFFFFFF}, {50, 40, 0xFF0000}, {30, 55, 0xFF0000}, {90, 95, 0xFFFFFF}});
  QImage device_only(70, 20, QImage::Format_RGB32);
  device_only.fill(Qt::white);
  {
    QPainter painter(&device_only);
    Qt_Device d = qt_device_on(painter, device_only);
    Device dev = qt_device(d);
    dev.ops_p->set_pen(dev.impl_p, 1, 0);
    dev.ops_p->move_to(dev.impl_p, 10, 10);
    dev.ops_p->line_to(dev.impl_p, 60, 10);
  }
  expect_pixels(device_only, {{10, 10, 0}, {59, 10, 0}, {60, 10, 0xFFFFFF}});
}

TEST(Qt_Draw, RegionsInvertAndInvertBack) {
  Region r = region_combine(region_from_rect({5, 5, 15, 15}), region_from_rect({10, 10, 20, 20}), RGN_XOR);
  QImage once = qt_draw_image(30, 30, 96, [&](Canvas& c) { canvas_draw_region(c, r, 2); });
  expect_pixels(once, {{6, 6, 0}, {12, 12, 0xFFFFFF}, {18, 18, 0}});
  EXPECT_EQ(n_inked(once), 150);
  QImage twice = qt_draw_image(30, 30, 96, [&](Canvas& c) {
    canvas_draw_region(c, r, 2);
    canvas_draw_region(c, r, 0);
    canvas_draw_region(c, r, 1);
  });
  EXPECT_EQ(n_inked(twice), 0);
}

TEST(Qt_Draw, FamiliesResolveToFacesOfTheirKind) {
  EXPECT_EQ(font_family_resolve("Times", SERIF_KIND).name, "Liberation Serif");
  EXPECT_EQ(font_family_resolve("Courier", MONOSPACED_KIND).name, "Liberation Mono");
  EXPECT_EQ(font_family_resolve("Helvetica", SANS_SERIF_KIND).name, "Liberation Sans");
  EXPECT_EQ(symbol_family().charset, SYMBOL_CHARSET);
  QFont mono(QString::fromStdString(font_family_resolve("Courier", MONOSPACED_KIND).name));
  EXPECT_TRUE(QFontInfo(mono).fixedPitch());
}

TEST(Qt_Draw, GreekAndMathematicalSignsAreRealGlyphs) {
  Styl s = times_style(24);
  QRawFont raw = QRawFont::fromFont(QFont(QString::fromStdString(symbol_family().name)));
  // U+E000 is in no font here: what it draws is the missing-glyph box.
  QImage box = glyph_image(0xE000, s);
  for (uint32_t cp : {0x03B1u, 0x03B2u, 0x03C0u, 0x03A3u, 0x03A9u, 0x2264u, 0x2265u, 0x2260u, 0x221Eu, 0x2202u}) {
    EXPECT_TRUE(raw.supportsCharacter(cp)) << std::hex << cp;
    QImage g = glyph_image(cp, s);
    EXPECT_GT(n_inked(g), 20) << std::hex << cp;
    EXPECT_NE(g, box) << std::hex << cp;
  }
  // Different letters look different, so no one shape stands for them all.
  EXPECT_NE(glyph_image(0x03B1, s), glyph_image(0x03B2, s));
  EXPECT_NE(glyph_image(0x2264, s), glyph_image(0x2265, s));
}

TEST(Qt_Draw, TableWidthsAgreeWithTheFontsOwnMeasure) {
  Styl s = times_style(12);
  std::string t = internal_text(U"Sample text \u03B1\u2264\u03B2 with Greek");
  double table_px = text_width(t.data(), int32_t(t.size()), 0, s) * 96.0 / INCH;
  QFont roman(QString::fromStdString(s.fonts[0]->family.name));
  roman.setPixelSize(16);
  QFont symbol(QString::fromStdString(s.fonts[1]->family.name));
  symbol.setPixelSize(16);
  double qt_px = QFontMetricsF(roman).horizontalAdvance("Sample text ") +
                 QFontMetricsF(symbol).horizontalAdvance(QString::fromUtf16(u"\u03B1\u2264\u03B2")) +
                 QFontMetricsF(roman).horizontalAdvance(" with Greek");
  EXPECT_NEAR(table_px, qt_px, 1.0);
  EXPECT_GT(s.ascent, 0);
  EXPECT_LT(s.descent, 0);
}

TEST(Qt_Draw, AWidgetPaintsThroughTheCanvas) {
  struct Box_Widget : QWidget {
    void paintEvent(QPaintEvent*) override {
      qt_draw_on(*this, 0, [](Canvas& c) {
        canvas_set_colour(c, 0x0000FF);
        canvas_rectangle(c, {0, c.bounds.x1, c.bounds.y0, 0});
      });
    }
  };
  Box_Widget w;
  w.resize(40, 30);
  QImage img = w.grab().toImage();
  expect_pixels(img, {{20, 15, 0x0000FF}, {0, 0, 0x0000FF}});
}
