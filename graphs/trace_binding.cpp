#include "graphs/trace_binding.h"

#include <algorithm>

#include "core/fun_obj.h"
#include "formula/walk.h"

namespace {

// cap 0: the bound symbols; cap 1: their values, in the same order.
Hdl bound_value(const Fn_Rec* f, Hdl sym) {
  for (Hdl s = Hdl(f->cap[0]), v = Hdl(f->cap[1]); pair_q(s); s = pair_rest(s), v = pair_rest(v))
    if (pair_first(s) == sym) return hdl_copy(pair_first(v));
  return hdl_copy(sym);
}

}  // namespace

Ref sym_list(const std::vector<Ref>& syms) {
  Ref l;
  for (size_t i = syms.size(); i-- > 0;) l = Ref::adopt(pair_new(syms[i].get(), l.get()));
  return l;
}

Ref bind_values(wff w, const std::vector<Ref>& syms, const std::vector<double>& values) {
  if (syms.empty()) return Ref::share(w);
  std::vector<Ref> reals;
  for (double v : values) reals.push_back(Ref::adopt(real_new(v)));
  Ref sym_l = sym_list(syms), val_l = sym_list(reals);
  Ref rule = Ref::adopt(fn_new<Fun1_Apply>(bound_value, 2, 3, intptr_t(sym_l.release()), intptr_t(val_l.release())));
  return Ref::adopt(substitute(w, rule.get()));
}

Ref bind_trace(const Graph_Set& fws, wff w, const std::vector<double>& trace, std::vector<int32_t> keep) {
  std::vector<Ref> syms;
  std::vector<double> values;
  for (int32_t i = 0; i < n_indep(fws); ++i) {
    if (std::find(keep.begin(), keep.end(), i) != keep.end()) continue;
    syms.push_back(fws.indep_sym_vs[size_t(i)].sym);
    values.push_back(trace[size_t(i)]);
  }
  return bind_values(w, syms, values);
}
