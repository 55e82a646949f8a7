#include <algorithm>

#include "draw/canvas_text.h"
#include "editor/Expr.h"
#include "editor/text_field.h"

namespace {

Infix_Layout_Fn layout_fn(const Infix_Node& n) {
  switch (n.op_p->format_p->layout_i) {
    case SUPERSCRIPT_LAYOUT: return superscript_layout;
    case SUBSCRIPT_LAYOUT: return subscript_layout;
    case STACKED_LAYOUT: return n.info_mp ? fraction_layout : line_stack_layout;
    default: return horizontal_layout;
  }
}

Delimiter delimiter_of(const Group_Node& g, const Delim& d) {
  return {d.cp, delimiter_height(expr_bounds(g.inner), d.shown_q)};
}

bool overlap_q(const Rect& a, const Rect& b) { return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1; }

int64_t distance(const Rect& r, Point p) {
  int64_t dx = p.x < r.x0 ? r.x0 - p.x : p.x > r.x1 ? p.x - r.x1 : 0;
  int64_t dy = p.y < r.y0 ? r.y0 - p.y : p.y > r.y1 ? p.y - r.y1 : 0;
  return dx * dx + dy * dy;
}

const Styl* str_style_mp_;  // the text workers ask for a style without context

}  // namespace

Text_Opts str_text_opts(const Str_Node& s, bool (*valid_q)(const char*, int32_t)) {
  str_style_mp_ = s.style_p;
  return {valid_q, []() -> const Styl& { return *str_style_mp_; }, nullptr, 1};
}

Rect part_area(const Expr& e, int32_t pos) {
  if (e.case_i == EXPR_INFIX) {
    const Infix_Node& n = infix_of(e);
    return rect_shift(pos == 1 ? n.op_bds : expr_bounds(expr_part(e, pos)), n.pts[pos]);
  }
  const Group_Node& g = group_of(e);
  const Rect& r = pos == 1 ? g.open_bds : pos == 3 ? g.close_bds : expr_bounds(expr_part(e, pos));
  return rect_shift(r, g.pts[pos]);
}

Point part_pt(const Expr& e, int32_t pos) { return e.case_i == EXPR_INFIX ? infix_of(e).pts[pos] : group_of(e).pts[pos]; }

Rect expr_bounds(const Expr& e) {
  if (e.case_i == EXPR_INFIX) return infix_of(e).bds;
  if (e.case_i == EXPR_GROUPED) return group_of(e).bds;
  Str_Node& s = str_of(e);
  if (s.width < 0) s.width = text_width(s.text.first_p, n_elts(s.text), s.style_p->style_bits, *s.style_p);
  return {0, s.width, s.style_p->descent, s.style_p->ascent};
}

void expr_layout_node(Expr& e) {
  if (e.case_i == EXPR_STYLED_STR1) {
    str_of(e).width = -1;
  } else if (e.case_i == EXPR_INFIX) {
    Infix_Node& n = infix_of(e);
    Infix_Layout l = layout_fn(n)(expr_bounds(n.x), n.info_mp ? n.op_text_bds : NO_BOUNDS, expr_bounds(n.z));
    n.bds = l.bds;
    std::copy(l.pts, l.pts + 3, n.pts);
    n.op_bds = l.op_bds;
  } else {
    Group_Node& g = group_of(e);
    Group_Layout l = group_layout(expr_bounds(g.prefix), delimiter_of(g, g.open), expr_bounds(g.inner),
                                  delimiter_of(g, g.close), expr_bounds(g.suffix));
    g.bds = l.bds;
    std::copy(l.pts, l.pts + 5, g.pts);
    g.open_bds = l.open_bds;
    g.close_bds = l.close_bds;
  }
}

int32_t expr_align_x(const Expr& e) {
  if (e.case_i == EXPR_STYLED_STR1) {
    const Str_Node& s = str_of(e);
    return str_align_x(s.text.first_p, n_elts(s.text), *s.style_p);
  }
  if (e.case_i == EXPR_INFIX) {
    // A signed number lines up with the number.
    const Infix_Node& n = infix_of(e);
    if (expr_empty_q(n.x) && (equal_q(n.op_p->text, "-") || equal_q(n.op_p->text, "+"))) return n.pts[2].x + expr_align_x(n.z);
  }
  return centre_align_x(expr_bounds(e));
}

void expr_draw(const Expr& e, Canvas& c, Point origin, const Rect& area) {
  if (e.case_i == EXPR_STYLED_STR1) {
    const Str_Node& s = str_of(e);
    canvas_draw_styled_str(c, origin, s.text.first_p, n_elts(s.text), *s.style_p);
    return;
  }
  // Parts outside the area to redraw are not drawn at all.
  for (int32_t pos = 0; pos <= last_pos(e); pos += 2) {
    Point p = part_pt(e, pos);
    if (overlap_q(rect_shift(part_area(e, pos), origin), area))
      expr_draw(expr_part(e, pos), c, {origin.x + p.x, origin.y + p.y}, area);
  }
  if (e.case_i == EXPR_INFIX) {
    const Infix_Node& n = infix_of(e);
    Point at = {origin.x + n.pts[1].x, origin.y + n.pts[1].y};
    const Byte_Str& t = n.op_p->text;
    if (!n.info_mp) return;
    if (n.op_p->format_p->layout_i != STACKED_LAYOUT) canvas_draw_styled_str(c, at, t.first_p, n_elts(t), *n.op_style_p);
    else if (bar_drawn_q(t.first_p, n_elts(t))) canvas_draw_bar(c, at, n.op_bds);
    return;
  }
  const Group_Node& g = group_of(e);
  canvas_draw_delimiter(c, {origin.x + g.pts[1].x, origin.y + g.pts[1].y}, delimiter_of(g, g.open));
  canvas_draw_delimiter(c, {origin.x + g.pts[3].x, origin.y + g.pts[3].y}, delimiter_of(g, g.close));
}

Rect expr_sel_bounds(const Expr& e, const Sel& s) {
  if (e.case_i == EXPR_STYLED_STR1) {
    const Str_Node& n = str_of(e);
    return text_sel_bounds(n.text, str_text_opts(n, nullptr), s);
  }
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (j == k && j % 2 == 0) return rect_shift(expr_sel_bounds(expr_part(e, j), *s.e_sel_mp), part_pt(e, j));
  Rect r = EMPTY_RECT;
  for (int32_t pos = j; pos < std::max(k, j + 1); ++pos) r = rect_union(r, part_area(e, pos));
  if (rect_empty_q(r)) {  // an invisible operator or a hidden delimiter: a caret where it stands
    Point p = part_pt(e, j);
    Rect b = expr_bounds(e);
    r = {p.x - CARET_HALF_WIDTH, p.x + CARET_HALF_WIDTH, b.y0, b.y1};
  }
  return r;
}

Sel expr_hit(const Expr& e, Point p, bool word_q) {
  if (e.case_i == EXPR_STYLED_STR1) {
    const Str_Node& n = str_of(e);
    if (word_q) return entire_sel(e);
    int32_t i = text_hit_i(n.text, str_text_opts(n, nullptr), p.x);
    return sel_of(i, i);
  }
  int32_t best = 0;
  int64_t best_d = INT64_MAX;
  for (int32_t pos = 0; pos <= last_pos(e); pos += 2) {
    int64_t d = distance(part_area(e, pos), p);
    if (d < best_d) best = pos, best_d = d;
  }
  Point at = part_pt(e, best);
  return sel_in(best, expr_hit(expr_part(e, best), {p.x - at.x, p.y - at.y}, word_q));
}
