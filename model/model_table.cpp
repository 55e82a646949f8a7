#include "model/model_table.h"

#include <cmath>
#include <string_view>

#include "editor/Expr.h"
#include "formula/construct.h"
#include "formula/dblsf_compile.h"
#include "formula/wff.h"
#include "graphs/trace_binding.h"
#include "graphs/value_strip.h"
#include "formula/write_expr.h"
#include "model/model_analyze.h"
#include "model/model_kind.h"
#include "model/model_read.h"
#include "tables/math_tables.h"

int32_t (*model_ask_)(const std::string& text, const std::vector<std::string>& labels) = nullptr;

namespace {

// Before Table makes one there is no table: the section is blank.
const Gui_Kind& table_kind_of(const void* e) { return e ? static_cast<const Small_Table*>(e)->kind_p->kind : BLANK_OPS; }

Sel fwd_initial_sel(const Gui_Kind&, const void* e) { return table_kind_of(e).initial_sel(table_kind_of(e), e); }
Rect fwd_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) { return table_kind_of(e).sel_bounds(table_kind_of(e), e, s); }
int32_t fwd_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) { return table_kind_of(e).query(table_kind_of(e), e, s, c); }
void fwd_perform(const Gui_Kind&, void* e, Cmd_Args& args) { table_kind_of(e).perform(table_kind_of(e), e, args); }
Rect fwd_bounds(const Gui_Kind&, const void* e) { return table_kind_of(e).bounds(table_kind_of(e), e); }
void fwd_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) { table_kind_of(e).draw(table_kind_of(e), e, c, origin); }
Region fwd_caret(const Gui_Kind&, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return table_kind_of(e).caret_region(table_kind_of(e), e, s, c, origin);
}

Hdl_Tuple tuple_of(const std::vector<Ref>& syms) {
  Hdl_Tuple t;
  for (const Ref& s : syms) append(t, s.get());
  return t;
}

// The right sides of the equations in w that give the symbol v, and the
// equations linear in v solved for it, as the graphs draw them; in the order
// the Solutions show them, which is the list's own order backwards.
void formulas_for(wff w, wff v, std::vector<Ref>& out) {
  if (appl_of_q(w, builtin(SYM_AND))) {
    formulas_for(arg_of(w, 1), v, out);
    formulas_for(arg_of(w, 0), v, out);
  } else if (appl_of_q(w, builtin(SYM_EQ))) {
    wff l = arg_of(w, 0), r = arg_of(w, 1);
    if (l == v || r == v) return out.push_back(Ref::share(l == v ? r : l));
    Ref diff = Ref::adopt(minus(l, r));
    if (Ref f = solved_linear(diff.get(), v); f.get() != EMPTY_HDL) out.push_back(f);
  }
}

// The finite values, one a line, grouped in angle brackets when there are several.
Expr* values_cell(const std::vector<double>& xs) {
  Expr* e = math_cell_new("");
  for (double x : xs) {
    Byte_Str t;
    format_real_tol(t, x, COMPUTED_TOL);
    Expr line = expr_str(t.first_p, n_elts(t));
    *e = expr_empty_q(*e) ? std::move(line) : infix_built(std::move(*e), "\r", std::move(line));
  }
  if (xs.size() > 1) *e = expr_group(Expr(), 0x2329, std::move(*e), 0x232A, Expr());
  expr_restyle(*e, CELL_ENV, 0);
  return e;
}

// The formulas that give dependent variable k, compiled over the independent
// variables with the parameters at their values; one holding anything else
// (another dependent variable, a parameter without a value, a constant that
// is no number) has no value and is left out.
std::vector<Ref> compiled_for(const Model_Read& rd, int32_t k) {
  const Model_Dict& d = *rd.dict_p;
  std::vector<Ref> fs;
  formulas_for(rd.w.get(), d.vs[DEP_VS][size_t(k)].get(), fs);
  std::vector<double> values = param_values(d);
  Ref vars = sym_list(d.vs[INDEP_VS]);
  std::vector<Ref> out;
  for (const Ref& f : fs) {
    Ref bound = with_values(f.get(), d, values);
    if (bound.get() == EMPTY_HDL) continue;
    try {
      out.push_back(Ref::adopt(dblsf_compile(vars.get(), bound.get(), default_symbol_rules())));
    } catch (const Misc_Err&) {
    } catch (const Misc_Static_Err& e) {
      if (std::string_view(e.message()) != "Numeric overflow") throw;  // a constant that is no number
    }
  }
  return out;
}

}  // namespace

