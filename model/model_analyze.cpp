#include "model/model_analyze.h"

#include <utility>

#include "editor/composite.h"
#include "model/model_env.h"
#include "model/model_graph.h"
#include "model/model_kind.h"
#include "model/model_table.h"
#include "tables/small_table.h"
#include "model/model_solve.h"
#include "model/params_section.h"

namespace {

// What Solve changes, kept to put back: the undo record of Solve, and of its undo.
struct Model_Restore_Cmd final : Cmd {
  uint32_t flags;
  Expr constraints, solutions;
  std::vector<Param_Row> params;
  Model_Restore_Cmd() : Cmd(MODEL_RESTORE_CMD) {}
};

Param_Row row_copy(const Param_Row& p) {
  Param_Row r;
  r.low = p.low;
  r.name = expr_copy(p.name);
  r.high = p.high;
  r.slider = p.slider;
  r.value = p.value;
  return r;
}

std::unique_ptr<Model_Restore_Cmd> saved(const Math_Model& m) {
  auto c = std::make_unique<Model_Restore_Cmd>();
  c->flags = m.flags;
  c->constraints = expr_copy(m.constraints);
  c->solutions = expr_copy(m.solutions);
  for (const Param_Row& p : m.params) c->params.push_back(row_copy(p));
  return c;
}

// Puts c's content into m and m's into c; copies are styled for the document.
void swap_content(Math_Model& m, Model_Restore_Cmd& c) {
  std::swap(m.flags, c.flags);
  std::swap(m.constraints, c.constraints);
  std::swap(m.solutions, c.solutions);
  std::swap(m.params, c.params);
  expr_restyle(m.constraints, MODEL_ENV, 0);
  expr_restyle(m.solutions, MODEL_ENV, 0);
  for (Param_Row& p : m.params) expr_restyle(p.name, MODEL_ENV, 0);
}

// The whole document redrawn around a change of its content. The Parameters
// and the Solutions are made anew, so a selection inside them starts again.
void content_changed(Math_Model& m, Cmd_Args& args) {
  inval_add(args, m.bds);
  model_relayout(m);
  inval_add(args, m.bds);
  args.changed_q = true;
  Sel& s = *args.sel_p;
  if (inside_q(s) && (s.anchor_i == PARAMS_MMDLI || s.anchor_i == SOLUTIONS_MMDLI)) {
    int32_t j = s.anchor_i;
    s = Sel();
    comp_select_part(MODEL_KIND, &m, s, j);
  }
}

// The selection at the mistake's place, and the message for the shell to show.
void report_at(const Math_Model& m, const Model_Err& e, Cmd_Args& args) {
  int32_t j = e.path.empty() ? CONSTRAINTS_MMDLI : e.path[0];
  Sel& s = *args.sel_p;
  if (j == CONSTRAINTS_MMDLI || j == SOLUTIONS_MMDLI) {
    s = sel_of(j, j);
    s.e_sel_mp = std::make_unique<Sel>(e.sel_mp ? sel_copy(*e.sel_mp) : Sel());
  } else if (j == VARS_MMDLI && e.path.size() == 4) {
    // The cell of a variable table: the section, the table, the cell.
    int32_t table_i = e.path[1];
    s = sel_of(j, j);
    s.e_sel_mp = std::make_unique<Sel>(sel_of(table_i, table_i));
    s.e_sel_mp->e_sel_mp = std::make_unique<Sel>(table_cell_sel(var_table(m, table_i), e.path[2], e.path[3]));
  }
  args.res_cmd_mp = std::make_unique<Message_Cmd>(Byte_Str(e.message()), nullptr);
}

// The parameters' values changed: the dots follow now, and the curves once
// there are Solutions to draw.
void values_changed(Math_Model& m, Cmd_Args& args) {
  refresh_points(m, args);
  if (!expr_empty_q(m.solutions)) m.flags |= REFRESH_DUE;
}

void restore(Math_Model& m, Cmd_Args& args) {
  auto& c = static_cast<Model_Restore_Cmd&>(*args.cmd_p);
  auto redo = saved(m);
  swap_content(m, c);
  args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
  args.undo.cmd_mp = std::move(redo);
  content_changed(m, args);
  values_changed(m, args);
}

// Graph: a silent Solve when the sections changed, the new graph drawn,
// and the Graphs section selected to show it. Any failure leaves the model
// and its graph as they were.
void graph_command(Math_Model& m, Cmd_Args& args) {
  std::unique_ptr<Model_Restore_Cmd> before = saved(m);
  Graph_Set* old = m.graphs_p;
  try {
    if (m.flags & CHANGED_FLAGS) solve_command(m, args, true);
    Graph_Set* g = args.res_cmd_mp ? nullptr : graph_made(m);
    if (!g) return;
    m.graphs_p = g;
    refresh_model(m, args);
  } catch (...) {
    if (m.graphs_p != old) graph_release(std::exchange(m.graphs_p, old));
    swap_content(m, *before);
    args.undo = Undo_Rec();
    throw;
  }
  graph_release(old);
  content_changed(m, args);
  comp_select_part(MODEL_KIND, &m, *args.sel_p, GRAPHS_MMDLI);
}

// A click on a section's label selects the section; the Table's runs Table
// as a label click, the Graphs' runs Graph, each scrolling its section into
// view as from the menu. The mouse's moves until it is up again belong to
// the click.
bool label_click(Math_Model& m, Cmd_Args& args) {
  const auto& mc = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  if (mc.phase != MOUSE_PRESS && m.label_down_q) {
    m.label_down_q = mc.phase != MOUSE_RELEASE;
    return true;
  }
  int32_t j = mc.phase == MOUSE_PRESS && m.drag_row_i < 0 ? label_hit(m, mc.pt) : -1;
  if (j < 0) return false;
  m.label_down_q = true;
  comp_select_part(MODEL_KIND, &m, *args.sel_p, j);
  if (j == TABLE_MMDLI) table_command(m, args, true);
  if (j == GRAPHS_MMDLI) graph_command(m, args);
  args.reveal_q = j == TABLE_MMDLI || j == GRAPHS_MMDLI;
  return true;
}

bool slider_mouse_q(const Math_Model& m, const Cmd& c) {
  if (c.cmd_n != MOUSE_CMD) return false;
  const auto& mc = static_cast<const Mouse_Cmd&>(c);
  Point at = {mc.pt.x - m.pts[PARAMS_MMDLI].x, mc.pt.y - m.pts[PARAMS_MMDLI].y};
  return m.drag_row_i >= 0 || slider_row_at(m.params, at) >= 0;
}
bool calc_q(const Cmd& c) { return c.cmd_n == BUTTON_CMD && button_cast_n(c) == CALC_BUTTON_N; }

// A new window: the graph made from what the file holds, nothing marked as changed.
void opened(Math_Model& m, Cmd_Args& args) {
  uint32_t changed = m.flags & CHANGED_FLAGS;
  m.flags &= ~CHANGED_FLAGS;
  if ((m.table_mp && n_elts(*m.table_mp) > 1) || !expr_empty_q(m.solutions)) {
    try {
      if (Graph_Set* g = graph_made(m)) {
        graph_release(std::exchange(m.graphs_p, g));
        refresh_model(m, args);
      }
    } catch (const Model_Err&) {
      // Shown when the user runs Graph.
    }
    model_relayout(m);
    inval_add(args, m.bds);
  }
  m.flags |= changed;
}

// Row i's slider moved by c (at the bar's coordinates): a press or a key is
// undone as one step, a drag that follows a press with it.
void slider_step(Math_Model& m, int32_t row_i, Cmd& c, bool undo_q, Cmd_Args& args) {
  Cmd_Args local_args(*args.sel_p, c);
  std::unique_ptr<Model_Restore_Cmd> before = undo_q ? saved(m) : nullptr;
  move_slider(m.params, row_i, c, local_args);
  if (nonempty_q(local_args.inval_bds0)) inval_add(args, rect_shift(local_args.inval_bds0, m.pts[PARAMS_MMDLI]));
  args.res_cmd_mp = std::move(local_args.res_cmd_mp);
  args.changed_q = local_args.changed_q;
  if (local_args.undo.cmd_mp && before) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
    args.undo.cmd_mp = std::move(before);
  }
}

