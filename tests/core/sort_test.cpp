#include "core/sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/tuple.h"

namespace {

int cmp_words(uint32_t x, uint32_t y) { return x < y ? -1 : x > y ? 1 : 0; }

Tuple tuple_of(const std::vector<uint32_t>& v) {
  Tuple t;
  for (uint32_t x : v) append(t, x);
  return t;
}

std::vector<uint32_t> vector_of(const Tuple& t) { return std::vector<uint32_t>(t.elts_p, t.elts_p + n_elts(t)); }

// Sorts with both comparison forms and checks against std::sort.
void expect_sorts(std::vector<uint32_t> v, const char* what) {
  Tuple by_fn = tuple_of(v), by_op = tuple_of(v);
  sort(by_fn, cmp_words);
  sort(by_op, op2_cmp_unsigned());
  std::sort(v.begin(), v.end());
  EXPECT_EQ(vector_of(by_fn), v) << what << ", n = " << v.size();
  EXPECT_EQ(vector_of(by_op), v) << what << ", n = " << v.size();
}

}  // namespace

TEST(Sort, AgreesWithStdSort) {
  std::mt19937 rng(12345);
  for (uint32_t n : {0u, 1u, 2u, 3u, 5u, 16u, 17u, 100u, 1000u, 5000u}) {
    std::vector<uint32_t> any(n), few(n), up(n), down(n);
    for (uint32_t i = 0; i < n; ++i) {
      any[i] = rng();
      few[i] = rng() % 4;  // many equal keys
      up[i] = i;
      down[i] = n - i;
    }
    expect_sorts(any, "random");
    expect_sorts(few, "many equal keys");
    expect_sorts(up, "sorted");
    expect_sorts(down, "reversed");
  }
}

namespace {

// McIlroy's adversary: values are decided only when compared, always so
// that the element that was the pivot candidate ends up small, which drives
// any quicksort to its worst partitions. The comparator also records how deep
// the stack has grown below the caller.
struct Adversary {
  std::vector<uint32_t> val;
  uint32_t gas, n_solid = 0, candidate = 0;
  uintptr_t top_sp, low_sp;

  explicit Adversary(uint32_t n) : val(n, n), gas(n) {
    char probe;
    top_sp = low_sp = reinterpret_cast<uintptr_t>(&probe);
  }
  int operator()(uint32_t x, uint32_t y) {
    char probe;
    low_sp = std::min(low_sp, reinterpret_cast<uintptr_t>(&probe));
    if (val[x] == gas && val[y] == gas) val[x == candidate ? x : y] = n_solid++;
    if (val[x] == gas)
      candidate = x;
    else if (val[y] == gas)
      candidate = y;
    return val[x] < val[y] ? -1 : val[x] > val[y] ? 1 : 0;
  }
};

}  // namespace

TEST(Sort, RecursionStaysShallowOnAdversarialInput) {
  const uint32_t n = 4000;
  std::vector<uint32_t> a(n);
  for (uint32_t i = 0; i < n; ++i) a[i] = i;
  Adversary adv(n);
  quick_sort(a.data(), int32_t(n), adv);
  for (uint32_t i = 1; i < n; ++i) ASSERT_LE(adv.val[a[i - 1]], adv.val[a[i]]) << i;
  // Recursing into the larger side would go some thousand frames deep here;
  // the smaller side is at most log2(4000) = 12 frames.
  EXPECT_LT(adv.top_sp - adv.low_sp, 16384u);
}

TEST(BinarySearch, FirstIndexNotLessThanTheKeyAndLookUpByExtractedKey) {
  EXPECT_EQ(binary_search(Tuple(), 5, op2_cmp_unsigned()), 0);
  Tuple t = tuple_of({10, 20, 20, 20, 30});
  for (auto [key, index] : {std::pair(5, 0), {20, 1}, {21, 4}, {31, 5}})
    EXPECT_EQ(binary_search(t, uint32_t(key), op2_cmp_unsigned()), index) << key;
  Tuple u = tuple_of({103, 105, 109});
  Ref minus_100 = Ref::adopt(op1_add_const(-100));
  for (auto [key, found] : {std::pair(5u, 105u), {4u, 0u}, {10u, 0u}}) {
    const uint32_t* found_mp = look_up(u, key, op2_cmp_unsigned(), minus_100.get());
    EXPECT_EQ(found_mp ? *found_mp : 0u, found) << key;
  }
  EXPECT_EQ(look_up(Tuple(), 10, op2_cmp_unsigned()), nullptr);
}
