// Addition, negation and subtraction, walking both chains together from the
// least significant word: a + (b or ~b) + carry, word by word.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

// The next word of a chain, least significant first. At the immediate top
// part the chain yields the part's value as a word and then stays at its
// sign, 0 or -1, whose words extend the sign forever.
inline uint32_t next_word(Integer& a) {
  if (!imm_q(a)) {
    uint32_t w = int_low(a);
    a = int_high(a);
    return w;
  }
  int32_t v = imm_value(a);
  a = v < 0 ? minus1_z_ : z0_;
  return uint32_t(v);
}

inline bool sign_part_q(Integer a) { return a == z0_ || a == minus1_z_; }

// a + b, or a - b as a + ~b + 1 when subtract_q.
Integer add_chains(Integer a, Integer b, bool subtract_q) {
  Words sum;
  uint32_t* w = sum.alloc(Words::N_INLINE);
  uint32_t flip = subtract_q ? 0xFFFFFFFFu : 0;
  uint64_t carry = subtract_q ? 1 : 0;
  int n = 0;
  // Until both are down to their signs, then one word more, which holds the
  // sign of the sum (the sum of two sign words and a carry lies in -2 .. 1).
  for (bool last = false; !last;) {
    last = sign_part_q(a) && sign_part_q(b);
    if (n == sum.capacity()) w = sum.grow(n + 1);
    uint64_t t = uint64_t(next_word(a)) + (next_word(b) ^ flip) + carry;
    w[n++] = uint32_t(t);
    carry = t >> 32;
  }
  return pack_twos(w, n);
}

}  // namespace

Integer int_add(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) + imm_value(b));
  return add_chains(a, b, false);
}

Integer int_negate(Integer a) {
  if (imm_q(a)) return int_from_int64(-int64_t(imm_value(a)));
  return add_chains(z0_, a, true);
}

Integer int_subtract(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) - imm_value(b));
  return add_chains(a, b, true);
}

Integer int_abs(Integer a) { return int_neg_q(a) ? int_negate(a) : hdl_copy(a); }
