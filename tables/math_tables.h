// The tables a model shows: the variable tables "Indep Var" and "Dep Var"
// (name, Low, High, Color) and the data table (a column per independent and
// per dependent variable, a computed column "~name" per dependent variable,
// and "Notes"), with the reading of variable names and the map from data
// columns to variables.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "core/tuple.h"
#include "editor/Expr.h"
#include "formula/resolver.h"
#include "formula/tree.h"
#include "tables/cell_err.h"
#include "tables/small_table.h"
#include "tables/swatch.h"

// The columns of a variable table.
enum Var_Col : int32_t { NAME_COL, LOW_COL, HIGH_COL, COLOR_COL, N_VAR_COLS };

constexpr int32_t N_PALETTE = 10;
// The colours of dependent variables by row index modulo 10.
extern const int32_t DEP_PALETTE[N_PALETTE];
// An independent variable's swatch: no curve is drawn in it.
constexpr int32_t INDEP_COLOUR = 0x000000;

// The kinds of cells: names and data as mathematics, numbers and notes as
// plain text, titles in the "note" style.
extern const Expr_Env CELL_ENV;
extern const Expr_Kind MATH_CELL;
extern const Text_Field_Kind NUMBER_CELL, NOTE_CELL, TITLE_CELL;
extern const Swatch_Kind SWATCH_CELL;

extern const Table_Kind& INDEP_VAR_KIND;
extern const Table_Kind& DEP_VAR_KIND;

// A variable table titled "Indep Var" or "Dep Var" with n_rows new rows.
Small_Table* var_table_new(const char* title, int32_t n_rows, int32_t can_edit01);

// The names of the rows in order, skipping rows whose name is empty; a name
// met before in this table or in taken_mp raises Cell_Err "Duplicate
// variable name" at that row's name cell. Each symbol is new.
Hdl_Tuple read_var_names(const Small_Table& t, const Hdl_Tuple* taken_mp);

// The titles of the data table for these variables: the independent names,
// the dependent names, "~" and each dependent name, and "Notes" when there
// is a dependent variable.
std::vector<Byte_Str> data_titles(const Hdl_Tuple& indep, const Hdl_Tuple& dep);
// A data table with these titles: "Notes" makes a column of plain text,
// any other title a column of mathematics.
Small_Table* data_table_new(const std::vector<Byte_Str>& titles, int32_t n_rows, int32_t can_edit01);
Byte_Str table_title(const Small_Table& t, int32_t j);
// Whether the columns are those data_titles gives (the notes title not compared).
bool data_table_matches_q(const Small_Table& t, const Hdl_Tuple& indep, const Hdl_Tuple& dep);
// Per column the variable it holds: i for independent variable i, n + k for
// dependent variable k, n + m + k for the computed column of dependent
// variable k, -1 for none.
std::vector<int32_t> nm_by_col(const Small_Table& t, const Hdl_Tuple& indep, const Hdl_Tuple& dep);

// The text of a cell (its whole text, as copied).
Byte_Str cell_text(const Small_Table& t, int32_t i, int32_t j);
// A variable's name read from its name cell; empty when the cell is.
Byte_Str cell_name(const Expr& e);
// A data cell read as a formula with the names r gives, as a number; NaN
// when it does not read or is not a number.
double cell_number(const Expr& e, const Resolver& r);
// Row i of a data table as values: out[v] gets the value of the column that
// holds variable v (v below out's length), NaN where there is none.
void data_row_values(const Small_Table& t, int32_t i, std::span<const int32_t> nm_by_col, const Resolver& r,
                     std::span<double> out);
// A new cell of mathematics holding text, typed as the user would.
Expr* math_cell_new(const char* text);
