// Shared by the formula tests: the symbols x, y, a (and z, b) and reading
// formulas from prefix notation.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "formula/wff.h"
#include "tests/err_text.h"

struct Test_Syms {
  Ref x = Ref::adopt(symbol_new("x"));
  Ref y = Ref::adopt(symbol_new("y"));
  Ref a = Ref::adopt(symbol_new("a"));
  Ref b = Ref::adopt(symbol_new("b"));
  Ref z = Ref::adopt(symbol_new("z"));
  Ref list;
  Test_Syms() {
    for (const Ref* s : {&x, &y, &a, &b, &z}) list = Ref::adopt(pair_new(s->get(), list.get()));
  }
};

// The symbols for the whole test program: they outlive every formula.
inline Test_Syms& syms() {
  static Test_Syms* s = new Test_Syms;
  return *s;
}

// A formula read from prefix notation through the constructors.
inline Ref rd(const char* text) { return Ref::adopt(prefix_read(text, syms().list.get())); }
// The canonical form of a formula given in prefix notation.
inline std::string canon(const char* text) { return prefix_text(rd(text).get()); }
inline std::string text_of(const Ref& w) { return prefix_text(w.get()); }

// One row of a canonical-form table: the input in prefix notation and its canonical form.
struct Canon_Case {
  const char* input;
  const char* canonical;
};

inline void expect_canonical(std::initializer_list<Canon_Case> cases) {
  for (const Canon_Case& c : cases) EXPECT_EQ(canon(c.input), c.canonical) << "input: " << c.input;
}

