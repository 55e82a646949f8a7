#include "model/model_read.h"

#include <cmath>
#include <cstring>

#include "core/text_read.h"
#include "formula/wff.h"
#include "graphs/formula_sets.h"
#include "graphs/slider_value.h"
#include "graphs/trace_binding.h"
#include "model/model_env.h"
#include "tables/math_tables.h"

const Prop_Key VALUE{"VALUE"};

namespace {

void check_new_name(const std::vector<Ref>& list, const std::vector<Ref>* taken_mp, const char* name,
                    std::vector<int32_t> path) {
  if (name_index(list, name) >= 0 || (taken_mp && name_index(*taken_mp, name) >= 0))
    throw Model_Err("Duplicate variable name", std::move(path));
}

Ref nan_wff() { return Ref::adopt(real_new(NAN)); }

// A Low or High, read whole as a decimal number; one that does not read
// stops at its own cell with the reader's message.
double range_number(const Small_Table& t, int32_t table_i, int32_t i, int32_t col) {
  Byte_Str text = cell_text(t, i, col);
  Mem_In_Stream in(text.first_p, n_elts(text));
  try {
    double x = read_real(in);
    skip_white(in);
    if (!at_end_q(in)) raise_syntax(in, "Illegal decimal number:  " + std::string(text.first_p, size_t(n_elts(text))));
    return x;
  } catch (const Syntax_Err& e) {
    throw Model_Err(e.text, {VARS_MMDLI, table_i, i, col});
  }
}

// The section's formula; an empty section gives NaN, a mistake raises at [section].
Ref read_section(const Expr& e, const Resolver& r, std::vector<Ref>& ineqs, int32_t section_i) {
  if (expr_empty_q(e)) return nan_wff();
  Read_Result res = read_constraints(e, r, ineqs);
  if (!res.err_mp) return std::move(res.w);
  ineqs.clear();
  Model_Err err(std::string(res.err_mp->message.first_p, size_t(n_elts(res.err_mp->message))), {section_i});
  err.sel_mp = std::make_unique<Sel>(std::move(res.err_mp->sel));
  throw err;
}

// Unused parameters lose their rows; new ones get rows with the defaults; values come from the rows.
void match_param_rows(Math_Model& m, Model_Dict& d) {
  std::vector<Ref>& ps = param_vs(d);
  for (size_t k = ps.size(); k-- > 0;)
    if (!d.used_qs[k]) {
      ps.erase(ps.begin() + int32_t(k));
      d.used_qs.erase(d.used_qs.begin() + int32_t(k));
      m.params.erase(m.params.begin() + int32_t(k));
    }
  for (size_t k = m.params.size(); k < ps.size(); ++k) {
    Param_Row& row = m.params.emplace_back();
    assign(row.low, "-10");
    row.name = expr_typed(symbol_name(ps[k].get()));
    assign(row.high, "10");
    assign(row.value, "0");
  }
}

bool nan_in_q(wff w) {
  if (const double* x = real_p(w)) return std::isnan(*x);
  if (!appl_q(w)) return false;
  for (Hdl e = w; pair_q(e); e = pair_rest(e))
    if (nan_in_q(pair_first(e))) return true;
  return false;
}

Hdl value_rule_apply(const Fn_Rec*, Hdl s) {
  Hdl v = prop_get(s, VALUE);
  return hdl_copy(v == NO_HDL ? s : v);
}

}  // namespace

std::vector<Ref> read_var_names(const Math_Model& m, int32_t table_i, const std::vector<Ref>* taken_mp) {
  Hdl_Tuple taken;
  if (taken_mp)
    for (const Ref& s : *taken_mp) append(taken, s.get());
  std::vector<Ref> names;
  try {
    Hdl_Tuple read = read_var_names(var_table(m, table_i), taken_mp ? &taken : nullptr);
    for (int32_t i = 0; i < n_elts(read); ++i) names.push_back(Ref::share(read.words[i]));
  } catch (const Cell_Err& e) {
    throw Model_Err(e.text, {VARS_MMDLI, table_i, e.row_i, e.col_i});
  }
  return names;
}

std::vector<Var_Range> read_ranges(const Math_Model& m, int32_t table_i, const std::vector<Ref>& syms) {
  std::vector<Var_Range> ranges;
  const Small_Table& t = var_table(m, table_i);
  for (int32_t i = 0; i < n_elts(t); ++i) {
    if (n_elts(cell_name(*static_cast<const Expr*>(table_cell(t, i, NAME_COL)))) == 0) continue;
    double low = range_number(t, table_i, i, LOW_COL), high = range_number(t, table_i, i, HIGH_COL);
    if (!(high > low)) throw Model_Err("High must be greater than Low", {VARS_MMDLI, table_i, i, HIGH_COL});
    CHECK(ranges.size() < syms.size());
    ranges.push_back({syms[ranges.size()], swatch_colour(table_cell(t, i, COLOR_COL)), low, high});
  }
  return ranges;
}

