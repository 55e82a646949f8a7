#include "model/model_solve.h"

#include <algorithm>
#include <vector>

#include "algebra/solve.h"
#include "formula/wff.h"
#include "formula/write_expr.h"
#include "model/model_env.h"

namespace {

// The model's symbols in w (those carrying a VAR_INDEX), sorted.
void model_syms(wff w, std::vector<Hdl>& out) {
  if (symbol_p(w)) {
    if (prop_get(w, VAR_INDEX) != NO_HDL && std::find(out.begin(), out.end(), w) == out.end()) out.push_back(w);
    return;
  }
  if (!appl_q(w)) return;
  for (Hdl e = w; pair_q(e); e = pair_rest(e)) model_syms(pair_first(e), out);
}
std::vector<Hdl> syms_of(wff w) {
  std::vector<Hdl> out;
  model_syms(w, out);
  std::sort(out.begin(), out.end());
  return out;
}

bool contains_q(const std::vector<Hdl>& syms, wff v) { return std::find(syms.begin(), syms.end(), v) != syms.end(); }

// The symbols an equation is tested on: its right side's when its left side
// is a symbol. A conjunction's are its parts', so that equations solved one
// by one (y=sin(x), z=sin(x+δ), s=sin(x)+sin(x+δ), read as nested
// conjunctions) compare alike however the reading grouped them.
std::vector<Hdl> tested_syms(wff w) {
  if (!appl_of_q(w, builtin(SYM_AND)))
    return syms_of(appl_of_q(w, builtin(SYM_EQ)) && symbol_p(arg_of(w, 0)) ? arg_of(w, 1) : w);
  std::vector<Hdl> all;
  for (Hdl a = args_of(w); pair_q(a); a = pair_rest(a)) {
    std::vector<Hdl> s = tested_syms(pair_first(a));
    all.insert(all.end(), s.begin(), s.end());
  }
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return all;
}
// The variables among syms: the parameters come first in the symbol order.
std::vector<Hdl> variables_of(std::vector<Hdl> syms, size_t n_params) {
  std::erase_if(syms, [&](Hdl s) { return size_t(imm_value(prop_get(s, VAR_INDEX))) < n_params; });
  return syms;
}

bool needs_q(wff w, wff dep_v, size_t n_params) {
  if (!appl_of_q(w, builtin(SYM_AND))) return contains_q(tested_syms(w), dep_v);
  std::vector<Hdl> first;
  bool first_q = true, differ_q = false;
  for (Hdl a = args_of(w); pair_q(a); a = pair_rest(a)) {
    if (needs_q(pair_first(a), dep_v, n_params)) return true;
    std::vector<Hdl> s = variables_of(tested_syms(pair_first(a)), n_params);
    if (!first_q && s != first) differ_q = true;
    if (first_q) first = std::move(s), first_q = false;
  }
  return differ_q;
}

int32_t n_equations(wff w) {
  if (appl_of_q(w, builtin(SYM_AND))) {
    int32_t n = 0;
    for (Hdl a = args_of(w); pair_q(a); a = pair_rest(a)) n += n_equations(pair_first(a));
    return n;
  }
  return appl_of_q(w, builtin(SYM_EQ)) ? 1 : 0;
}

Ref conjunction(wff w, const std::vector<Ref>& ineqs) {
  Ref all = Ref::share(w);
  for (const Ref& q : ineqs) all = Ref::adopt(apply2(SYM_AND, all.get(), q.get()));
  return all;
}

void write_solutions(Math_Model& m, wff w, const Resolver& r) {
  if (w == builtin(SYM_TRUE)) {
    m.solutions = Expr();
  } else {
    m.solutions = write_expr(w, r, SOLUTION_TOL);
  }
  expr_restyle(m.solutions, MODEL_ENV, 0);
}

}  // namespace

bool needs_solving_q(wff w, const Model_Dict& d) {
  return !d.vs[DEP_VS].empty() && needs_q(w, d.vs[DEP_VS][0].get(), d.vs[PARAM_VS].size());
}

Solve_Outcome model_solve(Math_Model& m, bool silent_q) {
  if (!m.editable_q || expr_empty_q(m.constraints)) return SOLVE_SKIPPED;
  Model_Read rd = read_model(m, READ_CONSTRAINTS);
  m.flags |= CONSTRAINTS_READ;
  Model_Dict& d = *rd.dict_p;
  Ref w = rd.w;
  if (silent_q && int32_t(d.vs[DEP_VS].size()) < n_equations(w.get())) {
    m.flags |= UNSOLVED_EXTRA;
  } else {
    if (needs_solving_q(w.get(), d)) {
      Ref pi = Ref::adopt(list1(builtin(SYM_PI)));
      Ref order = dict_order_list(d);
      w = Ref::adopt(solve_equations(w.get(), pi.get(), order.get(), false));
    }
    m.flags &= ~UNSOLVED_EXTRA;
  }
  m.flags &= ~CHANGED_FLAGS;
  write_solutions(m, conjunction(w.get(), rd.ineqs).get(), rd.resolver());
  m.flags |= REFRESH_DUE;
  return SOLVE_DONE;
}
