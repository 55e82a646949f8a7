#include "graphs/relation_fns.h"

#include "formula/calculus.h"
#include "formula/construct.h"

namespace {

wff partial(wff w, wff var) {
  Ref rule = Ref::adopt(deriv_var_rule(var));
  return derivative(w, rule.get());
}

// -(∂w/∂by) / (∂w/∂of): the slope d(of)/d(by) of the zero set.
wff implicit_slope(const Ref& w_by, const Ref& w_of) {
  Ref num = Ref::adopt(negate(w_by.get()));
  return divide(num.get(), w_of.get());
}

// The fourth derivative of `of` by `by` along w = 0, from the first (slope):
// `of` is marked as defined by w only while differentiating, since the mark
// refers back to the formula that holds `of`.
wff implicit_fourth(wff w, wff by, wff of, const Ref& slope) {
  prop_set(of, IMP_FUN, w);
  struct Unmark {
    wff of;
    ~Unmark() { prop_remove(of, IMP_FUN); }
  } unmark{of};
  Ref rule = Ref::adopt(deriv_implicit_rule(by));
  Ref d = slope;
  for (int k = 2; k <= 4; ++k) d = Ref::adopt(derivative(d.get(), rule.get()));
  return d.release();
}

}  // namespace

Relation_Fns relation_fns_compile(wff x, wff y, wff w, const Symbol_Rules& rules, Relation_Colours colours) {
  Ref y_list = Ref::adopt(list1(y));
  Ref vars = Ref::adopt(pair_new(x, y_list.get()));
  Relation_Fns rf;
  // The value first: a relation holding something that is no number (a
  // comparison inside it) is refused by the compiler's message, before
  // differentiating reaches a head that has no derivative.
  rf.fns[0] = Ref::adopt(dblsf_compile(vars.get(), w, rules));
  Ref w_x = Ref::adopt(partial(w, x)), w_y = Ref::adopt(partial(w, y));
  Ref dx_dy = Ref::adopt(implicit_slope(w_y, w_x)), dy_dx = Ref::adopt(implicit_slope(w_x, w_y));
  Ref forms[N_RELATION_FNS] = {Ref::share(w),
                               w_x,
                               w_y,
                               Ref::adopt(partial(w_x.get(), x)),
                               Ref::adopt(partial(w_y.get(), y)),
                               dx_dy,
                               dy_dx,
                               Ref::adopt(implicit_fourth(w, y, x, dx_dy)),
                               Ref::adopt(implicit_fourth(w, x, y, dy_dx))};
  for (int k = 1; k < N_RELATION_FNS; ++k) rf.fns[k] = Ref::adopt(dblsf_compile(vars.get(), forms[k].get(), rules));
  rf.colours = colours;
  return rf;
}
