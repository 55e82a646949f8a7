#include "formula/walk.h"

#include "formula/construct.h"

namespace {

Hdl substitute_list(Hdl list, Fun1 rule) {
  if (!pair_q(list)) return EMPTY_HDL;
  Ref first = Ref::adopt(substitute(pair_first(list), rule));
  Ref rest = Ref::adopt(substitute_list(pair_rest(list), rule));
  return pair_new(first.get(), rest.get());
}

}  // namespace

wff substitute(wff w, Fun1 symbol_rule) {
  if (integer_p(w) || real_p(w)) return hdl_copy(w);
  if (symbol_p(w)) return fun1_apply(symbol_rule, w);
  const Hdl* elp = appl_q(w) ? &w : nullptr;
  CHECK(elp && nonempty_q(*elp));
  Ref head = Ref::adopt(substitute(head_of(w), symbol_rule));
  Ref args = Ref::adopt(substitute_list(args_of(w), symbol_rule));
  return apply(head.get(), args.get());
}

wff greatest_symbol_below(wff w, wff bound) {
  if (symbol_p(w)) return bound == NO_HDL || compare(w, bound) < 0 ? w : NO_HDL;
  if (!appl_q(w)) return NO_HDL;
  wff best = NO_HDL;
  for (Hdl e = w; pair_q(e); e = pair_rest(e)) {
    wff s = greatest_symbol_below(pair_first(e), bound);
    if (s != NO_HDL && (best == NO_HDL || compare(s, best) > 0)) best = s;
  }
  return best;
}
