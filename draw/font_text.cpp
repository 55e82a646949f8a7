#include "draw/font_text.h"

#include "core/err.h"

Font_Text font_text(const char* text, int32_t n_bytes, int32_t prefer_coding) {
  // Drawing never exports: every run is one font's bytes.
  CHECK(unsigned(prefer_coding) < unsigned(N_CODINGS));
  Font_Text ft;
  to_runs(text, n_bytes, prefer_coding, ft.bytes, ft.runs);
  return ft;
}
