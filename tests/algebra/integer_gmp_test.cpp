// Differential tests of Integer against GMP: every result must have GMP's
// value and be in canonical form. Failing operands are printed in decimal.
#include <gtest/gtest.h>

#include <cmath>

#include "algebra/Integer.h"
#include "tests/algebra/gmp_ref.h"

namespace {

constexpr long N_PAIRS = 4000;
constexpr int MAX_REPORTS = 5;

class Integer_Vs_Gmp : public ::testing::Test {
 protected:
  Operand_Source src{20261206};
  Mpz x, y, want, got;
  Ref a, b;
  int n_failures = 0;

  // Draws the next pair of operands, as mpz and as Integer.
  void draw_pair(unsigned long max_bits = 4000) {
    src.draw(x.v, max_bits);
    src.draw(y.v, max_bits);
    a = Ref::adopt(integer_from_mpz(x.v));
    b = Ref::adopt(integer_from_mpz(y.v));
  }

  // Compares a result with GMP's and takes over its use.
  void expect(const char* op, Integer result, const mpz_t reference) {
    Ref r = Ref::adopt(result);
    mpz_from_integer(got.v, result);
    bool ok = canonical_q(result) && mpz_cmp(got.v, reference) == 0;
    if (!ok && n_failures++ < MAX_REPORTS) {
      Mpz ref;
      mpz_set(ref.v, reference);
      ADD_FAILURE() << op << " failed\n  a = " << x.str() << "\n  b = " << y.str() << "\n  want " << ref.str()
                    << "\n  got  " << got.str() << (canonical_q(result) ? "" : " (not canonical)");
    }
  }
};

TEST_F(Integer_Vs_Gmp, RingOperationsWordOperationsAndDecimalText) {
  const std::tuple<const char*, void (*)(mpz_ptr, mpz_srcptr, mpz_srcptr), Integer (*)(Integer, Integer)> ops[] = {
      {"add", mpz_add, int_add}, {"subtract", mpz_sub, int_subtract}, {"multiply", mpz_mul, int_multiply}};
  for (long i = 0, n = test_iterations(N_PAIRS); i < n; ++i) {
    draw_pair();
    for (auto [name, theirs, ours] : ops) {
      theirs(want.v, x.v, y.v);
      expect(name, ours(a.get(), b.get()), want.v);
    }
    mpz_neg(want.v, x.v);
    expect("negate", int_negate(a.get()), want.v);
    mpz_abs(want.v, x.v);
    expect("abs", int_abs(a.get()), want.v);
    uint32_t w = uint32_t(mpz_get_ui(y.v));
    mpz_mul_ui(want.v, x.v, w);
    expect("multiply by word", int_multiply_word(a.get(), w), want.v);
    if (w == 0) w = 0xFFFFFFFFu;
    Integer q = hdl_copy(a.get());
    int64_t rem = int_divide_word(q, w);
    long want_rem = long(mpz_tdiv_q_ui(want.v, x.v, w));
    expect("divide by word (quotient)", q, want.v);
    EXPECT_EQ(rem, mpz_sgn(x.v) < 0 ? -want_rem : want_rem) << x.str() << " / " << w;
    std::string text = int_to_string(a.get());
    ASSERT_EQ(text, x.str());
    expect("read", int_from_string(text.c_str()), x.v);
  }
}

TEST_F(Integer_Vs_Gmp, DivideTruncatesWithTheDividendsSign) {
  Mpz r;
  for (long i = 0, n = test_iterations(N_PAIRS); i < n; ++i) {
    draw_pair();
    if (mpz_sgn(y.v) == 0) continue;
    // Divisors shorter than dividends most of the time, as long division meets them.
    if (src.below(3) != 0 && mpz_cmpabs(x.v, y.v) < 0) {
      mpz_swap(x.v, y.v);
      std::swap(a, b);
      if (mpz_sgn(y.v) == 0) continue;
    }
    mpz_tdiv_qr(want.v, r.v, x.v, y.v);
    Integer rem = hdl_copy(a.get());
    expect("divide (quotient)", int_divide(rem, b.get()), want.v);
    expect("divide (remainder)", rem, r.v);
  }
}

TEST_F(Integer_Vs_Gmp, ShiftsFloorNegativesAndBitLength) {
  for (long i = 0, n = test_iterations(N_PAIRS); i < n; ++i) {
    draw_pair();
    int32_t k = int32_t(src.below(300)) - 150;
    if (src.below(4) == 0) k = int32_t(src.below(8000)) - 4000;
    if (k >= 0) mpz_mul_2exp(want.v, x.v, (unsigned long)k);
    else mpz_fdiv_q_2exp(want.v, x.v, (unsigned long)-k);
    expect(("shift by " + std::to_string(k)).c_str(), int_shift(a.get(), k), want.v);
    int32_t n_bits = mpz_sgn(x.v) == 0 ? 0 : int32_t(mpz_sizeinbase(x.v, 2));
    EXPECT_EQ(int_bit_length(a.get()), n_bits) << x.str();
  }
}

TEST_F(Integer_Vs_Gmp, CompareEqualSignAndMachineConversions) {
  for (long i = 0, n = test_iterations(N_PAIRS); i < n; ++i) {
    draw_pair(200);
    if (src.below(8) == 0) mpz_set(y.v, x.v), b = Ref::adopt(integer_from_mpz(y.v));
    int c = mpz_cmp(x.v, y.v);
    int ours = int_compare(a.get(), b.get());
    ASSERT_EQ((ours > 0) - (ours < 0), (c > 0) - (c < 0)) << x.str() << " <=> " << y.str();
    ASSERT_EQ(int_equal_q(a.get(), b.get()), c == 0) << x.str() << " == " << y.str();
    ASSERT_EQ(int_neg_q(a.get()), mpz_sgn(x.v) < 0) << x.str();
    ASSERT_EQ(imm_value(int_sign(a.get())), mpz_sgn(x.v) < 0 ? -1 : 1) << x.str();
    ASSERT_EQ(int_fits_int_q(a.get()), mpz_fits_sint_p(x.v) != 0) << x.str();
    if (mpz_fits_sint_p(x.v)) {
      ASSERT_EQ(int_to_int(a.get()), mpz_get_si(x.v));
      Ref back = Ref::adopt(int_from_int(int32_t(mpz_get_si(x.v))));
      ASSERT_TRUE(imm_q(a.get()) ? back.get() == a.get() : int_equal_q(back.get(), a.get())) << x.str();
    }
    static const Mpz MIN64("-9223372036854775808"), MAX64("9223372036854775807");
    bool fits64 = mpz_cmp(x.v, MIN64.v) >= 0 && mpz_cmp(x.v, MAX64.v) <= 0;
    ASSERT_EQ(int_fits_int64_q(a.get()), fits64) << x.str();
    if (fits64) {
      int64_t v = int_to_int64(a.get());
      ASSERT_EQ(int_to_double(a.get()), double(v)) << x.str();  // the hardware rounds correctly
      Ref back = Ref::adopt(int_from_int64(v));
      ASSERT_TRUE(int_equal_q(back.get(), a.get())) << x.str();
    }
  }
}

// The double is the nearest one: no neighbour is closer, and on a tie the
// mantissa is even.
TEST_F(Integer_Vs_Gmp, ToDoubleRoundsToNearest) {
  Mpz d_val, up_val, down_val, err, err_up, err_down;
  for (long i = 0, n = test_iterations(N_PAIRS); i < n; ++i) {
    draw_pair(1000);
    if (i % 2) {
      // Halfway between two doubles, or one away from it: m·2^s + 2^(s-1) + {-1, 0, 1}.
      unsigned long s = 2 + src.below(900);
      mpz_set_ui(x.v, 0);
      mpz_setbit(x.v, 52);
      mpz_add_ui(x.v, x.v, src.below(1ul << 52));
      mpz_mul_2exp(x.v, x.v, s);
      mpz_setbit(x.v, s - 1);
      long delta = long(src.below(3)) - 1;
      if (delta > 0) mpz_add_ui(x.v, x.v, 1);
      if (delta < 0) mpz_sub_ui(x.v, x.v, 1);
      if (src.below(2)) mpz_neg(x.v, x.v);
      a = Ref::adopt(integer_from_mpz(x.v));
    }
    double d = int_to_double(a.get());
    ASSERT_TRUE(std::isfinite(d)) << x.str();
    mpz_set_d(d_val.v, d);
    mpz_set_d(up_val.v, std::nextafter(d, INFINITY));
    mpz_set_d(down_val.v, std::nextafter(d, -INFINITY));
    mpz_sub(err.v, x.v, d_val.v);
    mpz_sub(err_up.v, x.v, up_val.v);
    mpz_sub(err_down.v, x.v, down_val.v);
    int c_up = mpz_cmpabs(err.v, err_up.v), c_down = mpz_cmpabs(err.v, err_down.v);
    ASSERT_LE(c_up, 0) << x.str() << " -> " << d;
    ASSERT_LE(c_down, 0) << x.str() << " -> " << d;
    if (c_up == 0 || c_down == 0) {
      int exp;
      double m = std::frexp(d, &exp);
      ASSERT_EQ(std::fmod(std::ldexp(m, 53), 2.0), 0.0) << "tie not to even: " << x.str();
    }
  }
}

TEST_F(Integer_Vs_Gmp, GcdAndPower) {
  for (long i = 0, n = test_iterations(N_PAIRS / 4); i < n; ++i) {
    draw_pair(600);
    // A shared factor so the gcd is not almost always 1.
    Mpz f;
    src.draw(f.v, 200);
    mpz_mul(x.v, x.v, f.v);
    mpz_mul(y.v, y.v, f.v);
    a = Ref::adopt(integer_from_mpz(x.v));
    b = Ref::adopt(integer_from_mpz(y.v));
    mpz_gcd(want.v, x.v, y.v);
    expect("gcd", int_gcd(a.get(), b.get()), want.v);
    uint32_t e = uint32_t(src.below(12));
    mpz_pow_ui(want.v, x.v, e);
    expect("power", int_power(a.get(), e), want.v);
  }
}

}  // namespace
