#include "graphs/graph_set.h"

#include <cmath>
#include <utility>

#include "core/err.h"
#include "core/num_format.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_panel.h"
#include "graphs/sampler_colours.h"
#include "graphs/slider_value.h"
#include "graphs/value_strip.h"

bool large_graphs_ = false;

namespace {

constexpr int32_t PIXELS_PER_SIZE_STEP = 100;

void make_grids(Graph_Set& fws) {
  const Var_Range& last = fws.dep_sym_vs.back();
  fws.y_grid = axis_grid(last.low, last.high, true);
  fws.x_grids.clear();
  for (const Var_Range& v : fws.indep_sym_vs) fws.x_grids.push_back(axis_grid(v.low, v.high, false));
  for (size_t i = 0; i < fws.indep_sym_vs.size(); ++i) {
    const Var_Range& v = fws.indep_sym_vs[i];
    fws.trace_texts[i] = value_text((v.low + v.high) * 0.5, v, LABEL_PRECISION);
  }
}

}  // namespace

int32_t panel_side(int32_t n, int32_t k) {
  int32_t f = large_graphs_ ? 4 : n < 4 ? 2 : 1;
  return f * PIXELS_PER_SIZE_STEP * k;
}

Byte_Str value_text(double x, const Var_Range& v, double frac) {
  Byte_Str out;
  format_real_tol(out, x, frac * width_of(v));
  return out;
}

Graph_Set* graph_set_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, int32_t k, Formula_Sets sets,
                         std::vector<std::vector<double>> rows, const Symbol_Rules& rules) {
  int32_t n = int32_t(indeps.size()), m = int32_t(deps.size());
  CHECK(m > 0 && n > 0);
  CHECK(int32_t(sets.zero_wff1vs_s.size()) == m + 1);
  CHECK(int32_t(sets.f_wff1vs_s.size()) == m);
  Graph_Set* fws = new Graph_Set;
  fws->indep_sym_vs = std::move(indeps);
  fws->dep_sym_vs = std::move(deps);
  CHECK(n == n_indep(*fws) && m == n_dep(*fws));
  fws->k = k;
  fws->s = panel_side(n, k);
  fws->sets = std::move(sets);
  fws->rows = std::move(rows);
  for (const std::vector<double>& r : fws->rows) CHECK(int32_t(r.size()) == n + m);
  fws->rules = rules;
  fws->trace_texts.resize(size_t(n));
  fws->panels.resize(size_t(n));
  for (int32_t j = 0; j < n; ++j) {
    Panel& p = fws->panels[size_t(j)];
    p.fws_p = fws;
    p.j = j;
    set_drawing_size(p.pic, fws->s, fws->s);
    for (const Var_Range& v : fws->dep_sym_vs) {
      p.light_dots.push_back({{}, light_colour(v.colour)});
      p.full_dots.push_back({{}, v.colour});
    }
  }
  fws->strip_texts.resize(size_t(m));
  make_grids(*fws);
  graph_layout_init(*fws);
  return fws;
}

void graph_set_release(Graph_Set* fws) { delete fws; }

bool trace_texts_read_q(const Graph_Set& fws) {
  for (const Byte_Str& text : fws.trace_texts)
    if (!std::isfinite(text_number(text))) return false;
  return true;
}

std::vector<double> trace_values(const Graph_Set& fws) {
  if (!trace_texts_read_q(fws)) throw Syntax_Err("Syntax Error", nullptr);
  std::vector<double> t;
  for (const Byte_Str& text : fws.trace_texts) t.push_back(text_number(text));
  return t;
}

void refresh_graphs(Graph_Set& fws, bool all_q) {
  std::vector<double> trace = trace_values(fws);
  for (int32_t j = 0; j < n_indep(fws); ++j) {
    panel_dots(fws, j, trace, fws.panels[size_t(j)]);
    if (all_q) panel_curves(fws, j, trace, fws.panels[size_t(j)]);
  }
  if (all_q)
    for (int32_t k = 0; k < n_dep(fws); ++k) fws.strip_texts[size_t(k)] = strip_text(fws, k, trace);
  graph_layout_update(fws);
}

// The bits are taken first, so that a refresh that fails is reported once,
// not again at every tick.
void run_pending(Graph_Set& fws) {
  uint32_t bits = std::exchange(fws.pending, 0);
  if (bits) refresh_graphs(fws, bits != REFRESH_DOTS);
}
