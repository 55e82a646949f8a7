// Rings of the tower for tests: building them by name, reading elements from
// text, and drawing random elements.
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

#include "algebra/Integer.h"
#include "algebra/UPoly2.h"
#include "algebra/fraction_field.h"
#include "algebra/ring.h"
#include "tests/algebra/gmp_ref.h"

// A ring by name: "Z", "Q", then "[x]" for each polynomial level, and a
// final "(frac)" for the field of fractions of the whole: "Z[x][y]", "Q[x]",
// "Z[x](frac)".
inline Ref ring_by_name(const std::string& name) {
  Ref r = Ref::share(integer_ring());
  if (name[0] == 'Q') r = Ref::adopt(fraction_field_new(r.get()));
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] == '[') r = Ref::adopt(upoly2_ring_new(r.get()));
    if (name[i] == '(') r = Ref::adopt(fraction_field_new(r.get()));
  }
  return r;
}

// The integer n in any ring of the tower.
inline Hdl embed_integer(const Ring& r, Integer n) {
  switch (r.ring_case) {
    case RING_INTEGERS: return hdl_copy(n);
    case RING_FRACTIONS: {
      Ref b = Ref::adopt(embed_integer(coef_ring_of(r), n));
      return fraction_from_base(r, b.get());
    }
    default: {
      Ref c = Ref::adopt(embed_integer(coef_ring_of(r), n));
      return poly_constant(r, c.get());
    }
  }
}

// The variable of polynomial level k (1 for x, 2 for y, ...) in r.
inline Hdl generator(const Ring& r, int32_t k) {
  CHECK(r.ring_case != RING_INTEGERS);
  if (r.ring_case == RING_FRACTIONS) {
    Ref b = Ref::adopt(generator(coef_ring_of(r), k));
    return fraction_from_base(r, b.get());
  }
  if (r.n_vars == k) return poly_x(r);
  Ref c = Ref::adopt(generator(coef_ring_of(r), k));
  return poly_constant(r, c.get());
}

// Reads sums, differences, products, quotients (exact in fields), powers,
// parentheses, integers and the variables x, y, z, u, v, w.
class Elt_Reader {
 public:
  Elt_Reader(const Ring& r, const char* text) : r_(r), p_(text) {}
  Ref read() {
    Ref v = sum();
    skip();
    EXPECT_EQ(*p_, 0) << "unread text: " << p_;
    return v;
  }

 private:
  void skip() { while (*p_ == ' ') ++p_; }
  Ref sum() {
    skip();
    bool neg = *p_ == '-';
    if (neg) ++p_;
    Ref v = product();
    if (neg) v = Ref::adopt(ring_negate(r_, v.get()));
    for (skip(); *p_ == '+' || *p_ == '-'; skip()) {
      char op = *p_++;
      Ref t = product();
      v = Ref::adopt(op == '+' ? ring_add(r_, v.get(), t.get()) : ring_subtract(r_, v.get(), t.get()));
    }
    return v;
  }
  Ref product() {
    Ref v = power();
    for (skip(); *p_ == '*' || *p_ == '/'; skip()) {
      char op = *p_++;
      Ref t = power();
      v = Ref::adopt(op == '*' ? ring_multiply(r_, v.get(), t.get()) : ring_exact_divide(r_, v.get(), t.get()));
    }
    return v;
  }
  Ref power() {
    Ref v = atom();
    skip();
    if (*p_ != '^') return v;
    ++p_;
    skip();
    bool neg = *p_ == '-';
    if (neg) ++p_;
    int32_t n = int32_t(std::strtol(p_, const_cast<char**>(&p_), 10));
    return Ref::adopt(ring_power(r_, v.get(), neg ? -n : n));
  }
  Ref atom() {
    skip();
    if (*p_ == '(') {
      ++p_;
      Ref v = sum();
      skip();
      EXPECT_EQ(*p_, ')');
      ++p_;
      return v;
    }
    if (std::isdigit(static_cast<unsigned char>(*p_))) {
      Mem_In_Stream s(p_);
      Ref n = Ref::adopt(int_read(s));
      p_ += n_read(s);
      return Ref::adopt(embed_integer(r_, n.get()));
    }
    static const std::string NAMES = "xyzuvw";
    size_t k = NAMES.find(*p_++);
    CHECK(k != std::string::npos);
    return Ref::adopt(generator(r_, int32_t(k) + 1));
  }
  const Ring& r_;
  const char* p_;
};

