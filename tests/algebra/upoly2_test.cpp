// Polynomials: exact forms of hand-computed cases and the pseudo-remainder
// identity. The gcd laws over every ring of the tower fix each gcd (normal, a
// common divisor, coprime cofactors), so no gcd is listed by hand.
#include <gtest/gtest.h>

#include "tests/algebra/gmp_ref.h"
#include "tests/algebra/ring_test_util.h"
#include "tests/err_text.h"

namespace {

struct Poly_Test : ::testing::Test {
  Ref zx_h = ring_by_name("Z[x]");
  const Ring& zx = ring_of(zx_h.get());
  std::string show(const Ring& r, Hdl a) { return ring_to_string(r, a); }
};

TEST_F(Poly_Test, SumsDropZeroTermsAndListTermsByDecreasingExponent) {
  Ref a = elt(zx, "x^2 + 1"), b = elt(zx, "-x^2");
  Ref sum = Ref::adopt(poly_add(zx, a.get(), b.get()));
  EXPECT_TRUE(well_formed_q(zx, sum.get()) && show(zx, sum.get()) == "1");
  EXPECT_EQ(Ref::adopt(poly_add(zx, b.get(), Ref::adopt(poly_negate(zx, b.get())).get())).get(), EMPTY_HDL);
  Ref p = elt(zx, "(x - 2)*(x^3 + 5)*3");
  EXPECT_EQ(show(zx, p.get()), "3*x^4 - 6*x^3 + 15*x - 30");
  Ref shifted = Ref::adopt(poly_multiply_xk(zx, p.get(), 2));
  EXPECT_EQ(show(zx, shifted.get()), "3*x^6 - 6*x^5 + 15*x^3 - 30*x^2");
  Ref scaled = Ref::adopt(poly_multiply_coef(zx, p.get(), imm_make(0)));
  EXPECT_EQ(scaled.get(), EMPTY_HDL);

  Ref zxy_h = ring_by_name("Z[x][y]");
  const Ring& zxy = ring_of(zxy_h.get());
  EXPECT_EQ(show(zxy, elt(zxy, "(x + 1)*(y^2 - 3*x*y) + 2*x - 1").get()), "(x + 1)*y^2 + (-3*x^2 - 3*x)*y + 2*x - 1");
}

TEST_F(Poly_Test, CompareOrdersByDegreeThenCoefficients) {
  auto cmp = [&](const char* a, const char* b) {
    int c = ring_compare(zx, elt(zx, a).get(), elt(zx, b).get());
    return (c > 0) - (c < 0);
  };
  // By degree, then the leading coefficient against zero, then the rest.
  const std::tuple<const char*, const char*, int> cases[] = {
      {"x^2", "x^2", 0}, {"x^2", "5*x + 7", 1}, {"-x^2", "5*x", -1}, {"0", "-x", 1}, {"x + 2", "x + 3", -1}};
  for (auto [a, b, c] : cases) EXPECT_EQ(cmp(a, b), c) << a << " <=> " << b;
}

TEST_F(Poly_Test, PseudoRemainderAndExactDivision) {
  EXPECT_EQ(Ref::adopt(poly_prem(zx, elt(zx, "x^3").get(), elt(zx, "7").get())).get(), EMPTY_HDL);
  EXPECT_EQ(message_of([&] { ring_exact_divide(zx, elt(zx, "x^2 + 1").get(), elt(zx, "x + 1").get()); }),
            "Nonzero remainder");
  EXPECT_EQ(message_of([&] { ring_exact_divide(zx, elt(zx, "3*x").get(), elt(zx, "2").get()); }), "Nonzero remainder");
  EXPECT_EQ(check_text([&] { poly_prem(zx, EMPTY_HDL, elt(zx, "x").get()); }),
            "Assertion failed - file upoly2_divide:\rnz_q(f) && nz_q(g)");
}

TEST_F(Poly_Test, PowersInvertOnlyInFields) {
  Ref frac_h = ring_by_name("Z[x](frac)");
  const Ring& f = ring_of(frac_h.get());
  Ref p = Ref::adopt(ring_power(f, elt(f, "x").get(), -2));
  EXPECT_EQ(show(f, p.get()), "1/x^2");
  EXPECT_EQ(show(f, Ref::adopt(ring_power(f, elt(f, "2*x - 4").get(), -1)).get()), "1/(2*x - 4)");
  EXPECT_EQ(show(f, elt(f, "(x^2 - 1)/(2*x + 2)").get()), "(x - 1)/2");
  EXPECT_EQ(show(f, elt(f, "3/(-6*x)").get()), "-1/(2*x)");

  const Ring& z = ring_of(integer_ring());
  EXPECT_EQ(Ref::adopt(ring_power(z, minus1_z_, -3)).get(), minus1_z_);
  EXPECT_EQ(message_of([&] { ring_power(z, imm_make(2), -1); }), "Nonzero remainder");
  EXPECT_EQ(message_of([&] { ring_power(zx, elt(zx, "x").get(), -1); }), "Nonzero remainder");
  EXPECT_EQ(show(zx, Ref::adopt(ring_power(zx, elt(zx, "x + 1").get(), 0)).get()), "1");
  EXPECT_EQ(show(zx, Ref::adopt(ring_power(zx, elt(zx, "x - 1").get(), 5)).get()),
            "x^5 - 5*x^4 + 10*x^3 - 10*x^2 + 5*x - 1");
}

// Exponents add up in products and shifts; one that no term can hold is a
// numeric overflow, not a wrapped-around exponent.
TEST_F(Poly_Test, ExponentsBeyondTheLargestOverflow) {
  Ref big = Ref::adopt(ring_power(zx, elt(zx, "x").get(), 1 << 29));
  Ref just_fits = Ref::adopt(poly_multiply_xk(zx, big.get(), (1 << 29) - 1));
  EXPECT_EQ(deg_nz(just_fits.get()), IMM_MAX);
  EXPECT_EQ(message_of([&] { poly_multiply(zx, big.get(), big.get()); }), "Numeric overflow");
  EXPECT_EQ(message_of([&] { poly_multiply_xk(zx, big.get(), 1 << 29); }), "Numeric overflow");
  EXPECT_EQ(message_of([&] { ring_power(zx, elt(zx, "x^2").get(), 1 << 29); }), "Numeric overflow");
}

// c^(deg f - deg g + 1)·f = q·g + prem(f, g) for some q, with deg prem < deg g.
TEST_F(Poly_Test, PseudoRemainderIdentity) {
  Elt_Source src(7);
  for (const char* name : {"Z[x]", "Z[x][y]"}) {
    Ref rh = ring_by_name(name);
    const Ring& r = ring_of(rh.get());
    long n = test_iterations(200), n_checked = 0;
    for (long i = 0; i < n; ++i) {
      Ref f = src.draw(r, 5), g = src.draw(r, 3);
      if (!nz_q(f.get()) || !nz_q(g.get()) || deg_nz(g.get()) == 0) continue;
      ++n_checked;
      std::string where = "\n  f = " + show(r, f.get()) + "\n  g = " + show(r, g.get());
      Ref rem = Ref::adopt(poly_prem(r, f.get(), g.get()));
      ASSERT_TRUE(!nz_q(rem.get()) || deg_nz(rem.get()) < deg_nz(g.get())) << show(r, rem.get()) << where;
      int32_t k = deg_nz(f.get()) - deg_nz(g.get()) + 1;
      Ref scale = Ref::adopt(ring_power(coef_ring_of(r), lead_coef(g.get()), k < 0 ? 0 : k));
      Ref scaled = Ref::adopt(poly_multiply_coef(r, f.get(), scale.get()));
      Ref diff = Ref::adopt(ring_subtract(r, scaled.get(), rem.get()));
      Hdl q_rem;
      Ref q = Ref::adopt(ring_divide(r, diff.get(), g.get(), &q_rem));
      Ref q_rem_ref = Ref::adopt(q_rem);
      ASSERT_FALSE(nz_q(q_rem)) << "g does not divide c^k·f - prem" << where;
    }
    EXPECT_GT(n_checked, n / 2) << name;
  }
}

// Every record the operations make is given back, failures included.
TEST(Poly_Memory, OperationsGiveBackEveryBlock) {
  integer_ring();  // lives for the run
  uint64_t free_before = pool_free_bytes();
  {
    Elt_Source src(3);
    for (const char* name : {"Z[x][y]", "Q[x]", "Z[x](frac)"}) {
      Ref rh = ring_by_name(name);
      const Ring& r = ring_of(rh.get());
      for (int i = 0; i < 20; ++i) {
        Ref a = src.draw(r, 2), b = src.draw_nonzero(r, 2);
        Ref g = Ref::adopt(ring_gcd(r, a.get(), b.get()));
        Ref p = Ref::adopt(ring_power(r, b.get(), 3));
        Hdl rem;
        Ref q = Ref::adopt(ring_divide(r, p.get(), b.get(), &rem));
        hdl_release(rem);
        try {
          Ref e = Ref::adopt(ring_exact_divide(r, a.get(), b.get()));
        } catch (const Err&) {
        }
      }
    }
  }
  EXPECT_EQ(pool_free_bytes(), free_before);
}

}  // namespace
