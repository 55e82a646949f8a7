// What the shell asks of file names: whether a file is there, and the next
// or previous name of a numbered series.
#pragma once
#include <cstdint>

#include "core/byte_str.h"

constexpr int32_t FILE_MISSING = 0;
constexpr int32_t FILE_EXISTS = 1;
constexpr int32_t FILE_READ_ONLY = 3;

// FILE_EXISTS, FILE_READ_ONLY when nobody may write it (no write permission
// bit), or FILE_MISSING when it is not there or cannot be looked at.
int32_t file_check(const char* name);

// The name with the number (or the letter after a number) at the end of its
// stem moved by step; empty when no such file can be in the series. The stem
// of a path is its last component up to that component's first ".", so dots
// in folder names do not count.
Byte_Str neighbour_name(const char* name, int32_t step);
