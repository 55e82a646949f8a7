// Internal text as the fonts take it: font bytes in runs of one coding each.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/font_tables.h"

struct Font_Run {
  int32_t coding;
  int32_t n_bytes;
};

struct Font_Text {
  std::string bytes;
  std::vector<Font_Run> runs;
};

// n_bytes of internal text; prefer_coding 0 or 1, the coding of the style.
Font_Text font_text(const char* text, int32_t n_bytes, int32_t prefer_coding);
