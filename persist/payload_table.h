// The table widget's rows as stored: their count, then each row's cells in
// column order, each as its column's kind holds it: an expression as its
// payload, a text as a string, a colour swatch as its colour word (an
// unsigned integer). The header belongs to the table's kind.
#pragma once
#include "core/byte_str.h"
#include "core/in_stream.h"
#include "tables/small_table.h"

void write_table_rows(Out_Stream& out, const Small_Table& t);
// Replaces t's rows with rows from its factory filled with the cells read,
// and lays t out. Raises Syntax_Err "Syntax Error" for a count beyond the
// signed range, rows in a table without columns, a text its cell would
// refuse or a colour beyond 0xFFFFFF, and the messages of the cells' payloads.
void read_table_rows(In_Stream& in, Small_Table& t);
