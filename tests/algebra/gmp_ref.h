// GMP as the reference for big integer tests: conversions that use only the
// word records' layout, and operands drawn to stress the word boundaries.
#pragma once
#include <gmp.h>

#include <cstdlib>
#include <string>

#include "algebra/Integer.h"
#include "tests/test_scale.h"

struct Mpz {
  mpz_t v;
  Mpz() { mpz_init(v); }
  explicit Mpz(const char* dec) { mpz_init_set_str(v, dec, 10); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(v); }
  std::string str() const {
    std::string s(mpz_sizeinbase(v, 10) + 2, '\0');  // room for a sign and the terminating zero
    mpz_get_str(s.data(), 10, v);
    return s.substr(0, s.find('\0'));
  }
};

// The value of a chain read straight from its records: high·2^32 + low.
inline void mpz_from_integer(mpz_t out, Integer a) {
  if (imm_q(a)) {
    mpz_set_si(out, imm_value(a));
    return;
  }
  mpz_from_integer(out, int_high(a));
  mpz_mul_2exp(out, out, 32);
  mpz_add_ui(out, out, int_low(a));
}

// The chain of x's floor words built with the canonical constructor alone.
inline Integer integer_from_mpz(const mpz_t x) {
  if (mpz_cmp_si(x, IMM_MIN) >= 0 && mpz_cmp_si(x, IMM_MAX) <= 0) return imm_make(int32_t(mpz_get_si(x)));
  Mpz high, low;
  mpz_fdiv_q_2exp(high.v, x, 32);
  mpz_fdiv_r_2exp(low.v, x, 32);
  return int_make(integer_from_mpz(high.v), uint32_t(mpz_get_ui(low.v)));
}

// Every record is one the canonical constructor would make: none of them
// holds a value that an immediate could.
inline bool canonical_q(Integer a) {
  for (; !imm_q(a); a = int_high(a)) {
    if (rec_of(a)->kind_i != INTEGER_KIND) return false;
    Integer h = int_high(a);
    uint32_t low = int_low(a);
    if (h == z0_ && low <= uint32_t(IMM_MAX)) return false;
    if (h == minus1_z_ && low >= 0xC0000000u) return false;
  }
  return true;
}

// Random operands, most near the places where carries and representations change.
class Operand_Source {
 public:
  explicit Operand_Source(unsigned long seed) {
    gmp_randinit_default(state_);
    gmp_randseed_ui(state_, seed);
  }
  ~Operand_Source() { gmp_randclear(state_); }
  Operand_Source(const Operand_Source&) = delete;
  Operand_Source& operator=(const Operand_Source&) = delete;

  unsigned long below(unsigned long n) { return gmp_urandomm_ui(state_, n); }

  // Sets out to a fresh operand of up to max_bits bits.
  void draw(mpz_t out, unsigned long max_bits = 4000) {
    static const unsigned long BOUNDARY_BITS[] = {30, 31, 32, 62, 63, 64, 96, 128, 160, 256};
    switch (below(5)) {
      case 0: mpz_urandomb(out, state_, 1 + below(64)); break;
      case 1: mpz_urandomb(out, state_, 1 + below(max_bits)); break;
      case 2: mpz_rrandomb(out, state_, 1 + below(max_bits)); break;  // long runs of 0s and 1s
      case 3: {
        unsigned long e = BOUNDARY_BITS[below(sizeof BOUNDARY_BITS / sizeof BOUNDARY_BITS[0])];
        mpz_set_ui(out, 0);
        mpz_setbit(out, e);
        if (below(2)) mpz_sub_ui(out, out, 1);
        add_small(out);
        break;
      }
      default: {
        // Powers of 2^32 minus one, and their neighbours.
        mpz_set_ui(out, 0);
        mpz_setbit(out, 32 * (1 + below(max_bits / 32 < 1 ? 1 : max_bits / 32)));
        mpz_sub_ui(out, out, 1);
        add_small(out);
        break;
      }
    }
    if (below(2)) mpz_neg(out, out);
  }

 private:
  void add_small(mpz_t out) {
    long d = long(below(7)) - 3;
    if (d >= 0) mpz_add_ui(out, out, (unsigned long)d);
    else mpz_sub_ui(out, out, (unsigned long)(-d));
  }
  gmp_randstate_t state_;
};
