// An error found while reading a table's cell, located at the cell, so that
// the shell can select it before it shows the message.
#pragma once
#include <cstdint>

#include "core/err.h"

struct Cell_Err : Misc_Err {
  int32_t row_i, col_i;
  Cell_Err(std::string text, int32_t row, int32_t col) : Misc_Err(std::move(text)), row_i(row), col_i(col) {}
};
