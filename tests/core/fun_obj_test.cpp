#include "core/fun_obj.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/err_text.h"

TEST(FunObj, DefaultsRaiseTheirNames) {
  EXPECT_EQ(message_of<Misc_Static_Err>([] { op1_apply(OP1_DEFAULT, 0); }), "Internal Error - Op1");
  EXPECT_EQ(message_of<Misc_Static_Err>([] { op2_apply(OP2_DEFAULT, 0, 0); }), "Internal Error - Op2");
  EXPECT_EQ(message_of<Misc_Static_Err>([] { fun1_apply(FUN1_DEFAULT, EMPTY_HDL); }), "Internal Error - Fun1");
  EXPECT_EQ(message_of<Misc_Static_Err>([] { fun2_apply(FUN2_DEFAULT, EMPTY_HDL, EMPTY_HDL); }), "Internal Error - Fun2");
}

// A function object records the signature it was built for: applied as
// another one it is an assertion, not a call through the wrong type.
TEST(FunObj, AppliedOnlyAsTheSignatureItWasBuiltFor) {
  const std::string WRONG = "Assertion failed - file fun_obj:\rr->sig == Fn_Sig<Apply>::id";
  Hdl pair = pair_new(imm_make(1), EMPTY_HDL);
  EXPECT_EQ(check_text([] { op1_apply(FUN1_IDENTITY, 8); }), WRONG);
  EXPECT_EQ(check_text([&] { fun1_apply(OP1_IDENTITY, pair); }), WRONG);
  EXPECT_EQ(check_text([] { op2_apply(OP1_NEGATE, 1, 2); }), WRONG);
  EXPECT_EQ(check_text([] { fun2_apply(OP2_SUM, 3, 5); }), WRONG);
  EXPECT_EQ(check_text([] { op1_apply(OP2_CMP_DOUBLE, 0); }), WRONG);
  EXPECT_EQ(rec_of(pair)->n_uses, 1u);
  hdl_release(pair);
}

TEST(FunObj, StaticWordOperationsAndComparisons) {
  uint32_t word = 77;
  const std::tuple<Hdl, intptr_t, intptr_t> ones[] = {{OP1_LOAD, intptr_t(&word), 77}, {OP1_NEGATE, 5, -5},
      {OP1_NOT, 0, 1}, {OP1_NOT, 9, 0}, {OP1_SIGN_BIT, -3, INTPTR_MIN}, {OP1_SIGN_BIT, 3, 0}, {OP1_COMPLEMENT, 0, -1}};
  for (auto [f, x, want] : ones) EXPECT_EQ(op1_apply(f, x), want) << x;
  // -1 is the largest unsigned word; reals compare through pointers, unordered as equal.
  double a = 1.5, b = 2.5, nan = std::nan("");
  float f = 1.0f, g = -1.0f;
  const std::tuple<Hdl, intptr_t, intptr_t, intptr_t> twos[] = {{OP2_SUM, 3, 4, 7}, {OP2_DIFFERENCE, 3, 4, -1},
      {OP2_PRODUCT, 3, 4, 12}, {OP2_AND, 6, 3, 2}, {OP2_OR, 6, 3, 7}, {op2_cmp_unsigned(), -1, 1, 1},
      {op2_cmp_unsigned(), 1, 2, -1}, {op2_cmp_unsigned(), 2, 2, 0}, {OP2_CMP_DOUBLE, intptr_t(&a), intptr_t(&b), -1},
      {OP2_CMP_DOUBLE, intptr_t(&b), intptr_t(&a), 1}, {OP2_CMP_DOUBLE, intptr_t(&a), intptr_t(&nan), 0},
      {OP2_CMP_FLOAT, intptr_t(&f), intptr_t(&g), 1}};
  for (auto [op, x, y, want] : twos) EXPECT_EQ(op2_apply(op, x, y), want) << x << ", " << y;
}

TEST(FunObj, CompositionSimplifiesAndShares) {
  Ref two = Ref::adopt(op1_add_const(2));
  Ref three = Ref::adopt(op1_add_const(3));
  EXPECT_EQ(Ref::adopt(op1_add_const(2)).get(), two.get());  // cached
  Ref five = Ref::adopt(op1_compose(two.get(), three.get()));
  EXPECT_EQ(five.get(), Ref::adopt(op1_add_const(5)).get());
  Ref minus_two = Ref::adopt(op1_add_const(-2));
  EXPECT_EQ(Ref::adopt(op1_compose(two.get(), minus_two.get())).get(), OP1_IDENTITY);
  EXPECT_EQ(Ref::adopt(op1_compose(OP1_IDENTITY, three.get())).get(), three.get());

  uint32_t words[8] = {10, 11, 12, 13, 14, 15, 16, 17};
  Ref load8 = Ref::adopt(op1_load_at(8));
  Ref load12 = Ref::adopt(op1_compose(Ref::adopt(op1_add_const(4)).get(), load8.get()));
  EXPECT_EQ(load12.get(), Ref::adopt(op1_load_at(12)).get());
  EXPECT_EQ(op1_apply(load12.get(), intptr_t(words)), 13);

  Ref elt = Ref::adopt(op1_compose(Ref::adopt(op1_elt_addr(intptr_t(words))).get(), OP1_LOAD));
  EXPECT_EQ(op1_apply(elt.get(), 6), 16);

  Ref negate_then_add = Ref::adopt(op1_compose(OP1_NEGATE, three.get()));
  EXPECT_EQ(op1_apply(negate_then_add.get(), 10), -7);
  Ref sum_then_negate = Ref::adopt(op1_after_op2(OP2_SUM, OP1_NEGATE));
  EXPECT_EQ(op2_apply(sum_then_negate.get(), 2, 3), -5);
  Ref negate_then_diff = Ref::adopt(op2_after_op1(OP1_NEGATE, OP2_DIFFERENCE));
  EXPECT_EQ(op2_apply(negate_then_diff.get(), 2, 3), 1);
}

TEST(FunObj, HandleFunctionsKeepTheirCapturesAlive) {
  uint64_t free_before = pool_free_bytes();
  {
    Ref pair = Ref::adopt(fun2_apply(FUN2_PAIR, imm_make(4), imm_make(5)));
    EXPECT_EQ(imm_value(pair_first(pair.get())), 4);
    EXPECT_EQ(imm_value(pair_rest(pair.get())), 5);
    Ref k = Ref::adopt(fun1_const(pair_new(imm_make(9), EMPTY_HDL)));
    Ref k_after_id = Ref::adopt(fun1_compose(FUN1_IDENTITY, k.get()));
    EXPECT_EQ(k_after_id.get(), k.get());
    Ref chain = Ref::adopt(fun1_compose(k.get(), FUN1_IDENTITY));
    EXPECT_EQ(chain.get(), k.get());
    Ref two_consts = Ref::adopt(fun1_compose(k.get(), Ref::adopt(fun1_const(imm_make(3))).get()));
    k = Ref();
    Ref r = Ref::adopt(fun1_apply(two_consts.get(), EMPTY_HDL));
    EXPECT_EQ(imm_value(r.get()), 3);
    Ref c2 = Ref::adopt(fun2_const(imm_make(8)));
    EXPECT_EQ(imm_value(fun2_apply(c2.get(), EMPTY_HDL, EMPTY_HDL)), 8);
  }
  EXPECT_EQ(pool_free_bytes(), free_before);
}
