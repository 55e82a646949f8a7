#include "core/list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Hdl list_of(std::vector<int32_t> v) {
  Ref out;
  for (auto it = v.rbegin(); it != v.rend(); ++it) out = Ref::adopt(pair_new(imm_make(*it), out.get()));
  return out.release();
}

std::vector<int32_t> values_of(Hdl list) {
  std::vector<int32_t> v;
  for (; pair_q(list); list = pair_rest(list)) v.push_back(imm_value(pair_first(list)));
  return v;
}

Hdl times_ten(const Fn_Rec*, Hdl x) { return imm_make(imm_value(x) * 10); }

}  // namespace

TEST(List, CountReverseAndMap) {
  uint64_t free_before = pool_free_bytes();
  {
    Ref xs = Ref::adopt(list_of({1, 2, 3}));
    Ref acc = Ref::adopt(list_of({9}));
    EXPECT_EQ(n_elts(xs.get()), 3);
    EXPECT_EQ(n_elts(EMPTY_HDL), 0);
    Ref rev = Ref::adopt(list_reverse_onto(xs.get(), acc.get()));
    EXPECT_EQ(values_of(rev.get()), (std::vector<int32_t>{3, 2, 1, 9}));
    EXPECT_EQ(rec_of(acc.get())->n_uses, 2u);  // shared as the tail, not copied
    Ref f = Ref::adopt(fn_new(times_ten, 0, 0));
    Ref mapped = Ref::adopt(list_map(xs.get(), f.get()));
    EXPECT_EQ(values_of(mapped.get()), (std::vector<int32_t>{10, 20, 30}));
    EXPECT_EQ(list_map(EMPTY_HDL, f.get()), EMPTY_HDL);
  }
  EXPECT_EQ(pool_free_bytes(), free_before);  // every pair went back
}
