// Font text and internal text on arbitrary bytes. Reading font text must never
// read out of bounds, and the internal text it gives must survive plain-text
// export and reading back unchanged. Arbitrary bytes taken as internal text
// (malformed characters included) must give runs that account for every
// font byte, whatever the prefer coding.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/font_runs.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

void check_runs_cover_the_bytes(const char* text_p, int32_t n, int prefer_coding) {
  Byte_Str bytes;
  Tuple runs;
  to_runs(text_p, n, prefer_coding, bytes, runs);
  int32_t n_total = 0;
  for (int32_t i = 0; i < n_runs(runs); ++i) {
    require(run_n_bytes(runs, i) > 0 && unsigned(run_coding(runs, i)) < N_CODINGS);
    require(i == 0 || run_coding(runs, i) != run_coding(runs, i - 1));
    n_total += run_n_bytes(runs, i);
  }
  require(n_total == n_elts(bytes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  int coding = data[0] & 1;
  const char* font_p = reinterpret_cast<const char*>(data + 1);
  int32_t n = int32_t(size - 1);

  Byte_Str text;
  from_font(font_p, n, coding, text);
  Byte_Str exported;
  Tuple runs;
  to_runs(text.first_p, n_elts(text), EXPORT_CODING, exported, runs);
  Byte_Str back;
  from_font(exported.first_p, n_elts(exported), ROMAN_CODING, back);
  require(n_elts(back) == n_elts(text) && std::memcmp(back.first_p, text.first_p, size_t(n_elts(text))) == 0);

  for (int prefer = 0; prefer <= EXPORT_CODING; ++prefer) check_runs_cover_the_bytes(font_p, n, prefer);
  return 0;
}
