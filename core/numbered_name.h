// Stepping the number in a file name, so the shell can open the next or the
// previous file of a numbered series (run9.mm, run10.mm; fig2a.mm, fig2b.mm).
#pragma once
#include <cstdint>

#include "core/byte_str.h"

// The name (internal text) with the number before its last "." (or its end)
// moved by delta, or, when there is no number there, with a letter that
// follows a digit moved by delta; empty when no step is possible (the number
// would become negative or the letter leave A-Z and a-z).
Byte_Str step_file_name(const char* name, int32_t delta);
