// The word record, the canonical constructor, conversions and comparison.
#include <cmath>
#include <cstring>
#include <new>

#include "algebra/Integer.h"
#include "algebra/integer_words.h"
#include "core/growth.h"

namespace {

// Releases a whole chain without recursion: long chains must not exhaust the stack.
void release_int_rec(Rec* r) noexcept {
  for (;;) {
    Integer high = reinterpret_cast<Int_Rec*>(r)->high;
    pool_return(r);
    if (imm_q(high)) return;
    r = rec_of(high);
    if (r->n_uses != 1 || r->kind_i != INTEGER_KIND) return hdl_release(high);
    r->n_uses = 0;
  }
}

const bool registered_ = register_fixed_kind(INTEGER_KIND, release_int_rec, "integer");

// Sign of a word record's value: the sign of its most significant part.
bool rec_neg_q(Integer a) {
  while (!imm_q(a)) a = int_high(a);
  return imm_value(a) < 0;
}

}  // namespace

Integer int_make(Integer high, uint32_t low) {
  if (high == z0_ && low <= uint32_t(IMM_MAX)) return imm_make(int32_t(low));
  if (high == minus1_z_ && low >= 0xC0000000u) return imm_make(int32_t(low));
  Int_Rec* r = reinterpret_cast<Int_Rec*>(rec_new(INTEGER_KIND, sizeof(Int_Rec)));
  r->high = high;
  r->low = low;
  return hdl_of(r);
}

Integer int_from_int(int32_t n) {
  if (n >= IMM_MIN && n <= IMM_MAX) return imm_make(n);
  return int_make(n < 0 ? minus1_z_ : z0_, uint32_t(n));
}

Integer int_from_int64(int64_t n) {
  if (n >= IMM_MIN && n <= IMM_MAX) return imm_make(int32_t(n));
  return int_make(int_from_int(int32_t(n >> 32)), uint32_t(n));
}

Integer int_from_uint64(uint64_t n) {
  if (n <= uint64_t(IMM_MAX)) return imm_make(int32_t(n));
  uint64_t hi = n >> 32;
  Integer high = hi <= uint64_t(IMM_MAX) ? imm_make(int32_t(hi)) : int_make(z0_, uint32_t(hi));
  return int_make(high, uint32_t(n));
}

Integer int_from_double(double x) {
  CHECK(std::isfinite(x));
  x = std::trunc(x);
  if (std::fabs(x) < 9.0e18) return int_from_int64(int64_t(x));
  int e;
  double m = std::frexp(std::fabs(x), &e);  // |x| = m·2^e with 0.5 <= m < 1
  Integer mant = int_from_int64(int64_t(std::ldexp(m, 53)));
  Integer mag = int_shift(mant, e - 53);
  hdl_release(mant);
  if (x > 0) return mag;
  Integer res = int_negate(mag);
  hdl_release(mag);
  return res;
}

bool int_fits_int_q(Integer a) {
  if (imm_q(a)) return true;
  Integer high = int_high(a);
  return high == (int32_t(int_low(a)) < 0 ? minus1_z_ : z0_);
}

int32_t int_to_int(Integer a) {
  if (imm_q(a)) return imm_value(a);
  int32_t res = int32_t(int_low(a));
  CHECK_AS(int_high(a) == (res < 0 ? minus1_z_ : z0_), "&*x.t_v_ == &(res < 0 ? minus1_z_ : z0_)");
  return res;
}

bool int_fits_int64_q(Integer a) {
  if (imm_q(a)) return true;
  Integer high = int_high(a);
  return int_fits_int_q(high);
}

int64_t int_to_int64(Integer a) {
  if (imm_q(a)) return imm_value(a);
  CHECK(int_fits_int64_q(a));
  return int64_t(uint64_t(int64_t(int_to_int(int_high(a)))) << 32 | int_low(a));
}

// The top 64 bits of the magnitude with a sticky bit for everything below
// them, so the one conversion to double rounds correctly.
double int_to_double(Integer a) {
  if (imm_q(a)) return imm_value(a);
  Words m;
  unpack_magnitude(a, m);
  int n = m.n;
  if (n <= 2) {
    double d = double(n == 1 ? uint64_t(m.w[0]) : uint64_t(m.w[1]) << 32 | m.w[0]);
    return m.neg ? -d : d;
  }
  uint64_t top = uint64_t(m.w[n - 1]) << 32 | m.w[n - 2];
  int shift = __builtin_clzll(top);
  bool sticky = false;
  for (int i = 0; i < n - 3; ++i) sticky |= m.w[i] != 0;
  if (shift > 0) {
    uint64_t next = m.w[n - 3];
    top = top << shift | next >> (32 - shift);
    sticky |= (next << shift & 0xFFFFFFFFu) != 0;
  } else {
    sticky |= m.w[n - 3] != 0;
  }
  double d = std::ldexp(double(top | (sticky ? 1 : 0)), 32 * (n - 2) - shift);
  return m.neg ? -d : d;
}

