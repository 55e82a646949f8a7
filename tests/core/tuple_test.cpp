#include "core/tuple.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "tests/core/check_text.h"


TEST(Tuple, GrowsByDoublingAtPowersOfTwoPlusOne) {
  Tuple t;
  std::vector<int32_t> moves;
  const uint32_t* block_p = nullptr;
  for (uint32_t i = 1; i <= 40; ++i) {
    append(t, i);
    if (t.elts_p != block_p) moves.push_back(n_elts(t));
    block_p = t.elts_p;
  }
  EXPECT_EQ(moves, (std::vector<int32_t>{1, 2, 3, 5, 9, 17, 33}));
  EXPECT_EQ(capacity(t), 64);
  for (int32_t i = 0; i < 40; ++i) ASSERT_EQ(t[i], uint32_t(i + 1));
}

TEST(Tuple, ShrinksOnlyBelowAQuarter) {
  Tuple t;
  set_length(t, 64);
  for (int32_t i = 0; i < 64; ++i) t[i] = uint32_t(i);
  const uint32_t* block_p = t.elts_p;
  set_length(t, 20);
  EXPECT_EQ(t.elts_p, block_p);
  EXPECT_EQ(capacity(t), 64);
  set_length(t, 15);
  EXPECT_NE(t.elts_p, block_p);
  EXPECT_EQ(capacity(t), 16);
  for (int32_t i = 0; i < 15; ++i) ASSERT_EQ(t[i], uint32_t(i));
}

TEST(Tuple, InsertAppendFillFind) {
  Tuple t;
  insert(t, 0, 7);
  insert(t, 1, 9);  // at n_elts: appends
  insert(t, 1, 8);
  insert(t, 0, 6);
  Tuple u;
  append(u, 1);
  append(u, t);
  EXPECT_EQ(std::vector<uint32_t>(u.elts_p, u.elts_p + n_elts(u)), (std::vector<uint32_t>{1, 6, 7, 8, 9}));
  EXPECT_EQ(find(u, 8), 3);
  EXPECT_EQ(find(u, 5), -1);
  fill(u, 4);
  EXPECT_EQ(find(u, 4), 0);
  EXPECT_EQ(u[4], 4u);
  EXPECT_EQ(check_text([] { Tuple x; append(x, x); }), "Assertion failed - file tuple:\r&x != &y");
  EXPECT_EQ(check_text([] { Tuple x; insert(x, 1, 0); }),
            "Assertion failed - file tuple:\r0 <= ind && ind <= n_elts(t)");
}
