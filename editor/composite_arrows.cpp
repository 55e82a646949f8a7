// Arrows and Tab at a composite's level. Each rule either moves the
// selection or declines, so that a query (no argument block) answers exactly
// what a perform would do.
#include <algorithm>

#include "editor/composite.h"

namespace {

struct Arrow_Ctx {
  const Composite_Kind& k;
  void* e;
  Sel& s;
  Cmd_Args* args_mp;  // null: only asking
};

// The next part from j in steps of dj whose rank is at least min_rank, or -1.
int32_t next_stop(const Composite_Kind& k, int32_t j, int32_t dj, int32_t min_rank) {
  for (int32_t i = j + dj; 0 <= i && i < k.n_parts; i += dj)
    if (k.parts_p[i].rank >= min_rank) return i;
  return -1;
}

bool part_takes_q(const Arrow_Ctx& x, const Arrow_Cmd& a) {
  if (!inside_q(x.s)) return false;
  Sub_Elt p = comp_part(x.k, x.e, x.s.gen_i);
  return p.kind_p->query(*p.kind_p, p.e, *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a)) > 0;
}

bool in_part(const Arrow_Ctx& x, const Arrow_Cmd& a) {
  if (x.args_mp) move_in_sub(comp_part(x.k, x.e, x.s.gen_i), *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a), *x.args_mp);
  return true;
}

// Part i at its initial selection, or at its end.
bool go_part(const Arrow_Ctx& x, int32_t i, bool end_q) {
  if (i < 0) return false;
  if (!x.args_mp) return true;
  comp_select_part(x.k, x.e, x.s, i);
  if (end_q) move_to_end(comp_part(x.k, x.e, i), *x.s.e_sel_mp, *x.args_mp);
  return true;
}

bool tab(const Arrow_Ctx& x, bool back_q) {
  bool in_q = inside_q(x.s);
  // From a part that is no stop, Tab visits its neighbour whatever its rank.
  int32_t min_rank = in_q ? x.k.parts_p[x.s.gen_i].rank > 0 : 1;
  if (back_q) return go_part(x, next_stop(x.k, in_q ? x.s.gen_i : range_j(x.s), -1, min_rank), true);
  return go_part(x, next_stop(x.k, in_q ? x.s.gen_i : range_k(x.s) - 1, 1, min_rank), false);
}

// Shift: from inside a part its whole part first, then one part further
// each time, or with Ctrl to the first or last part.
bool extend(const Arrow_Ctx& x, bool back_q, bool ctrl_q) {
  bool in_q = inside_q(x.s);
  int32_t lo = in_q ? x.s.gen_i : range_j(x.s), hi = in_q ? x.s.gen_i + 1 : range_k(x.s);
  if (!in_q || ctrl_q) {
    if (back_q) lo = ctrl_q ? 0 : std::max(0, lo - 1);
    else hi = ctrl_q ? x.k.n_parts : std::min(x.k.n_parts, hi + 1);
  }
  Sel r = comp_range(x.k, back_q ? hi : lo, back_q ? lo : hi);
  if (!in_q && range_j(r) == range_j(x.s) && range_k(r) == range_k(x.s)) return false;
  if (x.args_mp) x.s = std::move(r);
  return true;
}

// Without modifiers: to the neighbouring stop, or from a range to its ends.
bool step(const Arrow_Ctx& x, int32_t d) {
  bool in_q = inside_q(x.s);
  if (d == Arrow_Cmd::LEFT || d == Arrow_Cmd::UP) {
    if (!in_q) return go_part(x, range_j(x.s), false);
    return go_part(x, next_stop(x.k, x.s.gen_i, -1, 1), d == Arrow_Cmd::LEFT);
  }
  CHECK(d == Arrow_Cmd::RIGHT || d == Arrow_Cmd::DOWN);
  if (!in_q) return go_part(x, range_k(x.s) - 1, true);
  return go_part(x, next_stop(x.k, x.s.gen_i, 1, 1), false);
}

// Ctrl: to the first or last part, then the arrow inside it, so that a
// nested structure is crossed to its very start or end.
bool jump(const Arrow_Ctx& x, const Arrow_Cmd& a, bool back_q) {
  int32_t i = back_q ? 0 : x.k.n_parts - 1;
  bool there_q = inside_q(x.s) && x.s.gen_i == i;
  if (there_q && !part_takes_q(x, a)) return false;
  if (!x.args_mp) return true;
  if (!there_q) comp_select_part(x.k, x.e, x.s, i);
  if (part_takes_q(x, a)) in_part(x, a);
  return true;
}

}  // namespace

bool comp_arrow(const Composite_Kind& k, void* e, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp) {
  Arrow_Ctx x{k, e, s, args_mp};
  int32_t d = a.dir;
  bool ctrl_q = a.mods & CTRL_MOD, shift_q = a.mods & SHIFT_MOD, in_q = inside_q(s);
  bool column_q = k.access_p->column_q(k, e), across_q = d == Arrow_Cmd::LEFT || d == Arrow_Cmd::RIGHT;
  // Shift+Ctrl+Up or Down extends inside the part first (a table's rows to
  // its first or last row) and takes in whole parts only from its edge.
  bool first_q = !ctrl_q || (shift_q && !across_q && d != Arrow_Cmd::TAB);
  if (in_q && first_q && part_takes_q(x, a)) return in_part(x, a);
  if (d == Arrow_Cmd::TAB) return tab(x, shift_q);
  bool back_q = d == Arrow_Cmd::LEFT || d == Arrow_Cmd::UP;
  if (shift_q && !ctrl_q && across_q && in_q) {
    // A bare insertion point at the part's edge moves on instead of selecting.
    Arrow_Cmd plain(d, a.mods & ~SHIFT_MOD);
    if (!part_takes_q(x, plain)) shift_q = false;
  }
  if (shift_q) return (across_q || column_q || ctrl_q) && extend(x, back_q, ctrl_q);
  if (!ctrl_q) return (across_q || column_q) && step(x, d);
  if (column_q && across_q && in_q) return part_takes_q(x, a) && in_part(x, a);
  return jump(x, a, back_q);
}
