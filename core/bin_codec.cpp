#include "core/bin_codec.h"

#include <cstring>

namespace {

constexpr int MAX_GROUPS = 5;  // 32 bits in seven-bit groups

// Reads the groups of one number: gives the last byte and adds the
// continuation groups into acc; raises msg on truncation or a sixth group.
int read_groups(In_Stream& s, uint32_t& acc, int& shift, const char* msg) {
  acc = 0;
  shift = 0;
  for (int i = 0; i < MAX_GROUPS; ++i) {
    int b = get_byte(s);
    if (b < 0) raise_syntax(s, msg);
    if (b < 0x80) return b;
    acc |= uint32_t(b & 0x7F) << shift;
    shift += 7;
  }
  raise_syntax(s, msg);
}

}  // namespace

void write_unsigned(Out_Stream& s, uint32_t v) {
  while (v > 0x7F) {
    put_byte(s, char(0x80 | (v & 0x7F)));
    v >>= 7;
  }
  put_byte(s, char(v));
}

void write_int(Out_Stream& s, int32_t v) {
  while (v > 63 || v < -64) {
    put_byte(s, char(0x80 | (v & 0x7F)));
    v >>= 7;  // arithmetic: the sign stays
  }
  put_byte(s, char(v & 0x7F));
}

void write_str(Out_Stream& s, const char* bytes_p, int32_t n) {
  CHECK(n >= 0 && std::memchr(bytes_p, 0, size_t(n)) == nullptr);
  write_unsigned(s, uint32_t(n));
  put_bytes(s, bytes_p, n);
}

uint32_t read_unsigned(In_Stream& s) {
  uint32_t acc;
  int shift;
  int last = read_groups(s, acc, shift, "Illegal unsigned");
  return acc | uint32_t(last) << shift;  // a fifth group's bits above 32 are dropped
}

int32_t read_int(In_Stream& s) {
  uint32_t acc;
  int shift;
  int last = read_groups(s, acc, shift, "Illegal int");
  int32_t top = last >= 64 ? last - 128 : last;
  return int32_t(acc + (uint32_t(top) << shift));
}

void read_str(In_Stream& s, Byte_Str& to) {
  uint32_t n = read_unsigned(s);
  if (n > uint32_t(INT32_MAX)) raise_syntax(s, "Illegal character string");
  set_length(to, 0);
  // Taken a buffer at a time, so a false length ends in "Not enough input"
  // instead of a huge block.
  for (uint32_t left = n; left > 0;) {
    if (at_end_q(s)) raise_syntax(s, "Not enough input");
    uint32_t n_now = uint32_t(s.end_p - s.pos_p);
    if (n_now > left) n_now = left;
    if (std::memchr(s.pos_p, 0, n_now)) {
      s.pos_p = static_cast<const char*>(std::memchr(s.pos_p, 0, n_now));
      raise_syntax(s, "Illegal character string");
    }
    append(to, s.pos_p, int32_t(n_now));
    s.pos_p += n_now;
    left -= n_now;
  }
}
