// The formula order: a total order on formulas used to sort operands, to find
// like terms and as structural equality.
#pragma once
#include "formula/tree.h"

// -1, 0 or 1. Integers first (by value), then approximate reals (by value, NaN
// last), then symbols and applications interleaved so that x sorts just before
// x^2 and x*3.
int compare(wff a, wff b);
inline bool equal_q(wff a, wff b) { return compare(a, b) == 0; }

// When off, constructors keep the written order of operands (they still merge
// like terms that meet). On by default.
extern bool reorder_;

// Turns reordering off for a scope and restores the previous setting.
struct Reorder_Off {
  bool saved = reorder_;
  Reorder_Off() { reorder_ = false; }
  ~Reorder_Off() { reorder_ = saved; }
  Reorder_Off(const Reorder_Off&) = delete;
  Reorder_Off& operator=(const Reorder_Off&) = delete;
};
