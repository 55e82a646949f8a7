// The variable tables: a row per variable with its name, its range and, for
// a dependent variable, the colour of its curves.
#include "tables/math_tables.h"

namespace {

constexpr int32_t COL_GAP = 1152, ROW_GAP = 384;

struct Var_Table_Data {
  const char* title;
  const char* first_name;  // of row 0
  bool palette_q;
};

std::vector<void*> var_row_new(const Table_Kind& k, int32_t i) {
  const Var_Table_Data& d = *static_cast<const Var_Table_Data*>(k.data_p);
  int32_t colour = d.palette_q ? DEP_PALETTE[i % N_PALETTE] : INDEP_COLOUR;
  return {math_cell_new(i == 0 ? d.first_name : ""), text_field_new("-10"), text_field_new("10"), swatch_new(colour)};
}

Table_Kind* var_kind_new(const Var_Table_Data& d) {
  Table_Kind* k = new Table_Kind{TABLE_OPS,
                                 {{{&MATH_CELL.kind, 1}, {&NUMBER_CELL.kind, 1}, {&NUMBER_CELL.kind, 1}, {&SWATCH_CELL.kind, 1}},
                                  {4608, 3456, 3456, 2304}, COL_GAP, ROW_GAP, &TITLE_CELL.kind, {}},
                                 var_row_new, &d};
  table_env_init(k->env);
  return k;
}

const Var_Table_Data INDEP_DATA = {"Indep Var", "x", false}, DEP_DATA = {"Dep Var", "y", true};

}  // namespace

const int32_t DEP_PALETTE[N_PALETTE] = {0xFF0000, 0x0000FF, 0x009900, 0xCC00CC, 0xFF9900,
                                        0x993300, 0x003366, 0x6600CC, 0x99CC00, 0xCC0033};

const Table_Kind& INDEP_VAR_KIND = *var_kind_new(INDEP_DATA);
const Table_Kind& DEP_VAR_KIND = *var_kind_new(DEP_DATA);

Small_Table* var_table_new(const char* title, int32_t n_rows, int32_t can_edit01) {
  const Table_Kind& k = equal_q(Byte_Str(title), DEP_DATA.title) ? DEP_VAR_KIND : INDEP_VAR_KIND;
  std::vector<void*> hdr = {text_field_new(title), text_field_new("Low"), text_field_new("High"), text_field_new("Color")};
  return table_new(k, std::move(hdr), n_rows, can_edit01);
}

Hdl_Tuple read_var_names(const Small_Table& t, const Hdl_Tuple* taken_mp) {
  Hdl_Tuple names;
  auto taken_q = [](const Hdl_Tuple& list, const Byte_Str& name) {
    for (int32_t i = 0; i < n_elts(list); ++i)
      if (equal_q(name, symbol_name(list[i]))) return true;
    return false;
  };
  for (int32_t i = 0; i < n_elts(t); ++i) {
    Byte_Str name = cell_name(*static_cast<const Expr*>(table_cell(t, i, NAME_COL)));
    if (n_elts(name) == 0) continue;
    if (taken_q(names, name) || (taken_mp && taken_q(*taken_mp, name))) throw Cell_Err("Duplicate variable name", i, NAME_COL);
    wff s = symbol_new(c_str(name));
    append(names, s);
    hdl_release(s);
  }
  return names;
}
