// The table's own workers for its rows, shared by its typing, its undo
// records and its query.
#pragma once
#include "tables/small_table.h"

// Reads n_fixed rows from c, then with more_q rows while text is left, made
// by the factory from index first_i on; false when the text does not read as
// rows. What is read is in out either way (the caller releases it).
bool read_rows(const Small_Table& t, Text_Partial_Cmd& c, int32_t n_fixed, bool more_q, int32_t first_i,
               std::vector<Table_Row*>& out);
bool rows_readable_q(const Small_Table& t, Text_Partial_Cmd& c, int32_t n_fixed, bool more_q, int32_t first_i);
// Rows j..k replaced by the rows read from args' text; raises Str_Err
// "Illegal text string" when it does not read.
void read_and_replace(Small_Table& t, int32_t j, int32_t k, int32_t n_fixed, bool more_q, Cmd_Args& args);
// A new row from the factory at i, with the insertion point in it.
void table_insert_row(Small_Table& t, int32_t i, Cmd_Args& args);
// Rows j..k become rows (taken over); the record selects them and puts the old rows back.
void replace_rows(Small_Table& t, int32_t j, int32_t k, std::vector<Table_Row*>& rows, Cmd_Args& args);
// Performs args' command in row i and lays out again what its edited cells changed.
void perform_in_row(Small_Table& t, int32_t i, Cmd_Args& args);
// Where the piece of text from i that one cell takes ends: at the next tab
// or carriage return outside brackets, or at the end.
int32_t cell_piece_end(const Byte_Str& text, int32_t i);
// Types cells j0..j1 of row r each its piece of c's text; with args_mp they
// are changed (raising Str_Err "Illegal text string" when a cell does not
// take its piece, the redraw bounds in the row's coordinates), without it
// only asked: the largest answer, or QUERY_REFUSED.
int32_t type_cells(const Small_Table& t, Table_Row& r, int32_t j0, int32_t j1, Text_Partial_Cmd& c, Cmd_Args* args_mp);
