#include "core/pool.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/err.h"

TEST(Pool, SizeClassesOfRequests) {
  EXPECT_EQ(pool_class_of(0), 2);
  EXPECT_EQ(pool_class_of(1), 2);
  EXPECT_EQ(pool_class_of(3), 2);
  EXPECT_EQ(pool_class_of(4), 2);
  EXPECT_EQ(pool_class_of(5), 3);
  EXPECT_EQ(pool_class_of(8), 3);
  EXPECT_EQ(pool_class_of(9), 4);
  EXPECT_EQ(pool_class_of(4096), 12);
  EXPECT_EQ(pool_class_of(4097), 13);
  EXPECT_EQ(pool_class_of(-5), 2);
  void* p = pool_alloc(4097);
  EXPECT_EQ(pool_block_size(p), 8192u);
  pool_return(p);
}

TEST(Pool, FirstSmallRequestCutsAPageInAscendingOrder) {
  // Nothing else takes 4-byte blocks, so the first one cuts a fresh page.
  char* first = static_cast<char*>(pool_alloc(4));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(first) % 4096, 0u);
  EXPECT_EQ(pool_block_size(first), 4u);
  for (int i = 1; i < 1024; ++i) {
    char* next = static_cast<char*>(pool_alloc(3));
    ASSERT_EQ(next, first + 4 * i) << "block " << i;
  }
  char* other_page = static_cast<char*>(pool_alloc(1));
  EXPECT_NE(other_page, first + 4 * 1024 - 4);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(other_page) % 4096, 0u);
}

TEST(Pool, ReturnedBlockGoesToTheClassOfItsPage) {
  void* p = pool_alloc(20);  // a 32-byte block
  pool_return(p);
  EXPECT_EQ(pool_alloc(32), p);  // the same list, whatever size was asked before
  void* q = pool_alloc(7);
  EXPECT_NE(q, p);
  pool_return(nullptr);  // ignored
}

TEST(Pool, CarvingAndSplittingAccountForEveryByte) {
  uint64_t usable = pool_usable_bytes();
  EXPECT_EQ(usable % 4096, 0u);
  // Pages and their 4-byte table entries fit the budget, with less than one page spare.
  EXPECT_LE(usable / 4096 * 4100, uint64_t(POOL_BYTES));
  EXPECT_GT(usable / 4096 * 4100 + 2 * 4100, uint64_t(POOL_BYTES));
  uint64_t before = pool_free_bytes();
  void* big = pool_alloc(100000);
  EXPECT_EQ(pool_block_size(big), 131072u);
  EXPECT_EQ(pool_free_bytes(), before - 131072);
  pool_return(big);
  EXPECT_EQ(pool_free_bytes(), before);
}

TEST(Pool, OutOfMemoryLeavesThePoolUsable) {
  try {
    pool_alloc(int32_t(POOL_BYTES));
    FAIL() << "expected Out of memory";
  } catch (const Misc_Static_Err& e) {
    EXPECT_STREQ(e.message(), "Out of memory");
  }
  std::vector<void*> taken;
  try {
    for (;;) taken.push_back(pool_alloc(1000));
  } catch (const Misc_Static_Err& e) {
    EXPECT_STREQ(e.message(), "Out of memory");
  }
  EXPECT_GT(taken.size(), 4000u);  // nearly the whole budget came out in 1 KiB blocks
  for (void* p : taken) static_cast<char*>(p)[0] = 1;  // still valid
  void* last = taken.back();
  pool_return(last);
  EXPECT_EQ(pool_alloc(1000), last);  // the lists are intact after the failure
}
