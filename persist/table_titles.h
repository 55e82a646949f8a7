// The Table section's own fields: its column titles come before its rows,
// because the table's kind is made from them.
#pragma once
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"

void write_table_titles(Out_Stream& out, const std::vector<Byte_Str>& titles);
// A count beyond the signed range is "Syntax Error".
std::vector<Byte_Str> read_table_titles(In_Stream& in);
