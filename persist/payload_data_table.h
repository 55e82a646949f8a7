// The Table section as stored: the data table's column titles, then its
// rows. The titles come first because the table's kind is made from them;
// a model without a table stores no titles and no rows.
#pragma once
#include "core/byte_str.h"
#include "core/in_stream.h"
#include "tables/small_table.h"

void write_data_table(Out_Stream& out, const Small_Table* t_mp);
// A new data table of the titles read (a text column for "Notes", every
// other one mathematics), filled with the rows read; null for no titles.
Small_Table* read_data_table(In_Stream& in, int32_t can_edit01);
