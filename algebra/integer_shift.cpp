// Shifts by powers of two and the bit length.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

// The two's complement words shifted left by k bits (into a longer array).
Integer shift_left(const Words& x, int32_t k) {
  int n_words = k / INT_N_BITS, n_bits = k % INT_N_BITS;
  int n = x.n + n_words + 1;
  Words r;
  uint32_t* w = r.clear(n);
  uint32_t fill = x.neg ? 0xFFFFFFFFu : 0;
  for (int i = 0; i <= x.n; ++i) {
    uint32_t lo = i < x.n ? x.w[i] : fill;
    uint32_t below = i > 0 ? x.w[i - 1] : 0;
    w[i + n_words] = n_bits ? lo << n_bits | below >> (INT_N_BITS - n_bits) : lo;
  }
  return pack_twos(w, n);
}

// Arithmetic shift right of two's complement words: the floor for negatives.
Integer shift_right(const Words& x, int32_t k) {
  int n_words = k / INT_N_BITS, n_bits = k % INT_N_BITS;
  if (n_words >= x.n) return x.neg ? minus1_z_ : z0_;
  int n = x.n - n_words;
  Words r;
  uint32_t* w = r.clear(n);
  uint32_t fill = x.neg ? 0xFFFFFFFFu : 0;
  for (int i = 0; i < n; ++i) {
    uint32_t lo = x.w[i + n_words];
    uint32_t above = i + n_words + 1 < x.n ? x.w[i + n_words + 1] : fill;
    w[i] = n_bits ? lo >> n_bits | above << (INT_N_BITS - n_bits) : lo;
  }
  return pack_twos(w, n);
}

}  // namespace

Integer int_shift(Integer a, int32_t k) {
  if (k == 0 || a == z0_) return hdl_copy(a);
  if (imm_q(a) && k < 0) return imm_make(k <= -INT_N_BITS ? (imm_value(a) < 0 ? -1 : 0) : imm_value(a) >> -k);
  if (imm_q(a) && k <= 32) return int_from_int64(int64_t(uint64_t(int64_t(imm_value(a))) << k));
  Words x;
  unpack_twos(a, x);
  return k > 0 ? shift_left(x, k) : shift_right(x, -int64_t(k) > INT32_MAX ? INT32_MAX : -k);
}

int32_t int_bit_length(Integer a) {
  if (imm_q(a)) {
    int32_t v = imm_value(a);
    uint32_t m = v < 0 ? uint32_t(-int64_t(v)) : uint32_t(v);
    return m == 0 ? 0 : INT_N_BITS - __builtin_clz(m);
  }
  Words m;
  unpack_magnitude(a, m);
  return INT_N_BITS * (m.n - 1) + INT_N_BITS - __builtin_clz(m.w[m.n - 1]);
}
