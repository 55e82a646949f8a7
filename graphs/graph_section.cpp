#include "graphs/graph_section.h"

#include <algorithm>

#include "core/err.h"
#include "editor/text_field.h"
#include "graphs/graph_layout.h"

namespace {

Graph_Set& fws_of(void* e) { return *static_cast<Graph_Set*>(e); }
const Graph_Set& fws_of(const void* e) { return *static_cast<const Graph_Set*>(e); }
const Panel& panel_of(const void* e) { return *static_cast<const Panel*>(e); }

// ---- A panel as a part: it holds a span, anchor_i to gen_i in canvas units ----

Sel panel_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }
Rect panel_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) {
  return {std::min(s.anchor_i, s.gen_i), std::max(s.anchor_i, s.gen_i) + 1, 0, panel_of(e).fws_p->s};
}
int32_t panel_query(const Gui_Kind&, const void*, const Sel&, Cmd& c) {
  return c.cmd_n == MOUSE_CMD ? int32_t(CROSS_CURSOR) : QUERY_PASSED;
}
void panel_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  if (args.cmd_p->cmd_n != MOUSE_CMD) return;
  const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  int32_t x = std::clamp(m.pt.x, 0, panel_of(e).fws_p->s);
  Sel& s = *args.sel_p;
  if (m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD)) s.anchor_i = x;
  s.gen_i = x;
}
Rect panel_bounds(const Gui_Kind&, const void* e) { return panel_of(e).pic.bounds; }
void panel_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) { draw_panel(panel_of(e), c, origin); }

const Gui_Kind PANEL_OPS = {panel_initial_sel, panel_sel_bounds,           panel_query, panel_perform, panel_bounds,
                            panel_draw,        caret_region_of_sel_bounds, nullptr};

const Text_Field_Kind TRACE_FIELD = {TEXT_FIELD_OPS, {nullptr, graph_label_style, nullptr, 1}};

// ---- Routing: parts 0..n-1 the panels, n..2n-1 the trace texts ----

void* graph_part_p(const Composite_Kind&, const void* e, int32_t j) {
  Graph_Set& fws = fws_of(const_cast<void*>(e));
  int32_t n = n_indep(fws);
  return j < n ? static_cast<void*>(&fws.panels[size_t(j)]) : &fws.trace_texts[size_t(j - n)];
}
Point graph_part_pt(const Composite_Kind&, const void* e, int32_t j) { return fws_of(e).part_pts[size_t(j)]; }
bool graph_column_q(const Composite_Kind&, const void*) { return false; }
void graph_relayout(const Composite_Kind&, void* e) { graph_layout_update(fws_of(e)); }
// An edited trace text is read again at the next refresh.
void graph_mark_changed(const Composite_Kind&, void* e, int32_t j) {
  if (j >= n_indep(fws_of(e))) fws_of(e).pending |= REFRESH_ALL;
}

const Parts_Access GRAPH_ACCESS = {graph_part_p, graph_part_pt, graph_column_q, graph_relayout, graph_mark_changed};

// ---- The section ----

const Composite_Kind& comp_of(const void* e) { return fws_of(e).comp; }

bool calc_q(const Cmd& c) { return c.cmd_n == BUTTON_CMD && button_cast_n(c) == CALC_BUTTON_N; }

// Runs a refresh, redrawing the whole section before and after.
void refresh_in(Graph_Set& fws, bool all_q, Cmd_Args& args) {
  inval_add(args, fws.bds);
  refresh_graphs(fws, all_q);
  inval_add(args, fws.bds);
}

bool typing_over_range_q(const Graph_Set& fws, const Sel& s, const Cmd& c) {
  return c.cmd_n == TEXT_PARTIAL_CMD && inside_q(s) && s.gen_i >= n_indep(fws) &&
         s.e_sel_mp->anchor_i != s.e_sel_mp->gen_i;
}

