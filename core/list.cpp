#include "core/list.h"

int32_t n_elts(Hdl list) {
  int32_t n = 0;
  for (; pair_q(list); list = pair_rest(list)) ++n;
  return n;
}

Hdl list_reverse_onto(Hdl list, Hdl acc) {
  Ref out = Ref::share(acc);
  for (; pair_q(list); list = pair_rest(list)) out = Ref::adopt(pair_new(pair_first(list), out.get()));
  return out.release();
}

// Built reversed and then turned round, so long lists need no deep recursion.
Hdl list_map(Hdl list, Fun1 f) {
  Ref reversed;
  for (; pair_q(list); list = pair_rest(list)) {
    Ref y = Ref::adopt(fun1_apply(f, pair_first(list)));
    reversed = Ref::adopt(pair_new(y.get(), reversed.get()));
  }
  return list_reverse_onto(reversed.get(), EMPTY_HDL);
}
