#include "core/cpp2.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/list.h"

#include "tests/err_text.h"

TEST(Err, DisplayTextAddsTheCodeOnlyWhenNonZero) {
  const std::pair<int32_t, const char*> cases[] = {{32, "File is in use (32)"}, {112, "Disk is full (112)"},
      {2, "File not found (missing, not a file, or name wrong?) (2)"}, {5, "Cannot access or write to file (5)"},
      {8, "Out of memory (8)"}, {14, "Out of memory (14)"}, {87, "The Operating System reported an error (87)"}};
  for (auto [code, text] : cases) EXPECT_EQ(err_display_text(OS_Err(code)), text);
  EXPECT_EQ(err_display_text(Misc_Err("Non-equation")), "Non-equation");
  EXPECT_EQ(err_display_text(Misc_Static_Err("Out of memory")), "Out of memory");
}

TEST(Err, ErrnoTranslatesToThePlatformNumbers) {
  const std::pair<int, int32_t> cases[] = {{ENOENT, 2}, {EACCES, 5}, {EPERM, 5}, {EROFS, 5}, {EBUSY, 32},
                                           {ETXTBSY, 32}, {ENOSPC, 112}, {ENOMEM, 8}};
  for (auto [e, code] : cases) EXPECT_EQ(os_code_from_errno(e), code) << e;
}

TEST(Err, AssertionNamesFileWithoutExtensionLineAndTest) {
  int line = __LINE__ + 1;
  std::string m = message_of<Misc_Static_Err>([] { int n = -1; CHECK(n >= 0); });
  EXPECT_EQ(m, "Assertion failed - file handle_test, line " + std::to_string(line) + ":\rn >= 0");
}

TEST(Handle, ImmediatesCarryNoStorage) {
  for (auto [v, h] : {std::pair(1, 3u), {2, 5u}, {7, 0xfu}}) EXPECT_EQ(imm_make(v), h);
  for (int32_t v : {IMM_MIN, IMM_MAX, -1}) EXPECT_EQ(imm_value(imm_make(v)), v);
  uint64_t free_before = pool_free_bytes();
  Hdl h = imm_make(12345);
  EXPECT_EQ(hdl_copy(h), h);
  hdl_release(h);
  hdl_release(h);
  EXPECT_EQ(pool_free_bytes(), free_before);
}

TEST(Handle, LastReleaseFreesTheWholeList) {
  uint64_t free_before = pool_free_bytes();
  Hdl list = EMPTY_HDL;
  for (int i = 0; i < 100000; ++i) {  // long enough to overflow a recursive release
    Hdl next = pair_new(imm_make(i), list);
    hdl_release(list);
    list = next;
  }
  Hdl shared_tail = hdl_copy(pair_rest(list));
  hdl_release(list);
  EXPECT_EQ(imm_value(pair_first(shared_tail)), 99998);  // still held
  hdl_release(shared_tail);
  EXPECT_EQ(pool_free_bytes(), free_before);
}

TEST(Handle, RefSelfAssignmentKeepsTheValue) {
  Ref a = Ref::adopt(pair_new(imm_make(1), EMPTY_HDL));
  a = a;
  EXPECT_EQ(imm_value(pair_first(a.get())), 1);
  // Assigning a part of the held value: the part must survive the old value's release.
  Ref whole = Ref::adopt(pair_new(imm_make(2), a.get()));
  whole = Ref::share(pair_rest(whole.get()));
  EXPECT_EQ(imm_value(pair_first(whole.get())), 1);
}

// A release runs in destructors: a failed check there waits for the next
// pool request (or raise_deferred) instead of ending the program.
TEST(Handle, CorruptedReleaseIsReportedAtTheNextSafePoint) {
  const std::string SOUND = "Assertion failed - file handle:\rr->n_uses == 1 && r->kind_i < n_kinds_ && kinds_[r->kind_i].release";
  struct Case { void (*corrupt)(Rec*); std::string text; };
  const Case cases[] = {
      {[](Rec* r) { r->kind_i = STATIC_KIND; }, "Assertion failed - file handle:\rFALSE"},
      {[](Rec* r) { r->n_uses = 0; }, SOUND},  // released once too often
      {[](Rec* r) { r->kind_i = MAX_KINDS + 7; }, SOUND},
  };
  for (const Case& c : cases) {
    Hdl h = pair_new(imm_make(1), EMPTY_HDL);
    c.corrupt(rec_of(h));
    { Ref r = Ref::adopt(h); }
    EXPECT_EQ(check_text([] { pool_alloc(8); }), c.text);
    EXPECT_EQ(check_text([] { raise_deferred(); }), "<no error>");
    *rec_of(h) = {1, PAIR_KIND};
    hdl_release(h);
  }
}

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
