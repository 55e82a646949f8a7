// The constructors of the logical operators and the comparisons.
#include <cmath>

#include "formula/numbers.h"
#include "formula/rules.h"

namespace {

wff truth(bool t) { return hdl_copy(builtin(t ? SYM_TRUE : SYM_FALSE)); }

// The operands of a comparison, with the other side approximated when one
// side is an approximate real.
struct Sides {
  Ref x, y;
};

Sides comparable_sides(wff x, wff y) {
  if (real_p(x) && !real_p(y)) return {Ref::share(x), Ref::adopt(approximate(y))};
  if (real_p(y) && !real_p(x)) return {Ref::adopt(approximate(x)), Ref::share(y)};
  return {Ref::share(x), Ref::share(y)};
}

bool both_real_q(wff x, wff y) { return real_p(x) && real_p(y); }
bool both_integer_q(wff x, wff y) { return integer_p(x) && integer_p(y); }

// Numeric order of two numbers of one kind: -1, 0, 1, or 2 when unordered.
int numeric_order(wff x, wff y) {
  if (both_integer_q(x, y)) {
    int c = int_compare(x, y);
    return (c > 0) - (c < 0);
  }
  double a = real_value(x), b = real_value(y);
  return a < b ? -1 : a > b ? 1 : a == b ? 0 : 2;
}

// < and ≤: strict says which.
wff make_order(Builtin_Sym op, Hdl args, bool strict) {
  auto [x0, y0] = two_args(args);
  Sides s = comparable_sides(x0, y0);
  wff x = s.x.get(), y = s.y.get();
  if (both_integer_q(x, y) || both_real_q(x, y)) {
    int c = numeric_order(x, y);
    if (c != 2) return truth(strict ? c < 0 : c <= 0);
  }
  if (equal_q(x, y)) return truth(!strict);
  return appl_raw2(builtin(op), x, y);
}

// Conjunction and disjunction: operands kept as right-nested, duplicate-free
// lists in decreasing formula order (written order when reordering is off).
wff merge_bool(Builtin_Sym op, wff a, wff b, wff identity, wff absorbing) {
  if (a == absorbing || b == absorbing) return hdl_copy(absorbing);
  if (a == identity) return hdl_copy(b);
  if (b == identity) return hdl_copy(a);
  wff opf = builtin(op);
  bool a_op = appl_of_q(a, opf), b_op = appl_of_q(b, opf);
  wff a1 = a_op ? arg_of(a, 0) : a, b1 = b_op ? arg_of(b, 0) : b;
  if (!reorder_) {
    if (!a_op) return equal_q(a, b1) ? hdl_copy(b) : appl_raw2(opf, a, b);
    Ref rest = Ref::adopt(apply2(opf, arg_of(a, 1), b));
    return apply2(opf, a1, rest.get());
  }
  int c = compare(a1, b1);
  wff first = c >= 0 ? a1 : b1;
  // The leading element leaves the tail of its list to merge with the other
  // list; equal leading elements leave both tails.
  wff a_tail = a_op ? arg_of(a, 1) : NO_HDL, b_tail = b_op ? arg_of(b, 1) : NO_HDL;
  wff a_rest = c >= 0 ? a_tail : a;
  wff b_rest = c <= 0 ? b_tail : b;
  Ref rest;
  if (a_rest != NO_HDL && b_rest != NO_HDL) rest = Ref::adopt(merge_bool(op, a_rest, b_rest, identity, absorbing));
  else if (a_rest != NO_HDL || b_rest != NO_HDL) rest = Ref::share(a_rest != NO_HDL ? a_rest : b_rest);
  else return hdl_copy(first);
  return appl_raw2(opf, first, rest.get());
}

}  // namespace

Hdl make_not(const Fn_Rec*, Hdl args) {
  wff u = only_arg(args);
  if (u == builtin(SYM_TRUE)) return truth(false);
  if (u == builtin(SYM_FALSE)) return truth(true);
  if (appl_of_q(u, builtin(SYM_NOT))) return hdl_copy(arg_of(u, 0));
  return appl_raw(builtin(SYM_NOT), args);
}

Hdl make_and(const Fn_Rec*, Hdl args) {
  auto [a, b] = two_args(args);
  return merge_bool(SYM_AND, a, b, builtin(SYM_TRUE), builtin(SYM_FALSE));
}

Hdl make_or(const Fn_Rec*, Hdl args) {
  auto [a, b] = two_args(args);
  return merge_bool(SYM_OR, a, b, builtin(SYM_FALSE), builtin(SYM_TRUE));
}

Hdl make_eq(const Fn_Rec*, Hdl args) {
  auto [x0, y0] = two_args(args);
  Sides s = comparable_sides(x0, y0);
  wff x = s.x.get(), y = s.y.get();
  if (both_real_q(x, y)) return truth(real_value(x) == real_value(y));
  if (both_integer_q(x, y)) return truth(int_compare(x, y) == 0);
  if (equal_q(x, y)) return truth(true);
  if (literal_q(x) && literal_q(y)) return truth(false);
  if (reorder_ && compare(x, y) < 0) return appl_raw2(builtin(SYM_EQ), y, x);
  return appl_raw2(builtin(SYM_EQ), x, y);
}

Hdl make_lt(const Fn_Rec*, Hdl args) { return make_order(SYM_LT, args, true); }
Hdl make_le(const Fn_Rec*, Hdl args) { return make_order(SYM_LE, args, false); }

Hdl make_gt(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  return apply2(SYM_LT, y, x);
}

Hdl make_ge(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  return apply2(SYM_LE, y, x);
}

Hdl make_ne(const Fn_Rec*, Hdl args) {
  auto [x, y] = two_args(args);
  Ref eq = Ref::adopt(apply2(SYM_EQ, x, y));
  return apply1(SYM_NOT, eq.get());
}

Hdl make_comma(const Fn_Rec*, Hdl args) { return appl_raw(builtin(SYM_COMMA), args); }
