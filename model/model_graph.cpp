#include "model/model_graph.h"

#include <cmath>

#include "draw/screen.h"
#include "draw/units.h"
#include "formula/construct.h"
#include "graphs/graph_section.h"
#include "graphs/slider_value.h"
#include "graphs/trace_binding.h"
#include "graphs/value_strip.h"
#include "model/model_analyze.h"
#include "model/model_env.h"
#include "model/model_kind.h"
#include "model/model_read.h"
#include "model/model_table.h"
#include "tables/math_tables.h"
#include "tables/swatch.h"

namespace {

// Canvas units per screen pixel.
int32_t screen_pixel_units() { return UNITS_PER_INCH / screen_canvas().dpi_x; }

Graph_Set* graph_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, std::vector<std::vector<double>> rows,
                     Formula_Sets sets) {
  return graph_section_new(std::move(indeps), std::move(deps), screen_pixel_units(), std::move(sets), std::move(rows),
                           default_symbol_rules());
}
Formula_Sets no_sets(size_t n_dep) {
  return {std::vector<std::vector<Ref>>(n_dep), std::vector<std::vector<Ref>>(n_dep + 1), {}};
}

Var_Range unit_range(const Math_Model& m, int32_t table_i, const char* name) {
  const Small_Table& t = var_table(m, table_i);
  int32_t colour = n_elts(t) > 0 ? swatch_colour(table_cell(t, 0, COLOR_COL)) : 0;
  return {Ref::adopt(symbol_new(name)), colour, 0, 1};
}

// ---- The solved statements, sorted for the graph ----

bool join_q(wff w) { return appl_of_q(w, builtin(SYM_AND)) || appl_of_q(w, builtin(SYM_OR)); }

int32_t dep_index(wff w, const std::vector<Ref>& deps) {
  for (size_t k = 0; k < deps.size(); ++k)
    if (w == deps[k].get()) return int32_t(k);
  return -1;
}
int32_t n_deps_in(wff w, const std::vector<Ref>& deps) {
  int32_t n = 0;
  for (const Ref& y : deps) n += mentions_q(w, y.get()) ? 1 : 0;
  return n;
}
bool explicit_q(wff w, const std::vector<Ref>& deps) {
  return appl_of_q(w, builtin(SYM_EQ)) && dep_index(arg_of(w, 0), deps) >= 0 && n_deps_in(arg_of(w, 1), deps) == 0;
}

// An equation as a panel can draw it: explicit; linear in a dependent
// variable with a coefficient free of the variables, and solved for it; or
// implicit in one dependent variable. Null for one that ties several
// dependent variables together. A coefficient that varies along the panel
// may vanish there, where the zero set holds a vertical line or none at all:
// only the implicit curve draws that as it is.
Ref drawable(wff w, const Model_Dict& d) {
  const std::vector<Ref>& deps = d.vs[DEP_VS];
  if (!appl_of_q(w, builtin(SYM_EQ)) || explicit_q(w, deps)) return Ref::share(w);
  Ref diff = Ref::adopt(minus(arg_of(w, 0), arg_of(w, 1)));
  for (const Ref& y : deps) {
    if (!mentions_q(diff.get(), y.get())) continue;
    Ref a = linear_coefficient(diff.get(), y.get());
    if (a.get() == EMPTY_HDL || n_deps_in(a.get(), d.vs[INDEP_VS]) > 0) continue;
    Ref f = solved_linear(diff.get(), y.get());
    if (f.get() != EMPTY_HDL && n_deps_in(f.get(), deps) == 0) return Ref::adopt(apply2(SYM_EQ, y.get(), f.get()));
  }
  return n_deps_in(diff.get(), deps) <= 1 ? Ref::share(w) : Ref();
}

// The statements of w, joins taken apart (the later part first, as the graph sorts them).
void statements_of(wff w, const Model_Dict& d, std::vector<Ref>& out) {
  if (!join_q(w)) {
    if (Ref s = drawable(w, d); s.get() != EMPTY_HDL) out.push_back(s);
    return;
  }
  std::vector<wff> parts;
  for (Hdl a = args_of(w); pair_q(a); a = pair_rest(a)) parts.push_back(pair_first(a));
  for (size_t i = parts.size(); i-- > 0;) statements_of(parts[i], d, out);
}

