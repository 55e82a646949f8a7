#include "graphs/formula_sets.h"

#include "formula/construct.h"

namespace {

bool join_q(wff w) { return appl_of_q(w, builtin(SYM_AND)) || appl_of_q(w, builtin(SYM_OR)); }
bool relation_q(wff w) {
  if (w == builtin(SYM_TRUE)) return true;
  for (Builtin_Sym op : {SYM_LT, SYM_LE, SYM_GT, SYM_GE, SYM_NE})
    if (appl_of_q(w, builtin(op))) return true;
  return false;
}

int32_t dep_index(wff w, const std::vector<Ref>& dep_syms) {
  for (size_t d = 0; d < dep_syms.size(); ++d)
    if (w == dep_syms[d].get()) return int32_t(d);
  return -1;
}

// The dependent variable an implicit equation is drawn for: the one its left
// side names, else the first it mentions; m for none.
int32_t implicit_index(wff lhs, wff diff, const std::vector<Ref>& dep_syms) {
  int32_t d = dep_index(lhs, dep_syms);
  if (d >= 0) return d;
  for (size_t k = 0; k < dep_syms.size(); ++k)
    if (mentions_q(diff, dep_syms[k].get())) return int32_t(k);
  return int32_t(dep_syms.size());
}

void classify(wff w, const std::vector<Ref>& dep_syms, Formula_Sets& sets) {
  if (join_q(w)) {
    classify(arg_of(w, 1), dep_syms, sets);
    classify(arg_of(w, 0), dep_syms, sets);
    return;
  }
  if (appl_of_q(w, builtin(SYM_EQ))) {
    wff lhs = arg_of(w, 0), rhs = arg_of(w, 1);
    int32_t d = dep_index(lhs, dep_syms);
    if (d >= 0 && !mentions_q(rhs, dep_syms[0].get())) {
      sets.f_wff1vs_s[size_t(d)].push_back(Ref::share(rhs));
      return;
    }
    Ref diff = Ref::adopt(minus(lhs, rhs));
    sets.zero_wff1vs_s[size_t(implicit_index(lhs, diff.get(), dep_syms))].push_back(diff);
    return;
  }
  if (relation_q(w)) sets.relations.push_back(Ref::share(w));
}

}  // namespace

bool mentions_q(wff w, wff s) {
  if (w == s) return true;
  for (Hdl l = w; pair_q(l); l = pair_rest(l))
    if (mentions_q(pair_first(l), s)) return true;
  return false;
}

Formula_Sets formula_sets_of(Hdl statements, wff extra, const std::vector<Ref>& dep_syms) {
  size_t m = dep_syms.size();
  Formula_Sets sets{std::vector<std::vector<Ref>>(m), std::vector<std::vector<Ref>>(m + 1), {}};
  for (Hdl l = statements; pair_q(l); l = pair_rest(l)) classify(pair_first(l), dep_syms, sets);
  if (extra != EMPTY_HDL) classify(extra, dep_syms, sets);
  return sets;
}
