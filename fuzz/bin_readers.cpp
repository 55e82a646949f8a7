// The binary readers on arbitrary bytes, handed out in small refills from a
// buffer of exactly their size: each must either read or raise Syntax_Err
// with the stream. What was read must be written back as the same bytes
// when the input was in canonical form, and must always read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/bin_codec.h"
#include "tests/core/chunk_stream.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

std::string bytes_of(const Byte_Str& s) { return std::string(s.first_p, size_t(n_elts(s))); }

void read_one(int which, Chunk_Stream& s) {
  Byte_Str out;
  switch (which) {
    case 0: {
      uint32_t v = read_unsigned(s);
      write_unsigned(out, v);
      Chunk_Stream back(bytes_of(out));
      require(read_unsigned(back) == v && at_end_q(back));
      break;
    }
    case 1: {
      int32_t v = read_int(s);
      write_int(out, v);
      Chunk_Stream back(bytes_of(out));
      require(read_int(back) == v && at_end_q(back));
      break;
    }
    case 2: {
      Byte_Str str;
      read_str(s, str);
      write_str(out, str);
      Chunk_Stream back(bytes_of(out));
      Byte_Str again;
      read_str(back, again);
      require(compare(again, str) == 0 && at_end_q(back));
      break;
    }
    default: {
      char bytes[7];
      read_bytes(s, bytes, 7);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  int which = data[0] % 4;
  size_t chunk = 1 + data[1] % 8;
  Chunk_Stream s(std::string(reinterpret_cast<const char*>(data) + 2, size - 2), chunk);
  try {
    for (size_t n_before = 0; !at_end_q(s); n_before = s.n_read()) {
      read_one(which, s);
      require(s.n_read() > n_before);
    }
  } catch (const Syntax_Err& e) {
    require(e.stream_mp == &s && *e.message() != 0);
  }
  return 0;
}
