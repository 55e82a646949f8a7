#include "persist/bin_double.h"

#include <bit>
#include <cstdint>

void write_double(Out_Stream& s, double x) {
  uint64_t bits = std::bit_cast<uint64_t>(x);
  for (int i = 0; i < 8; ++i) put_byte(s, char(bits >> (8 * i)));
}

double read_double(In_Stream& s) {
  unsigned char b[8];
  read_bytes(s, reinterpret_cast<char*>(b), 8);
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | b[i];
  return std::bit_cast<double>(bits);
}
