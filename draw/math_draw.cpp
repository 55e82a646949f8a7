// Drawing the pieces of laid-out expressions: styled strings, bars and
// stretched delimiters, each at its point.
#include "core/code_point.h"
#include "draw/bracket.h"
#include "draw/canvas_text.h"
#include "draw/math_layout.h"

int32_t str_align_x(const char* text, int32_t n_bytes, const Styl& s) {
  int32_t i = find_code_point(text, n_bytes, '.');
  if (i < 0) return text_width(text, n_bytes, s.style_bits, s) / 2;
  return text_width(text, i, s.style_bits, s) + text_width(".", 1, s.style_bits, s) / 2;
}

void canvas_draw_styled_str(Canvas& c, Point at, const char* text, int32_t n_bytes, const Styl& s) {
  canvas_move_to(c, at);
  canvas_draw_text(c, text, n_bytes, s.style_bits, -1, s);
}

bool bar_drawn_q(const char* op_text, int32_t n_bytes) {
  return !(n_bytes == 1 && (op_text[0] == ' ' || (op_text[0] >= 9 && op_text[0] <= 13)));
}

// Half a point: the weight of a rule between operands, well inside the
// bar's 192 units; a device raises it to one pixel.
void canvas_draw_bar(Canvas& c, Point at, const Rect& bar_bds) {
  canvas_set_pen_width(c, DEFAULT_PEN_WIDTH);
  canvas_move_to(c, {at.x + bar_bds.x0, at.y});
  canvas_line_to(c, {at.x + bar_bds.x1, at.y});
}

void canvas_draw_delimiter(Canvas& c, Point at, Delimiter d) {
  if (d.height != 0) canvas_draw_bracket(c, d.cp, rect_shift(bracket_bounds(d.cp, d.height), at));
}
