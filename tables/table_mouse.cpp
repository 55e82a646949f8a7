// The mouse on a table: a press goes into the row under it (the header
// counts as the first row), a press below the last row puts the point there,
// and dragging across rows selects whole rows.
#include <algorithm>

#include "tables/table_edit.h"

namespace {

// The row whose band holds y, n for below the table.
int32_t hit_row(const Small_Table& t, int32_t y) {
  int32_t n = n_elts(t);
  if (n == 0 || y < t.y_bdys.back()) return n;
  // The lines fall as rows go down: the first row whose lower line is at or below y.
  auto it = std::lower_bound(t.y_bdys.begin() + 2, t.y_bdys.end(), y, [](int32_t b, int32_t v) { return b > v; });
  return std::min(int32_t(it - (t.y_bdys.begin() + 2)), n - 1);
}

}  // namespace

void table_mouse(Small_Table& t, Cmd_Args& args) {
  const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Sel& s = *args.sel_p;
  int32_t n = n_elts(t), i = hit_row(t, m.pt.y);
  bool press_q = m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD);
  // The row a drag started on, or n from the point below the table.
  int32_t a = inside_q(s) ? s.gen_i : s.anchor_i <= s.gen_i ? s.anchor_i : s.anchor_i - 1;
  if (i == n) {
    // A click below the table leaves the point there, for Enter to add a row.
    if (press_q) s = sel_of(n, n);
    else if (n > 0) s = sel_of(a, n);
    return;
  }
  Sub_Elt r = row_sub(t, i);
  Mouse_Cmd m1({m.pt.x - r.pt.x, m.pt.y - r.pt.y}, m.mods, m.phase);
  bool here_q = inside_q(s) && s.gen_i == i;
  // A double click on a row that is all selected selects the whole row.
  if (press_q && (m.mods & DOUBLE_MOD) && here_q && r.kind_p->query(*r.kind_p, r.e, *s.e_sel_mp, m1) == QUERY_PASSED) {
    s = sel_of(i, i + 1);
    return;
  }
  if (press_q && !here_q) s = table_row_sel(t, i);
  if (press_q || here_q) {
    move_in_sub(r, *s.e_sel_mp, m1, args);
    return;
  }
  a = std::min(a, n - 1);
  s = i >= a ? sel_of(a, i + 1) : sel_of(a + 1, i);
}
