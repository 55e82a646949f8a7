#include "formula/rules.h"

namespace {

// A term seen through sub: (sub b c) is base b with coefficient c, anything
// else is itself with coefficient 1.
struct Term {
  wff base, coef;
};

Term term_of(wff t, wff sub) {
  if (appl_of_q(t, sub) && n_elts(args_of(t)) == 2) return {arg_of(t, 0), arg_of(t, 1)};
  return {t, imm_make(1)};
}

// The combination led by lead's first term: raw (op lead other) when lead is a
// single term, else op(lead1, op(inner...)) with the inner operands in the
// given order.
wff lead_with(wff opf, wff lead, wff other, bool lead_rest_first) {
  if (!appl_of_q(lead, opf)) return appl_raw2(opf, lead, other);
  const Hdl* xlp = &lead;
  CHECK(n_elts(*xlp) == 3);
  wff rest = arg_of(lead, 1);
  Ref inner = Ref::adopt(lead_rest_first ? apply2(opf, rest, other) : apply2(opf, other, rest));
  return apply2(opf, arg_of(lead, 0), inner.get());
}

}  // namespace

wff merge_terms(Builtin_Sym op, Builtin_Sym sub, wff x, wff y) {
  wff opf = builtin(op), subf = builtin(sub);
  bool x_op = appl_of_q(x, opf), y_op = appl_of_q(y, opf);
  wff x1 = x_op ? arg_of(x, 0) : x, y1 = y_op ? arg_of(y, 0) : y;
  Term tx = term_of(x1, subf), ty = term_of(y1, subf);
  int c = compare(tx.base, ty.base);
  if (c > 0 || (c < 0 && !reorder_)) return lead_with(opf, x, y, true);
  if (c < 0) return lead_with(opf, y, x, false);
  Ref k = Ref::adopt(plus(tx.coef, ty.coef));
  Ref t = Ref::adopt(apply2(subf, tx.base, k.get()));
  Ref rest;
  if (x_op && y_op) rest = Ref::adopt(apply2(opf, arg_of(x, 1), arg_of(y, 1)));
  else if (x_op || y_op) rest = Ref::share(arg_of(x_op ? x : y, 1));
  else return t.release();
  return apply2(opf, t.get(), rest.get());
}
