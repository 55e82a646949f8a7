// Making, reading and replacing rows. Every change to the rows themselves
// (Enter, Delete, a paste) is one replacement of a range of rows, so its
// undo record is a replacement too: Rows_Cmd holding the old rows.
#include <algorithm>

#include "tables/table_edit.h"

namespace {

constexpr char CR = 13;

void rows_release(const Small_Table& t, std::vector<Table_Row*>& rows) {
  const Gui_Kind& rk = t.kind_p->env.row_kind.kind;
  for (Table_Row* r : rows) rk.release(rk, r);
  rows.clear();
}

bool at_cr_q(const Text_Partial_Cmd& c) { return c.n_consumed < n_elts(c.text) && c.text[c.n_consumed] == CR; }
bool left_q(const Text_Partial_Cmd& c) { return c.n_consumed < n_elts(c.text); }

}  // namespace

Table_Row* row_make(const Small_Table& t, int32_t i) {
  std::vector<void*> row_eAvs = t.kind_p->row_new(*t.kind_p, i);
  int32_t n = n_cols(t.kind_p->env);
  CHECK(n == n_elts(row_eAvs));
  return new Table_Row{std::move(row_eAvs), &t, 0};
}

void perform_in_row(Small_Table& t, int32_t i, Cmd_Args& args) {
  perform_in_sub(row_sub(t, i), i, args);
  Table_Row& r = *t.rws[size_t(i)];
  uint32_t bits = r.changed_bits;
  r.changed_bits = 0;
  if (bits) table_relayout_cells(t, i, bits, args);
}

Rows_Cmd::Rows_Cmd(std::vector<Table_Row*> r, const Small_Table& t)
    : Cmd(ROWS_CMD), rows(std::move(r)), row_kind_p(&t.kind_p->env.row_kind.kind), kind_hold_mp(t.kind_hold_mp) {}

Rows_Cmd::~Rows_Cmd() {
  for (Table_Row* r : rows) row_kind_p->release(*row_kind_p, r);
}

Byte_Str rows_text(const Small_Table& t, int32_t j, int32_t k) {
  const Composite_Kind& rk = t.kind_p->env.row_kind;
  Byte_Str text;
  for (int32_t i = j; i < k; ++i) {
    append(text, CR);
    append(text, comp_range_text(rk, t.rws[size_t(i)], 0, rk.n_parts));
  }
  return text;
}

// Reads n_fixed rows from c, then, with more_q, rows while text is left. A
// carriage return before a row is skipped; before any row but the first one
// it must be there. In text that does not start with one (a spreadsheet's),
// a carriage return at the very end only ends the last row. False when the
// text does not read as rows; the rows read so far are in out either way.
bool read_rows(const Small_Table& t, Text_Partial_Cmd& c, int32_t n_fixed, bool more_q, int32_t first_i,
               std::vector<Table_Row*>& out) {
  bool copy_form_q = at_cr_q(c);
  for (int32_t r = 0; r < n_fixed || (more_q && left_q(c)); ++r) {
    if (at_cr_q(c)) {
      ++c.n_consumed;
      if (r >= n_fixed && !copy_form_q && !left_q(c)) break;
    } else if (r > 0 && left_q(c)) {
      return false;
    }
    out.push_back(row_make(t, first_i + r));
    Sel none;
    Cmd_Args args(none, c);
    type_cells(t, *out.back(), 0, n_cols(t.kind_p->env), c, &args);
    out.back()->changed_bits = 0;
  }
  if (at_cr_q(c)) ++c.n_consumed;
  return true;
}

// Reads rows as read_rows does and gives them up again: what a paste would take.
bool rows_readable_q(const Small_Table& t, Text_Partial_Cmd& c, int32_t n_fixed, bool more_q, int32_t first_i) {
  std::vector<Table_Row*> rows;
  bool ok_q;
  try {
    ok_q = read_rows(t, c, n_fixed, more_q, first_i, rows);
  } catch (const Str_Err&) {
    ok_q = false;
  }
  rows_release(t, rows);
  return ok_q;
}

// Rows j..k become rows (taken over); the record selects them and holds the old ones.
void replace_rows(Small_Table& t, int32_t j, int32_t k, std::vector<Table_Row*>& rows, Cmd_Args& args) {
  CHECK(0 <= j && j <= k && k <= n_elts(t));
  int32_t m = int32_t(rows.size());
  Rect old = table_bounds(t);
  std::vector<Table_Row*> gone(t.rws.begin() + j, t.rws.begin() + k);
  t.rws.erase(t.rws.begin() + j, t.rws.begin() + k);
  t.rws.insert(t.rws.begin() + j, rows.begin(), rows.end());
  rows.clear();
  args.undo.sel_mp = std::make_unique<Sel>(sel_of(j, j + m));
  args.undo.cmd_mp = std::make_unique<Rows_Cmd>(std::move(gone), t);
  table_layout(t);
  inval_add(args, old);
  inval_add(args, table_bounds(t));
  args.changed_q = true;
}

// Reads the rows for j..k from the command's text and puts them in place.
void read_and_replace(Small_Table& t, int32_t j, int32_t k, int32_t n_fixed, bool more_q, Cmd_Args& args) {
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  std::vector<Table_Row*> rows;
  try {
    if (!read_rows(t, c, n_fixed, more_q, j, rows)) throw Str_Err("Illegal text string");
  } catch (...) {
    rows_release(t, rows);
    throw;
  }
  replace_rows(t, j, k, rows, args);
}

void table_rows_perform(Small_Table& t, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  int32_t j = range_j(s), k = range_k(s);
  std::vector<Table_Row*> rows = std::move(static_cast<Rows_Cmd&>(*args.cmd_p).rows);
  int32_t m = int32_t(rows.size());
  replace_rows(t, j, k, rows, args);
  s = sel_of(j, j + m);
}

void table_insert_row(Small_Table& t, int32_t i, Cmd_Args& args) {
  std::vector<Table_Row*> rows{row_make(t, i)};
  replace_rows(t, i, i, rows, args);
  *args.sel_p = table_row_sel(t, i);
}
