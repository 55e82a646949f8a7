#include "model/Math_Model.h"
#include "model/model_env.h"

namespace {

// The first row of a variable table.
Var_Row first_var_row(const char* name, uint32_t colour) {
  Var_Row r;
  r.name = expr_typed(name);
  r.low = Byte_Str("-10");
  r.high = Byte_Str("10");
  r.colour = colour;
  return r;
}

}  // namespace

Math_Model* model_new(bool editable_q) {
  auto* m = new Math_Model();
  m->editable_q = editable_q;
  m->vars[INDEP_VARS].push_back(first_var_row("x", 0x000000));
  m->vars[DEP_VARS].push_back(first_var_row("y", 0xFF0000));
  if (editable_q) m->constraints = expr_typed("y=");
  expr_restyle(m->solutions, MODEL_ENV, 0);
  return m;
}

void model_release(Math_Model* m) { delete m; }
