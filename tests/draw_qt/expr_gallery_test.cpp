// Expressions typed key by key as mathematics and drawn by Qt: every inked
// pixel lies inside the expression's bounds. With VEZA_GALLERY_DIR set, the
// pictures are written there as PNG files to be looked at.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "core/code_point.h"
#include "draw/font.h"
#include "draw/qt/qt_targets.h"
#include "draw/units.h"
#include "editor/Expr.h"
#include "test_picture.h"

namespace {

bool open_q(uint32_t cp) { return cp == '(' || cp == '['; }
bool close_q(uint32_t cp) { return cp == ')' || cp == ']'; }
uint32_t partner(uint32_t cp) { return cp == '(' ? ')' : ']'; }
const Styl& style(const char*, int32_t, int32_t depth) {
  static const Styl base = make_style(make_font(font_family_resolve("Times", SERIF_KIND), 16), ROMAN_CODING);
  static const Styl script = make_style(make_font(font_family_resolve("Times", SERIF_KIND), 11), ROMAN_CODING);
  return depth == 0 ? base : script;
}
const void* format_info(const Format& f, int32_t) { return &f; }
const Expr_Env ENV = {std_op_lookup, open_q, close_q, partner, nullptr, style, format_info, 0, false};

// Types text (UTF-32, Enter as \r) character by character into an empty expression.
void type_into(Expr& e, Sel& s, const std::u32string& text) {
  for (char32_t ch : text) {
    Text_Partial_Cmd c{Byte_Str(internal_text(std::u32string(1, ch)).c_str())};
    Cmd_Args args(s, c);
    expr_type(e, ENV, args);
  }
}

constexpr int32_t DPI = 600, MARGIN = 16;

const std::pair<const char*, std::u32string> GALLERY[] = {
    {"typed_fraction_in_fraction", U"1/(1+1/x)"},
    {"typed_power_of_group", U"(a+b)^(n+1)"},
    {"typed_subscripts", U"a\u21931)+a\u2193(n-1)"},
    {"typed_roots", U"\u221Ax+1)+3\u221A(y+1)"},
    {"typed_greek_and_brackets", U"[\u03B1-\u03B2]\u2264sin(\u03C0/2)"},
    {"typed_constraints", U"x+y=1\r2*x-y=30\ry\u21931)=(x^2+1)/(x-1)\rz=12.5*\u221Ay)-3.25"},
};

}  // namespace

TEST(Expr_Gallery, TypedExpressionsDrawInsideTheirBounds) {
  const char* dir_mp = std::getenv("VEZA_GALLERY_DIR");
  for (const auto& [name, text] : GALLERY) {
    Expr e;
    expr_restyle(e, ENV, 0);
    Sel s;
    type_into(e, s, text);
    Rect b = expr_bounds(e);
    int32_t px = UNITS_PER_INCH / DPI;
    Point origin = {MARGIN * px - b.x0, -MARGIN * px - b.y1};
    int32_t w = (b.x1 - b.x0) / px + 2 * MARGIN, h = (b.y1 - b.y0) / px + 2 * MARGIN;
    QImage img = qt_draw_image(w, h, DPI, [&](Canvas& c) { expr_draw(e, c, origin, rect_shift(b, origin)); });
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
    if (dir_mp) qt_save_png(img, std::string(dir_mp) + "/" + name + ".png");
  }
}
