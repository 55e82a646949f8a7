// Arrows and Tab at the table's level. Inside a row every arrow goes first
// to the row (so Left, Right and Tab move between cells), except Up and Down
// with Ctrl. What a row declines moves between rows: Up and Down by one row
// from one row, Shift extending the range of rows (no further than the first
// or last row), Shift and Ctrl to the first or last row; Ctrl alone jumps to
// the first or last row as a column of parts does; Left, Right and Tab go on
// across row ends.
#include <algorithm>

#include "tables/table_edit.h"

namespace {

struct Arrow_Ctx {
  Small_Table& t;
  Sel& s;
  Cmd_Args* args_mp;  // null: only asking
};

bool row_takes_q(const Arrow_Ctx& x, const Arrow_Cmd& a) {
  if (!inside_q(x.s)) return false;
  Sub_Elt r = row_sub(x.t, x.s.gen_i);
  return r.kind_p->query(*r.kind_p, r.e, *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a)) > 0;
}

bool in_row(const Arrow_Ctx& x, const Arrow_Cmd& a) {
  if (x.args_mp) move_in_sub(row_sub(x.t, x.s.gen_i), *x.s.e_sel_mp, const_cast<Arrow_Cmd&>(a), *x.args_mp);
  return true;
}

// Into row i: at cell j's initial selection, or the row's own start or end.
bool go_row(const Arrow_Ctx& x, int32_t i, int32_t j, bool end_q) {
  if (i < 0 || i >= n_elts(x.t)) return false;
  if (!x.args_mp) return true;
  Sub_Elt r = row_sub(x.t, i);
  x.s = j >= 0 ? table_cell_sel(x.t, i, j) : table_row_sel(x.t, i);
  if (end_q) move_to_end(r, *x.s.e_sel_mp, *x.args_mp);
  return true;
}

bool go_sel(const Arrow_Ctx& x, Sel to) {
  if (!inside_q(x.s) && !inside_q(to) && x.s.anchor_i == to.anchor_i && x.s.gen_i == to.gen_i) return false;
  if (x.args_mp) x.s = std::move(to);
  return true;
}

// The column of the selection inside a row: its cell, or its first cell.
int32_t sel_col(const Sel& s) { return inside_q(*s.e_sel_mp) ? s.e_sel_mp->gen_i : range_j(*s.e_sel_mp); }

// Left, Right and Tab past a row's ends: to the neighbouring row, or from
// the last row to the point below the table.
bool across(const Arrow_Ctx& x, bool back_q) {
  int32_t n = n_elts(x.t);
  if (inside_q(x.s)) {
    int32_t i = x.s.gen_i;
    if (back_q) return go_row(x, i - 1, -1, true);
    return i + 1 < n ? go_row(x, i + 1, -1, false) : go_sel(x, sel_of(n, n));
  }
  if (x.s.anchor_i != x.s.gen_i) return back_q ? go_row(x, range_j(x.s), -1, false) : go_row(x, range_k(x.s) - 1, -1, true);
  return back_q ? go_row(x, x.s.gen_i - 1, -1, true) : go_row(x, x.s.gen_i, -1, false);
}

// The rows the selection covers, half open.
void row_span(const Sel& s, int32_t& lo, int32_t& hi) {
  lo = inside_q(s) ? s.gen_i : range_j(s);
  hi = inside_q(s) ? s.gen_i + 1 : range_k(s);
}

// At the first or last row there is nothing to add, and the key stops
// here, from a row or from the point above or below it: passed on, it
// would select the sections around the table.
bool extend(const Arrow_Ctx& x, bool back_q, bool ctrl_q) {
  int32_t lo, hi, n = n_elts(x.t);
  row_span(x.s, lo, hi);
  if (back_q) {
    int32_t to = ctrl_q ? 0 : lo - 1;
    return to >= 0 && to < lo ? go_sel(x, sel_of(hi, to)) : n > 0;
  }
  int32_t to = ctrl_q ? n : hi + 1;
  return to <= n && to > hi ? go_sel(x, sel_of(lo, to)) : n > 0;
}

// Up and Down from one row (or a point between rows) to the next one.
bool step(const Arrow_Ctx& x, bool back_q) {
  int32_t lo, hi;
  row_span(x.s, lo, hi);
  if (hi - lo > 1) return false;
  int32_t i = back_q ? lo - 1 : hi == lo ? lo : hi;
  if (i < 0 || i >= n_elts(x.t)) return false;
  if (inside_q(x.s)) return go_row(x, i, sel_col(x.s), false);
  return hi == lo ? go_row(x, i, -1, false) : go_sel(x, sel_of(i, i + 1));
}

// Ctrl+Up and Ctrl+Down: the first or last row, then the arrow inside it.
bool jump(const Arrow_Ctx& x, const Arrow_Cmd& a, bool back_q) {
  int32_t i = back_q ? 0 : n_elts(x.t) - 1;
  if (i < 0) return false;
  bool there_q = inside_q(x.s) && x.s.gen_i == i;
  if (there_q && !row_takes_q(x, a)) return false;
  if (!x.args_mp) return true;
  if (!there_q) go_row(x, i, -1, false);
  if (row_takes_q(x, a)) in_row(x, a);
  return true;
}

}  // namespace

bool table_arrow(Small_Table& t, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp) {
  Arrow_Ctx x{t, s, args_mp};
  int32_t d = a.dir;
  bool ctrl_q = a.mods & CTRL_MOD, shift_q = a.mods & SHIFT_MOD;
  bool vertical_q = d == Arrow_Cmd::UP || d == Arrow_Cmd::DOWN, back_q = d == Arrow_Cmd::LEFT || d == Arrow_Cmd::UP;
  if (!(vertical_q && ctrl_q) && row_takes_q(x, a)) return in_row(x, a);
  if (d == Arrow_Cmd::TAB) return across(x, shift_q);
  if (!vertical_q) return !(shift_q && !inside_q(s)) && !ctrl_q && across(x, back_q);
  if (shift_q) return extend(x, back_q, ctrl_q);
  if (ctrl_q) return jump(x, a, back_q);
  return step(x, back_q);
}
