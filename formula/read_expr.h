// Reading typed mathematics: a structured expression, whose shape already
// holds grouping and precedence, into a formula. A mistake gives the first
// problem met in reading order, with its message and the place to select.
#pragma once
#include <memory>
#include <vector>

#include "editor/Expr.h"
#include "formula/resolver.h"

// The message and the culprit: a path of insertion points at element indexes
// from the root down to a node, and there a range of its characters (a
// string) or of its elements.
struct Read_Err {
  Byte_Str message;
  Sel sel;
};

struct Read_Result {
  Ref w;  // exact 0 when err_mp is set
  std::unique_ptr<Read_Err> err_mp;
};

Read_Result read_expr(const Expr& e, const Resolver& r);

// A block of constraint lines joined by line breaks: the conjunction of its
// lines, empty lines skipped; lines whose top operator is <, ≤, > or ≥ go to
// ineqs instead (in their order) and stand as true in the conjunction.
Read_Result read_constraints(const Expr& e, const Resolver& r, std::vector<Ref>& ineqs);

// Whether a leaf's text is a number: digits with at most one "." before any
// exponent, each "e" or "E" preceded by some digit and followed by a digit.
bool number_text_q(const char* text, int32_t n_bytes);

// Whether a one-operand operator takes its operand on its right: prefix
// operators bind to the right and so are right-associative.
inline bool operand_right_q(const Op& op) { return op.left_prec > op.right_prec; }