void read_param_names(const Math_Model& m, Model_Dict& d) {
  std::vector<Ref> taken = d.vs[INDEP_VS];
  taken.insert(taken.end(), d.vs[DEP_VS].begin(), d.vs[DEP_VS].end());
  std::vector<Ref>& ps = param_vs(d);
  ps.clear();
  for (size_t k = 0; k < m.params.size(); ++k) {
    std::string name = expr_string(m.params[k].name);
    check_new_name(ps, &taken, name.c_str(), {PARAMS_MMDLI, int32_t(k), 1});
    ps.push_back(Ref::adopt(symbol_new(name.c_str())));
  }
}

void value_params(const Math_Model& m, Model_Dict& d) {
  std::vector<Ref>& ps = param_vs(d);
  for (size_t k = 0; k < ps.size() && k < m.params.size(); ++k)
    if (n_elts(m.params[k].value) > 0) set_value(ps[k].get(), text_number(m.params[k].value));
}

std::unique_ptr<Model_Dict> read_names(const Math_Model& m, bool params_q) {
  auto d = std::make_unique<Model_Dict>();
  d->vs[INDEP_VS] = read_var_names(m, INDEP_VARS, nullptr);
  d->vs[DEP_VS] = read_var_names(m, DEP_VARS, &d->vs[INDEP_VS]);
  if (params_q) {
    read_param_names(m, *d);
    value_params(m, *d);
  }
  assign_var_indexes(*d);
  return d;
}

Model_Read read_model(Math_Model& m, int32_t mode) {
  Model_Read out;
  out.dict_p = read_names(m, mode == READ_SOLUTIONS);
  Model_Dict& d = *out.dict_p;
  out.extra = nan_wff();
  if (mode == READ_CONSTRAINTS) {
    for (const Param_Row& p : m.params) param_vs(d).push_back(Ref::adopt(symbol_new(expr_string(p.name).c_str())));
    d.used_active_q = true;
    d.used_qs.assign(param_vs(d).size(), 0);
  }
  Resolver r = out.resolver();
  out.w = read_section(mode == READ_CONSTRAINTS ? m.constraints : m.solutions, r, out.ineqs, mode);
  if (mode == READ_CONSTRAINTS) {
    match_param_rows(m, d);
    d.used_active_q = false;
  }
  value_params(m, d);
  assign_var_indexes(d);
  if (mode == READ_SOLUTIONS && !expr_empty_q(m.solutions)) {
    std::vector<Ref> ignored;
    try {
      out.extra = read_section(m.flags & 0x2 ? m.solutions : m.constraints, r, ignored, mode);
    } catch (const Model_Err&) {
      out.extra = nan_wff();
    }
    out.extra = normalised(out.extra.get());
  }
  for (Ref& q : out.ineqs) q = normalised(q.get());
  out.w = normalised(out.w.get());
  return out;
}

double eval_number(wff w) {
  static const Fun1 rule = fn_new_static(value_rule_apply);
  Ref v = Ref::adopt(substitute(w, rule));
  Ref a = Ref::adopt(approximate(v.get()));
  if (const double* x = real_p(a.get())) return *x;
  return integer_p(a.get()) ? double_of_integer(a.get()) : NAN;
}

std::vector<double> param_values(const Model_Dict& d) {
  std::vector<double> values;
  for (const Ref& p : d.vs[PARAM_VS]) values.push_back(eval_number(p.get()));
  return values;
}

Ref with_values(wff w, const Model_Dict& d, const std::vector<double>& values) {
  for (size_t k = 0; k < values.size(); ++k)
    if (std::isnan(values[k]) && mentions_q(w, d.vs[PARAM_VS][k].get())) return {};
  Ref bound = bind_values(w, d.vs[PARAM_VS], values);
  // Values can meet where the formula has no number (a·x/b at a = b = 0):
  // then it has none there, as with a parameter without a value.
  if (nan_in_q(bound.get()) && !nan_in_q(w)) return {};
  return bound;
}

void set_value(wff sym, double x) {
  prop_remove(sym, VALUE);
  if (!std::isnan(x)) prop_set(sym, VALUE, Ref::adopt(real_new(x)).get());
}

Ref normalised(wff w) { return Ref::adopt(substitute(w, FUN1_IDENTITY)); }
