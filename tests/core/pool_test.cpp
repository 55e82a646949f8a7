#include "core/pool.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/err.h"
#include "tests/err_text.h"

TEST(Pool, SizeClassesOfRequests) {
  for (auto [n_bytes, k] : {std::pair(0, 2), {1, 2}, {3, 2}, {4, 2}, {5, 3}, {8, 3}, {9, 4}, {4096, 12}, {4097, 13},
                            {-5, 2}})
    EXPECT_EQ(pool_class_of(n_bytes), k) << n_bytes;
  void* p = pool_alloc(4097);
  EXPECT_EQ(pool_block_size(p), 8192u);
  pool_return(p);
}

// Earlier tests of the same process may have left 4-byte blocks on their
// list; they come out first. A block at a page start followed by the rest of
// its page in ascending order is a freshly cut page.
TEST(Pool, FirstSmallRequestCutsAPageInAscendingOrder) {
  std::vector<void*> taken;
  auto take = [&] {
    taken.push_back(pool_alloc(int32_t(taken.size() % 4)));  // 0 to 3 bytes: all 4-byte blocks
    return static_cast<char*>(taken.back());
  };
  char* first = nullptr;
  for (int i = 0; !first && i < 100000; ++i) {
    char* p = take();
    if (reinterpret_cast<uintptr_t>(p) % 4096 != 0) continue;
    int n = 1;
    while (n < 1024 && take() == p + 4 * n) ++n;
    if (n == 1024) first = p;
  }
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(pool_block_size(first), 4u);
  char* other_page = take();
  EXPECT_EQ(reinterpret_cast<uintptr_t>(other_page) % 4096, 0u);
  EXPECT_NE(other_page, first);
  for (void* p : taken) pool_return(p);
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

// Blocks are never merged again, so the test takes 1 MiB blocks: what it
// splits stays usable for every other test of the process.
TEST(Pool, OutOfMemoryLeavesThePoolUsable) {
  EXPECT_STREQ(message_of<Misc_Static_Err>([] { pool_alloc(int32_t(POOL_BYTES)); }).c_str(), "Out of memory");
  uint64_t free_before = pool_free_bytes();
  std::vector<void*> taken;
  EXPECT_EQ(message_of<Misc_Static_Err>([&] {
              for (;;) taken.push_back(pool_alloc(1 << 20));
            }),
            "Out of memory");
  EXPECT_GE(2 * (uint64_t(taken.size()) << 20), free_before);  // most of what was free came out
  for (void* p : taken) static_cast<char*>(p)[(1 << 20) - 1] = 1;  // still valid
  void* small = pool_alloc(1000);  // the lists are intact after the failure
  pool_return(small);
  pool_return(taken.back());
  EXPECT_EQ(pool_alloc(1 << 20), taken.back());
  for (void* p : taken) pool_return(p);
  EXPECT_EQ(pool_free_bytes(), free_before);
}
