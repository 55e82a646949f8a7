// Truncating division with remainder, and the greatest common divisor.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

namespace {

constexpr uint64_t BASE = uint64_t(1) << 32;

// q[0..n) = u[0..n) / d from the most significant word down; gives the remainder.
uint32_t divide_words_by_word(const uint32_t* u, int n, uint32_t d, uint32_t* q) {
  uint64_t rem = 0;
  for (int i = n - 1; i >= 0; --i) {
    uint64_t num = rem << 32 | u[i];
    q[i] = uint32_t(num / d);
    rem = num % d;
  }
  return uint32_t(rem);
}

// Long division of u (m words, room for m+1) by v (n >= 2 words, top word not
// 0): q gets m-n+1 words and u is left holding the remainder in its low n words.
// Both are first shifted so that the divisor's top word has its highest bit
// set; then each estimated quotient word is at most 2 too large.
void divide_words(uint32_t* u, int m, const uint32_t* v, int n, uint32_t* q) {
  int pre_d_e = __builtin_clz(v[n - 1]);
  Words vn_buf;
  uint32_t* vn = vn_buf.clear(n);
  for (int i = n - 1; i > 0; --i) vn[i] = pre_d_e ? v[i] << pre_d_e | v[i - 1] >> (INT_N_BITS - pre_d_e) : v[i];
  vn[0] = v[0] << pre_d_e;
  u[m] = pre_d_e ? u[m - 1] >> (INT_N_BITS - pre_d_e) : 0;
  for (int i = m - 1; i > 0; --i) u[i] = pre_d_e ? u[i] << pre_d_e | u[i - 1] >> (INT_N_BITS - pre_d_e) : u[i];
  u[0] <<= pre_d_e;

  for (int j = m - n; j >= 0; --j) {
    uint64_t num = uint64_t(u[j + n]) << 32 | u[j + n - 1];
    uint64_t qhat = num / vn[n - 1];
    uint64_t rhat = num % vn[n - 1];
    while (qhat >= BASE || qhat * vn[n - 2] > (rhat << 32 | u[j + n - 2])) {
      --qhat;
      rhat += vn[n - 1];
      if (rhat >= BASE) break;
    }
    // u[j .. j+n] -= qhat·vn, tracking the borrow as a signed word.
    int64_t borrow = 0;
    for (int i = 0; i < n; ++i) {
      uint64_t p = qhat * vn[i];
      int64_t t = int64_t(u[i + j]) - borrow - int64_t(p & 0xFFFFFFFFu);
      u[i + j] = uint32_t(t);
      borrow = int64_t(p >> 32) - (t >> 32);
    }
    int64_t t = int64_t(u[j + n]) - borrow;
    u[j + n] = uint32_t(t);
    q[j] = uint32_t(qhat);
    if (t < 0) {
      // The estimate was one too large: add the divisor back.
      --q[j];
      uint64_t carry = 0;
      for (int i = 0; i < n; ++i) {
        uint64_t s = uint64_t(u[i + j]) + vn[i] + carry;
        u[i + j] = uint32_t(s);
        carry = s >> 32;
      }
      u[j + n] += uint32_t(carry);
    }
  }
  for (int i = 0; i < n; ++i) u[i] = pre_d_e ? u[i] >> pre_d_e | u[i + 1] << (INT_N_BITS - pre_d_e) : u[i];
  for (int i = n; i <= m; ++i) u[i] = 0;
}

}  // namespace

Integer int_divide(Integer& a, Integer b) {
  CHECK(b != z0_);
  if (imm_q(a) && imm_q(b)) {
    int32_t x = imm_value(a), y = imm_value(b);
    a = imm_make(x % y);
    return int_from_int64(int64_t(x) / y);  // -2^30 / -1 leaves the immediates
  }
  Words u, v, q;
  unpack_magnitude(a, u, 1);
  unpack_magnitude(b, v);
  if (u.n < v.n) return z0_;  // |a| < |b|: a is its own remainder
  uint32_t* qw = q.clear(u.n - v.n + 1);
  if (v.n == 1) {
    uint32_t rem = divide_words_by_word(u.w, u.n, v.w[0], qw);
    for (int i = 0; i < u.n; ++i) u.w[i] = 0;
    u.w[0] = rem;
  } else {
    divide_words(u.w, u.n, v.w, v.n, qw);
  }
  hdl_release(a);
  a = pack_magnitude(u.w, u.n, u.neg);
  return pack_magnitude(qw, u.n - v.n + 1, u.neg != v.neg);
}

int64_t int_divide_word(Integer& a, uint32_t w) {
  CHECK(w != 0);
  Words u, q;
  unpack_magnitude(a, u);
  uint32_t* qw = q.clear(u.n);
  int64_t rem = divide_words_by_word(u.w, u.n, w, qw);
  hdl_release(a);
  a = pack_magnitude(qw, u.n, u.neg);
  return u.neg ? -rem : rem;
}

Integer int_gcd(Integer a, Integer b) {
  Ref x = Ref::adopt(int_abs(a));
  Ref y = Ref::adopt(int_abs(b));
  while (y.get() != z0_) {
    Integer r = x.release();
    hdl_release(int_divide(r, y.get()));
    x = std::move(y);
    y = Ref::adopt(r);
  }
  return x.release();
}
