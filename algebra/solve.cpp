#include "algebra/solve.h"

#include "algebra/solve_convert.h"
#include "algebra/solve_order_change.h"
#include "algebra/solve_system.h"
#include "algebra/solve_write.h"
#include "formula/builtins.h"
#include "formula/construct.h"
#include "formula/numbers.h"

namespace {

bool occurs_q(wff w, wff sym) {
  if (w == sym) return true;
  for (Hdl l = w; pair_q(l); l = pair_rest(l))
    if (occurs_q(pair_first(l), sym)) return true;
  return false;
}

// The symbols of the list that the equations use, in order. A ring for a
// symbol that no equation holds would change no result and slow every step.
std::vector<wff> symbols_used(Hdl list, wff equations) {
  std::vector<wff> out;
  for (; pair_q(list); list = pair_rest(list))
    if (occurs_q(equations, pair_first(list))) out.push_back(pair_first(list));
  return out;
}

// Gives each symbol its generator for the time of the conversion; the earlier
// values come back when the scope ends, also when the conversion fails.
class Alg_Rep_Scope {
 public:
  // A constructor that fails runs no destructor: what it set it takes back itself.
  Alg_Rep_Scope(const Solve_Tower& t, const Solve_Names& names) {
    set_.reserve(names.coef_syms.size() + names.vars.size());
    try {
      for (size_t i = 0; i < names.coef_syms.size(); ++i) set(names.coef_syms[i], field_coef_symbol(t, int(i)));
      for (size_t i = 0; i < names.vars.size(); ++i) set(names.vars[i], field_variable(t, int(i) + 1));
    } catch (...) {
      restore();
      throw;
    }
  }
  ~Alg_Rep_Scope() { restore(); }
  Alg_Rep_Scope(const Alg_Rep_Scope&) = delete;
  Alg_Rep_Scope& operator=(const Alg_Rep_Scope&) = delete;

 private:
  void restore() {
    for (size_t i = set_.size(); i-- > 0;) prop_remove(set_[i], ALG_REP);
  }
  void set(wff sym, const Ref& generator) {
    CHECK(symbol_p(sym));
    prop_set(sym, ALG_REP, generator.get());
    set_.push_back(sym);
  }
  std::vector<wff> set_;
};

wff solve_unguarded(wff equations, Hdl coef_syms, Hdl vars, bool quadratic_q) {
  CHECK(!quadratic_q);
  Solve_Names names{symbols_used(vars, equations), symbols_used(coef_syms, equations)};
  Solve_Tower t = tower_new(int(names.coef_syms.size()), int(names.vars.size()));
  Convert_State st{&t};
  std::vector<Ref> polys;
  {
    Alg_Rep_Scope scope(t, names);
    equations_to_polynomials(st, equations, polys);
  }
  Tri_System s(t);
  std::vector<Ref> system;
  tri_insert(s, system_by_order_change(t, polys, system) ? system : polys);
  Ref result = Ref::share(builtin(SYM_TRUE));
  for (const Ref& p : tri_list(s)) {
    Ref eq = Ref::adopt(polynomial_to_equation(t, p.get(), n_vars_of(t), names));
    result = Ref::adopt(apply2(SYM_AND, result.get(), eq.get()));
  }
  if (st.inexact_q) result = Ref::adopt(approximate(result.get()));
  return result.release();
}

}  // namespace

wff solve_equations(wff equations, Hdl coef_syms, Hdl vars, bool quadratic_q) {
  return heap_guarded([&] { return solve_unguarded(equations, coef_syms, vars, quadratic_q); });
}
