// What the differential tests against GMP do not reach: assertion texts, odd
// decimal texts, zeros in gcds and refused sizes, with hand-computed answers.
#include <gtest/gtest.h>

#include "algebra/Integer.h"
#include "tests/algebra/gmp_ref.h"
#include "tests/err_text.h"

namespace {

Ref z(const char* dec) { return Ref::adopt(int_from_string(dec)); }
std::string text(const Ref& r) { return int_to_string(r.get()); }

TEST(Integer, ToIntAssertsThatTheValueFits) {
  for (const char* too_big : {"2147483648", "-2147483649", "4294967296"})
    EXPECT_EQ(check_text([&] { int_to_int(z(too_big).get()); }),
              "Assertion failed - file integer_record:\r&*x.t_v_ == &(res < 0 ? minus1_z_ : z0_)")
        << too_big;
}

TEST(Integer, DecimalTexts) {
  EXPECT_EQ(text(z("000123")), "123");
  EXPECT_EQ(text(z("-0")), "0");
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

// -2^30 / -1 leaves the immediate range.
TEST(Integer, DividingTheLowestImmediateByMinusOneGrows) {
  Integer m = imm_make(IMM_MIN);
  Ref big = Ref::adopt(int_divide(m, minus1_z_));
  EXPECT_EQ(text(big), "1073741824");
  EXPECT_EQ(m, z0_);
}

// Zero operands, which the differential tests hardly draw, on both sides of
// the switch from word arrays to 64-bit steps.
TEST(Integer, GcdWithZerosAndSigns) {
  auto gcd = [](const char* a, const char* b) { return text(Ref::adopt(int_gcd(z(a).get(), z(b).get()))); };
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"0", "0", "0"}, {"0", "-5", "5"}, {"-12", "18", "6"},
      {"-340282366920938463463374607431768211456", "0", "340282366920938463463374607431768211456"},
      {"0", "-18446744073709551617", "18446744073709551617"}};
  for (auto [a, b, g] : cases) EXPECT_EQ(gcd(a, b), g) << a << ", " << b;
}

// The differential tests take exponents below 12; 41 has six bits.
TEST(Integer, ConversionsLongPowersAndRefusedSizes) {
  EXPECT_EQ(text(Ref::adopt(int_from_double(-1e20))), "-100000000000000000000");
  EXPECT_EQ(text(Ref::adopt(int_from_double(2.75))), "2");
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
