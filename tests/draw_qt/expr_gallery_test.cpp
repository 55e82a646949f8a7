// Expressions typed key by key as mathematics and drawn by Qt: every inked
// pixel lies inside the expression's bounds.
#include <gtest/gtest.h>

#include <string>

#include "draw/font.h"
#include "editor/Expr.h"
#include "gallery.h"

namespace {

bool open_q(uint32_t cp) { return cp == '(' || cp == '['; }
bool close_q(uint32_t cp) { return cp == ')' || cp == ']'; }
uint32_t partner(uint32_t cp) { return cp == '(' ? ')' : ']'; }
const Styl& style(const char*, int32_t, int32_t depth) { return gallery_style(depth); }
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
  for (const auto& [name, text] : GALLERY) {
    Expr e;
    expr_restyle(e, ENV, 0);
    Sel s;
    type_into(e, s, text);
    Rect b = expr_bounds(e);
    expect_drawn_inside(name, b, [&](Canvas& c, Point at) { expr_draw(e, c, at, rect_shift(b, at)); });
  }
}
