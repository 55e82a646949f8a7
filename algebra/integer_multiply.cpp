// Multiplication: schoolbook products of the magnitudes in 64-bit limbs (a
// quarter of the steps of 32-bit words), the sign applied last.
#include <bit>
#include <cstring>

#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

static_assert(std::endian::native == std::endian::little, "limbs are read from pairs of words");

typedef unsigned __int128 U128;

// Limb i of a word array: words 2i and 2i+1 (memcpy keeps the access legal
// and compiles to one load or store).
inline uint64_t limb(const uint32_t* w, int i) {
  uint64_t v;
  std::memcpy(&v, w + 2 * i, sizeof v);
  return v;
}
inline void set_limb(uint32_t* w, int i, uint64_t v) { std::memcpy(w + 2 * i, &v, sizeof v); }

// p[0 .. na+nb) = a·b in limbs; p must be zero on entry.
void multiply_limbs(const uint32_t* a, int na, const uint32_t* b, int nb, uint32_t* p) {
  for (int j = 0; j < nb; ++j) {
    uint64_t carry = 0, bj = limb(b, j);
    for (int i = 0; i < na; ++i) {
      U128 t = U128(limb(a, i)) * bj + limb(p, i + j) + carry;
      set_limb(p, i + j, uint64_t(t));
      carry = uint64_t(t >> 64);
    }
    set_limb(p, na + j, carry);
  }
}

// Magnitudes unpacked with a zero word of room, so the last limb is whole.
Integer multiply_magnitudes(const Words& x, const Words& y, bool neg) {
  int na = (x.n + 1) / 2, nb = (y.n + 1) / 2;
  Words prod;
  uint32_t* p = prod.clear(2 * (na + nb));
  multiply_limbs(x.w, na, y.w, nb, p);
  return pack_magnitude(p, 2 * (na + nb), neg);
}

// |a| when it is below 2^64: the chains of at most two records.
bool small_magnitude_q(Integer a, uint64_t& mag, bool& neg) {
  int64_t v;
  if (imm_q(a)) {
    v = imm_value(a);
  } else if (imm_q(int_high(a))) {
    v = int64_t(uint64_t(int64_t(imm_value(int_high(a)))) << 32 | int_low(a));
  } else {
    Integer h = int_high(a);
    if (!imm_q(int_high(h)) || !(int_high(h) == z0_ || int_high(h) == minus1_z_)) return false;
    uint64_t u = uint64_t(int_low(h)) << 32 | int_low(a);
    neg = int_high(h) == minus1_z_;
    if (neg && u == 0) return false;  // -2^64
    mag = neg ? ~u + 1 : u;
    return true;
  }
  neg = v < 0;
  mag = neg ? uint64_t(0) - uint64_t(v) : uint64_t(v);
  return true;
}

Integer pack_product(U128 p, bool neg) {
  uint32_t w[4] = {uint32_t(p), uint32_t(p >> 32), uint32_t(p >> 64), uint32_t(p >> 96)};
  return pack_magnitude(w, 4, neg);
}

}  // namespace

Integer int_multiply(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(int64_t(imm_value(a)) * imm_value(b));
  if (a == imm_make(1)) return hdl_copy(b);
  if (b == imm_make(1)) return hdl_copy(a);
  if (a == z0_ || b == z0_) return z0_;
  uint64_t ma, mb;
  bool na, nb;
  if (small_magnitude_q(a, ma, na) && small_magnitude_q(b, mb, nb)) return pack_product(U128(ma) * mb, na != nb);
  Words x, y;
  unpack_magnitude(a, x, 1);
  unpack_magnitude(b, y, 1);
  return multiply_magnitudes(x, y, x.neg != y.neg);
}

Integer int_multiply_word(Integer a, uint32_t w) {
  if (imm_q(a)) return int_from_int64(int64_t(imm_value(a)) * int64_t(w));
  if (w == 0) return z0_;
  Words x, y;
  unpack_magnitude(a, x, 1);
  uint32_t* yw = y.alloc(2);
  yw[0] = w;
  yw[1] = 0;
  y.n = 1;
  return multiply_magnitudes(x, y, x.neg);
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