// The explicit statements once more at both ends of every slider's selected range.
void add_range_ends(const Math_Model& m, const Model_Dict& d, std::vector<Ref>& stmts) {
  std::vector<Ref> explicits;
  for (const Ref& w : stmts)
    if (explicit_q(w.get(), d.vs[DEP_VS])) explicits.push_back(w);
  std::vector<double> values = param_values(d);
  for (const Param_Row& p : m.params) {
    int32_t k = p.slider.a == p.slider.p ? -1 : name_index(d.vs[PARAM_VS], expr_string(p.name).c_str());
    if (k < 0) continue;
    double low = text_number(p.low), high = text_number(p.high);
    double ends[2] = {position_value(low, high, p.slider.a), position_value(low, high, p.slider.p)};
    if (!std::isfinite(ends[0]) || !std::isfinite(ends[1])) continue;
    std::vector<double> at = values;
    for (double v : ends) {
      at[size_t(k)] = v;
      for (const Ref& w : explicits)
        if (Ref s = with_values(w.get(), d, at); s.get() != EMPTY_HDL) stmts.push_back(s);
    }
  }
}

// The statements as a list, every parameter at its value; those with a
// parameter without one are left out.
Ref statement_list(const std::vector<Ref>& stmts, const Model_Dict& d) {
  std::vector<double> values = param_values(d);
  Ref list = Ref::adopt(EMPTY_HDL);
  for (size_t i = stmts.size(); i-- > 0;)
    if (Ref w = with_values(stmts[i].get(), d, values); w.get() != EMPTY_HDL) list = Ref::adopt(pair_new(w.get(), list.get()));
  return list;
}

// Whether the graph's variables are the model's, by name and in order;
// when they are, the graph takes the model's symbols, with new formulas to
// compile with them.
bool same_names_q(const std::vector<Var_Range>& vs, const std::vector<Ref>& syms) {
  if (vs.size() != syms.size()) return false;
  for (size_t i = 0; i < vs.size(); ++i)
    if (name_index({vs[i].sym}, symbol_name(syms[i].get())) != 0) return false;
  return true;
}
bool names_match_q(const Graph_Set& g, const Model_Dict& d) {
  return same_names_q(g.indep_sym_vs, d.vs[INDEP_VS]) && same_names_q(g.dep_sym_vs, d.vs[DEP_VS]);
}
bool take_symbols_q(Graph_Set& g, const Model_Dict& d) {
  if (!names_match_q(g, d)) return false;
  for (size_t i = 0; i < g.indep_sym_vs.size(); ++i) g.indep_sym_vs[i].sym = d.vs[INDEP_VS][i];
  for (size_t i = 0; i < g.dep_sym_vs.size(); ++i) g.dep_sym_vs[i].sym = d.vs[DEP_VS][i];
  return true;
}

// The redraw of a section that changes size: its old and new places.
template <class F>
void resized(Math_Model& m, int32_t j, Cmd_Args& args, F change) {
  inval_add(args, section_area(m, j));
  change();
  model_relayout(m);
  inval_add(args, section_area(m, j));
}

// The Solutions read, kept while only parameter values change; the values
// are taken from the rows again each time. Null when the model does not
// read: the next command that reads it reports the mistake.
Solved_Model* solved_read(Math_Model& m) {
  try {
    if (!m.solved_mp) {
      Model_Read rd = read_model(m, READ_SOLUTIONS);
      std::vector<std::vector<double>> rows = data_rows(m, *rd.dict_p);
      m.solved_mp = std::make_shared<Solved_Model>(Solved_Model{std::move(rd), std::move(rows)});
    }
  } catch (const Model_Err&) {
    return nullptr;
  }
  value_params(m, *m.solved_mp->rd.dict_p);
  return m.solved_mp.get();
}

}  // namespace

