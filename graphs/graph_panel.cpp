#include "graphs/graph_panel.h"

#include <cmath>

#include "formula/calculus.h"
#include "formula/construct.h"
#include "graphs/dblsf_curves.h"
#include "graphs/trace_binding.h"

namespace {

constexpr double DOT_SLACK = 0.001;

bool in_widened_q(const Var_Range& v, double x) {
  double h = DOT_SLACK * width_of(v);
  return v.low - h <= x && x <= v.high + h;
}

Interval range_of(const Var_Range& v) { return {v.low, v.high}; }

// 1 full colour, 0 light, -1 no dot: what the other independent values allow.
int32_t dot_shade(const Graph_Set& fws, int32_t j, const std::vector<double>& row, const std::vector<double>& trace) {
  int32_t shade = 1;
  for (int32_t i = 0; i < n_indep(fws); ++i) {
    double x = row[size_t(i)];
    const Var_Range& v = fws.indep_sym_vs[size_t(i)];
    if (i == j || std::isnan(x) || in_trace_box_q(v, trace[size_t(i)], x)) continue;
    if (!in_widened_q(v, x)) return -1;
    shade = 0;
  }
  return shade;
}

// The other independent variables at their trace values, then compiled over vars.
Ref compiled(const Graph_Set& fws, wff w, const std::vector<double>& trace, int32_t j, const std::vector<Ref>& vars) {
  Ref bound = bind_trace(fws, w, trace, {j});
  Ref var_list = sym_list(vars);
  return Ref::adopt(dblsf_compile(var_list.get(), bound.get(), fws.rules));
}

void draw_relation(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, wff w, const Var_Range& yv,
                   Relation_Colours colours, Panel& p) {
  const Var_Range& xv = fws.indep_sym_vs[size_t(j)];
  if (!range_ok_q(yv)) return;
  Ref bound = bind_trace(fws, w, trace, {j});
  Relation_Fns rf = relation_fns_compile(xv.sym.get(), yv.sym.get(), bound.get(), fws.rules, colours);
  Relation_Frame frame = relation_frame(p.pic, range_of(xv), range_of(yv), fws.k);
  sample_relation(p.pic, frame, Cell{{xv.low, xv.high, yv.low, yv.high}}, rf);
}

// The dependent variable a relation is drawn against: the first it mentions.
const Var_Range& relation_y(const Graph_Set& fws, wff w) {
  for (const Var_Range& v : fws.dep_sym_vs)
    if (mentions_q(w, v.sym.get())) return v;
  return fws.dep_sym_vs[0];
}

void draw_relations(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p) {
  int32_t n = std::min(int32_t(fws.sets.relations.size()), N_RELATIONS_DRAWN);
  for (int32_t r = 0; r < n; ++r) {
    wff w = fws.sets.relations[size_t(r)].get();
    int32_t c = RELATION_COLOURS[r];
    if (w == builtin(SYM_TRUE)) {
      Ref zero = Ref::adopt(real_new(0));
      draw_relation(fws, j, trace, zero.get(), fws.dep_sym_vs[0], relation_colours(c, true, true), p);
      continue;
    }
    bool lt_q = appl_of_q(w, builtin(SYM_LT));
    if (!lt_q && !appl_of_q(w, builtin(SYM_LE))) continue;
    // a < b holds where b - a is positive.
    Ref f = Ref::adopt(minus(arg_of(w, 1), arg_of(w, 0)));
    draw_relation(fws, j, trace, f.get(), relation_y(fws, w), relation_colours(c, !lt_q, true), p);
  }
}

bool drawable_q(wff w) {
  const double* r = real_p(w);
  return !undefined_q(w) && !(r && !std::isfinite(*r));
}

void draw_explicit(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p) {
  const Var_Range& xv = fws.indep_sym_vs[size_t(j)];
  for (int32_t k = 0; k < n_dep(fws); ++k) {
    const Var_Range& yv = fws.dep_sym_vs[size_t(k)];
    if (!range_ok_q(yv)) continue;
    for (const Ref& w : fws.sets.f_wff1vs_s[size_t(k)]) {
      if (!drawable_q(w.get())) continue;
      Ref f = compiled(fws, w.get(), trace, j, {xv.sym});
      sample_curve_on_panel(p.pic, yv.colour, range_of(xv), range_of(yv), fws.k, curve_fns_of(f.get()));
    }
  }
}

void draw_implicit(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p) {
  int32_t m = n_dep(fws);
  for (int32_t k = 0; k <= m; ++k) {
    // The last list involves no dependent variable: its roots in x_j show as
    // vertical lines in x_j's colour.
    const Var_Range& yv = fws.dep_sym_vs[size_t(k < m ? k : m - 1)];
    int32_t colour = k < m ? yv.colour : fws.indep_sym_vs[size_t(j)].colour;
    for (const Ref& w : fws.sets.zero_wff1vs_s[size_t(k)])
      if (drawable_q(w.get())) draw_relation(fws, j, trace, w.get(), yv, relation_colours(colour, true, false), p);
  }
}

// A vertical line across panel j at x_j = x, in x_j's colour.
void vertical_line(const Graph_Set& fws, int32_t j, double x, Panel& p) {
  const Var_Range& xv = fws.indep_sym_vs[size_t(j)];
  if (!(xv.low <= x && x <= xv.high)) return;
  add_vertical_segment(p.pic, x, range_of(xv), {0, 1}, {0, 1}, xv.colour, CURVE_PEN_STYLE);
}

// Both ends of a selection in another panel: its lines there, and here the
// curves once more with its variable at each end.
void draw_selection_ends(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p) {
  const Panel_Sel& sel = fws.sel;
  if (n_indep(fws) < 2 || sel.panel_i < 0 || sel.p0 == sel.p1) return;
  const Var_Range& sv = fws.indep_sym_vs[size_t(sel.panel_i)];
  for (int32_t end : {sel.p0, sel.p1}) {
    double x = value_at(sv, end, fws.s);
    if (j == sel.panel_i) {
      vertical_line(fws, j, x, p);
      continue;
    }
    std::vector<double> moved = trace;
    moved[size_t(sel.panel_i)] = x;
    draw_explicit(fws, j, moved, p);
  }
}

}  // namespace

