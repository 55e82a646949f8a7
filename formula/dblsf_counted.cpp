#include "formula/dblsf_counted.h"

namespace {

DblsF inner(const Fn_Rec* f) { return Hdl(f->cap[0]); }
Facet_Counts& counts(const Fn_Rec* f) { return *reinterpret_cast<Facet_Counts*>(f->cap[1]); }

void counted_value(const Fn_Rec* f, const double* xs, double* ys) {
  ++counts(f).n_values;
  dblsf_evaluate(inner(f), xs, ys);
}
void counted_interval(const Fn_Rec* f, const Interval* box, Interval* out) {
  ++counts(f).n_intervals;
  dblsf_enclose(inner(f), box, out);
}
int32_t counted_smooth(const Fn_Rec* f, const Interval* box) {
  ++counts(f).n_smooths;
  return dblsf_smoothness(inner(f), box);
}
DblsF counted_partial(const Fn_Rec* f, int32_t j) {
  Ref d = Ref::adopt(dblsf_derive(inner(f), j));
  return dblsf_counted(d.get(), &counts(f));
}

Hdl facet(auto apply, DblsF f, Facet_Counts* counts_p) {
  return fn_new(apply, 2, 1, intptr_t(hdl_copy(f)), reinterpret_cast<intptr_t>(counts_p));
}

}  // namespace

DblsF dblsf_counted(DblsF f, Facet_Counts* counts_p) {
  return dblsf_new(tgt_dim(f), src_dim(f), facet(counted_value, f, counts_p), facet(counted_interval, f, counts_p),
                   facet(counted_partial, f, counts_p), facet(counted_smooth, f, counts_p));
}
