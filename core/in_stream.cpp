#include "core/in_stream.h"

#include <cstring>

void raise_syntax(In_Stream& s, std::string text) { throw Syntax_Err(std::move(text), &s); }

void read_bytes(In_Stream& s, char* to_p, int32_t n) {
  CHECK(n >= 0);
  while (n > 0) {
    if (at_end_q(s)) raise_syntax(s, "Not enough input");
    int32_t n_buffered = int32_t(s.end_p - s.pos_p);
    int32_t n_now = n < n_buffered ? n : n_buffered;
    std::memcpy(to_p, s.pos_p, size_t(n_now));
    s.pos_p += n_now;
    to_p += n_now;
    n -= n_now;
  }
}

Mem_In_Stream::Mem_In_Stream(const char* text) : first_p(text) {
  pos_p = text;
  end_p = text + std::strlen(text);
}

Mem_In_Stream::Mem_In_Stream(const char* bytes_p, int32_t n) : first_p(bytes_p) {
  CHECK(n >= 0);
  pos_p = bytes_p;
  end_p = bytes_p + n;
}
