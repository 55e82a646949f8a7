#include "formula/calculus.h"
#include "formula/construct.h"

namespace {

Hdl var_rule_apply(const Fn_Rec* f, Hdl sym) { return imm_make(sym == Hdl(f->cap[0]) ? 1 : 0); }

// The implicit rule's cache: a list of (symbol . derivative) pairs in cap 1.
Hdl cached_derivative(const Fn_Rec* f, wff y) {
  for (Hdl c = Hdl(f->cap[1]); pair_q(c); c = pair_rest(c))
    if (pair_first(pair_first(c)) == y) return hdl_copy(pair_rest(pair_first(c)));
  return NO_HDL;
}

// dy/dx = -(dF/dx)/(dF/dy) for y defined by F = 0.
wff implicit_derivative(wff x, wff y, wff imp_f) {
  Ref by_x = Ref::adopt(deriv_var_rule(x));
  Ref by_y = Ref::adopt(deriv_var_rule(y));
  Ref fx = Ref::adopt(derivative(imp_f, by_x.get()));
  Ref fy = Ref::adopt(derivative(imp_f, by_y.get()));
  Ref num = Ref::adopt(negate(fx.get()));
  return divide(num.get(), fy.get());
}

Hdl implicit_rule_apply(const Fn_Rec* f, Hdl sym) {
  wff x = Hdl(f->cap[0]);
  if (sym == x) return imm_make(1);
  Hdl imp_f = prop_get(sym, IMP_FUN);
  if (imp_f == NO_HDL) return imm_make(0);
  Hdl cached = cached_derivative(f, sym);
  if (cached != NO_HDL) return cached;
  Ref d = Ref::adopt(implicit_derivative(x, sym, imp_f));
  // The cache belongs to this rule object; it grows but never changes meaning.
  Fn_Rec* mutable_f = const_cast<Fn_Rec*>(f);
  Ref entry = Ref::adopt(pair_new(sym, d.get()));
  Hdl old = Hdl(mutable_f->cap[1]);
  mutable_f->cap[1] = intptr_t(pair_new(entry.get(), old));
  hdl_release(old);
  return d.release();
}

}  // namespace

Fun1 deriv_var_rule(wff x) { return fn_new(var_rule_apply, 1, 1, intptr_t(hdl_copy(x))); }

Fun1 deriv_implicit_rule(wff x) {
  return fn_new(implicit_rule_apply, 2, 3, intptr_t(hdl_copy(x)), intptr_t(EMPTY_HDL));
}

wff derivative(wff w, Fun1 symbol_rule) {
  if (integer_p(w) || real_p(w)) return imm_make(0);
  if (symbol_p(w)) return fun1_apply(symbol_rule, w);
  const Hdl* elp = appl_q(w) ? &w : nullptr;
  CHECK(elp && nonempty_q(*elp));
  Symbol* fsp = symbol_p(head_of(w));
  CHECK(fsp);
  Hdl dfp = prop_get(head_of(w), DERIV_F_ARGS_J);
  CHECK(dfp);
  Ref sum = Ref::adopt(imm_make(0));
  int32_t j = 0;
  for (Hdl a = args_of(w); pair_q(a); a = pair_rest(a), ++j) {
    Ref d = Ref::adopt(derivative(pair_first(a), symbol_rule));
    if (zero_q(d.get())) continue;
    Ref partial = Ref::adopt(fun2_apply(dfp, args_of(w), imm_make(j)));
    Ref term = Ref::adopt(times(partial.get(), d.get()));
    sum = Ref::adopt(plus(sum.get(), term.get()));
  }
  return sum.release();
}
