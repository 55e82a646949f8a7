#include "core/tuple.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/err_text.h"
#include "tests/memory_limits.h"

TEST(Tuple, GrowsByDoublingAndShrinksOnlyBelowAQuarter) {
  Tuple t;
  std::vector<int32_t> moves;
  const uint32_t* block_p = nullptr;
  for (uint32_t i = 1; i <= 64; ++i) {
    append(t, i);
    if (t.elts_p != block_p) moves.push_back(n_elts(t));
    block_p = t.elts_p;
  }
  EXPECT_EQ(moves, (std::vector<int32_t>{1, 2, 3, 5, 9, 17, 33}));
  EXPECT_EQ(capacity(t), 64);
  for (int32_t i = 0; i < 64; ++i) ASSERT_EQ(t[i], uint32_t(i + 1));
  set_length(t, 16);
  EXPECT_EQ(t.elts_p, block_p);
  set_length(t, 15);
  EXPECT_EQ(capacity(t), 16);
  for (int32_t i = 0; i < 15; ++i) ASSERT_EQ(t[i], uint32_t(i + 1));
  // A length whose byte count overflows a size request is beyond the pool too.
  for (int32_t n : {1 << 30, INT32_MAX}) EXPECT_EQ(check_text([&] { set_length(t, n); }), "Out of memory");
  EXPECT_EQ(n_elts(t), 15);
}

// Shrinking may run in destructors, so it never raises: it keeps the bigger
// block when the pool has no smaller one, and leaves a waiting assertion for
// the next request that may raise.
TEST(Tuple, ShrinkingNeverRaises) {
  Tuple t;
  set_length(t, 64);
  const uint32_t* block_p = t.elts_p;
  {
    Pool_Filler full(0);
    set_length(t, 15);
  }
  EXPECT_EQ(t.elts_p, block_p);
  defer_assertion("waiting.cpp", 7, "x");
  set_length(t, 2);
  EXPECT_EQ(capacity(t), 2);
  EXPECT_EQ(check_text([] { raise_deferred(); }), "Assertion failed - file waiting:\rx");
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

// Inserting into a full block moves only the elements after the index: the
// blocks next to it, here those of other tuples of the same size, keep theirs.
TEST(Tuple, InsertingStaysInsideTheBlock) {
  std::vector<Tuple> many(64);
  for (Tuple& m : many) {
    for (uint32_t v : {1, 2, 3, 4}) append(m, v);
    set_length(m, 3);
  }
  for (Tuple& m : many) insert(m, 1, 9);
  for (Tuple& m : many) ASSERT_EQ(std::vector<uint32_t>(m.elts_p, m.elts_p + 4), (std::vector<uint32_t>{1, 9, 2, 3}));
}

TEST(HdlTuple, SlotsOwnOneUseEach) {
  Ref r = Ref::adopt(pair_new(imm_make(1), EMPTY_HDL));
  Hdl h = r.get();
  {
    Hdl_Tuple t;
    set_length(t, 3);
    EXPECT_EQ(t[0], EMPTY_HDL);
    EXPECT_EQ(t[2], EMPTY_HDL);
    set_elt(t, 1, h);
    append(t, h);
    insert(t, 0, h);
    EXPECT_EQ(rec_of(h)->n_uses, 4u);
    Hdl_Tuple u;
    append(u, t);
    EXPECT_EQ(rec_of(h)->n_uses, 7u);
    set_length(t, 2);  // releases the two handles among the three removed slots
    EXPECT_EQ(rec_of(h)->n_uses, 5u);
    set_elt(t, 0, h);  // replacing a handle by itself keeps it alive
    EXPECT_EQ(rec_of(h)->n_uses, 5u);
    fill(u, imm_make(9));
    EXPECT_EQ(rec_of(h)->n_uses, 2u);
    EXPECT_EQ(u[4], imm_make(9));
    EXPECT_EQ(check_text([&] { set_elt(t, 2, h); }), "Assertion failed - file tuple:\r0 <= ind && ind < n_elts(t)");
  }
  EXPECT_EQ(rec_of(h)->n_uses, 1u);
}

namespace {

int n_live_ = 0;
struct Item {
  int id;
  Item(int i) : id(i) { ++n_live_; }
  ~Item() { --n_live_; }
};
Item* make_item() {
  static int next_id = 0;
  return new Item(next_id++);
}
void destroy_item(Item* p) { delete p; }

}  // namespace

TEST(RecTuple, MakesAndDestroysItsRecords) {
  {
    Rec_Tuple<Item> t(make_item, destroy_item);
    set_length(t, 5);
    EXPECT_EQ(n_live_, 5);
    EXPECT_EQ(t[4].id, 4);
    set_length(t, 2);
    EXPECT_EQ(n_live_, 2);
    append(t, new Item(-7));
    insert(t, 0, make_item());
    erase(t, 1);
    sort(t, [](const Item& a, const Item& b) { return a.id - b.id; });
    std::vector<int> ids;
    for (int32_t i = 0; i < n_elts(t); ++i) ids.push_back(t[i].id);
    EXPECT_EQ(ids, (std::vector<int>{-7, 1, 5}));
    EXPECT_EQ(n_live_, 3);
  }
  EXPECT_EQ(n_live_, 0);
}
