// Arrows and Tab in element lists, on the scale of doubled positions.
#include <algorithm>

#include "editor/elt_list.h"

namespace {

struct List_Ctx {
  const Elt_List_Kind& k;
  Elt_List& t;
  Sel& s;
  Cmd_Args* args_mp;  // null: only asking
};

Sub_Elt cur_elt(const List_Ctx& x) { return {x.k.elt_kind_p, x.t.elts[size_t(x.s.gen_i)], x.t.pts[size_t(x.s.gen_i)]}; }

bool elt_takes_q(const List_Ctx& x, const Arrow_Cmd& a) {
  if (!inside_q(x.s)) return false;
  Sub_Elt p = cur_elt(x);
  return p.kind_p->query(*p.kind_p, p.e, *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a)) > 0;
}

bool in_elt(const List_Ctx& x, const Arrow_Cmd& a) {
  if (x.args_mp) move_in_sub(cur_elt(x), *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a), *x.args_mp);
  return true;
}

// Into element i, at its start or its end.
bool enter(const List_Ctx& x, int32_t i, bool end_q) {
  if (!x.args_mp) return true;
  list_select_pos(x.k, x.t, x.s, 2 * i + 1);
  if (end_q) move_to_end(cur_elt(x), *x.s.e_sel_mp, *x.args_mp);
  return true;
}

// The range from anchor to gen, or the point between elements they meet at.
bool select(const List_Ctx& x, int32_t anchor, int32_t gen) {
  if (!inside_q(x.s) && x.s.anchor_i == anchor && x.s.gen_i == gen) return false;
  if (x.args_mp) {
    x.s.e_sel_mp.reset();
    x.s.anchor_i = anchor;
    x.s.gen_i = gen;
  }
  return true;
}

}  // namespace

bool list_arrow(const Elt_List_Kind& k, Elt_List& t, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp) {
  List_Ctx x{k, t, s, args_mp};
  int32_t d = a.dir, n = n_elts(t);
  bool ctrl_q = a.mods & CTRL_MOD, shift_q = a.mods & SHIFT_MOD, in_q = inside_q(s);
  bool column_q = k.layout.layout_n == COLUMN_LAYOUT, across_q = d == Arrow_Cmd::LEFT || d == Arrow_Cmd::RIGHT;
  if (in_q && !ctrl_q && elt_takes_q(x, a)) return in_elt(x, a);
  // At the element's edge a Shift step moves out of it instead of selecting
  // it, so that Backspace and Delete there reach the point between elements.
  if (shift_q && !ctrl_q && across_q && in_q && !elt_takes_q(x, Arrow_Cmd(d, a.mods & ~SHIFT_MOD))) shift_q = false;
  if ((column_q && ctrl_q && across_q) || (!column_q && !ctrl_q && !across_q && d != Arrow_Cmd::TAB))
    return elt_takes_q(x, a) && in_elt(x, a);
  int32_t start = list_start2(s), end = list_end2(s);
  if (d == Arrow_Cmd::TAB) {
    // Tab leaves the element, to the neighbouring one.
    start = end = shift_q ? start & ~1 : (end + 1) & ~1;
    d = shift_q ? Arrow_Cmd::LEFT : Arrow_Cmd::RIGHT;
    shift_q = ctrl_q = in_q = false;
  }
  if (d == Arrow_Cmd::UP) d = Arrow_Cmd::LEFT;
  if (d == Arrow_Cmd::DOWN) d = Arrow_Cmd::RIGHT;
  if (!shift_q && !ctrl_q && !in_q) {
    if (start != end) return d == Arrow_Cmd::LEFT ? select(x, start / 2, start / 2) : select(x, end / 2, end / 2);
    if (d == Arrow_Cmd::LEFT) return start > 0 && enter(x, start / 2 - 1, true);
    return start / 2 < n && enter(x, start / 2, false);
  }
  CHECK(d == Arrow_Cmd::LEFT || d == Arrow_Cmd::RIGHT);
  if (d == Arrow_Cmd::LEFT) {
    int32_t to = ctrl_q ? 0 : std::max(0, (start - 1) / 2);
    return shift_q ? select(x, (end + 1) / 2, to) : select(x, to, to);
  }
  int32_t to = ctrl_q ? n : std::min(n, (end + 2) / 2);
  return shift_q ? select(x, start / 2, to) : select(x, to, to);
}
