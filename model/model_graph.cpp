#include "model/model_graph.h"

#include "draw/screen.h"
#include "draw/units.h"
#include "graphs/graph_section.h"
#include "tables/math_tables.h"
#include "tables/swatch.h"

namespace {

// Canvas units per screen pixel.
int32_t screen_pixel_units() { return UNITS_PER_INCH / screen_canvas().dpi_x; }

Var_Range unit_range(const Math_Model& m, int32_t table_i, const char* name) {
  const Small_Table& t = var_table(m, table_i);
  int32_t colour = n_elts(t) > 0 ? swatch_colour(table_cell(t, 0, COLOR_COL)) : 0;
  return {Ref::adopt(symbol_new(name)), colour, 0, 1};
}

}  // namespace

Graph_Set* graph_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, std::vector<std::vector<double>> rows) {
  size_t n_dep = deps.size();
  Formula_Sets sets{std::vector<std::vector<Ref>>(n_dep), std::vector<std::vector<Ref>>(n_dep + 1), {}};
  return graph_section_new(std::move(indeps), std::move(deps), screen_pixel_units(), std::move(sets), std::move(rows),
                           default_symbol_rules());
}

Graph_Set* default_graph(const Math_Model& m) {
  return graph_new({unit_range(m, INDEP_VARS, "x")}, {unit_range(m, DEP_VARS, "y")}, {});
}
