#include "formula/construct.h"

wff apply(wff f, Hdl args) {
  CHECK(! integer_p(f));
  if (symbol_p(f)) {
    Hdl make = prop_get(f, APPLY_FUN1_ARGS);
    if (make != NO_HDL) return fun1_apply(make, args);
  } else if (appl_of_q(f, builtin(SYM_FIX12))) {
    // A function waiting for its last argument, such as a logarithm with a given base.
    const Hdl* flp = &f;
    CHECK(n_elts(*flp) == 3 && n_elts(args) == 1);
    Ref fixed_args = Ref::adopt(pair_new(arg_of(f, 1), args));
    return apply(arg_of(f, 0), fixed_args.get());
  }
  return appl_raw(f, args);
}

wff apply1(wff f, wff x) {
  Ref args = Ref::adopt(list1(x));
  return apply(f, args.get());
}

wff apply2(wff f, wff x, wff y) {
  Ref args = Ref::adopt(list2(x, y));
  return apply(f, args.get());
}

wff plus(wff a, wff b) { return apply2(SYM_PLUS, a, b); }
wff times(wff a, wff b) { return apply2(SYM_TIMES, a, b); }
wff power(wff a, wff b) { return apply2(SYM_POWER, a, b); }
wff negate(wff a) { return times(a, imm_make(-1)); }

wff minus(wff a, wff b) {
  Ref nb = Ref::adopt(negate(b));
  return plus(a, nb.get());
}

wff divide(wff a, wff b) {
  Ref inv = Ref::adopt(power(b, imm_make(-1)));
  return times(a, inv.get());
}
