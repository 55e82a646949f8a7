// The layout rules of infix operators: in a row, raised, lowered and stacked.
#include <algorithm>

#include "draw/math_layout.h"
#include "draw/units.h"

namespace {

int32_t width(const Rect& r) { return r.x1 - r.x0; }
int32_t height(const Rect& r) { return r.y1 - r.y0; }

// The union of the three parts where they are placed; the right end is the
// end of z, so a part cannot reach past it.
Rect infix_bounds(const Infix_Layout& l, const Rect& x, const Rect& z) {
  Rect b = rect_union(rect_union(rect_shift(x, l.pts[0]), rect_shift(l.op_bds, l.pts[1])), rect_shift(z, l.pts[2]));
  b.x1 = l.pts[2].x + z.x1;
  return b;
}

// x at the origin, the operator op_gap after it, z a part gap after that,
// all on the baseline.
Infix_Layout in_row(const Rect& x, const Rect& op, const Rect& z, int32_t op_gap) {
  Infix_Layout l;
  l.op_bds = op;
  l.pts[0] = {0, 0};
  l.pts[1] = {x.x1 + op_gap - op.x0, 0};
  l.pts[2] = {l.pts[1].x + op.x1 + PART_GAP - z.x0, 0};
  l.bds = infix_bounds(l, x, z);
  return l;
}

// The operator and the script part move together, keeping one baseline, by
// dy: the offset that puts their common extent's top (raised) or bottom
// (lowered) where the rule wants it.
Infix_Layout script_layout(const Rect& x, const Rect& op, const Rect& z, bool raise_q) {
  Infix_Layout l = in_row(x, op, z, 0);
  int32_t y0 = std::min(op.y0, z.y0), y1 = std::max(op.y1, z.y1), h = y1 - y0;
  int32_t dy;
  if (raise_q) {
    int32_t steps = int32_t(floor_div(x.y1, SCRIPT_STEP_HEIGHT)) + 2;
    dy = std::max(x.y1, steps * SCRIPT_STEP + h) - y1;
  } else {
    dy = std::min(x.y0, std::min(x.y1, SUBSCRIPT_CEILING) - h) - y0;
  }
  l.pts[1].y = dy;
  l.pts[2].y = dy;
  l.bds = infix_bounds(l, x, z);
  return l;
}

// x above z, both centred on a span of the wider one, at least the minimum;
// the bar's place between them, lower_y the origin of z and bar_y the bar's.
Infix_Layout stacked(const Rect& x, const Rect& z, int32_t lower_y, int32_t bar_y, int32_t upper_bottom) {
  int32_t w = std::max({width(x), width(z), STACK_MIN_WIDTH}), span = w + PART_GAP;
  Infix_Layout l;
  l.pts[0] = {-x.x0 + (span - width(x)) / 2, upper_bottom - x.y0};
  l.pts[1] = {BAR_HALF_THICKNESS, bar_y};
  l.pts[2] = {-z.x0 + (span - width(z)) / 2, lower_y};
  l.op_bds = {0, w, -BAR_HALF_THICKNESS, BAR_HALF_THICKNESS};
  l.bds = {0, span, lower_y + z.y0, l.pts[0].y + x.y1};
  return l;
}

}  // namespace

Rect styled_str_bounds(const char* text, int32_t n_bytes, const Styl& s) {
  return {0, text_width(text, n_bytes, s.style_bits, s), s.descent, s.ascent};
}

Infix_Layout horizontal_layout(const Rect& x, const Rect& op, const Rect& z) { return in_row(x, op, z, PART_GAP); }

Infix_Layout superscript_layout(const Rect& x, const Rect& op, const Rect& z) { return script_layout(x, op, z, true); }

Infix_Layout subscript_layout(const Rect& x, const Rect& op, const Rect& z) { return script_layout(x, op, z, false); }

// The bar sits between the operands with a part gap on either side.
Infix_Layout fraction_layout(const Rect& x, const Rect&, const Rect& z) {
  int32_t bar_y = FRACTION_BAR_Y, gap = PART_GAP + BAR_HALF_THICKNESS;
  return stacked(x, z, bar_y - gap - z.y1, bar_y, bar_y + gap);
}

// The lower line rests on the baseline and the upper one a line gap above.
Infix_Layout line_stack_layout(const Rect& x, const Rect&, const Rect& z) {
  int32_t bar_y = height(z) + PART_GAP;
  return stacked(x, z, -z.y0, bar_y, bar_y + PART_GAP);
}