bool mouse_on_slider(Math_Model& m, Cmd_Args& args) {
  const auto& mc = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Point at = {mc.pt.x - m.pts[PARAMS_MMDLI].x, mc.pt.y - m.pts[PARAMS_MMDLI].y};
  if (mc.phase == MOUSE_PRESS) m.drag_row_i = slider_row_at(m.params, at);
  int32_t row_i = m.drag_row_i;
  if (row_i < 0) return false;
  if (mc.phase == MOUSE_RELEASE) m.drag_row_i = -1;
  // The keys follow the slider pressed.
  if (mc.phase == MOUSE_PRESS) {
    comp_select_part(MODEL_KIND, &m, *args.sel_p, PARAMS_MMDLI);
    int32_t part_i = row_i * N_PARTS + SLIDER_F;
    *args.sel_p->e_sel_mp = sel_of(part_i, part_i);
  }
  Point s = slider_origin(row_i);
  Mouse_Cmd local({at.x - s.x, at.y - s.y}, mc.mods, mc.phase);
  slider_step(m, row_i, local, mc.phase == MOUSE_PRESS, args);
  return true;
}

// The row whose slider the selection is on, or -1.
int32_t selected_slider(const Math_Model& m, const Sel& s) {
  if (!inside_q(s) || s.anchor_i != PARAMS_MMDLI || s.e_sel_mp->e_sel_mp) return -1;
  int32_t part_i = s.e_sel_mp->anchor_i;
  bool slider_q = part_i >= 0 && part_i % N_PARTS == SLIDER_F && part_i / N_PARTS < int32_t(m.params.size());
  return slider_q ? part_i / N_PARTS : -1;
}
// Whether s is in a parameter row's value, Low or High.
bool param_field_q(const Sel& s) { return inside_q(s) && s.anchor_i == PARAMS_MMDLI && inside_q(*s.e_sel_mp); }
bool slider_key_q(const Math_Model& m, const Sel& s, const Cmd& c) {
  if (c.cmd_n != ARROW_CMD || selected_slider(m, s) < 0) return false;
  int32_t dir = static_cast<const Arrow_Cmd&>(c).dir;
  return dir == Arrow_Cmd::LEFT || dir == Arrow_Cmd::RIGHT;
}

}  // namespace

