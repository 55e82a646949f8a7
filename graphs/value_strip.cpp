#include "graphs/value_strip.h"

#include <cmath>

#include "core/num_format.h"
#include "formula/construct.h"
#include "graphs/formula_sets.h"
#include "graphs/trace_binding.h"

namespace {

constexpr double STRIP_PRECISION = 0.00011;

// The coefficient a and the rest b of w = a y + b.
struct Linear {
  Ref a, b;
  bool ok_q;
};

Linear linear_parts(wff w, wff y) {
  if (w == y) return {Ref::adopt(int_wff(1)), Ref::adopt(int_wff(0)), true};
  if (!mentions_q(w, y)) return {Ref::adopt(int_wff(0)), Ref::share(w), true};
  bool plus_q = appl_of_q(w, builtin(SYM_PLUS)), times_q = appl_of_q(w, builtin(SYM_TIMES));
  if (!(plus_q || times_q) || n_elts(args_of(w)) != 2) return {{}, {}, false};
  wff u = arg_of(w, 0), v = arg_of(w, 1);
  if (plus_q) {
    Linear lu = linear_parts(u, y), lv = linear_parts(v, y);
    if (!lu.ok_q || !lv.ok_q) return {{}, {}, false};
    return {Ref::adopt(plus(lu.a.get(), lv.a.get())), Ref::adopt(plus(lu.b.get(), lv.b.get())), true};
  }
  // y only as a factor: one side free of it.
  if (mentions_q(u, y) && mentions_q(v, y)) return {{}, {}, false};
  wff c = mentions_q(u, y) ? v : u;
  Linear l = linear_parts(mentions_q(u, y) ? u : v, y);
  if (!l.ok_q) return l;
  return {Ref::adopt(times(c, l.a.get())), Ref::adopt(times(c, l.b.get())), true};
}

// The formula compiled over all the variables, independent then dependent,
// as the data rows hold them.
Ref compiled_over_all(const Graph_Set& fws, wff w) {
  std::vector<Ref> vars;
  for (const Var_Range& v : fws.indep_sym_vs) vars.push_back(v.sym);
  for (const Var_Range& v : fws.dep_sym_vs) vars.push_back(v.sym);
  Ref list = sym_list(vars);
  return Ref::adopt(dblsf_compile(list.get(), w, fws.rules));
}

// The root mean square of f against the k-th values of the rows where both are finite.
bool rms_of(const Graph_Set& fws, DblsF f, int32_t k, double& rms) {
  double sum = 0;
  int32_t count = 0;
  for (const std::vector<double>& row : fws.rows) {
    double y = row[size_t(n_indep(fws) + k)], fy = dblsf_value1(f, row.data());
    if (!std::isfinite(y) || !std::isfinite(fy)) continue;
    sum += (fy - y) * (fy - y);
    ++count;
  }
  if (count > 0) rms = std::sqrt(sum / count);
  return count > 0;
}

}  // namespace

Ref linear_coefficient(wff w, wff y) {
  Linear l = linear_parts(w, y);
  return l.ok_q ? l.a : Ref();
}

Ref solved_linear(wff w, wff y) {
  Linear l = linear_parts(w, y);
  if (!l.ok_q || zero_q(l.a.get())) return {};
  Ref neg = Ref::adopt(negate(l.b.get()));
  return Ref::adopt(divide(neg.get(), l.a.get()));
}

std::vector<Ref> strip_formulas(const Graph_Set& fws, int32_t k) {
  std::vector<Ref> fs = fws.sets.f_wff1vs_s[size_t(k)];
  for (const Ref& w : fws.sets.zero_wff1vs_s[size_t(k)]) {
    Ref s = solved_linear(w.get(), fws.dep_sym_vs[size_t(k)].sym.get());
    if (s.get() != EMPTY_HDL) fs.push_back(s);
  }
  return fs;
}

Byte_Str strip_text(const Graph_Set& fws, int32_t k, const std::vector<double>& trace) {
  const Var_Range& yv = fws.dep_sym_vs[size_t(k)];
  double tol = STRIP_PRECISION * width_of(yv);
  std::vector<double> at = trace;
  at.resize(size_t(n_indep(fws) + n_dep(fws)), NAN);
  std::vector<Ref> fs = strip_formulas(fws, k);
  Byte_Str out;
  Ref f;
  for (const Ref& w : fs) {
    f = compiled_over_all(fws, w.get());
    double y = dblsf_value1(f.get(), at.data());
    if (!std::isfinite(y)) continue;
    if (n_elts(out)) append(out, ", ", 2);
    format_real_tol(out, y, tol);
  }
  double rms;
  if (fs.size() == 1 && rms_of(fws, f.get(), k, rms)) {
    append(out, ' ');
    append(out, PLUS_MINUS_SIGN, 2);
    append(out, " ~ ", 3);
    format_real_tol(out, rms, tol);
  }
  return out;
}
