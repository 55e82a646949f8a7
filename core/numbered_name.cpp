#include "core/numbered_name.h"

#include "core/code_point.h"
#include "core/num_format.h"

namespace {

// The last "." character, or the end. A byte that starts a character and is
// below 0x80 is the whole character, so the last byte of a multi-byte
// character is never taken for a ".".
const char* last_dot(const char* name, const char* end_p) {
  const char* dot_p = end_p;
  for (const char* p = name; p < end_p; skip_code_point(p, end_p))
    if (*p == '.') dot_p = p;
  return dot_p;
}

// The single-byte character just before p, or 0 when it is a multi-byte one
// or p is the start.
char ascii_before(const char* name, const char* p) {
  if (p == name) return 0;
  const char* c_p = char_start_before(name, p);
  return c_p + 1 == p ? *c_p : 0;
}

bool digit_q(char c) { return c >= '0' && c <= '9'; }
bool letter_q(int64_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

Byte_Str step_file_name(const char* name, int32_t delta) {
  const char* end_p = name + text_length(name);
  const char* dot_p = last_dot(name, end_p);
  const char* digits_p = dot_p;
  while (digit_q(ascii_before(name, digits_p))) --digits_p;
  Byte_Str res;
  if (digits_p < dot_p) {
    // A number beyond 32 bits is not a step of any series.
    int64_t n = 0;
    for (const char* p = digits_p; p < dot_p && n <= INT32_MAX; ++p) n = n * 10 + (*p - '0');
    int64_t stepped = n + delta;
    if (n > INT32_MAX || stepped < 0 || stepped > INT32_MAX) return res;
    append(res, name, int32_t(digits_p - name));
    format_int(res, int32_t(stepped));
    append(res, dot_p, int32_t(end_p - dot_p));
    return res;
  }
  char letter = ascii_before(name, dot_p);
  if (!letter_q(letter) || !digit_q(ascii_before(name, dot_p - 1))) return res;
  int64_t moved = int64_t(letter) + delta;
  if (!letter_q(moved)) return res;
  append(res, name, int32_t(end_p - name));
  res[int32_t(dot_p - 1 - name)] = char(moved);
  return res;
}