const Gui_Kind TABLE_SECTION_OPS = {fwd_initial_sel, fwd_sel_bounds, fwd_query, fwd_perform,
                                    fwd_bounds,      fwd_draw,       fwd_caret, nullptr};

void compute_columns(Math_Model& m, const Model_Read& rd, const std::vector<std::vector<double>>& rows) {
  if (!m.table_mp) return;
  const Model_Dict& d = *rd.dict_p;
  Small_Table& t = *m.table_mp;
  std::vector<int32_t> cols = nm_by_col(t, tuple_of(d.vs[INDEP_VS]), tuple_of(d.vs[DEP_VS]));
  int32_t n = int32_t(d.vs[INDEP_VS].size()), n_dep = int32_t(d.vs[DEP_VS].size());
  std::vector<std::vector<Ref>> fns;
  for (int32_t k = 0; k < n_dep; ++k) fns.push_back(compiled_for(rd, k));
  CHECK(int32_t(rows.size()) == n_elts(t));
  for (int32_t j = 0; j < int32_t(cols.size()); ++j) {
    int32_t k = cols[size_t(j)] - n - n_dep;
    if (k < 0) continue;
    std::vector<std::unique_ptr<Expr>> made;
    for (const std::vector<double>& row : rows) {
      std::vector<double> xs;
      for (const Ref& f : fns[size_t(k)])
        if (double x = dblsf_value1(f.get(), row.data()); std::isfinite(x)) xs.push_back(x);
      made.emplace_back(values_cell(xs));
    }
    std::vector<void*> cells;
    for (std::unique_ptr<Expr>& e : made) cells.push_back(e.release());
    table_set_column(t, j, cells);
  }
}

void compute_columns(Math_Model& m, const Model_Read& rd) {
  if (m.table_mp) compute_columns(m, rd, data_rows(m, *rd.dict_p));
}

std::vector<std::vector<double>> data_rows(const Math_Model& m, Model_Dict& d) {
  std::vector<std::vector<double>> rows;
  if (!m.table_mp) return rows;
  const Small_Table& t = *m.table_mp;
  std::vector<int32_t> cols = nm_by_col(t, tuple_of(d.vs[INDEP_VS]), tuple_of(d.vs[DEP_VS]));
  Resolver r = dict_resolver(d);
  for (int32_t i = 0; i < n_elts(t); ++i) {
    rows.emplace_back(d.vs[INDEP_VS].size() + d.vs[DEP_VS].size());
    data_row_values(t, i, cols, r, rows.back());
  }
  return rows;
}

void table_command(Math_Model& m, Cmd_Args& args, bool label_q) {
  if (n_elts(var_table(m, INDEP_VARS)) + n_elts(var_table(m, DEP_VARS)) == 0) return;
  if (m.flags & CHANGED_FLAGS) {
    // Constraints that do not read yet do not keep the columns from being made.
    solve_command(m, args, true);
    args.res_cmd_mp.reset();
  }
  std::vector<Ref> indep_v = read_var_names(m, INDEP_VARS, nullptr);
  std::vector<Ref> dep_v = read_var_names(m, DEP_VARS, &indep_v);
  if (indep_v.empty() && dep_v.empty()) return;
  Hdl_Tuple indep = tuple_of(indep_v), dep = tuple_of(dep_v);
  bool keep_q = (m.table_mp && data_table_matches_q(*m.table_mp, indep, dep)) || !m.editable_q ||
                (label_q && m.table_mp && n_elts(*m.table_mp) > 1);
  if (!keep_q) {
    if (m.table_mp && n_elts(*m.table_mp) > 0 && model_ask_ && model_ask_("Delete existing table?", {"&Delete", "&Cancel"}) != 0)
      return;
    Small_Table* t = data_table_new(data_titles(indep, dep), 1, m.editable_q ? 1 : 0);
    if (m.table_mp) table_release(m.table_mp);
    m.table_mp = t;
    m.flags |= NEW_TABLE;
    args.changed_q = true;
  }
  m.flags |= REFRESH_DUE;
}