// Canonical chains order by length first: a longer chain holds a larger
// magnitude. Chains of one length compare from the most significant end.
int int_compare(Integer a, Integer b) {
  if (imm_q(a) && imm_q(b)) {
    int32_t x = imm_value(a), y = imm_value(b);
    return (x > y) - (x < y);
  }
  // A word record lies outside the immediate range, on its sign's side.
  if (imm_q(a)) return rec_neg_q(b) ? 1 : -1;
  if (imm_q(b)) return rec_neg_q(a) ? -1 : 1;
  bool a_neg = rec_neg_q(a), b_neg = rec_neg_q(b);
  if (a_neg != b_neg) return a_neg ? -1 : 1;
  int la = int_chain_length(a), lb = int_chain_length(b);
  if (la != lb) return (la > lb) == a_neg ? -1 : 1;
  Words x, y;
  unpack_twos(a, x);
  unpack_twos(b, y);
  int32_t top_a = int32_t(x.w[la]), top_b = int32_t(y.w[la]);
  if (top_a != top_b) return top_a < top_b ? -1 : 1;
  for (int i = la - 1; i >= 0; --i)
    if (x.w[i] != y.w[i]) return x.w[i] < y.w[i] ? -1 : 1;
  return 0;
}

bool int_equal_q(Integer a, Integer b) {
  while (a != b) {
    if (imm_q(a) || imm_q(b) || int_low(a) != int_low(b)) return false;
    a = int_high(a);
    b = int_high(b);
  }
  return true;
}

bool int_neg_q(Integer a) { return imm_q(a) ? imm_value(a) < 0 : rec_neg_q(a); }

Integer int_sign(Integer a) { return int_neg_q(a) ? minus1_z_ : imm_make(1); }

// ---- word arrays

std::unique_ptr<uint32_t[]> heap_words(int32_t n_words) {
  uint32_t* p = new (std::nothrow) uint32_t[size_t(n_words)];
  if (!p) raise_static("Out of memory");
  return std::unique_ptr<uint32_t[]>(p);
}

uint32_t* Words::alloc(int n_words) {
  if (n_words > N_INLINE) {
    cap_ = seq_new_capacity(0, n_words, WORD_REC_BYTES);
    heap_ = heap_words(cap_);
    w = heap_.get();
  } else {
    w = inline_;
    cap_ = N_INLINE;
  }
  return w;
}

uint32_t* Words::clear(int n_words) {
  alloc(n_words);
  std::memset(w, 0, sizeof(uint32_t) * size_t(n_words));
  return w;
}

uint32_t* Words::grow(int n_words) {
  if (n_words <= cap_) return w;
  int32_t cap = seq_new_capacity(cap_, n_words, WORD_REC_BYTES);
  std::unique_ptr<uint32_t[]> bigger = heap_words(cap);
  std::memcpy(bigger.get(), w, sizeof(uint32_t) * size_t(cap_));
  std::memset(bigger.get() + cap_, 0, sizeof(uint32_t) * size_t(cap - cap_));
  heap_ = std::move(bigger);
  w = heap_.get();
  cap_ = cap;
  return w;
}

int int_chain_length(Integer a) {
  int n = 0;
  for (; !imm_q(a); a = int_high(a)) ++n;
  return n;
}

// One walk down the chain; the array grows in the rare case of long chains.
void unpack_twos(Integer a, Words& out, int n_extra) {
  uint32_t* w = out.alloc(Words::N_INLINE);
  int i = 0;
  for (; !imm_q(a); a = int_high(a)) {
    if (i + 1 + n_extra >= out.capacity()) w = out.grow(i + 2 + n_extra);
    w[i++] = int_low(a);
  }
  if (i + 1 + n_extra > out.capacity()) w = out.grow(i + 1 + n_extra);
  w[i] = uint32_t(imm_value(a));
  for (int k = 1; k <= n_extra; ++k) w[i + k] = 0;
  out.n = i + 1;
  out.neg = imm_value(a) < 0;
}

void unpack_magnitude(Integer a, Words& out, int n_extra) {
  unpack_twos(a, out, n_extra);
  if (out.neg) {
    // The magnitude of an n-word negative value fits n words.
    uint64_t carry = 1;
    for (int i = 0; i < out.n; ++i) {
      uint64_t t = uint64_t(uint32_t(~out.w[i])) + carry;
      out.w[i] = uint32_t(t);
      carry = t >> 32;
    }
  }
  out.n = trimmed_length(out.w, out.n);
}

Integer pack_twos(const uint32_t* w, int n) {
  Integer h = (n > 0 && int32_t(w[n - 1]) < 0) ? minus1_z_ : z0_;
  for (int i = n - 1; i >= 0; --i) h = int_make(h, w[i]);
  return h;
}

Integer pack_magnitude(uint32_t* w, int n, bool neg) {
  n = trimmed_length(w, n);
  if (n == 0) return z0_;
  if (!neg) {
    Integer h = z0_;
    for (int i = n - 1; i >= 0; --i) h = int_make(h, w[i]);
    return h;
  }
  // -m for 0 < m <= 2^(32n) is n words of two's complement below an
  // endless run of ones, whatever the top bit of the last word.
  uint64_t carry = 1;
  for (int i = 0; i < n; ++i) {
    uint64_t t = uint64_t(uint32_t(~w[i])) + carry;
    w[i] = uint32_t(t);
    carry = t >> 32;
  }
  Integer h = minus1_z_;
  for (int i = n - 1; i >= 0; --i) h = int_make(h, w[i]);
  return h;
}
