#include "model/model_analyze.h"

#include "editor/composite.h"
#include "model/model_env.h"
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

// The whole document redrawn around a change of its content.
void content_changed(Math_Model& m, Cmd_Args& args) {
  inval_add(args, m.bds);
  model_relayout(m);
  inval_add(args, m.bds);
  args.changed_q = true;
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

void restore(Math_Model& m, Cmd_Args& args) {
  auto& c = static_cast<Model_Restore_Cmd&>(*args.cmd_p);
  auto redo = saved(m);
  swap_content(m, c);
  args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
  args.undo.cmd_mp = std::move(redo);
  content_changed(m, args);
}

Rect table_area(const Math_Model& m) {
  return rect_shift(TABLE_SECTION_OPS.bounds(TABLE_SECTION_OPS, m.table_mp), m.pts[TABLE_MMDLI]);
}

// A click on a section's label selects the section; the Table's runs Table as a label click.
bool label_click(Math_Model& m, Cmd_Args& args) {
  const auto& mc = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  int32_t j = mc.phase == MOUSE_PRESS && m.drag_row_i < 0 ? label_hit(m, mc.pt) : -1;
  if (j < 0) return false;
  comp_select_part(MODEL_KIND, &m, *args.sel_p, j);
  if (j == TABLE_MMDLI) table_command(m, args, true);
  return true;
}

bool mouse_on_slider(Math_Model& m, Cmd_Args& args) {
  const auto& mc = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Point at = {mc.pt.x - m.pts[PARAMS_MMDLI].x, mc.pt.y - m.pts[PARAMS_MMDLI].y};
  if (mc.phase == MOUSE_PRESS) m.drag_row_i = slider_row_at(m.params, at);
  int32_t row_i = m.drag_row_i;
  if (row_i < 0) return false;
  if (mc.phase == MOUSE_RELEASE) m.drag_row_i = -1;
  Mouse_Cmd local(at, mc.mods, mc.phase);
  Cmd_Args local_args(*args.sel_p, local);
  drag_slider(m.params, row_i, local, local_args);
  if (nonempty_q(local_args.inval_bds0)) inval_add(args, rect_shift(local_args.inval_bds0, m.pts[PARAMS_MMDLI]));
  args.res_cmd_mp = std::move(local_args.res_cmd_mp);
  return true;
}

}  // namespace

int32_t analyze_query(const Math_Model& m, const Sel&, Cmd& c) {
  switch (c.cmd_n) {
    case SOLVE_CMD: return m.editable_q && !expr_empty_q(m.constraints) && (m.flags & 0x103) ? 1 : QUERY_REFUSED;
    case TABLE_CMD: return n_elts(var_table(m, INDEP_VARS)) + n_elts(var_table(m, DEP_VARS)) > 0 ? 1 : QUERY_REFUSED;
    case GRAPH_CMD: return QUERY_REFUSED;
    case BUTTON_CMD:
      if (button_cast_n(c) == CALC_BUTTON_N && m.table_mp) return 1;
      return QUERY_PASSED;
    case MODEL_RESTORE_CMD: return 1;
    case MOUSE_CMD: {
      const auto& mc = static_cast<const Mouse_Cmd&>(c);
      Point at = {mc.pt.x - m.pts[PARAMS_MMDLI].x, mc.pt.y - m.pts[PARAMS_MMDLI].y};
      return m.drag_row_i >= 0 || slider_row_at(m.params, at) >= 0 ? CROSS_CURSOR : QUERY_PASSED;
    }
    default: return QUERY_PASSED;
  }
}

bool analyze_perform(Math_Model& m, Cmd_Args& args) {
  Cmd& c = *args.cmd_p;
  try {
    switch (c.cmd_n) {
      case SOLVE_CMD: solve_command(m, args, false); return true;
      case TABLE_CMD:
        table_command(m, args, false);
        content_changed(m, args);
        if (m.table_mp) comp_select_part(MODEL_KIND, &m, *args.sel_p, TABLE_MMDLI);
        return true;
      case BUTTON_CMD:
        if (button_cast_n(c) != CALC_BUTTON_N || !m.table_mp) return false;
        m.flags |= REFRESH_DUE;
        return true;
      case MODEL_RESTORE_CMD: restore(m, args); return true;
      case MOUSE_CMD: return label_click(m, args) || mouse_on_slider(m, args);
      default: return false;
    }
  } catch (const Model_Err& e) {
    report_at(m, e, args);
    return true;
  }
}

void analyze_after(Math_Model& m, Cmd_Args& args) {
  Cmd* res_mp = res_cmd_mp(args);
  if (res_mp && res_mp->cmd_n == BUTTON_CMD && button_cast_n(*res_mp) >= 0) args.res_cmd_mp.reset();
  if (!(m.flags & REFRESH_DUE)) return;
  m.flags &= ~REFRESH_DUE;
  if (!m.table_mp) return;
  Rect old = table_area(m);
  try {
    compute_columns(m);
  } catch (const Model_Err&) {
    return;  // the next command that reads the model reports it
  }
  model_relayout(m);
  inval_add(args, old);
  inval_add(args, table_area(m));
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
  if (!silent_q) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
    args.undo.cmd_mp = std::move(before);
  }
  content_changed(m, args);
}
