// Typing at the table's level. Text for one cell goes to the cell; text
// that holds tabs or line ends is rows: it replaces the selected rows (read
// one by one, as many as are selected, more only at the end of the table),
// or is inserted at a point between rows. Enter adds a row; deleting whole
// rows removes them. Line ends of other programs (CR LF, LF) are read as
// carriage returns.
#include <algorithm>

#include "core/code_point.h"
#include "editor/Expr.h"
#include "tables/table_edit.h"

namespace {

constexpr char CR = 13, LF = 10;

// The command's unconsumed text with its line ends made carriage returns,
// and for each of its bytes (and its end) the offset in the original. Taken
// by characters: the last byte of a longer character may be a tab's or a
// line end's.
struct Plain_Text {
  Text_Partial_Cmd c{Byte_Str()};
  std::vector<int32_t> orig_is;
  explicit Plain_Text(const Text_Partial_Cmd& from) {
    const Byte_Str& t = from.text;
    for (const char* p = t.first_p + from.n_consumed; p < t.write_p;) {
      const char* at = p;
      uint32_t cp = take_code_point(p, t.write_p);
      if (cp == uint32_t(CR) && p < t.write_p && *p == LF) continue;
      for (const char* q = at; q < p; ++q) orig_is.push_back(int32_t(q - t.first_p));
      if (cp == uint32_t(LF)) append(c.text, CR);
      else append(c.text, at, int32_t(p - at));
    }
    orig_is.push_back(n_elts(t));
  }
  int32_t consumed_in_orig() const { return orig_is[size_t(c.n_consumed)]; }
};

bool rest_is_q(const Text_Partial_Cmd& c, const char* text) {
  return equal_q(Byte_Str(c.text.first_p + c.n_consumed, n_elts(c.text) - c.n_consumed), text);
}

bool has_q(const Text_Partial_Cmd& c, char ch) {
  return find_code_point(c.text.first_p + c.n_consumed, n_elts(c.text) - c.n_consumed, uint8_t(ch)) >= 0;
}
// A carriage return inside the text's own brackets is a line of one cell.
bool rows_text_q(const Text_Partial_Cmd& c) {
  return has_q(c, '\t') || has_q(c, LF) || cell_piece_end(c.text, c.n_consumed) < n_elts(c.text);
}

enum Plan_N { IN_ROW, ENTER_ROW, DELETE_ROWS, READ_ROWS, PASSED };

struct Plan {
  Plan_N plan_n;
  int32_t j, k;       // the rows replaced
  int32_t n_fixed;    // how many rows are read whatever the text holds
  bool more_q;        // and more while text is left
};

Plan rows_plan(const Small_Table& t, int32_t j, int32_t k) { return {READ_ROWS, j, k, k - j, k == n_elts(t)}; }

// Whether the selection inside a row lies inside brackets of a cell's
// expression, where a carriage return starts a new line of the cell.
bool in_brackets_q(const Small_Table& t, const Sel& s) {
  const Sel& r = *s.e_sel_mp;
  if (!inside_q(r) || t.kind_p->env.col_kinds[size_t(r.gen_i)].kind_p->query != EXPR_OPS.query) return false;
  const Expr* e = static_cast<const Expr*>(table_cell(t, s.gen_i, r.gen_i));
  for (const Sel* p = r.e_sel_mp.get(); p && e->case_i != EXPR_STYLED_STR1; p = p->e_sel_mp.get()) {
    if (!inside_q(*p) || p->gen_i % 2) return false;
    if (e->case_i == EXPR_GROUPED && p->gen_i == 2) return true;
    e = &expr_part(*e, p->gen_i);
  }
  return false;
}

// What typing c over s does at this level. Inside a row, text with tabs or
// line ends is rows (a line end inside brackets excepted), any other text
// the row's.
Plan plan_of(const Small_Table& t, const Sel& s, const Text_Partial_Cmd& c) {
  if (inside_q(s)) {
    // Over a range of cells, tabs separate the cells' pieces.
    bool cells_q = !inside_q(*s.e_sel_mp) && !rest_is_q(c, "\r");
    if (cells_q || !rows_text_q(c) || (!has_q(c, '\t') && in_brackets_q(t, s))) return {IN_ROW, 0, 0, 0, false};
    if (rest_is_q(c, "\r")) return {ENTER_ROW, s.gen_i + 1, s.gen_i + 1, 0, false};
    return rows_plan(t, s.gen_i, s.gen_i + 1);
  }
  bool empty_q = c.n_consumed >= n_elts(c.text);
  if (s.anchor_i != s.gen_i) return empty_q ? Plan{DELETE_ROWS, range_j(s), range_k(s), 0, false} : rows_plan(t, range_j(s), range_k(s));
  if (empty_q) return {PASSED, 0, 0, 0, false};
  if (rest_is_q(c, "\r")) return {ENTER_ROW, s.gen_i, s.gen_i, 0, false};
  return {READ_ROWS, s.gen_i, s.gen_i, 0, true};
}

constexpr int32_t TABLE_ACCEPT_N = 1;

}  // namespace

int32_t table_typing_query(const Small_Table& t, const Sel& s, Text_Partial_Cmd& c) {
  if (t.can_edit01 == 0) return QUERY_REFUSED;
  Plan p = plan_of(t, s, c);
  switch (p.plan_n) {
    case IN_ROW: {
      Sub_Elt r = row_sub(t, s.gen_i);
      return r.kind_p->query(*r.kind_p, r.e, *s.e_sel_mp, c);
    }
    case PASSED: return QUERY_PASSED;
    case READ_ROWS: {
      Plain_Text plain(c);
      bool ok_q = rows_readable_q(t, plain.c, p.n_fixed, p.more_q, p.j);
      c.n_consumed = plain.consumed_in_orig();
      return ok_q ? TABLE_ACCEPT_N : QUERY_REFUSED;
    }
    default: c.n_consumed = n_elts(c.text); return TABLE_ACCEPT_N;
  }
}

void table_type(Small_Table& t, Cmd_Args& args) {
  CHECK(t.can_edit01 == 1);
  Sel& s = *args.sel_p;
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  Plan p = plan_of(t, s, c);
  switch (p.plan_n) {
    case IN_ROW: perform_in_row(t, s.gen_i, args); break;
    case ENTER_ROW:
      c.n_consumed = n_elts(c.text);
      table_insert_row(t, p.j, args);
      break;
    case DELETE_ROWS: {
      std::vector<Table_Row*> none;
      replace_rows(t, p.j, p.k, none, args);
      s = sel_of(p.j, p.j);
      break;
    }
    case READ_ROWS: {
      Plain_Text plain(c);
      Cmd* orig_p = args.cmd_p;
      args.cmd_p = &plain.c;
      try {
        read_and_replace(t, p.j, p.k, p.n_fixed, p.more_q, args);
      } catch (...) {
        args.cmd_p = orig_p;
        throw;
      }
      args.cmd_p = orig_p;
      c.n_consumed = plain.consumed_in_orig();
      s = sel_of(p.j, range_k(*args.undo.sel_mp));
      break;
    }
    case PASSED: break;
  }
}
