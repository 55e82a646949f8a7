// The data table: columns made from the model's variables, one row per
// measurement; its kind is made from its titles and lives with the table.
#include <cmath>
#include <new>

#include "tables/math_tables.h"

namespace {

constexpr int32_t COL_GAP = 1152, ROW_GAP = 384, MIN_WIDTH = 3456;
const char NOTES[] = "Notes";

std::vector<void*> data_row_new(const Table_Kind& k, int32_t) {
  std::vector<void*> row;
  for (const Part_Kind& p : k.env.col_kinds) row.push_back(p.kind_p == &NOTE_CELL.kind ? static_cast<void*>(text_field_new("")) : expr_new(CELL_ENV));
  return row;
}

Byte_Str name_of(Hdl sym) { return Byte_Str(symbol_name(sym)); }

Byte_Str tilde(const Byte_Str& name) {
  Byte_Str t("~");
  append(t, name);
  return t;
}

// The index of name among the names of list, or -1.
int32_t index_in(const Hdl_Tuple& list, const Byte_Str& name) {
  for (int32_t i = 0; i < n_elts(list); ++i)
    if (equal_q(name, symbol_name(list[i]))) return i;
  return -1;
}

}  // namespace

std::vector<Byte_Str> data_titles(const Hdl_Tuple& indep, const Hdl_Tuple& dep) {
  std::vector<Byte_Str> titles;
  for (int32_t i = 0; i < n_elts(indep); ++i) titles.push_back(name_of(indep[i]));
  for (int32_t i = 0; i < n_elts(dep); ++i) titles.push_back(name_of(dep[i]));
  for (int32_t i = 0; i < n_elts(dep); ++i) titles.push_back(tilde(name_of(dep[i])));
  if (n_elts(dep) > 0) titles.push_back(Byte_Str(NOTES));
  return titles;
}

Small_Table* data_table_new(const std::vector<Byte_Str>& titles, int32_t n_rows, int32_t can_edit01) {
  auto k = std::make_shared<Table_Kind>(Table_Kind{TABLE_OPS, {{}, {}, COL_GAP, ROW_GAP, &TITLE_CELL.kind, {}}, data_row_new, nullptr});
  std::vector<void*> hdr;
  for (const Byte_Str& t : titles) {
    k->env.col_kinds.push_back({equal_q(t, NOTES) ? &NOTE_CELL.kind : &MATH_CELL.kind, 1});
    k->env.min_widths.push_back(MIN_WIDTH);
    hdr.push_back(new (pool_alloc(sizeof(Byte_Str))) Byte_Str(t));
  }
  table_env_init(k->env);
  Small_Table* t = table_new(*k, std::move(hdr), n_rows, can_edit01);
  t->kind_hold_mp = std::move(k);
  return t;
}

Byte_Str table_title(const Small_Table& t, int32_t j) { return *static_cast<const Byte_Str*>(t.hdr[size_t(j)]); }

bool data_table_matches_q(const Small_Table& t, const Hdl_Tuple& indep, const Hdl_Tuple& dep) {
  std::vector<Byte_Str> want = data_titles(indep, dep);
  if (int32_t(want.size()) != n_cols(t.kind_p->env)) return false;
  for (size_t j = 0; j < want.size(); ++j) {
    if (n_elts(dep) > 0 && j + 1 == want.size()) break;
    if (compare(table_title(t, int32_t(j)), want[j]) != 0) return false;
  }
  return true;
}

std::vector<int32_t> nm_by_col(const Small_Table& t, const Hdl_Tuple& indep, const Hdl_Tuple& dep) {
  int32_t n = n_elts(indep), m = n_elts(dep);
  std::vector<int32_t> map;
  for (int32_t j = 0; j < n_cols(t.kind_p->env); ++j) {
    Byte_Str title = table_title(t, j);
    if (n_elts(title) > 0 && title[0] == '~') {
      int32_t k = index_in(dep, Byte_Str(title.first_p + 1, n_elts(title) - 1));
      map.push_back(k < 0 ? -1 : n + m + k);
      continue;
    }
    int32_t i = index_in(indep, title), k = index_in(dep, title);
    map.push_back(i >= 0 ? i : k >= 0 ? n + k : -1);
  }
  return map;
}

void data_row_values(const Small_Table& t, int32_t i, std::span<const int32_t> nm_by_col, const Resolver& r,
                     std::span<double> out) {
  for (double& v : out) v = NAN;
  for (int32_t j = 0; j < int32_t(nm_by_col.size()); ++j) {
    int32_t v = nm_by_col[size_t(j)];
    if (v < 0 || v >= int32_t(out.size()) || t.kind_p->env.col_kinds[size_t(j)].kind_p != &MATH_CELL.kind) continue;
    const Expr& e = *static_cast<const Expr*>(table_cell(t, i, j));
    if (!expr_empty_q(e)) out[size_t(v)] = cell_number(e, r);
  }
}
