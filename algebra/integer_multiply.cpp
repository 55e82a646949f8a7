// Multiplication: schoolbook products of the magnitudes, the sign applied last.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

// p[0 .. na+nb) = a·b; p must be zero on entry.
void multiply_words(const uint32_t* a, int na, const uint32_t* b, int nb, uint32_t* p) {
  for (int j = 0; j < nb; ++j) {
    uint64_t carry = 0;
    uint64_t bj = b[j];
    for (int i = 0; i < na; ++i) {
      uint64_t t = a[i] * bj + p[i + j] + carry;
      p[i + j] = uint32_t(t);
      carry = t >> 32;
    }
    p[na + j] = uint32_t(carry);
  }
}

}  // namespace

Integer int_multiply(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) * imm_value(b));
  if (a == imm_make(1)) return hdl_copy(b);
  if (b == imm_make(1)) return hdl_copy(a);
  Words x, y, p;
  unpack_magnitude(a, x);
  unpack_magnitude(b, y);
  if (x.n == 0 || y.n == 0) return z0_;
  uint32_t* w = p.clear(x.n + y.n);
  multiply_words(x.w, x.n, y.w, y.n, w);
  return pack_magnitude(w, x.n + y.n, x.neg != y.neg);
}

Integer int_multiply_word(Integer a, uint32_t w) {
  if (imm_q(a)) return int_from_int64(int64_t(imm_value(a)) * int64_t(w));
  Words x, p;
  unpack_magnitude(a, x);
  uint32_t* pw = p.clear(x.n + 1);
  multiply_words(x.w, x.n, &w, 1, pw);
  return pack_magnitude(pw, x.n + 1, x.neg);
}

Integer int_power(Integer a, uint32_t n) {
  Ref result = Ref::adopt(imm_make(1));
  Ref base = Ref::share(a);
  while (n > 0) {
    if (n & 1) result = Ref::adopt(int_multiply(result.get(), base.get()));
    n >>= 1;
    if (n > 0) base = Ref::adopt(int_multiply(base.get(), base.get()));
  }
  return result.release();
}
