// Decimal text of big integers, in groups of nine digits.
#include <cstdio>

#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

constexpr uint32_t GROUP = 1000000000;  // 10^9: nine decimal digits per word step
constexpr int GROUP_DIGITS = 9;

bool white_q(char c) { return c == ' ' || (c >= 9 && c <= 13); }
bool digit_q(char c) { return c >= '0' && c <= '9'; }

// w[0..n) = w·mul + add; gives the carry out of the top word.
uint32_t multiply_add_words(uint32_t* w, int n, uint32_t mul, uint32_t add) {
  uint64_t carry = add;
  for (int i = 0; i < n; ++i) {
    uint64_t t = uint64_t(w[i]) * mul + carry;
    w[i] = uint32_t(t);
    carry = t >> 32;
  }
  return uint32_t(carry);
}

}  // namespace

void int_write(std::string& out, Integer a) {
  if (imm_q(a)) {
    out += std::to_string(imm_value(a));
    return;
  }
  Words m;
  unpack_magnitude(a, m);
  if (m.neg) out += '-';
  // Groups come out least significant first; each costs one pass over the words.
  Words groups;
  uint32_t* g = groups.clear(m.n * 10 / 9 + 2);
  int n_groups = 0, n = m.n;
  while (n > 0) {
    uint64_t rem = 0;
    for (int i = n - 1; i >= 0; --i) {
      uint64_t num = rem << 32 | m.w[i];
      m.w[i] = uint32_t(num / GROUP);
      rem = num % GROUP;
    }
    g[n_groups++] = uint32_t(rem);
    n = trimmed_length(m.w, n);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%u", g[n_groups - 1]);
  out += buf;
  for (int i = n_groups - 2; i >= 0; --i) {
    std::snprintf(buf, sizeof buf, "%0*u", GROUP_DIGITS, g[i]);
    out += buf;
  }
}

std::string int_to_string(Integer a) {
  std::string s;
  int_write(s, a);
  return s;
}

Integer int_read(const char*& p) {
  const char* s = p;
  while (white_q(*s)) ++s;
  bool neg = *s == '-';
  if (neg) ++s;
  if (!digit_q(*s)) {
    p = s;
    throw Syntax_Err("Illegal big integer", nullptr);
  }
  const char* start = s;
  while (digit_q(*s)) ++s;
  int n_digits = int(s - start);
  p = s;
  // Room for the value: 10^9 < 2^30, so each group adds under one word.
  Words m;
  uint32_t* w = m.clear(n_digits / GROUP_DIGITS + 2);
  int n = 0;
  for (const char* d = start; d < s;) {
    uint32_t chunk = 0, scale = 1;
    for (int k = 0; k < GROUP_DIGITS && d < s; ++k, ++d) {
      chunk = chunk * 10 + uint32_t(*d - '0');
      scale *= 10;
    }
    uint32_t carry = multiply_add_words(w, n, scale, chunk);
    if (carry) w[n++] = carry;
  }
  return pack_magnitude(w, n, neg);
}

Integer int_from_string(const char* text) {
  const char* p = text;
  Integer a = int_read(p);
  if (*p != 0) {
    hdl_release(a);
    throw Syntax_Err("Illegal big integer", nullptr);
  }
  return a;
}
