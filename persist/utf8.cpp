#include "persist/utf8.h"

#include <cstring>

#include "core/code_point.h"

char* put_utf8(char* p, uint32_t cp) {
  if (cp < 0x80) {
    *p++ = char(cp);
    return p;
  }
  if (cp > 0x10FFFF) cp = 0xFFFD;
  int n_more = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
  // Lead bytes 0xC0, 0xE0, 0xF0 for one, two and three continuation bytes.
  *p++ = char(((0xFF00 >> (n_more + 1)) & 0xFF) | (cp >> (6 * n_more)));
  for (int k = n_more - 1; k >= 0; --k) *p++ = char(0x80 | ((cp >> (6 * k)) & 0x3F));
  return p;
}

int32_t utf8_of_internal(const char* from_p, int32_t n, char* to_p) {
  const char* end_p = from_p + n;
  char* p = to_p;
  while (from_p != end_p) {
    if (uint8_t(*from_p) < 0x80) *p++ = *from_p++;  // ASCII is the same in both
    else p = put_utf8(p, take_code_point(from_p, end_p));
  }
  return int32_t(p - to_p);
}

namespace {

// Continuation bytes after a lead byte b, or -1 when b cannot lead.
int n_continuation(uint8_t b) {
  if (b < 0x80) return 0;
  if (b >= 0xC2 && b < 0xE0) return 1;
  if (b >= 0xE0 && b < 0xF0) return 2;
  if (b >= 0xF0 && b < 0xF5) return 3;
  return -1;
}

}  // namespace

int32_t internal_of_utf8(const char* from_p, int32_t n, char* to_p, bool end_q, int32_t& n_used) {
  char* p = to_p;
  int32_t i = 0;
  while (i < n) {
    uint8_t b = uint8_t(from_p[i]);
    if (b < 0x80) {
      *p++ = char(b);
      ++i;
      continue;
    }
    int n_more = n_continuation(b);
    if (n_more > 0 && i + n_more >= n && !end_q) {
      bool whole_q = true;  // the bytes so far may still become a sequence
      for (int32_t k = i + 1; k < n; ++k) whole_q = whole_q && (uint8_t(from_p[k]) & 0xC0) == 0x80;
      if (whole_q) break;
    }
    uint32_t cp = n_more <= 0 ? b : b & (0x3F >> n_more);
    int k = 1;
    for (; k <= n_more && i + k < n && (uint8_t(from_p[i + k]) & 0xC0) == 0x80; ++k)
      cp = (cp << 6) | (uint8_t(from_p[i + k]) & 0x3F);
    if (k <= n_more) {  // cut short: the lead byte alone, as Latin-1
      cp = b;
      k = 1;
    }
    p = put_code_point(p, cp);
    i += k;
  }
  n_used = i;
  return int32_t(p - to_p);
}

Byte_Str utf8_name(const char* name) {
  int32_t n = text_length(name);
  Byte_Str s;
  reserve(s, int64_t(UTF8_GROWTH) * n);  // in 64 bits: "Out of memory", not a wrapped size
  s.write_p += utf8_of_internal(name, n, s.first_p);
  c_str(s);
  return s;
}

Byte_Str internal_name(const char* utf8) {
  int32_t n = int32_t(std::strlen(utf8)), n_used = 0;
  Byte_Str s;
  reserve(s, int64_t(INTERNAL_GROWTH) * n);
  s.write_p += internal_of_utf8(utf8, n, s.first_p, true, n_used);
  c_str(s);
  return s;
}
