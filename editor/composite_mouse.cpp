// The mouse at a composite's level: the nearest part takes a press; drags
// across parts select whole parts.
#include <algorithm>

#include "editor/composite.h"

namespace {

bool double_click_q(const Mouse_Cmd& m) {
  return m.phase == MOUSE_PRESS && (m.mods & (DOUBLE_MOD | SHIFT_MOD)) == DOUBLE_MOD;
}

Mouse_Cmd shifted(const Mouse_Cmd& m, Point pt) { return Mouse_Cmd({m.pt.x - pt.x, m.pt.y - pt.y}, m.mods, m.phase); }

}  // namespace

int64_t rect_distance2(const Rect& r, Point p) {
  int64_t dx = std::max({int64_t(r.x0) - p.x, int64_t(0), int64_t(p.x) - r.x1});
  int64_t dy = std::max({int64_t(r.y0) - p.y, int64_t(0), int64_t(p.y) - r.y1});
  return dx * dx + dy * dy;
}

Rect sub_extent(const Sub_Elt& sub) { return rect_shift(sub.kind_p->bounds(*sub.kind_p, sub.e), sub.pt); }

int32_t comp_hit_part(const Composite_Kind& k, const void* e, Point p) {
  return nearest_sub(k.n_parts, [&](int32_t i) { return comp_part(k, e, i); }, p);
}

int32_t comp_mouse_query(const Composite_Kind& k, const void* e, const Sel& s, const Mouse_Cmd& m) {
  if (double_click_q(m) && comp_all_q(k, s)) return QUERY_PASSED;
  int32_t i = comp_hit_part(k, e, m.pt);
  Sub_Elt p = comp_part(k, e, i);
  Mouse_Cmd m1 = shifted(m, p.pt);
  Sel ps = inside_q(s) && s.gen_i == i ? sel_copy(*s.e_sel_mp) : p.kind_p->initial_sel(*p.kind_p, p.e);
  int32_t answer = p.kind_p->query(*p.kind_p, p.e, ps, m1);
  return answer == QUERY_PASSED && double_click_q(m) ? int32_t(IBEAM_CURSOR) : answer;
}

void comp_mouse(const Composite_Kind& k, void* e, Cmd_Args& args) {
  const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Sel& s = *args.sel_p;
  int32_t i = comp_hit_part(k, e, m.pt);
  Sub_Elt p = comp_part(k, e, i);
  Mouse_Cmd m1 = shifted(m, p.pt);
  bool here_q = inside_q(s) && s.gen_i == i;
  if (m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD)) {
    // A double click on a part that is already all selected widens to all parts.
    if (double_click_q(m) && here_q && p.kind_p->query(*p.kind_p, p.e, *s.e_sel_mp, m1) == QUERY_PASSED) {
      s = sel_of(0, k.n_parts);
      return;
    }
    if (!here_q) comp_select_part(k, e, s, i);
    move_in_sub(p, *s.e_sel_mp, m1, args);
    return;
  }
  if (here_q) {
    move_in_sub(p, *s.e_sel_mp, m1, args);
    return;
  }
  // Dragging out of the part where the press was selects whole parts.
  int32_t a = inside_q(s) ? s.gen_i : s.anchor_i < s.gen_i ? s.anchor_i : s.anchor_i - 1;
  s = i >= a ? comp_range(k, a, i + 1) : comp_range(k, a + 1, i);
}
