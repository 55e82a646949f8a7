// Truncating division with remainder, and the greatest common divisor.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

#include <vector>

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

namespace {

// The value of at most two words.
uint64_t value_of_short(const std::vector<uint32_t>& w) {
  uint64_t x = 0;
  for (size_t i = w.size(); i-- > 0;) x = x << 32 | w[i];
  return x;
}

// u mod v for v of one or two non-zero words (u not shorter than v).
uint64_t remainder_by_short(std::vector<uint32_t>& u, const std::vector<uint32_t>& v) {
  int m = int(u.size());
  std::vector<uint32_t> q(static_cast<size_t>(m));
  if (v.size() == 1) return divide_words_by_word(u.data(), m, v[0], q.data());
  u.push_back(0);
  divide_words(u.data(), m, v.data(), 2, q.data());
  return uint64_t(u[1]) << 32 | u[0];
}

}  // namespace

// Euclid on word arrays: each chain is walked once, however many steps the
// remainders take.
Integer int_gcd(Integer a, Integer b) {
  Words wa, wb;
  unpack_magnitude(a, wa);
  unpack_magnitude(b, wb);
  std::vector<uint32_t> u(wa.w, wa.w + wa.n), v(wb.w, wb.w + wb.n), q;
  if (u.size() < v.size()) u.swap(v);
  while (v.size() > 2) {
    int m = int(u.size()), n = int(v.size());
    u.push_back(0);
    q.assign(size_t(m - n + 1), 0);
    divide_words(u.data(), m, v.data(), n, q.data());
    u.resize(size_t(trimmed_length(u.data(), n)));
    u.swap(v);
  }
  if (v.empty()) return pack_magnitude(u.data(), int(u.size()), false);
  uint64_t x = value_of_short(v), y = u.size() > 2 ? remainder_by_short(u, v) : value_of_short(u) % x;
  while (y != 0) {
    uint64_t r = x % y;
    x = y;
    y = r;
  }
  uint32_t w[2] = {uint32_t(x), uint32_t(x >> 32)};
  return pack_magnitude(w, 2, false);
}
