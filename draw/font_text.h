// Internal text as the fonts take it: font bytes in runs of one coding each.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/font_runs.h"
#include "core/tuple.h"

struct Font_Text {
  Byte_Str bytes;
  Tuple runs;  // see n_runs, run_coding, run_n_bytes
};

// n_bytes of internal text; prefer_coding 0 or 1, the coding of the style.
Font_Text font_text(const char* text, int32_t n_bytes, int32_t prefer_coding);
