// Shared by the Solve tests: model-like symbols (parameters a, b, c, m, r,
// the independent variable x, the dependent variables y, z, u, w, and for the
// larger systems d and x1 .. x6, each with its VAR_INDEX in that order),
// reading formulas in prefix notation and solving.
#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "algebra/solve.h"
#include "formula/wff.h"
#include "tests/err_text.h"

struct Solve_Syms {
  std::vector<Ref> all;
  Ref list;  // every symbol, for the reader
  Solve_Syms() {
    const char* names[] = {"a", "b", "c", "m", "r", "x", "y", "z", "u", "w", "d", "x1", "x2", "x3", "x4", "x5", "x6"};
    for (int i = 0; i < int(std::size(names)); ++i) {
      all.push_back(Ref::adopt(symbol_new(names[i])));
      Ref index = Ref::adopt(imm_make(i));
      prop_set(all.back().get(), VAR_INDEX, index.get());
      list = Ref::adopt(pair_new(all.back().get(), list.get()));
    }
  }
};

// The symbols for the whole test program: they outlive every formula.
inline Solve_Syms& syms() {
  static Solve_Syms* s = new Solve_Syms;
  return *s;
}

inline wff sym(const char* name) {
  for (const Ref& s : syms().all)
    if (std::string(symbol_name(s.get())) == name) return s.get();
  ADD_FAILURE() << "no symbol " << name;
  return syms().all[0].get();
}

inline Ref rd(const char* text) { return Ref::adopt(prefix_read(text, syms().list.get())); }

// A list of the named symbols, separated by spaces, in order.
inline Ref sym_list(const char* names) {
  std::istringstream in(names);
  std::vector<wff> found;
  for (std::string name; in >> name;) found.push_back(sym(name.c_str()));
  Ref list;
  for (size_t i = found.size(); i-- > 0;) list = Ref::adopt(pair_new(found[i], list.get()));
  return list;
}

// Solves the equations (prefix notation) for the variables, with pi as the
// one coefficient symbol as Solve passes it, and gives the result in prefix notation.
inline Ref solved_formula(wff equations, const char* vars) {
  Ref coef = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL));
  return Ref::adopt(solve_equations(equations, coef.get(), sym_list(vars).get(), false));
}
inline std::string solved(wff equations, const char* vars) { return prefix_text(solved_formula(equations, vars).get()); }
inline std::string solved(const char* equations, const char* vars) { return solved(rd(equations).get(), vars); }

// The message Solve fails with, or "<no error>".
inline std::string solve_failure(const char* equations, const char* vars) {
  return message_of([&] { solved(equations, vars); });
}
