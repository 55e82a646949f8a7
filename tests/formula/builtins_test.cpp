// The built-in symbol table: order, names, arities, flags and properties.
#include "tests/formula/formula_test_util.h"

namespace {

struct Row {
  const char* name;  // UTF-8
  int n_args;        // 0: none
  int flags;         // 0: none
  bool make, partial;
};

const Row ROWS[] = {
    {"true", 0, 0, false, false}, {"false", 0, 0, false, false}, {"_π", 0, 0, false, false},
    {"_i", 0, 0, false, false}, {"¬", 1, 0, true, false}, {"\r", 2, 7, true, false}, {"∨", 2, 7, true, false},
    {"=", 2, 1, true, false}, {"<", 2, 0, true, false}, {"≤", 2, 0, true, false}, {"≠", 2, 0, true, false},
    {">", 2, 0, true, false}, {"≥", 2, 0, true, false}, {"+", 2, 5, true, true}, {"-", 2, 0, true, false},
    {"*", 2, 7, true, true}, {"/", 2, 0, true, false}, {"^", 2, 0, true, true}, {"sqrt", 1, 0, true, false},
    {"exp", 1, 0, true, true}, {"ln", 1, 0, true, true}, {"log", 2, 0, true, true}, {"log2", 1, 0, true, false},
    {"log10", 1, 0, true, false}, {"cos", 1, 0, true, true}, {"sin", 1, 0, true, true}, {"tan", 1, 0, true, true},
    {"cot", 1, 0, true, false}, {"ctn", 1, 0, true, false}, {"sec", 1, 0, true, false}, {"csc", 1, 0, true, false},
    {"acos", 1, 0, true, true}, {"asin", 1, 0, true, true}, {"atan", 1, 0, true, true}, {"abs", 1, 0, true, true},
    {"abs'", 1, 0, true, true}, {"abs''", 1, 0, true, true}, {",", 2, 0, true, false}, {"_fix12", 2, 0, false, false},
};

int small_prop(wff s, const Prop_Key& k) {
  Hdl v = prop_get(s, k);
  return v == NO_HDL ? 0 : imm_value(v);
}

}  // namespace

TEST(Builtins, TableInOrderWithArityFlagsAndRules) {
  static_assert(std::size(ROWS) == N_BUILTIN_SYMS);
  EXPECT_EQ(N_BUILTIN_SYMS, 39);
  Hdl list = builtin_list();
  EXPECT_EQ(n_elts(list), 39);
  for (int i = 0; i < N_BUILTIN_SYMS; ++i, list = pair_rest(list)) {
    const Row& r = ROWS[i];
    wff s = builtin(Builtin_Sym(i));
    EXPECT_EQ(pair_first(list), s) << i;
    EXPECT_EQ(prefix_text(s), r.name) << i;
    EXPECT_EQ(small_prop(s, N_ARGS), r.n_args) << r.name;
    EXPECT_EQ(small_prop(s, FUN2_FLAGS), r.flags) << r.name;
    EXPECT_EQ(prop_get(s, APPLY_FUN1_ARGS) != NO_HDL, r.make) << r.name;
    EXPECT_EQ(prop_get(s, DERIV_F_ARGS_J) != NO_HDL, r.partial) << r.name;
    EXPECT_EQ(literal_q(s), i < 4) << r.name;
    EXPECT_EQ(builtin_named(symbol_name(s)), s) << r.name;
  }
  EXPECT_EQ(builtin_named("nothing"), NO_HDL);
}

TEST(Symbols, LatestPropertyWinsAndRemovalUncoversTheEarlier) {
  Ref s = Ref::adopt(symbol_new("q"));
  EXPECT_EQ(prop_get(s.get(), VAR_INDEX), NO_HDL);
  prop_set(s.get(), VAR_INDEX, imm_make(4));
  prop_set(s.get(), IMP_FUN, syms().x.get());
  prop_set(s.get(), VAR_INDEX, imm_make(7));
  EXPECT_EQ(prop_get(s.get(), VAR_INDEX), imm_make(7));
  prop_remove(s.get(), VAR_INDEX);
  EXPECT_EQ(prop_get(s.get(), VAR_INDEX), imm_make(4));
  EXPECT_EQ(prop_get(s.get(), IMP_FUN), syms().x.get());
  prop_remove(s.get(), VAR_INDEX);
  prop_remove(s.get(), VAR_INDEX);
  EXPECT_EQ(prop_get(s.get(), VAR_INDEX), NO_HDL);
  EXPECT_EQ(prop_get(s.get(), IMP_FUN), syms().x.get());
  EXPECT_FALSE(literal_q(s.get()));
}

TEST(Symbols, ReleasingAModelSymbolReturnsItsBlocks) {
  uint64_t before = pool_free_bytes();
  {
    Ref s = Ref::adopt(symbol_new("long_parameter_name"));
    for (int i = 0; i < 20; ++i) {
      Ref r = Ref::adopt(real_new(i));
      prop_set(s.get(), APPROX1, r.get());
    }
  }
  EXPECT_EQ(pool_free_bytes(), before);
}
