// Decimal text of big integers, in groups of nine digits.
#include <cstdio>

#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

constexpr uint32_t GROUP = 1000000000;  // 10^9: nine decimal digits per word step
constexpr int GROUP_DIGITS = 9;

bool white_q(int c) { return c == ' ' || (c >= 9 && c <= 13); }
bool digit_q(int c) { return c >= '0' && c <= '9'; }


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

void int_write(Out_Stream& s, Integer a) {
  char buf[16];
  if (imm_q(a)) {
    std::snprintf(buf, sizeof buf, "%d", imm_value(a));
    put_text(s, buf);
    return;
  }
  Words m;
  unpack_magnitude(a, m);
  if (m.neg) put_byte(s, '-');
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
  std::snprintf(buf, sizeof buf, "%u", g[n_groups - 1]);
  put_text(s, buf);
  for (int i = n_groups - 2; i >= 0; --i) {
    std::snprintf(buf, sizeof buf, "%0*u", GROUP_DIGITS, g[i]);
    put_text(s, buf);
  }
}

std::string int_to_string(Integer a) {
  Byte_Str s;
  int_write(s, a);
  return std::string(s.first_p, size_t(n_elts(s)));
}

Integer int_read(In_Stream& s) {
  while (white_q(peek_byte(s))) get_byte(s);
  bool neg = peek_byte(s) == '-';
  if (neg) get_byte(s);
  if (!digit_q(peek_byte(s))) raise_syntax(s, "Illegal big integer");
  // Nine digits at a time: value = value·10^k + chunk over the words.
  Words m;
  int n = 0;
  uint32_t* w = m.clear(Words::N_INLINE);
  while (digit_q(peek_byte(s))) {
    uint32_t chunk = 0, scale = 1;
    for (int k = 0; k < GROUP_DIGITS && digit_q(peek_byte(s)); ++k) {
      chunk = chunk * 10 + uint32_t(get_byte(s) - '0');
      scale *= 10;
    }
    uint32_t carry = multiply_add_words(w, n, scale, chunk);
    if (carry == 0) continue;
    if (n == m.capacity()) w = m.grow(n + 1);
    w[n++] = carry;
  }
  return pack_magnitude(w, n, neg);
}

Integer int_from_string(const char* text) {
  Mem_In_Stream s(text);
  Integer a = EMPTY_HDL;
  try {
    a = int_read(s);
  } catch (Syntax_Err& e) {
    e.stream_mp = nullptr;  // the stream ends here
    throw;
  }
  if (!at_end_q(s)) {
    hdl_release(a);
    throw Syntax_Err("Illegal big integer", nullptr);
  }
  return a;
}