Graph_Set* default_graph(const Math_Model& m) {
  return graph_new({unit_range(m, INDEP_VARS, "x")}, {unit_range(m, DEP_VARS, "y")}, {}, no_sets(1));
}

Graph_Set* graph_made(Math_Model& m) {
  std::unique_ptr<Model_Dict> d = read_names(m, false);
  if (d->vs[INDEP_VS].empty() || d->vs[DEP_VS].empty()) return nullptr;
  std::vector<Var_Range> indeps = read_ranges(m, INDEP_VARS, d->vs[INDEP_VS]);
  std::vector<Var_Range> deps = read_ranges(m, DEP_VARS, d->vs[DEP_VS]);
  std::vector<std::vector<double>> rows;
  if (m.table_mp && n_elts(*m.table_mp) > 0) {
    read_param_names(m, *d);
    value_params(m, *d);
    rows = data_rows(m, *d);
  }
  Graph_Set* g = graph_new(std::move(indeps), std::move(deps), std::move(rows), no_sets(d->vs[DEP_VS].size()));
  mark_graphs(*g, true);
  return g;
}

void graph_release(Graph_Set* g) { GRAPH_SECTION_OPS.release(GRAPH_SECTION_OPS, g); }

namespace {

// After another change the graphs follow only while the trace texts read:
// an unreadable one waits for Calculate to report it, as raising here would
// lose the change's undo record. Large Graphs waits likewise.
void follow_graphs(Math_Model& m, Cmd_Args& args) {
  if (trace_texts_read_q(*m.graphs_p)) calc_graphs(m, args);
}

}  // namespace

void refresh_model(Math_Model& m, Cmd_Args& args) {
  m.flags &= ~REFRESH_DUE;
  Solved_Model* s_p = solved_read(m);
  if (!s_p || s_p->rd.dict_p->vs[DEP_VS].empty()) return;
  const Model_Read* rd_p = &s_p->rd;
  Model_Dict& d = *rd_p->dict_p;
  std::vector<Ref> stmts;
  // Inequalities alone read as the equations' "true": nothing to shade everywhere.
  if (rd_p->ineqs.empty() || rd_p->w.get() != builtin(SYM_TRUE)) statements_of(rd_p->w.get(), d, stmts);
  for (const Ref& q : rd_p->ineqs) stmts.push_back(q);
  if (m.table_mp) resized(m, TABLE_MMDLI, args, [&] { compute_columns(m, *rd_p, s_p->rows); });
  if (!take_symbols_q(*m.graphs_p, d)) return;
  add_range_ends(m, d, stmts);
  Ref list = statement_list(stmts, d);
  give_statements(*m.graphs_p, list.get(), EMPTY_HDL);
  follow_graphs(m, args);
}

void refresh_points(Math_Model& m, Cmd_Args& args) {
  Solved_Model* s_p = solved_read(m);
  if (!s_p) return;
  Model_Dict& d = *s_p->rd.dict_p;
  // New data rows keep the graph's symbols: its formulas were compiled
  // with them (after Undo of Graph the model's read has other ones).
  if (d.vs[INDEP_VS].empty() || d.vs[DEP_VS].empty() || !names_match_q(*m.graphs_p, d)) return;
  give_rows(*m.graphs_p, s_p->rows);
  follow_graphs(m, args);
}

void calc_graphs(Math_Model& m, Cmd_Args& args) {
  if (m.graphs_p->pending) resized(m, GRAPHS_MMDLI, args, [&] { run_pending(*m.graphs_p); });
}

void resize_graphs(Math_Model& m) {
  Graph_Set& old = *m.graphs_p;
  Graph_Set* g = graph_new(old.indep_sym_vs, old.dep_sym_vs, old.rows, old.sets);
  g->trace_texts = old.trace_texts;
  graph_release(m.graphs_p);
  m.graphs_p = g;
  mark_graphs(*g, true);
  if (trace_texts_read_q(*g)) run_pending(*g);
  model_relayout(m);
}
