// Rows as composites: their cells are placed at the table's column offsets,
// so a row routes commands like any composite but is laid out by its table.
#include <algorithm>

#include "tables/table_edit.h"

namespace {

const Table_Row& row_of(const void* e) { return *static_cast<const Table_Row*>(e); }
Table_Row& row_of_mut(void* e) { return *static_cast<Table_Row*>(e); }

void* row_part_p(const Composite_Kind&, const void* e, int32_t j) { return row_of(e).row_eAvs[size_t(j)]; }
Point row_part_pt(const Composite_Kind&, const void* e, int32_t j) { return {row_of(e).table_p->xjs[size_t(j)], 0}; }
bool row_column_q(const Composite_Kind&, const void*) { return false; }
// The table lays its rows out after it has read the changed bits.
void row_relayout(const Composite_Kind&, void*) {}
void row_mark_changed(const Composite_Kind&, void* e, int32_t j) {
  static_cast<Table_Row*>(e)->changed_bits |= 1u << std::min(j, 31);
}

const Parts_Access ROW_ACCESS = {row_part_p, row_part_pt, row_column_q, row_relayout, row_mark_changed};

Sel op_initial_sel(const Gui_Kind& k, const void* e) { return comp_initial_sel(comp_kind(k), e); }
Rect op_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s) { return comp_sel_bounds(comp_kind(k), e, s); }
bool range_typing_q(const Sel& s, const Cmd& c) { return c.cmd_n == TEXT_PARTIAL_CMD && !inside_q(s); }

// Typing over a range of cells gives each cell its own piece of the text.
int32_t op_query(const Gui_Kind& k, const void* e, const Sel& s, Cmd& c) {
  if (!range_typing_q(s, c)) return comp_query(comp_kind(k), e, s, c);
  Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(c);
  Table_Row& r = *static_cast<Table_Row*>(const_cast<void*>(e));
  int32_t answer = type_cells(*r.table_p, r, range_j(s), range_k(s), t, nullptr);
  return t.n_consumed < n_elts(t.text) ? QUERY_REFUSED : answer;
}

void op_perform(const Gui_Kind& k, void* e, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  if (!range_typing_q(s, *args.cmd_p)) return comp_perform(comp_kind(k), e, args);
  Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  Table_Row& r = row_of_mut(e);
  int32_t j = range_j(s), j1 = range_k(s);
  if (t.n_consumed == 0) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_copy(s));
    args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(comp_range_text(comp_kind(k), e, j, j1));
  }
  type_cells(*r.table_p, r, j, j1, t, &args);
  args.changed_q = args.changed_q || r.changed_bits != 0;
  comp_select_part(comp_kind(k), e, s, j);
}

// A row spans the whole table, from 0 to its width.
Rect op_bounds(const Gui_Kind& k, const void* e) {
  const Table_Row& r = row_of(e);
  const Small_Table& t = *r.table_p;
  Rect b = {0, t.width, 0, 0};
  for (int32_t j = 0; j < comp_kind(k).n_parts; ++j) {
    Rect c = rect_shift(part_kind(comp_kind(k), j).bounds(part_kind(comp_kind(k), j), r.row_eAvs[size_t(j)]), row_part_pt(comp_kind(k), e, j));
    b.y0 = std::min(b.y0, c.y0);
    b.y1 = std::max(b.y1, c.y1);
  }
  return b;
}

void op_draw(const Gui_Kind& k, const void* e, Canvas& c, Point origin) { comp_draw(comp_kind(k), e, c, origin); }
Region op_caret_region(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return comp_caret_region(comp_kind(k), e, s, c, origin);
}

void op_release(const Gui_Kind& k, void* e) {
  Table_Row* r = static_cast<Table_Row*>(e);
  for (int32_t j = 0; j < comp_kind(k).n_parts; ++j) {
    const Gui_Kind& pk = part_kind(comp_kind(k), j);
    pk.release(pk, r->row_eAvs[size_t(j)]);
  }
  delete r;
}

const Gui_Kind ROW_OPS = {op_initial_sel, op_sel_bounds, op_query,        op_perform,
                          op_bounds,      op_draw,       op_caret_region, op_release};

}  // namespace

void table_env_init(Table_Env& env) {
  int32_t n = n_cols(env);
  CHECK_AS(n == n_elts(env.min_widths), "n == n_elts(min_widths)");
  env.row_kind = {ROW_OPS, env.col_kinds.data(), n_cols(env), {ROW_LAYOUT, env.col_gap}, true, &ROW_ACCESS};
}

Sub_Elt row_sub(const Small_Table& t, int32_t i) {
  CHECK(0 <= i && i < n_elts(t));
  return {&t.kind_p->env.row_kind.kind, t.rws[size_t(i)], {0, t.row_ys[size_t(i)]}};
}

void* table_cell(const Small_Table& t, int32_t i, int32_t j) {
  const Table_Env& env = t.kind_p->env;
  CHECK_AS(0 <= i && i < n_elts(t.rws) && 0 <= j && j < n_cols(env),
           "0 <= i && i < n_elts(rws) && 0 <= j && j < n_cols(env)");
  return t.rws[size_t(i)]->row_eAvs[size_t(j)];
}

Point cell_pt(const Small_Table& t, int32_t i, int32_t j) {
  table_cell(t, i, j);
  return {t.xjs[size_t(j)], t.row_ys[size_t(i)]};
}

namespace {

void put_cell(Small_Table& t, int32_t i, int32_t j, void* cell) {
  void*& slot = t.rws[size_t(i)]->row_eAvs[size_t(j)];
  table_cell(t, i, j);
  const Gui_Kind& k = *t.kind_p->env.col_kinds[size_t(j)].kind_p;
  k.release(k, slot);
  slot = cell;
}

}  // namespace

void table_set_column(Small_Table& t, int32_t j, const std::vector<void*>& cells) {
  CHECK(cells.size() == t.rws.size());
  for (size_t i = 0; i < cells.size(); ++i) put_cell(t, int32_t(i), j, cells[i]);
  table_layout(t);
}

void table_set_cell(Small_Table& t, int32_t i, int32_t j, void* cell) {
  put_cell(t, i, j, cell);
  Sel none;
  Cmd nothing(SELECT_ALL_CMD);
  Cmd_Args args(none, nothing);
  table_relayout_cells(t, i, 1u << std::min(j, 31), args);
}

Sel table_row_sel(const Small_Table& t, int32_t i) {
  Sub_Elt r = row_sub(t, i);
  Sel s = sel_of(i, i);
  s.e_sel_mp = std::make_unique<Sel>(r.kind_p->initial_sel(*r.kind_p, r.e));
  return s;
}

Sel table_cell_sel(const Small_Table& t, int32_t i, int32_t j) {
  Sel s = sel_of(i, i);
  s.e_sel_mp = std::make_unique<Sel>();
  comp_select_part(t.kind_p->env.row_kind, t.rws[size_t(i)], *s.e_sel_mp, j);
  return s;
}
