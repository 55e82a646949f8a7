// Shared by the formula tests: the symbols x, y, a (and z, b) and reading
// formulas from prefix notation.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "formula/wff.h"

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

template <class F>
std::string static_message_of(F f) {
  try {
    f();
  } catch (const Misc_Static_Err& e) {
    return e.message();
  }
  return "<no error>";
}
