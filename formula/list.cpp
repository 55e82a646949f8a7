#include "formula/tree.h"

wff elt(Hdl list, int32_t i) {
  for (; i > 0; --i) list = pair_rest(list);
  CHECK(pair_q(list));
  return pair_first(list);
}

Hdl list1(Hdl a) { return pair_new(a, EMPTY_HDL); }

Hdl list2(Hdl a, Hdl b) {
  Ref rest = Ref::adopt(pair_new(b, EMPTY_HDL));
  return pair_new(a, rest.get());
}

wff appl_raw(wff head, Hdl args) { return pair_new(head, args); }

wff appl_raw2(wff head, wff a, wff b) {
  Ref args = Ref::adopt(list2(a, b));
  return pair_new(head, args.get());
}

bool literal_q(wff w) {
  if (integer_p(w) || real_p(w)) return true;
  return symbol_p(w) && prop_get(w, LITERAL_Q) != NO_HDL;
}
