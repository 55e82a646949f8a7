// Addition, negation and subtraction in two's complement words.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

inline uint32_t word_at(const Words& a, int i) { return i < a.n ? a.w[i] : (a.neg ? 0xFFFFFFFFu : 0); }

// a + b + carry_in over words long enough that the sum cannot overflow them.
Integer add_words(const Words& a, const Words& b, uint32_t carry_in) {
  int n = (a.n > b.n ? a.n : b.n) + 1;
  Words sum;
  uint32_t* w = sum.clear(n);
  uint64_t carry = carry_in;
  for (int i = 0; i < n; ++i) {
    uint64_t t = uint64_t(word_at(a, i)) + word_at(b, i) + carry;
    w[i] = uint32_t(t);
    carry = t >> 32;
  }
  return pack_twos(w, n);
}

}  // namespace

Integer int_add(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) + imm_value(b));
  Words x, y;
  unpack_twos(a, x);
  unpack_twos(b, y);
  return add_words(x, y, 0);
}

Integer int_negate(Integer a) {
  if (imm_q(a)) return int_from_int64(-int64_t(imm_value(a)));
  // -a = ~a + 1.
  Words x, zero;
  unpack_twos(a, x);
  for (int i = 0; i < x.n; ++i) x.w[i] = ~x.w[i];
  x.neg = !x.neg;
  return add_words(x, zero, 1);
}

Integer int_subtract(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) - imm_value(b));
  // a - b = a + ~b + 1.
  Words x, y;
  unpack_twos(a, x);
  unpack_twos(b, y);
  for (int i = 0; i < y.n; ++i) y.w[i] = ~y.w[i];
  y.neg = !y.neg;
  return add_words(x, y, 1);
}

Integer int_abs(Integer a) { return int_neg_q(a) ? int_negate(a) : hdl_copy(a); }