inline Ref elt(const Ring& r, const char* text) { return Elt_Reader(r, text).read(); }

// The one form of each value: canonical integers; polynomial terms in
// strictly decreasing order of exponent with no zero coefficient; fractions
// reduced, with a unit-normal denominator.
inline bool well_formed_q(const Ring& r, Hdl a) {
  switch (r.ring_case) {
    case RING_INTEGERS: return canonical_q(a);
    case RING_FRACTIONS: {
      const Ring& base = coef_ring_of(r);
      if (!well_formed_q(base, frac_num(a)) || !well_formed_q(base, frac_den(a))) return false;
      Ref u = Ref::adopt(ring_unit_part(base, frac_den(a)));
      Ref g = Ref::adopt(ring_gcd(base, frac_num(a), frac_den(a)));
      return ring_one_q(base, u.get()) && ring_one_q(base, g.get());
    }
    default: {
      const Ring& coef = coef_ring_of(r);
      int32_t above = INT32_MAX;
      for (; nz_q(a); a = poly_rest(a)) {
        if (deg_nz(a) >= above || deg_nz(a) < 0) return false;
        if (ring_zero_q(coef, lead_coef(a)) || !well_formed_q(coef, lead_coef(a))) return false;
        above = deg_nz(a);
      }
      return a == EMPTY_HDL;
    }
  }
}

// Random elements of modest size: integers up to max_bits, polynomials of
// degree up to max_deg in each variable with some terms missing.
class Elt_Source {
 public:
  explicit Elt_Source(uint32_t seed) : gen_(seed) {}
  uint32_t below(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(gen_); }

  // A random element that is not zero.
  Ref draw_nonzero(const Ring& r, int max_deg = 3, int max_bits = 70) {
    for (;;) {
      Ref e = draw(r, max_deg, max_bits);
      if (!ring_zero_q(r, e.get())) return e;
    }
  }

  Ref draw(const Ring& r, int max_deg = 3, int max_bits = 70) {
    switch (r.ring_case) {
      case RING_INTEGERS: return integer(max_bits);
      case RING_FRACTIONS: {
        const Ring& base = coef_ring_of(r);
        Ref n = draw(base, max_deg, max_bits);
        Ref d = draw(base, max_deg > 1 ? 1 : max_deg, max_bits / 2);
        if (ring_zero_q(base, d.get())) d = Ref::share(base.one);
        return Ref::adopt(fraction_make(r, n.get(), d.get()));
      }
      default: {
        const Ring& coef = coef_ring_of(r);
        Ref p = Ref::adopt(EMPTY_HDL);
        int32_t deg = int32_t(below(uint32_t(max_deg) + 1));
        for (int32_t e = 0; e <= deg; ++e) {
          if (below(4) == 0) continue;
          Ref c = draw(coef, max_deg, max_bits);
          p = Ref::adopt(make_term(coef, c.release(), e, p.release()));
        }
        return p;
      }
    }
  }

 private:
  Ref integer(int max_bits) {
    uint32_t n_bits = 1 + below(uint32_t(max_bits));
    Ref v = Ref::adopt(z0_);
    for (uint32_t done = 0; done < n_bits; done += 16) {
      Ref shifted = Ref::adopt(int_shift(v.get(), 16));
      v = Ref::adopt(int_add(shifted.get(), imm_make(int32_t(below(1u << 16)))));
    }
    v = Ref::adopt(int_shift(v.get(), -int32_t(below(16))));
    if (below(2)) v = Ref::adopt(int_negate(v.get()));
    return v;
  }
  std::mt19937 gen_;
};
