#include "model/Math_Model.h"
#include "graphs/graph_section.h"
#include "model/model_env.h"
#include "model/model_graph.h"
#include "tables/math_tables.h"

namespace {

// The table kinds are made while the program starts: taken on the first model.
Part_Kind var_tables_[2] = {{nullptr, 1}, {nullptr, 1}};
constexpr int32_t TABLES_GAP = 2880;

}  // namespace

const Composite_Kind VARS_KIND = {COMPOSITE_OPS, var_tables_, 2, {ROW_LAYOUT, TABLES_GAP}, false, &COMPOSITE_ACCESS};

Math_Model* model_new(bool editable_q) {
  var_tables_[0].kind_p = &INDEP_VAR_KIND.kind;
  var_tables_[1].kind_p = &DEP_VAR_KIND.kind;
  auto* m = new Math_Model();
  m->editable_q = editable_q;
  int32_t can_edit01 = editable_q ? 1 : 0;
  m->vars_p = composite_new(VARS_KIND, {var_table_new("Indep Var", 1, can_edit01), var_table_new("Dep Var", 1, can_edit01)});
  if (editable_q) m->constraints = expr_typed("y=");
  expr_restyle(m->solutions, MODEL_ENV, 0);
  m->graphs_p = default_graph(*m);
  return m;
}

void model_release(Math_Model* m) {
  VARS_KIND.kind.release(VARS_KIND.kind, m->vars_p);
  if (m->table_mp) table_release(m->table_mp);
  if (m->graphs_p) GRAPH_SECTION_OPS.release(GRAPH_SECTION_OPS, m->graphs_p);
  delete m;
}

Small_Table& var_table(const Math_Model& m, int32_t table_i) { return *static_cast<Small_Table*>(m.vars_p->parts[size_t(table_i)]); }
