// Representation, boundaries and texts of Integer, with hand-computed answers.
#include <gtest/gtest.h>

#include "algebra/Integer.h"
#include "tests/algebra/gmp_ref.h"
#include "tests/err_text.h"

namespace {

Ref z(const char* dec) { return Ref::adopt(int_from_string(dec)); }
std::string text(const Ref& r) { return int_to_string(r.get()); }

TEST(Integer, ImmediateExactlyWhenTheValueFits) {
  EXPECT_TRUE(imm_q(z("1073741823").get()));   // 2^30 - 1
  EXPECT_TRUE(imm_q(z("-1073741824").get()));  // -2^30
  // 2^30, -2^30 - 1, 2^32 and -2^32: one record, its high part and low word.
  const std::tuple<const char*, Integer, uint32_t> records[] = {{"1073741824", z0_, 0x40000000u},
      {"-1073741825", minus1_z_, 0xBFFFFFFFu}, {"4294967296", imm_make(1), 0u}, {"-4294967296", minus1_z_, 0u}};
  for (auto [dec, high, low] : records) {
    Ref v = z(dec);
    ASSERT_FALSE(imm_q(v.get())) << dec;
    EXPECT_EQ(int_high(v.get()), high) << dec;
    EXPECT_EQ(int_low(v.get()), low) << dec;
  }
  Ref m32 = Ref::adopt(int_negate(z("4294967296").get()));
  EXPECT_TRUE(int_equal_q(m32.get(), z("-4294967296").get()) && canonical_q(m32.get()));

  Ref max = Ref::adopt(int_from_int(IMM_MAX));
  Ref sum = Ref::adopt(int_add(max.get(), imm_make(1)));
  EXPECT_FALSE(imm_q(sum.get()));
  EXPECT_EQ(Ref::adopt(int_subtract(sum.get(), imm_make(1))).get(), max.get());
}

TEST(Integer, ToIntAssertsThatTheValueFits) {
  EXPECT_EQ(int_to_int(z("2147483647").get()), 2147483647);
  EXPECT_EQ(int_to_int(z("-2147483648").get()), INT32_MIN);
  for (const char* too_big : {"2147483648", "-2147483649", "4294967296"})
    EXPECT_EQ(check_text([&] { int_to_int(z(too_big).get()); }),
              "Assertion failed - file integer_record:\r&*x.t_v_ == &(res < 0 ? minus1_z_ : z0_)")
        << too_big;
}

TEST(Integer, DecimalTexts) {
  for (auto [in, out] : {std::pair("1000000000", "1000000000"), {"-5", "-5"}, {"000123", "123"}, {"-0", "0"},
                         {"1000000000000000000000000000", "1000000000000000000000000000"},
                         {"-18446744073709551616", "-18446744073709551616"}})
    EXPECT_EQ(text(z(in)), out);

  Mem_In_Stream s("  -12rest");
  Ref r = Ref::adopt(int_read(s));
  EXPECT_EQ(text(r), "-12");
  EXPECT_EQ(n_read(s), 5);

  for (const char* bad : {"-x", "", " \t\r\n", "+5", "x1", "- 1"}) {
    Mem_In_Stream t(bad);
    try {
      hdl_release(int_read(t));
      ADD_FAILURE() << '"' << bad << "\" was read";
    } catch (const Syntax_Err& e) {
      EXPECT_STREQ(e.message(), "Illegal big integer");
      EXPECT_EQ(e.stream_mp, &t);
    }
  }
}

TEST(Integer, DivisionTruncates) {
  Integer a = imm_make(-7);
  Ref q = Ref::adopt(int_divide(a, imm_make(2)));
  EXPECT_EQ(q.get(), imm_make(-3));
  EXPECT_EQ(a, imm_make(-1));

  // -2^30 / -1 leaves the immediate range.
  Integer m = imm_make(IMM_MIN);
  Ref big = Ref::adopt(int_divide(m, minus1_z_));
  EXPECT_EQ(text(big), "1073741824");
  EXPECT_EQ(m, z0_);

  Integer r = z("-100000000000000000000").release();
  int64_t rem = int_divide_word(r, 7);
  EXPECT_EQ(int_to_string(r), "-14285714285714285714");
  EXPECT_EQ(rem, -2);
  hdl_release(r);
}

// The gcd switches from word arrays to 64-bit steps; the cases sit on both
// sides of that switch, with zeros and signs.
TEST(Integer, GcdAcrossLengthsAndSigns) {
  auto gcd = [](const char* a, const char* b) { return text(Ref::adopt(int_gcd(z(a).get(), z(b).get()))); };
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"0", "0", "0"}, {"0", "-5", "5"}, {"-12", "18", "6"},
      {"-340282366920938463463374607431768211456", "0", "340282366920938463463374607431768211456"},
      // 2^128 and 2^64, 2^64 + 1 (a long number against a short one).
      {"340282366920938463463374607431768211456", "18446744073709551616", "18446744073709551616"},
      {"340282366920938463463374607431768211456", "18446744073709551617", "1"},
      {"14", "2381976568446569244243622252022377480199", "7"},
      // (2^80 + 1)·(10^20 + 39) and (2^80 + 1)·(2^70 + 3): the common factor is long.
      {"120892581961462917517765806964970537813540903", "1427247692705959881061913927499959741318168579",
       "1208925819614629174706177"}};
  for (auto [a, b, g] : cases) EXPECT_EQ(gcd(a, b), g) << a << ", " << b;
}

TEST(Integer, ShiftsAndConversions) {
  EXPECT_EQ(text(Ref::adopt(int_shift(imm_make(-7), -1))), "-4");
  EXPECT_EQ(text(Ref::adopt(int_shift(imm_make(-1), -100))), "-1");
  EXPECT_EQ(text(Ref::adopt(int_shift(imm_make(3), 64))), "55340232221128654848");
  EXPECT_EQ(int_bit_length(imm_make(0)), 0);
  EXPECT_EQ(int_bit_length(imm_make(-8)), 4);
  EXPECT_EQ(text(Ref::adopt(int_from_double(-1e20))), "-100000000000000000000");
  EXPECT_EQ(text(Ref::adopt(int_from_double(2.75))), "2");
  // 2^64 + 2^11 + 1 lies just above the midpoint of two doubles and must round up.
  EXPECT_EQ(int_to_double(z("18446744073709553665").get()), 18446744073709555712.0);
  EXPECT_EQ(int_to_double(z("-18446744073709553664").get()), -18446744073709551616.0);  // tie to even
  EXPECT_EQ(text(Ref::adopt(int_power(imm_make(-3), 41))), "-36472996377170786403");
  // Refused before its word array is taken, as no pool could hold the result.
  EXPECT_EQ(message_of([] { int_shift(imm_make(1), INT32_MAX); }), "Out of memory");
}

TEST(Integer, LongChainsReleaseWithoutRecursion) {
  uint64_t free_before = pool_free_bytes();
  {
    Ref huge = Ref::adopt(int_shift(imm_make(1), 32 * 20000));
    EXPECT_EQ(int_bit_length(huge.get()), 32 * 20000 + 1);
  }
  EXPECT_EQ(pool_free_bytes(), free_before);
}

}  // namespace
