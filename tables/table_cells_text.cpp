// Typing over several cells of a row: each cell, entirely selected, is typed
// its own piece of the text (up to the next tab or carriage return outside
// brackets) and must take it whole; one separator is skipped before every
// cell after the first. Giving each cell only its piece keeps a cell that
// types in several passes (a sign, an operator, a bracket) from taking the
// text of the cells after it.
#include "core/code_point.h"
#include "tables/table_edit.h"

namespace {

constexpr char CR = 13;

bool separator_q(char c) { return c == ' ' || (9 <= c && c <= 12); }

Sel whole_cell_sel(const Gui_Kind& k, void* e) {
  Sel s = k.initial_sel(k, e);
  Cmd all(SELECT_ALL_CMD);
  if (k.query(k, e, s, all) > 0) perform_without_effects(k, e, s, all);
  return s;
}

}  // namespace

// A cell of several values holds its lines inside brackets.
int32_t cell_piece_end(const Byte_Str& text, int32_t i) {
  int32_t depth = 0;
  for (const char* p = text.first_p + i; p < text.write_p;) {
    const char* at = p;
    uint32_t cp = take_code_point(p, text.write_p);
    if (depth == 0 && (cp == '\t' || cp == CR)) return int32_t(at - text.first_p);
    if (cp == '(' || cp == '[' || cp == '{' || cp == 0x2329) ++depth;
    if ((cp == ')' || cp == ']' || cp == '}' || cp == 0x232A) && depth > 0) --depth;
  }
  return n_elts(text);
}

int32_t type_cells(const Small_Table& t, Table_Row& r, int32_t j0, int32_t j1, Text_Partial_Cmd& c, Cmd_Args* args_mp) {
  const Table_Env& env = t.kind_p->env;
  int32_t best = QUERY_PASSED;
  for (int32_t j = j0; j < j1; ++j) {
    if (j > j0 && c.n_consumed < n_elts(c.text) && separator_q(c.text[c.n_consumed])) ++c.n_consumed;
    int32_t end = cell_piece_end(c.text, c.n_consumed);
    Text_Partial_Cmd piece{Byte_Str(c.text.first_p + c.n_consumed, end - c.n_consumed)};
    const Gui_Kind& k = *env.col_kinds[size_t(j)].kind_p;
    void* e = r.row_eAvs[size_t(j)];
    Sel s = whole_cell_sel(k, e);
    if (args_mp) {
      Cmd_Args args(s, piece);
      k.perform(k, e, args);
      if (args.changed_q) r.changed_bits |= 1u << std::min(j, 31);
      if (nonempty_q(args.inval_bds0)) inval_add(*args_mp, rect_shift(args.inval_bds0, {t.xjs[size_t(j)], 0}));
      if (piece.n_consumed < n_elts(piece.text)) throw Str_Err("Illegal text string");
    } else {
      int32_t answer = k.query(k, e, s, piece);
      if (answer < 0 || piece.n_consumed < n_elts(piece.text)) return QUERY_REFUSED;
      best = std::max(best, answer);
    }
    c.n_consumed = end;
  }
  return best;
}
