// Left and Right between the parts of an expression, and Ctrl to its ends:
// the few moves typing and deleting need. The composite layer's navigation
// takes over all arrow handling when it comes.
#include "editor/Expr.h"
#include "editor/expr_nav.h"
#include "editor/text_field.h"

namespace {

const Text_Opts BARE_OPTS = {nullptr, nullptr, nullptr, 1};

Sel sel_at_pos(const Expr& e, int32_t pos, bool end_q) {
  return pos % 2 ? sel_of(pos, pos) : sel_in(pos, edge_sel(expr_part(e, pos), end_q));
}

bool nav(const Expr& e, Sel& s, const Arrow_Cmd& a) {
  bool left_q = a.dir == Arrow_Cmd::LEFT;
  if (e.case_i == EXPR_STYLED_STR1) {
    Arrow_Cmd c(a.dir, a.mods & SHIFT_MOD);
    if (text_query(str_of(e).text, BARE_OPTS, s, c) <= 0) return false;
    Cmd_Args args(s, c);
    text_perform(str_of(e).text, BARE_OPTS, args);
    return true;
  }
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (j != k) {  // a range collapses to its near end
    s = left_q ? sel_at_pos(e, j, false) : sel_at_pos(e, k - 1, true);
    return true;
  }
  if (j % 2 == 0 && nav(expr_part(e, j), *s.e_sel_mp, a)) return true;
  int32_t pos = left_q ? j - 1 : j + 1;
  if (pos < 0 || pos > last_pos(e)) return false;
  s = sel_at_pos(e, pos, left_q);
  return true;
}

}  // namespace

bool expr_arrow(const Expr& e, Sel& s, const Arrow_Cmd& a) {
  if (a.dir != Arrow_Cmd::LEFT && a.dir != Arrow_Cmd::RIGHT) return false;
  if (a.mods & CTRL_MOD) {
    Sel edge = edge_sel(e, a.dir == Arrow_Cmd::RIGHT);
    bool moved_q = !sel_equal_q(edge, s);
    s = std::move(edge);
    return moved_q;
  }
  return nav(e, s, a);
}
