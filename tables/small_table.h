// The table widget: a header row and the rows `rws`, each row a composite of
// one cell per column (an expression, a text, a colour swatch: each cell is
// an element of its column's kind). Columns are laid out to their widest
// cell; the selection is a range of whole rows, or a place inside one row
// (anchor_i = gen_i = i with the row's own selection nested), or the point
// between rows i - 1 and i (anchor_i = gen_i = i, nothing nested: below the
// last row, that is the space just under the table).
//
// Text: a row's text is its cells' texts joined by tabs; the text of rows
// j..k is a carriage return before each row. Typing over whole rows reads
// the rows from the text; typing at a point between rows inserts the rows
// read from it; deleting whole rows removes them; Enter (a lone carriage
// return) in a row adds a row after it, and at the point below the table a
// row at the end, each made by the table's row factory.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/composite.h"
#include "editor/text_field.h"

struct Table_Kind;

// Shared by all tables of one kind: the column kinds, their minimum widths
// and the gaps; the row kind routes commands into the cells.
struct Table_Env {
  std::vector<Part_Kind> col_kinds;
  std::vector<int32_t> min_widths;  // canvas units, one per column
  int32_t col_gap, row_gap;
  const Gui_Kind* hdr_kind_p;  // of the header cells
  Composite_Kind row_kind;     // parts: col_kinds
};

inline int32_t n_cols(const Table_Env& env) { return int32_t(env.col_kinds.size()); }

struct Table_Kind {
  Gui_Kind kind;  // TABLE_OPS
  Table_Env env;
  // The cells of new row i (one content per column, owned by the caller).
  std::vector<void*> (*row_new)(const Table_Kind& k, int32_t row_i);
  const void* data_p;  // what the factory needs of its kind
};

extern const Gui_Kind TABLE_OPS;

struct Small_Table;

// One row: a cell per column, placed at the table's column offsets.
struct Table_Row {
  std::vector<void*> row_eAvs;
  const Small_Table* table_p;
  uint32_t changed_bits = 0;  // cells edited since the table last looked
};

struct Small_Table {
  const Table_Kind* kind_p;
  std::shared_ptr<const Table_Kind> kind_hold_mp;  // a kind made for this table alone
  std::vector<void*> hdr;                          // header cells, of env.hdr_kind_p
  std::vector<Table_Row*> rws;                     // owned
  int32_t can_edit01;
  // Column layout: element offsets, the n + 1 boundaries, the centres; the
  // extent of each column's cells around their offset.
  std::vector<int32_t> xjs, x_bdys, center_xjs;
  std::vector<int32_t> col_x0s, col_x1s;
  int32_t width = 0;
  // Row layout, y up: the header's baseline, each row's baseline and extent
  // around it, and the horizontal lines: y_bdys[0] above the header,
  // y_bdys[1] under it, y_bdys[i + 2] under row i.
  int32_t hdr_y = 0;
  std::vector<int32_t> row_ys, row_y0s, row_y1s, y_bdys;
};

// The count of a vector, for the checks written with n_elts.
template <class T>
inline int32_t n_elts(const std::vector<T>& v) { return int32_t(v.size()); }
inline int32_t n_elts(const Small_Table& t) { return int32_t(t.rws.size()); }
inline const Table_Kind& table_kind(const Gui_Kind& k) { return reinterpret_cast<const Table_Kind&>(k); }

// A kind over the column kinds; the env's row kind is filled in here.
void table_env_init(Table_Env& env);
// A new row from the kind's factory, as row i, for the caller to place in t.
Table_Row* row_make(const Small_Table& t, int32_t i);
// A table with the header cells hdr (taken over) and n_rows rows from the factory.
Small_Table* table_new(const Table_Kind& k, std::vector<void*> hdr, int32_t n_rows, int32_t can_edit01);
void table_release(Small_Table* t);

// The cell at row i, column j ("0 <= i && i < n_elts(rws) && 0 <= j && j < n_cols(env)").
void* table_cell(const Small_Table& t, int32_t i, int32_t j);
Point cell_pt(const Small_Table& t, int32_t i, int32_t j);
// Replaces the cell's content (releasing the old one) and lays its row and
// column out again; for the model's computed columns.
void table_set_cell(Small_Table& t, int32_t i, int32_t j, void* cell);
// The same for column j of every row (one cell a row, taken over), the
// table laid out once.
void table_set_column(Small_Table& t, int32_t j, const std::vector<void*>& cells);
// A selection inside the cell at row i, column j, at the cell's initial selection.
Sel table_cell_sel(const Small_Table& t, int32_t i, int32_t j);
// A selection inside row i, at the row's initial selection.
Sel table_row_sel(const Small_Table& t, int32_t i);

// Layout: all columns and rows, or after cells of row i changed (bits: one
// per column, 31 and up sharing bit 31) only those columns and that row.
// The second adds what must be redrawn.
void table_layout(Small_Table& t);
void table_relayout_cells(Small_Table& t, int32_t i, uint32_t col_bits, Cmd_Args& args);
Rect table_bounds(const Small_Table& t);
// Rows i..k as drawn, across the whole table.
Rect rows_area(const Small_Table& t, int32_t i, int32_t k);

// The text of rows j..k: a carriage return, then the row's cells joined by tabs, for each.
Byte_Str rows_text(const Small_Table& t, int32_t j, int32_t k);
// The record of every change to the rows themselves: performed with a
// selection of rows j..k (or the point j), it puts its rows in their place,
// and its own record holds the rows it took out. It holds the rows, not
// their text, so that undoing gives back exactly what was there.
struct Rows_Cmd final : Cmd {
  std::vector<Table_Row*> rows;  // owned until put back
  const Gui_Kind* row_kind_p;
  std::shared_ptr<const Table_Kind> kind_hold_mp;  // the rows' kind, kept while they live here
  Rows_Cmd(std::vector<Table_Row*> r, const Small_Table& t);
  ~Rows_Cmd() override;
};
// Beyond the editor's commands and the model's own.
constexpr int32_t ROWS_CMD = 40;

// The row-level commands of the table kind.
int32_t table_typing_query(const Small_Table& t, const Sel& s, Text_Partial_Cmd& c);
void table_type(Small_Table& t, Cmd_Args& args);
void table_rows_perform(Small_Table& t, Cmd_Args& args);
bool table_arrow(Small_Table& t, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp);
void table_mouse(Small_Table& t, Cmd_Args& args);
void table_draw(const Small_Table& t, Canvas& c, Point origin, const Rect& area);
// Row i as an element of the table.
Sub_Elt row_sub(const Small_Table& t, int32_t i);
