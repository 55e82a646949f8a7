// The laws every ring record of the tower must keep, checked on random
// elements of each: the integers, the rationals, polynomial rings over them
// in one to three variables, and rational functions.
#include <gtest/gtest.h>

#include "tests/algebra/gmp_ref.h"
#include "tests/algebra/ring_test_util.h"

namespace {

class Ring_Laws : public ::testing::TestWithParam<const char*> {
 protected:
  Ref ring_h = ring_by_name(GetParam());
  const Ring& r = ring_of(ring_h.get());
  Elt_Source src{42};

  long n_cases() const {
    int n_levels = ring_of(ring_h.get()).n_vars + (std::string(GetParam()).find("frac") != std::string::npos ? 2 : 0);
    return test_iterations(n_levels <= 1 ? 300 : 60);
  }
  std::string show(const Ref& e) { return ring_to_string(r, e.get()); }
  // Every result is checked for its one form as it is made.
  Ref checked(Hdl result, const char* op) {
    Ref res = Ref::adopt(result);
    EXPECT_TRUE(well_formed_q(r, result)) << op << " gave " << show(res);
    return res;
  }
  Ref add(const Ref& a, const Ref& b) { return checked(ring_add(r, a.get(), b.get()), "add"); }
  Ref mul(const Ref& a, const Ref& b) { return checked(ring_multiply(r, a.get(), b.get()), "multiply"); }
  bool eq(const Ref& a, const Ref& b) { return ring_equal_q(r, a.get(), b.get()); }
};

TEST_P(Ring_Laws, AdditionAndMultiplication) {
  Ref zero = Ref::share(r.zero), one = Ref::share(r.one);
  for (long i = 0, n = n_cases(); i < n; ++i) {
    Ref a = src.draw(r), b = src.draw(r), c = src.draw(r);
    std::string where = "\n  a = " + show(a) + "\n  b = " + show(b) + "\n  c = " + show(c);
    ASSERT_TRUE(eq(add(add(a, b), c), add(a, add(b, c)))) << "(a+b)+c" << where;
    ASSERT_TRUE(eq(add(a, b), add(b, a))) << "a+b" << where;
    ASSERT_TRUE(eq(mul(mul(a, b), c), mul(a, mul(b, c)))) << "(ab)c" << where;
    ASSERT_TRUE(eq(mul(a, b), mul(b, a))) << "ab" << where;
    ASSERT_TRUE(eq(mul(a, add(b, c)), add(mul(a, b), mul(a, c)))) << "a(b+c)" << where;
    ASSERT_TRUE(eq(add(a, zero), a)) << "a+0" << where;
    ASSERT_TRUE(eq(mul(a, one), a)) << "a*1" << where;
    ASSERT_TRUE(ring_zero_q(r, mul(a, zero).get())) << "a*0" << where;
    Ref neg = checked(ring_negate(r, a.get()), "negate");
    ASSERT_TRUE(ring_zero_q(r, add(a, neg).get())) << "a-a" << where;
    Ref cube = Ref::adopt(ring_power(r, a.get(), 3));
    ASSERT_TRUE(eq(cube, mul(a, mul(a, a)))) << "a^3" << where;
  }
}

TEST_P(Ring_Laws, CompareIsATotalOrderAgreeingWithEquality) {
  for (long i = 0, n = n_cases(); i < n; ++i) {
    Ref a = src.draw(r), b = src.draw(r);
    Ref same = add(a, Ref::share(r.zero));  // equal value, usually another record
    ASSERT_EQ(ring_compare(r, a.get(), same.get()), 0) << show(a);
    int ab = ring_compare(r, a.get(), b.get()), ba = ring_compare(r, b.get(), a.get());
    ASSERT_EQ((ab > 0) - (ab < 0), -((ba > 0) - (ba < 0))) << show(a) << " <=> " << show(b);
    Ref diff = Ref::adopt(ring_subtract(r, a.get(), b.get()));
    ASSERT_EQ(ab == 0, ring_zero_q(r, diff.get())) << show(a) << " <=> " << show(b);
  }
}

TEST_P(Ring_Laws, DivisionWithRemainderAndUnitParts) {
  for (long i = 0, n = n_cases(); i < n; ++i) {
    Ref a = src.draw(r), b = src.draw(r);
    if (ring_zero_q(r, b.get())) continue;
    std::string where = "\n  a = " + show(a) + "\n  b = " + show(b);
    Hdl rem;
    Ref q = checked(ring_divide(r, a.get(), b.get(), &rem), "divide");
    Ref rem_ref = checked(rem, "remainder");
    ASSERT_TRUE(eq(add(mul(q, b), rem_ref), a)) << "a = qb + r" << where;
    Ref ab = mul(a, b);
    Ref back = Ref::adopt(ring_exact_divide(r, ab.get(), b.get()));
    ASSERT_TRUE(eq(back, a)) << "ab/b" << where;
    Ref u = Ref::adopt(ring_unit_part(r, a.get()));
    Ref normal = Ref::adopt(ring_unit_normal(r, a.get()));
    ASSERT_TRUE(eq(mul(u, normal), a)) << "u·(a/u)" << where;
    Ref u2 = Ref::adopt(ring_unit_part(r, normal.get()));
    ASSERT_TRUE(ring_one_q(r, u2.get())) << "a/u is normal" << where;
  }
}

// gcd(a·c, b·c) divides both, leaves coprime cofactors, is normal, and c divides it.
TEST_P(Ring_Laws, GcdDividesAndIsNormal) {
  ASSERT_NE(r.gcd, nullptr);
  for (long i = 0, n = n_cases() / 2 + 1; i < n; ++i) {
    int max_deg = r.n_vars >= 2 ? 2 : 3;
    Ref a = src.draw(r, max_deg), b = src.draw(r, max_deg), c = src.draw(r, 2, 20);
    if (ring_zero_q(r, c.get())) continue;
    Ref ac = mul(a, c), bc = mul(b, c);
    std::string where = "\n  a = " + show(ac) + "\n  b = " + show(bc);
    Ref g = checked(ring_gcd(r, ac.get(), bc.get()), "gcd");
    if (ring_zero_q(r, g.get())) {
      ASSERT_TRUE(ring_zero_q(r, ac.get()) && ring_zero_q(r, bc.get())) << where;
      continue;
    }
    Ref u = Ref::adopt(ring_unit_part(r, g.get()));
    ASSERT_TRUE(ring_one_q(r, u.get())) << "gcd not normal: " << show(g) << where;
    Ref co_a = Ref::adopt(ring_exact_divide(r, ac.get(), g.get())), co_b = Ref::adopt(ring_exact_divide(r, bc.get(), g.get()));
    Ref co_g = Ref::adopt(ring_gcd(r, co_a.get(), co_b.get()));
    ASSERT_TRUE(ring_one_q(r, co_g.get())) << "cofactors share " << show(co_g) << where;
    Hdl rem;
    for (const Ref* x : {&ac, &bc, &g}) {
      // g divides both, and c divides g.
      const Ref& num = x == &g ? g : *x;
      const Ref& den = x == &g ? c : g;
      Ref q = Ref::adopt(ring_divide(r, num.get(), den.get(), &rem));
      Ref rem_ref = Ref::adopt(rem);
      ASSERT_TRUE(ring_zero_q(r, rem)) << show(den) << " does not divide " << show(num) << where;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tower, Ring_Laws,
                         ::testing::Values("Z", "Q", "Z[x]", "Q[x]", "Z[x][y]", "Q[x][y]", "Z[x][y][z]", "Z[x](frac)"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string s;
                           for (const char* p = info.param; *p; ++p) s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return s;
                         });

}  // namespace