Sel sec_initial_sel(const Gui_Kind&, const void* e) { return comp_initial_sel(comp_of(e), e); }
// The whole graph selected is the whole section, its axis labels and value
// strips too: what Copy Picture copies.
Rect sec_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) {
  bool all_q = !inside_q(s) && range_j(s) == 0 && range_k(s) == comp_of(e).n_parts;
  return all_q ? fws_of(e).bds : comp_sel_bounds(comp_of(e), e, s);
}
int32_t sec_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) {
  if (calc_q(c)) return 1;
  return comp_query(comp_of(e), e, s, c);
}

void sec_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  Graph_Set& fws = fws_of(e);
  Sel& s = *args.sel_p;
  if (calc_q(*args.cmd_p)) {
    uint32_t bits = fws.pending;
    fws.pending = 0;
    if (bits) refresh_in(fws, bits != REFRESH_DOTS, args);
    return;
  }
  bool refresh_q = typing_over_range_q(fws, s, *args.cmd_p);
  comp_perform(fws.comp, e, args);
  if (args.res_cmd_mp) {
    CHECK(cmd_n(*args.res_cmd_mp) == BUTTON_CMD);
    args.res_cmd_mp.reset();
    if (fws.pending) args.changed_q = true;
  }
  if (args.cmd_p->cmd_n == MOUSE_CMD && inside_q(s) && s.gen_i < n_indep(fws)) {
    trace_from_span(fws, s.gen_i, s.e_sel_mp->anchor_i, s.e_sel_mp->gen_i);
    refresh_q = true;
  }
  // A trace text left unreadable, say emptied to be typed again, waits for
  // Calculate to report it: raising here would keep the edit but lose its
  // undo record.
  if (refresh_q && !trace_texts_read_q(fws)) {
    fws.pending |= REFRESH_ALL;
  } else if (refresh_q) {
    fws.pending = 0;
    refresh_in(fws, true, args);
  }
}

Rect sec_bounds(const Gui_Kind&, const void* e) { return fws_of(e).bds; }
void sec_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) {
  draw_graph_labels(fws_of(e), c, origin);
  comp_draw(comp_of(e), e, c, origin);
}
Region sec_caret_region(const Gui_Kind&, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return comp_caret_region(comp_of(e), e, s, c, origin);
}
void sec_release(const Gui_Kind&, void* e) { graph_set_release(static_cast<Graph_Set*>(e)); }

}  // namespace

const Gui_Kind GRAPH_SECTION_OPS = {sec_initial_sel, sec_sel_bounds, sec_query,        sec_perform,
                                    sec_bounds,      sec_draw,       sec_caret_region, sec_release};

Graph_Set* graph_section_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, int32_t k, Formula_Sets sets,
                             std::vector<std::vector<double>> rows, const Symbol_Rules& rules) {
  Graph_Set* fws = graph_set_new(std::move(indeps), std::move(deps), k, std::move(sets), std::move(rows), rules);
  int32_t n = n_indep(*fws);
  for (int32_t j = 0; j < n; ++j) fws->part_kinds.push_back({&PANEL_OPS, 0});
  for (int32_t j = 0; j < n; ++j) fws->part_kinds.push_back({&TRACE_FIELD.kind, 1});
  fws->comp = {GRAPH_SECTION_OPS, fws->part_kinds.data(), 2 * n, {ROW_LAYOUT, 0}, true, &GRAPH_ACCESS};
  return fws;
}

void trace_from_span(Graph_Set& fws, int32_t j, int32_t p0, int32_t p1) {
  const Var_Range& v = fws.indep_sym_vs[size_t(j)];
  fws.trace_texts[size_t(j)] = value_text(value_at(v, (p0 + p1) * 0.5, fws.s), v, LABEL_PRECISION);
  fws.sel = {j, p0, p1};
}

void give_statements(Graph_Set& fws, Hdl statements, wff extra) {
  std::vector<Ref> deps;
  for (const Var_Range& v : fws.dep_sym_vs) deps.push_back(v.sym);
  fws.sets = formula_sets_of(statements, extra, deps);
  mark_graphs(fws, true);
}

void give_rows(Graph_Set& fws, std::vector<std::vector<double>> rows) {
  for (const std::vector<double>& r : rows) CHECK(int32_t(r.size()) == n_indep(fws) + n_dep(fws));
  fws.rows = std::move(rows);
  mark_graphs(fws, false);
}
