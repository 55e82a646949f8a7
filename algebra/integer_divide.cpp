// Truncating division with remainder, and the greatest common divisor.
#include "algebra/Integer.h"
#include "algebra/integer_words.h"

#include <algorithm>
#include <numeric>
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
uint64_t value_of_short(const uint32_t* w, int n) {
  uint64_t x = 0;
  for (int i = n; i-- > 0;) x = x << 32 | w[i];
  return x;
}

Integer gcd_of_short(uint64_t x, uint64_t y) {
  x = std::gcd(x, y);
  uint32_t w[2] = {uint32_t(x), uint32_t(x >> 32)};
  return pack_magnitude(w, 2, false);
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

// The cofactors (a b; c d) of Euclid's first steps on u and v found from
// their leading 32 bits alone (taken at the same shift): a·u + b·v and
// c·u + d·v are remainders Euclid would reach. b == 0 when not even the first
// quotient is sure, and a full division step is needed.
struct Cofactors {
  int64_t a, b, c, d;
};

Cofactors lehmer_cofactors(int64_t x, int64_t y) {
  Cofactors m{1, 0, 0, 1};
  while (y + m.c != 0 && y + m.d != 0) {
    int64_t q = (x + m.a) / (y + m.c);
    if (q != (x + m.b) / (y + m.d)) break;
    int64_t t = m.a - q * m.c;
    m.a = m.c;
    m.c = t;
    t = m.b - q * m.d;
    m.b = m.d;
    m.d = t;
    t = x - q * y;
    x = y;
    y = t;
  }
  return m;
}

// a·u + b·v, known to be non-negative, into out (v no longer than u).
void combine(const std::vector<uint32_t>& u, const std::vector<uint32_t>& v, int64_t a, int64_t b, std::vector<uint32_t>& out) {
  out.assign(u.size(), 0);
  __int128 carry = 0;
  for (size_t i = 0; i < u.size(); ++i) {
    carry += __int128(a) * u[i] + (i < v.size() ? __int128(b) * v[i] : 0);
    out[i] = uint32_t(carry);
    carry >>= 32;
  }
  out.resize(size_t(trimmed_length(out.data(), int(out.size()))));
}

// One step of Euclid on long numbers: (u, v) becomes (v, u mod v), or the
// same as several steps at once when the leading bits tell the quotients.
void euclid_step(std::vector<uint32_t>& u, std::vector<uint32_t>& v, std::vector<uint32_t>& scratch) {
  size_t n = u.size();
  int shift = __builtin_clz(u[n - 1]);
  auto leading = [n, shift](const std::vector<uint32_t>& w) {
    uint64_t top = (w.size() >= n ? uint64_t(w[n - 1]) << 32 : 0) | (w.size() >= n - 1 ? w[n - 2] : 0);
    return int64_t((top << shift) >> 32);
  };
  Cofactors m = lehmer_cofactors(leading(u), leading(v));
  if (m.b == 0) {
    int m_words = int(n), n_words = int(v.size());
    u.push_back(0);
    scratch.assign(size_t(m_words - n_words + 1), 0);
    divide_words(u.data(), m_words, v.data(), n_words, scratch.data());
    u.resize(size_t(trimmed_length(u.data(), n_words)));
    u.swap(v);
    return;
  }
  combine(u, v, m.c, m.d, scratch);
  std::vector<uint32_t> next_u;
  combine(u, v, m.a, m.b, next_u);
  u.swap(next_u);
  v.swap(scratch);
}

}  // namespace

// Euclid on word arrays, several steps at a time (Lehmer): each chain is
// walked once, however many steps the remainders take.
Integer int_gcd(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) return int_from_int64(std::gcd(int64_t(imm_value(a)), int64_t(imm_value(b))));
  Words wa, wb;
  unpack_magnitude(a, wa);
  unpack_magnitude(b, wb);
  if (wa.n <= 2 && wb.n <= 2) return gcd_of_short(value_of_short(wa.w, wa.n), value_of_short(wb.w, wb.n));
  std::vector<uint32_t> u(wa.w, wa.w + wa.n), v(wb.w, wb.w + wb.n), q;
  // Euclid's steps on the leading bits need u >= v.
  if (u.size() < v.size() || (u.size() == v.size() && std::lexicographical_compare(u.rbegin(), u.rend(), v.rbegin(), v.rend()))) u.swap(v);
  while (v.size() > 2) euclid_step(u, v, q);
  if (v.empty()) return pack_magnitude(u.data(), int(u.size()), false);
  uint64_t x = value_of_short(v.data(), int(v.size()));
  return gcd_of_short(x, u.size() > 2 ? remainder_by_short(u, v) : value_of_short(u.data(), int(u.size())) % x);
}
