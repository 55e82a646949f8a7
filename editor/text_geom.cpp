#include <algorithm>

#include "draw/canvas_text.h"
#include "draw/colour.h"
#include "editor/text_chars.h"
#include "editor/text_field.h"

namespace {

int32_t width_to(const Byte_Str& t, const Styl& s, int32_t i) { return text_width(t.first_p, i, s.style_bits, s); }

}  // namespace

int32_t text_x(const Byte_Str& t, const Text_Opts& o, int32_t i) {
  const Styl& s = o.style();
  int32_t x = width_to(t, s, i);
  if (!o.align_i) return x;
  int32_t a = o.align_i(t.first_p, n_elts(t));
  CHECK(0 <= a && a <= n_elts(t));
  return x - width_to(t, s, a);
}

Rect text_extent(const Byte_Str& t, const Text_Opts& o, int32_t i) {
  const Styl& s = o.style();
  return {text_x(t, o, i), text_x(t, o, n_elts(t)), s.descent, s.ascent};
}

int32_t text_hit_i(const Byte_Str& t, const Text_Opts& o, int32_t x) {
  // Boundaries lie left to right: the nearest is the first one at or past x
  // or the one before it, which wins a tie.
  int32_t prev_i = 0, prev_x = 0;
  for (int32_t i = 0;; i = char_after_i(t, i)) {
    int32_t x_i = text_x(t, o, i);
    if (x_i >= x) return i > 0 && int64_t(x) - prev_x <= int64_t(x_i) - x ? prev_i : i;
    if (i == n_elts(t)) return i;
    prev_i = i;
    prev_x = x_i;
  }
}

Rect text_sel_bounds(const Byte_Str& t, const Text_Opts& o, const Sel& s) {
  const Styl& st = o.style();
  int32_t x_a = text_x(t, o, s.anchor_i), x_g = text_x(t, o, s.gen_i);
  if (x_a == x_g) return {x_a - CARET_HALF_WIDTH, x_a + CARET_HALF_WIDTH, st.descent, st.ascent};
  return {std::min(x_a, x_g), std::max(x_a, x_g), st.descent, st.ascent};
}

void text_draw(const Byte_Str& t, const Text_Opts& o, Canvas& c, Point origin) {
  canvas_move_to(c, {origin.x + text_x(t, o, 0), origin.y});
  canvas_draw_text(c, t.first_p, n_elts(t), o.style().style_bits, NO_COLOUR, o.style());
}
