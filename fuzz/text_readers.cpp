// The text readers on arbitrary bytes, handed out in small refills from a
// buffer of exactly their size: each must either read or raise Syntax_Err
// with the stream, never read out of bounds or raise anything else. Numbers
// that were read must survive formatting and reading back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/byte_streams.h"
#include "tests/core/chunk_stream.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

void check_int_round_trip(int32_t v) {
  Byte_Str out;
  format_int(out, v, 0, 1);
  Chunk_Stream back(std::string(out.first_p, size_t(n_elts(out))));
  require(read_decimal_int(back) == v);
}

void check_real_round_trip(double x) {
  Byte_Str out;
  format_real(out, x, 16, -1);  // 17 significant digits name a double exactly
  Chunk_Stream back(std::string(out.first_p, size_t(n_elts(out))));
  double y = read_real(back);
  require(std::isnan(x) ? std::isnan(y) : y == x);
  Byte_Str shown;
  format_real(shown, x, 3, 4, true);
  format_real_tol(shown, x, 0.01);
}

void read_one(int which, In_Stream& s, Byte_Str& text) {
  switch (which) {
    case 0: check_int_round_trip(read_decimal_int(s)); break;
    case 1: read_hex(s, "0x"); break;
    case 2: check_int_round_trip(read_number_field(s)); break;
    case 3: check_real_round_trip(read_real(s)); break;
    case 4: expect_text(s, " a\x9E\x44"); break;
    case 5: read_until(s, ',', text, READ_TRIM); break;
    default: read_until(s, '\n', text, READ_SEP_REQUIRED); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  int which = data[0] % 7;
  size_t chunk = 1 + data[1] % 8;
  Chunk_Stream s(std::string(reinterpret_cast<const char*>(data) + 2, size - 2), chunk);
  Byte_Str text;
  try {
    for (size_t n_before = 0; !at_end_q(s); n_before = s.n_read()) {
      read_one(which, s, text);
      require(s.n_read() > n_before);  // a reader that succeeds takes at least one byte
    }
  } catch (const Syntax_Err& e) {
    require(e.stream_mp == &s && *e.message() != 0);
  }
  return 0;
}
