// Arrays of doubles: capacity from the pool block, growth and shrinking.
#include "formula/dbls_array.h"

#include <gtest/gtest.h>

#include "core/cpp2.h"
#include "tests/err_text.h"

TEST(DblsArray, CapacityDoublesShrinksBelowAQuarterAndKeepsValues) {
  uint64_t free_before = pool_free_bytes();
  {
    Dbls_Array a;
    EXPECT_EQ(dbls_capacity(a), 0);
    dbls_reserve(a, 3);
    EXPECT_EQ(dbls_capacity(a), 4);  // a 32-byte block
    dbls_resize(a, 4);
    for (int i = 0; i < 4; ++i) a.xs_p[i] = i + 0.5;
    dbls_reserve(a, 5);
    EXPECT_EQ(dbls_capacity(a), 8);  // doubled
    dbls_reserve(a, 20);
    EXPECT_EQ(dbls_capacity(a), 32);  // more than double: to the block of the request
    EXPECT_EQ(a.xs_p[3], 3.5);
    dbls_resize(a, 9);
    EXPECT_EQ(dbls_capacity(a), 32);  // a quarter or more: kept
    dbls_resize(a, 7);
    EXPECT_EQ(dbls_capacity(a), 8);  // below a quarter: shrunk, values kept
    EXPECT_EQ(a.xs_p[0], 0.5);
    EXPECT_EQ(a.xs_p[3], 3.5);
    EXPECT_EQ(a.n_xs, 7);
    EXPECT_EQ(check_text([&] { dbls_resize(a, 1 << 28); }), "Out of memory");  // 2^31 bytes wrap
    EXPECT_EQ(dbls_capacity(a), 8);
    EXPECT_EQ(check_text([&] { dbls_reserve(a, 6); }),
              "Assertion failed - file dbls_array:\r0 <= n_xs && n_xs <= n_xs_to_alloc");
    Dbls_Array b;
    b.n_xs = 2;
    EXPECT_EQ(check_text([&] { dbls_reserve(b, 4); }), "Assertion failed - file dbls_array:\ra.xs_p || n_xs == 0");
    b.n_xs = 0;
  }
  EXPECT_EQ(pool_free_bytes(), free_before);
}

TEST(DblsArray, FillCopyAndScaleAreElementWise) {
  Dbls_Array a, b;
  dbls_resize(a, 5);
  dbls_fill(a, 2.0);
  a.xs_p[4] = -1.0;
  dbls_copy(b, a);
  dbls_scale(b, 3.0);
  ASSERT_EQ(b.n_xs, 5);
  EXPECT_EQ(b.xs_p[0], 6.0);
  EXPECT_EQ(b.xs_p[4], -3.0);
  EXPECT_EQ(a.xs_p[0], 2.0);
  dbls_resize(a, 2);
  a.xs_p[0] = 0.25;
  a.xs_p[1] = 0.75;
  Interval* box = a.box_p();
  EXPECT_EQ(box[0].lo, 0.25);
  EXPECT_EQ(box[0].hi, 0.75);
}
