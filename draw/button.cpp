#include "draw/button.h"

#include "core/code_point.h"
#include "draw/canvas_font.h"
#include "draw/canvas_text.h"
#include "draw/geom.h"

Button make_button(const char* label, int32_t n_bytes) {
  Byte_Str s1(label, n_bytes);
  Button b{Byte_Str(), find_code_point(label, n_bytes, '&')};
  if (b.access_i >= 0) erase(s1, b.access_i, b.access_i + 1);
  CHECK(underline_i(b) < n_elts(s1));
  b.text = s1;
  return b;
}

Rect button_bounds(const Button& b, const Styl& s) {
  int32_t w = text_width(b.text.first_p, n_elts(b.text), s.style_bits, s);
  return {0, w + 2 * BUTTON_SIDE, s.descent - BUTTON_ABOVE, s.ascent + BUTTON_ABOVE};
}

// Before, at and after the access character, the middle piece underlined.
void canvas_draw_button(Canvas& c, Point at, const Button& b, const Styl& s) {
  int32_t old_colour = c.colour;
  canvas_set_colour(c, n_elts(b.text) == 0 ? EMPTY_LABEL_COLOUR : 0);
  canvas_round_rect(c, rect_shift(button_bounds(b, s), at), BUTTON_RADIUS);
  canvas_move_to(c, {at.x + BUTTON_SIDE, at.y});
  const char* text = b.text.first_p;
  int32_t n = n_elts(b.text), access_i = underline_i(b);
  if (access_i < 0) {
    canvas_draw_text(c, text, n, s.style_bits, -1, s);
  } else {
    const char* end_p = text + access_i;
    skip_code_point(end_p, text + n);
    int32_t end_i = int32_t(end_p - text);
    canvas_draw_text(c, text, access_i, s.style_bits, -1, s);
    canvas_draw_text(c, text + access_i, end_i - access_i, s.style_bits | UNDERLINE_BIT, -1, s);
    canvas_draw_text(c, text + end_i, n - end_i, s.style_bits, -1, s);
  }
  canvas_set_colour(c, old_colour);
}
