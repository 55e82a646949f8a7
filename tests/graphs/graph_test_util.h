// Graph sets for the tests and benchmarks: variables by name and range,
// statements in prefix notation over them, data rows.
#pragma once
#include <string>
#include <vector>

#include "core/num_format.h"
#include "formula/prefix.h"
#include "graphs/dblsf_gui1.h"
#include "graphs/trace_binding.h"

struct Var_Spec {
  const char* name;
  double low, high;
  int32_t colour;
};

struct Graph_Spec {
  std::vector<Var_Spec> indeps, deps;
  std::vector<const char*> statements;  // prefix notation
  std::vector<std::vector<double>> rows;
  int32_t k = 192;
};

inline std::vector<Var_Range> var_ranges(const std::vector<Var_Spec>& specs) {
  std::vector<Var_Range> out;
  for (const Var_Spec& v : specs) out.push_back({Ref::adopt(symbol_new(v.name)), v.colour, v.low, v.high});
  return out;
}

inline std::vector<Ref> syms_of(const std::vector<Var_Range>& vs) {
  std::vector<Ref> out;
  for (const Var_Range& v : vs) out.push_back(v.sym);
  return out;
}

inline Graph_Set* graph_of(const Graph_Spec& g) {
  std::vector<Var_Range> indeps = var_ranges(g.indeps), deps = var_ranges(g.deps);
  std::vector<Ref> all = syms_of(indeps), dep_syms = syms_of(deps);
  all.insert(all.end(), dep_syms.begin(), dep_syms.end());
  Ref names = sym_list(all), statements;
  for (size_t i = g.statements.size(); i-- > 0;) {
    Ref w = Ref::adopt(prefix_read(g.statements[i], names.get()));
    statements = Ref::adopt(pair_new(w.get(), statements.get()));
  }
  Formula_Sets sets = formula_sets_of(statements.get(), EMPTY_HDL, dep_syms);
  return graph_section_new(std::move(indeps), std::move(deps), g.k, std::move(sets), g.rows, default_symbol_rules());
}

struct Graph_Holder {
  Graph_Set* fws;
  explicit Graph_Holder(const Graph_Spec& g) : fws(graph_of(g)) {}
  ~Graph_Holder() { GRAPH_SECTION_OPS.release(GRAPH_SECTION_OPS, fws); }
  Graph_Set& operator*() const { return *fws; }
};

inline std::string text_of(const Byte_Str& b) { return std::string(b.first_p, size_t(n_elts(b))); }
inline std::string tol_text(double x, double tol) {
  Byte_Str b;
  format_real_tol(b, x, tol);
  return text_of(b);
}
