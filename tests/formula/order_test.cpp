// The formula order, rule by rule.
#include <cmath>
#include <vector>

#include "tests/formula/formula_test_util.h"

namespace {

// Every element strictly before every later one, in both directions.
void expect_increasing(const std::vector<Ref>& ws) {
  for (size_t i = 0; i < ws.size(); ++i)
    for (size_t j = i + 1; j < ws.size(); ++j) {
      EXPECT_EQ(compare(ws[i].get(), ws[j].get()), -1) << text_of(ws[i]) << " before " << text_of(ws[j]);
      EXPECT_EQ(compare(ws[j].get(), ws[i].get()), 1) << text_of(ws[j]) << " after " << text_of(ws[i]);
    }
}

Ref sym_with_index(const char* name, int index) {
  Ref s = Ref::adopt(symbol_new(name));
  prop_set(s.get(), VAR_INDEX, imm_make(index));
  return s;
}

}  // namespace

TEST(Order, NumbersThenConstantsThenSymbolsAndTheirPowers) {
  expect_increasing({rd("-4294967296"), rd("-1"), rd("3"), rd("4294967296"), rd("-inf"), rd("-0.5"), rd("2.5"),
                     rd("inf"), rd("nan"), rd("_π"), rd("_i"), rd("true"), rd("x"), rd("(^ x 2)"), rd("(* x 3)")});
  EXPECT_EQ(compare(rd("3").get(), rd("2.5").get()), -1);
}

TEST(Order, EqualityIsStructural) {
  EXPECT_EQ(compare(rd("(+ x (* y 2))").get(), rd("(+ (* 2 y) x)").get()), 0);
  EXPECT_EQ(compare(rd("2.5").get(), rd("2.5").get()), 0);
  EXPECT_EQ(compare(rd("4294967296").get(), rd("4294967296").get()), 0);
  EXPECT_NE(compare(rd("2").get(), rd("2.0").get()), 0);
  Ref n1 = rd("nan"), n2 = rd("nan");
  int c = compare(n1.get(), n2.get());
  EXPECT_EQ(c, n1.get() < n2.get() ? -1 : 1);
  EXPECT_EQ(compare(n2.get(), n1.get()), -c);
}

TEST(Order, SymbolsByLiteralNumberKindIndexNameAndAddress) {
  Ref plain = Ref::adopt(symbol_new("aa"));
  Ref lit = Ref::adopt(symbol_new("zz"));
  prop_set(lit.get(), LITERAL_Q, builtin(SYM_TRUE));
  Ref kind2 = Ref::adopt(symbol_new("zz"));
  prop_set(kind2.get(), LITERAL_Q, builtin(SYM_TRUE));
  prop_set(kind2.get(), NUMBER_KIND, imm_make(2));
  Ref kind5 = Ref::adopt(symbol_new("aa"));
  prop_set(kind5.get(), LITERAL_Q, builtin(SYM_TRUE));
  prop_set(kind5.get(), NUMBER_KIND, imm_make(5));
  // Literals first; among them a constant kind before none, smaller kinds first.
  expect_increasing({kind2, kind5, lit, plain});
  // Without an index before with one; smaller indexes first, whatever the names.
  expect_increasing({rd("b"), rd("x"), sym_with_index("b", 0), sym_with_index("a", 1)});
  Ref twin1 = Ref::adopt(symbol_new("same")), twin2 = Ref::adopt(symbol_new("same"));
  EXPECT_EQ(compare(twin1.get(), twin2.get()), twin1.get() < twin2.get() ? -1 : 1);
}

TEST(Order, SymbolsAgainstApplications) {
  Ref empty_app = Ref::adopt(appl_raw(syms().y.get(), EMPTY_HDL));
  expect_increasing({empty_app, rd("(y 1)"), rd("x"), rd("(abs x)"), rd("(sin x)")});
  EXPECT_EQ(compare(rd("x").get(), rd("(cos (+ y 1))").get()), -1);
  EXPECT_EQ(compare(rd("z").get(), rd("(cos (+ y 1))").get()), 1);
}

TEST(Order, ApplicationsByArgumentsThenLengthThenHead) {
  expect_increasing({rd("(cos x)"), rd("(sin x)"), rd("(^ x 2)"), rd("(^ x 3)"), rd("(^ y 2)")});
  EXPECT_EQ(compare(rd("(abs x)").get(), rd("(, x 1)").get()), -1);
  EXPECT_EQ(compare(rd("(, x 1)").get(), rd("(, x 2)").get()), -1);
}
