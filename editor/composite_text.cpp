// The text of a range of parts, and typing over it: a tab-separated text
// fills the parts of the range in order.
#include <algorithm>

#include "editor/composite.h"

namespace {

// A space or a control character from 9 to 13; a carriage return only
// between the parts of a column.
bool separator_q(char c, bool column_q) { return c == ' ' || (9 <= c && c <= 13 && (c != 13 || column_q)); }

void skip_separator(const Composite_Kind& k, const void* e, Text_Partial_Cmd& c) {
  if (c.n_consumed < n_elts(c.text) && separator_q(c.text[c.n_consumed], k.access_p->column_q(k, e))) ++c.n_consumed;
}

// The part's selection with everything in it selected.
Sel whole_sel(const Sub_Elt& p) {
  Sel s = p.kind_p->initial_sel(*p.kind_p, p.e);
  Cmd all(SELECT_ALL_CMD);
  if (p.kind_p->query(*p.kind_p, p.e, s, all) > 0) perform_without_effects(*p.kind_p, p.e, s, all);
  return s;
}

}  // namespace

Byte_Str comp_range_text(const Composite_Kind& k, const void* e, int32_t j, int32_t k_end) {
  Byte_Str text;
  for (int32_t i = j; i < k_end; ++i) {
    if (i > j) append(text, '\t');
    Sub_Elt p = comp_part(k, e, i);
    append(text, elt_text(*p.kind_p, p.e));
  }
  return text;
}

int32_t comp_range_typing_query(const Composite_Kind& k, const void* e, const Sel& s, Text_Partial_Cmd& c) {
  int32_t best = QUERY_PASSED;
  for (int32_t i = range_j(s); i < range_k(s); ++i) {
    if (i > range_j(s)) skip_separator(k, e, c);
    Sub_Elt p = comp_part(k, e, i);
    int32_t answer = p.kind_p->query(*p.kind_p, p.e, whole_sel(p), c);
    if (answer < 0) return QUERY_REFUSED;
    best = std::max(best, answer);
  }
  return c.n_consumed < n_elts(c.text) ? QUERY_REFUSED : best;
}

void comp_range_type(const Composite_Kind& k, void* e, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  int32_t j = range_j(s), k_end = range_k(s);
  Rect old = k.kind.bounds(k.kind, e);
  if (c.n_consumed == 0) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_copy(s));
    args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(comp_range_text(k, e, j, k_end));
  }
  // The insertion point ends in the last part that took characters.
  Sel caret;
  for (int32_t i = j; i < k_end; ++i) {
    if (i > j) skip_separator(k, e, c);
    Sub_Elt p = comp_part(k, e, i);
    Sel ps = whole_sel(p);
    int32_t n_before = c.n_consumed;
    Cmd_Args args1(ps, c);
    p.kind_p->perform(*p.kind_p, p.e, args1);
    CHECK(! res_cmd_mp(args1));
    if (nonempty_q(args1.inval_bds0)) inval_add(args, rect_shift(args1.inval_bds0, p.pt));
    if (args1.changed_q) {
      k.access_p->mark_changed(k, e, i);
      args.changed_q = true;
    }
    if (i == j || c.n_consumed > n_before) {
      caret = sel_of(i, i);
      caret.e_sel_mp = std::make_unique<Sel>(std::move(ps));
    }
  }
  k.access_p->relayout(k, e);
  inval_add(args, old);
  inval_add(args, k.kind.bounds(k.kind, e));
  s = std::move(caret);
}
