// Composed expressions laid out bottom up and drawn by Qt: every inked pixel
// must lie inside the bounds the layout gave; together they are one picture
// in each of the formats Qt writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <functional>
#include <string>

#include "core/err.h"
#include "draw/bracket.h"
#include "draw/button.h"
#include "draw/font.h"
#include "draw/math_layout.h"
#include "draw/qt/qt_targets.h"
#include "gallery.h"

namespace {

// A laid-out piece: its bounds and how to draw it at an origin.
struct Piece {
  Rect bds;
  std::function<void(Canvas&, Point)> draw;
};

Point plus(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

Piece str(const std::u32string& s, int32_t depth = 0) {
  std::string t = internal_text(s);
  const Styl& st = gallery_style(depth);
  return {styled_str_bounds(t.data(), int32_t(t.size()), st),
          [t, &st](Canvas& c, Point at) { canvas_draw_styled_str(c, at, t.data(), int32_t(t.size()), st); }};
}

const Piece NOTHING = {NO_BOUNDS, [](Canvas&, Point) {}};

Piece infix(Infix_Layout_Fn fn, const Piece& x, const Piece& op, const Piece& z) {
  Infix_Layout l = fn(x.bds, op.bds, z.bds);
  bool bar_q = fn == fraction_layout;
  return {l.bds, [l, x, op, z, bar_q](Canvas& c, Point at) {
            x.draw(c, plus(at, l.pts[0]));
            if (bar_q) canvas_draw_bar(c, plus(at, l.pts[1]), l.op_bds);
            else op.draw(c, plus(at, l.pts[1]));
            z.draw(c, plus(at, l.pts[2]));
          }};
}

Piece group(const Piece& prefix, uint32_t open, const Piece& inner, uint32_t close, bool shown_q = true) {
  Piece suffix = str(U"");
  int32_t h = delimiter_height(inner.bds, shown_q);
  Delimiter o = {open, h}, cl = {close, h};
  Group_Layout l = group_layout(prefix.bds, o, inner.bds, cl, suffix.bds);
  return {l.bds, [l, prefix, o, inner, cl, suffix](Canvas& c, Point at) {
            prefix.draw(c, plus(at, l.pts[0]));
            canvas_draw_delimiter(c, plus(at, l.pts[1]), o);
            inner.draw(c, plus(at, l.pts[2]));
            canvas_draw_delimiter(c, plus(at, l.pts[3]), cl);
            suffix.draw(c, plus(at, l.pts[4]));
          }};
}

Piece row(const Piece& x, const char32_t* op, const Piece& z, int32_t depth = 0) {
  return infix(horizontal_layout, x, str(op, depth), z);
}

Piece button_piece(const char* label) {
  Button b = make_button(label, int32_t(std::char_traits<char>::length(label)));
  Styl s = make_style(default_font(), ROMAN_CODING);
  return {button_bounds(b, s), [b, s](Canvas& c, Point at) { canvas_draw_button(c, at, b, s); }};
}

std::vector<std::pair<const char*, Piece>> gallery() {
  Piece none = str(U""), n_1 = row(str(U"n", 1), U"+", str(U"1", 1), 1), a = str(U"a");
  return {
      {"fraction_in_fraction", infix(fraction_layout, str(U"1"), NOTHING,
                                     row(str(U"1"), U"+", infix(fraction_layout, str(U"1"), NOTHING, str(U"x"))))},
      {"power_of_group", infix(superscript_layout, group(none, '(', row(a, U"+", str(U"b")), ')'), NOTHING,
                               group(none, '(', n_1, ')', false))},
      {"subscripts", row(infix(subscript_layout, a, NOTHING, str(U"1", 1)), U"+",
                         infix(subscript_layout, a, NOTHING, row(str(U"n", 1), U"\u2212", str(U"1", 1), 1)))},
      {"line_stack", infix(line_stack_layout, row(row(str(U"x"), U"+", str(U"y")), U"=", str(U"1")), NOTHING,
                           row(row(str(U"2x"), U"\u2212", str(U"y")), U"=", str(U"30")))},
      {"greek_and_bars", row(group(none, 0xF8EF, row(str(U"\u03B1"), U"\u2212", str(U"\u03B2")), 0xF8FA), U"\u2264",
                             group(str(U"sin"), '(', infix(fraction_layout, str(U"\u03C0"), NOTHING, str(U"2")), ')'))},
      {"button_save", button_piece("&Save")},
  };
}

}  // namespace

TEST(Math_Gallery, EveryPieceDrawsInsideItsBounds) {
  for (const auto& [name, piece] : gallery()) expect_drawn_inside(name, piece.bds, piece.draw);
}

// The pieces one under another on a 6 by 4 inch picture, as PNG, PDF and SVG.
TEST(Math_Gallery, TheGalleryAsPngPdfAndSvg) {
  constexpr int32_t INCH = 18432, WIDTH = 6 * INCH, HEIGHT = 4 * INCH;
  const auto pieces = gallery();
  auto draw_all = [&](Canvas& c) {
    Point at = {INCH / 4, -INCH / 4};
    for (const auto& [name, piece] : pieces) {
      piece.draw(c, {at.x - piece.bds.x0, at.y - piece.bds.y1});
      at.y -= piece.bds.y1 - piece.bds.y0 + INCH / 16;
    }
  };
  const std::string dir = VEZA_BUILD_DIR;
  QImage img = qt_draw_image(6 * 96, 4 * 96, 96, draw_all);
  qt_save_png(img, dir + "/draw_gallery.png");
  EXPECT_GT(QFile(QString::fromStdString(dir + "/draw_gallery.png")).size(), 1000);
  EXPECT_GT(n_inked(img), 2500);
  EXPECT_THROW(qt_save_png(img, "/nonexistent-folder/x.png"), OS_Err);

  qt_write_pdf(dir + "/draw_gallery.pdf", WIDTH, HEIGHT, 600, draw_all);
  QFile pdf(QString::fromStdString(dir + "/draw_gallery.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  QByteArray pdf_bytes = pdf.readAll();
  EXPECT_TRUE(pdf_bytes.startsWith("%PDF-"));
  EXPECT_GT(pdf_bytes.size(), 2000);

  QByteArray svg = qt_svg_picture(WIDTH, HEIGHT, 96, draw_all);
  EXPECT_TRUE(svg.contains("<path"));
  EXPECT_TRUE(svg.contains("width=\"152.4mm\" height=\"101.6mm\""));
  // Drawn back, the picture covers about as much as the image of it did.
  QImage back(img.size(), QImage::Format_RGB32);
  back.fill(Qt::white);
  {
    QPainter p(&back);
    QSvgRenderer(svg).render(&p);
  }
  EXPECT_NEAR(n_inked(back), n_inked(img), n_inked(img) / 4);
}
