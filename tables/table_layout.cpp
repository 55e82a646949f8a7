// Column and row layout. Columns take the union of their cells' extents
// around the column offset, so that cells aligned on a decimal point never
// reach into the gap; rows are stacked downward below the header band.
#include <algorithm>

#include "tables/small_table.h"

namespace {

Rect cell_bounds(const Gui_Kind& k, const void* e) { return k.bounds(k, e); }

int32_t col_width(const Small_Table& t, int32_t j) {
  const Table_Env& env = t.kind_p->env;
  Rect h = cell_bounds(*env.hdr_kind_p, t.hdr[size_t(j)]);
  int32_t w = std::max(t.col_x1s[size_t(j)] - t.col_x0s[size_t(j)], h.x1 - h.x0);
  return std::max(w, env.min_widths[size_t(j)]);
}

// The extent of column j's cells; an empty column measures 0 at 0.
void measure_col(Small_Table& t, int32_t j) {
  const Gui_Kind& k = *t.kind_p->env.col_kinds[size_t(j)].kind_p;
  int32_t x0 = 0, x1 = 0;
  for (size_t i = 0; i < t.rws.size(); ++i) {
    Rect r = cell_bounds(k, t.rws[i]->row_eAvs[size_t(j)]);
    x0 = i == 0 ? r.x0 : std::min(x0, r.x0);
    x1 = i == 0 ? r.x1 : std::max(x1, r.x1);
  }
  t.col_x0s[size_t(j)] = x0;
  t.col_x1s[size_t(j)] = std::max(x0, x1);
}

// Walks the columns from x = 0: boundaries half a gap before each column,
// the cells' left edge at x, the centre in the middle of the column.
void place_cols(Small_Table& t) {
  const Table_Env& env = t.kind_p->env;
  int32_t n = n_cols(env), g = env.col_gap, x = 0;
  std::vector<int32_t> xjs(n), x_bdys(n + 1), center_xjs(n);
  for (int32_t j = 0; j < n; ++j) {
    int32_t w = col_width(t, j);
    x_bdys[size_t(j)] = x - g / 2;
    xjs[size_t(j)] = x - t.col_x0s[size_t(j)];
    center_xjs[size_t(j)] = x + w / 2;
    x += w + g;
  }
  x_bdys[size_t(n)] = x - g / 2;
  t.xjs = std::move(xjs);
  t.x_bdys = std::move(x_bdys);
  t.center_xjs = std::move(center_xjs);
  CHECK_AS(n_elts(t.xjs) == n && n_elts(t.x_bdys) == n + 1, "n_elts(xjs) == n && n_elts(x_bdys) == n+1");
  CHECK_AS(n_elts(t.center_xjs) == n, "n_elts(center_xjs) == n");
  t.width = std::max(x - g, 0);
}

// The vertical extent of the cells of row i around its baseline.
void measure_row(Small_Table& t, int32_t i) {
  const Table_Env& env = t.kind_p->env;
  Rect r = EMPTY_RECT;
  for (int32_t j = 0; j < n_cols(env); ++j) r = rect_union(r, cell_bounds(*env.col_kinds[size_t(j)].kind_p, t.rws[size_t(i)]->row_eAvs[size_t(j)]));
  t.row_y0s[size_t(i)] = std::min(r.y0, 0);
  t.row_y1s[size_t(i)] = std::max(r.y1, 0);
}

// Boundaries and baselines from row i down: each boundary lies the row gap
// and the height of the row between them below the one before.
void stack_rows(Small_Table& t, int32_t i) {
  int32_t h = t.kind_p->env.row_gap;
  for (int32_t r = i; r < n_elts(t); ++r) {
    int32_t top = t.y_bdys[size_t(r) + 1] - h / 2;
    t.row_ys[size_t(r)] = top - t.row_y1s[size_t(r)];
    t.y_bdys[size_t(r) + 2] = t.y_bdys[size_t(r) + 1] - h - (t.row_y1s[size_t(r)] - t.row_y0s[size_t(r)]);
  }
}

void stack_header(Small_Table& t) {
  const Table_Env& env = t.kind_p->env;
  Rect r = EMPTY_RECT;
  for (void* e : t.hdr) r = rect_union(r, cell_bounds(*env.hdr_kind_p, e));
  int32_t y0 = std::min(r.y0, 0), y1 = std::max(r.y1, 0), h = env.row_gap;
  t.y_bdys[0] = h / 2;
  t.hdr_y = -y1;
  t.y_bdys[1] = t.y_bdys[0] - h - (y1 - y0);
}

void size_rows(Small_Table& t) {
  size_t n = t.rws.size();
  t.row_ys.resize(n);
  t.row_y0s.resize(n);
  t.row_y1s.resize(n);
  t.y_bdys.resize(n + 2);
}

}  // namespace

void table_layout(Small_Table& t) {
  int32_t n = n_cols(t.kind_p->env);
  t.col_x0s.assign(size_t(n), 0);
  t.col_x1s.assign(size_t(n), 0);
  for (int32_t j = 0; j < n; ++j) measure_col(t, j);
  place_cols(t);
  size_rows(t);
  for (int32_t i = 0; i < n_elts(t); ++i) measure_row(t, i);
  stack_header(t);
  stack_rows(t, 0);
}

void table_relayout_cells(Small_Table& t, int32_t i, uint32_t col_bits, Cmd_Args& args) {
  Rect old = table_bounds(t);
  int32_t n = n_cols(t.kind_p->env);
  std::vector<int32_t> old_xjs = t.xjs, old_centres = t.center_xjs, old_bdys = t.x_bdys;
  for (int32_t j = 0; j < n; ++j)
    if (col_bits & (1u << std::min(j, 31))) measure_col(t, j);
  place_cols(t);
  int32_t y0 = t.row_y0s[size_t(i)], y1 = t.row_y1s[size_t(i)];
  measure_row(t, i);
  bool taller_q = y0 != t.row_y0s[size_t(i)] || y1 != t.row_y1s[size_t(i)];
  if (taller_q) stack_rows(t, i);
  // The first column whose cells, title or right edge moved is redrawn with
  // all after it over the whole height; rows that moved from row i down.
  Rect now = table_bounds(t), both = rect_union(old, now);
  for (int32_t j = 0; j < n; ++j) {
    size_t k = size_t(j);
    if (old_xjs[k] == t.xjs[k] && old_centres[k] == t.center_xjs[k] && old_bdys[k + 1] == t.x_bdys[k + 1]) continue;
    inval_add(args, {std::min(old_bdys[k], t.x_bdys[k]), both.x1, both.y0, both.y1});
    break;
  }
  if (taller_q) inval_add(args, {both.x0, both.x1, both.y0, t.y_bdys[size_t(i) + 1]});
  else inval_add(args, rows_area(t, i, i + 1));
}

Rect table_bounds(const Small_Table& t) {
  return {t.x_bdys.front(), t.x_bdys.back(), t.y_bdys.back(), t.y_bdys.front()};
}

Rect rows_area(const Small_Table& t, int32_t i, int32_t k) {
  return {t.x_bdys.front(), t.x_bdys.back(), t.y_bdys[size_t(k) + 1], t.y_bdys[size_t(i) + 1]};
}