int32_t analyze_query(const Math_Model& m, const Sel& s, Cmd& c) {
  switch (c.cmd_n) {
    case SOLVE_CMD: return m.editable_q && !expr_empty_q(m.constraints) && (m.flags & 0x103) ? 1 : QUERY_REFUSED;
    case TABLE_CMD: return n_elts(var_table(m, INDEP_VARS)) + n_elts(var_table(m, DEP_VARS)) > 0 ? 1 : QUERY_REFUSED;
    case GRAPH_CMD: return n_elts(var_table(m, INDEP_VARS)) > 0 && n_elts(var_table(m, DEP_VARS)) > 0 ? 1 : QUERY_REFUSED;
    case BUTTON_CMD: return calc_q(c) ? 1 : QUERY_PASSED;
    case MODEL_RESTORE_CMD: return 1;
    case MOUSE_CMD: return slider_mouse_q(m, c) ? CROSS_CURSOR : QUERY_PASSED;
    case ARROW_CMD: return slider_key_q(m, s, c) ? 1 : QUERY_PASSED;
    default: return QUERY_PASSED;
  }
}

bool analyze_perform(Math_Model& m, Cmd_Args& args) {
  Cmd& c = *args.cmd_p;
  // A slider's move changes no more than a value.
  if (!slider_mouse_q(m, c) && !slider_key_q(m, *args.sel_p, c) && !param_field_q(*args.sel_p)) m.solved_mp.reset();
  try {
    switch (c.cmd_n) {
      case SOLVE_CMD: solve_command(m, args, false); return true;
      case TABLE_CMD:
        table_command(m, args, false);
        content_changed(m, args);
        if (m.table_mp) comp_select_part(MODEL_KIND, &m, *args.sel_p, TABLE_MMDLI);
        return true;
      case GRAPH_CMD: graph_command(m, args); return true;
      case BUTTON_CMD:
        if (!calc_q(c)) return false;
        if (m.table_mp) m.flags |= REFRESH_DUE;
        return true;
      case MODEL_RESTORE_CMD: restore(m, args); return true;
      case MOUSE_CMD: return label_click(m, args) || button_click(m, args) || mouse_on_slider(m, args);
      case ARROW_CMD:
        if (!slider_key_q(m, *args.sel_p, c)) return false;
        slider_step(m, selected_slider(m, *args.sel_p), c, true, args);
        return true;
      default: return false;
    }
  } catch (const Model_Err& e) {
    report_at(m, e, args);
    return true;
  }
}

void analyze_after(Math_Model& m, Cmd_Args& args) {
  if (args.cmd_p->cmd_n == OPENED_CMD) opened(m, args);
  Cmd* res_mp = res_cmd_mp(args);
  // A slider moved, or a value, Low or High was typed: the value reaches the
  // dots and, once solved, the curves.
  bool slider_q = res_mp && res_mp->cmd_n == BUTTON_CMD && button_cast_n(*res_mp) >= 0;
  if (slider_q || (args.changed_q && param_field_q(*args.sel_p))) {
    if (slider_q) args.res_cmd_mp.reset();
    values_changed(m, args);
  }
  if (m.flags & (CONSTRAINTS_READ | NEW_TABLE)) {
    m.flags &= ~(CONSTRAINTS_READ | NEW_TABLE);
    refresh_points(m, args);
  }
  if (m.flags & REFRESH_DUE) refresh_model(m, args);
  if (calc_q(*args.cmd_p)) calc_graphs(m, args);
}

void solve_command(Math_Model& m, Cmd_Args& args, bool silent_q) {
  std::unique_ptr<Model_Restore_Cmd> before = saved(m);
  Solve_Outcome done;
  try {
    done = model_solve(m, silent_q);
  } catch (const Model_Err& e) {
    swap_content(m, *before);
    report_at(m, e, args);
    return;
  } catch (...) {
    swap_content(m, *before);
    throw;
  }
  if (done == SOLVE_SKIPPED) return;
  m.solved_mp.reset();
  args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
  args.undo.cmd_mp = std::move(before);
  content_changed(m, args);
}