void panel_dots(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p) {
  int32_t n = n_indep(fws);
  const Var_Range& xv = fws.indep_sym_vs[size_t(j)];
  for (int32_t k = 0; k < n_dep(fws); ++k) {
    p.light_dots[size_t(k)].dots.clear();
    p.full_dots[size_t(k)].dots.clear();
  }
  if (!range_ok_q(xv)) return;
  for (const std::vector<double>& row : fws.rows) {
    double x = row[size_t(j)];
    if (!in_widened_q(xv, x)) continue;
    int32_t shade = dot_shade(fws, j, row, trace);
    if (shade < 0) continue;
    for (int32_t k = 0; k < n_dep(fws); ++k) {
      const Var_Range& yv = fws.dep_sym_vs[size_t(k)];
      double y = row[size_t(n + k)];
      if (!range_ok_q(yv) || !in_widened_q(yv, y)) continue;
      Point at = {int32_t(layout_of(xv, x, fws.s)), int32_t(layout_of(yv, y, fws.s))};
      add_dot(shade ? p.full_dots[size_t(k)] : p.light_dots[size_t(k)], at);
    }
  }
}

void panel_curves(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p, bool trace_line_q) {
  p.pic.fills.clear();
  p.pic.strands.clear();
  if (!range_ok_q(fws.indep_sym_vs[size_t(j)])) return;
  draw_relations(fws, j, trace, p);
  draw_explicit(fws, j, trace, p);
  draw_implicit(fws, j, trace, p);
  if (trace_line_q) vertical_line(fws, j, trace[size_t(j)], p);
  draw_selection_ends(fws, j, trace, p);
}
