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

Ref bind_trace(const Graph_Set& fws, wff w, const std::vector<double>& trace, std::vector<int32_t> keep) {
  Ref syms, vals;
  for (int32_t i = n_indep(fws); i-- > 0;) {
    if (std::find(keep.begin(), keep.end(), i) != keep.end()) continue;
    Ref v = Ref::adopt(real_new(trace[size_t(i)]));
    syms = Ref::adopt(pair_new(fws.indep_sym_vs[size_t(i)].sym.get(), syms.get()));
    vals = Ref::adopt(pair_new(v.get(), vals.get()));
  }
  if (!pair_q(syms.get())) return Ref::share(w);
  Ref rule = Ref::adopt(fn_new<Fun1_Apply>(bound_value, 2, 3, intptr_t(syms.release()), intptr_t(vals.release())));
  return Ref::adopt(substitute(w, rule.get()));
}
