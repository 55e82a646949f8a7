// The table's element kind: commands inside a row go to the row (and so to
// its cells); whole rows are selected, copied, replaced and removed here.
#include <algorithm>

#include "editor/colour_cmd.h"
#include "tables/table_edit.h"

namespace {

const Small_Table& table_of(const void* e) { return *static_cast<const Small_Table*>(e); }
Small_Table& table_of(void* e) { return *static_cast<Small_Table*>(e); }

void check_sel(const Small_Table& t, const Sel& is) {
  CHECK_AS(0 <= range_j(is) && range_k(is) <= n_elts(t.rws), "0 <= start(is) && end(is) <= n_elts(rws)");
}

int32_t row_query(const Small_Table& t, const Sel& s, Cmd& c) {
  Sub_Elt r = row_sub(t, s.gen_i);
  return r.kind_p->query(*r.kind_p, r.e, *s.e_sel_mp, c);
}

bool all_q(const Small_Table& t, const Sel& s) { return !inside_q(s) && range_j(s) == 0 && range_k(s) == n_elts(t); }

Sel op_initial_sel(const Gui_Kind&, const void* e) {
  const Small_Table& t = table_of(e);
  return n_elts(t) == 0 ? sel_of(0, 0) : table_row_sel(t, 0);
}

Rect op_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) {
  const Small_Table& t = table_of(e);
  check_sel(t, s);
  if (inside_q(s)) {
    Sub_Elt r = row_sub(t, s.gen_i);
    return rect_shift(r.kind_p->sel_bounds(*r.kind_p, r.e, *s.e_sel_mp), r.pt);
  }
  if (s.anchor_i != s.gen_i) return rows_area(t, range_j(s), range_k(s));
  // The point between rows is a bar along the line between them.
  int32_t y = t.y_bdys[size_t(s.gen_i) + 1];
  return {t.x_bdys.front(), t.x_bdys.back(), y - CARET_HALF_WIDTH, y + CARET_HALF_WIDTH};
}

int32_t op_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) {
  const Small_Table& t = table_of(e);
  check_sel(t, s);
  bool in_q = inside_q(s);
  switch (c.cmd_n) {
    case SELECT_MORE_CMD:
      if (in_q && row_query(t, s, c) > 0) return 1;
      [[fallthrough]];
    case SELECT_ALL_CMD: return all_q(t, s) || n_elts(t) == 0 ? QUERY_PASSED : 1;
    case MOUSE_CMD: return in_q ? std::max<int32_t>(row_query(t, s, c), IBEAM_CURSOR) : IBEAM_CURSOR;
    case ARROW_CMD: {
      Sel copy = sel_copy(s);
      return table_arrow(const_cast<Small_Table&>(t), copy, static_cast<const Arrow_Cmd&>(c), nullptr);
    }
    case COPY_CMD: return in_q ? row_query(t, s, c) : s.anchor_i != s.gen_i;
    case TEXT_PARTIAL_CMD: return table_typing_query(t, s, static_cast<Text_Partial_Cmd&>(c));
    case ROWS_CMD: return 1;
    case COLOUR_CMD:
      if (t.can_edit01 == 0) return QUERY_REFUSED;
      [[fallthrough]];
    default: return in_q ? row_query(t, s, c) : QUERY_PASSED;
  }
}

void op_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  Small_Table& t = table_of(e);
  Sel& s = *args.sel_p;
  check_sel(t, s);
  Cmd& c = *args.cmd_p;
  bool in_q = inside_q(s);
  switch (c.cmd_n) {
    case SELECT_MORE_CMD:
      if (in_q && row_query(t, s, c) > 0) {
        move_in_sub(row_sub(t, s.gen_i), *s.e_sel_mp, c, args);
        break;
      }
      [[fallthrough]];
    case SELECT_ALL_CMD:
      if (n_elts(t) > 0) s = sel_of(0, n_elts(t));
      break;
    case MOUSE_CMD: table_mouse(t, args); break;
    case ARROW_CMD: table_arrow(t, s, static_cast<const Arrow_Cmd&>(c), &args); break;
    case COPY_CMD:
      if (in_q) move_in_sub(row_sub(t, s.gen_i), *s.e_sel_mp, c, args);
      else static_cast<Copy_Cmd&>(c).out = rows_text(t, range_j(s), range_k(s));
      break;
    case TEXT_PARTIAL_CMD: table_type(t, args); break;
    case ROWS_CMD: table_rows_perform(t, args); break;
    default:
      if (in_q) perform_in_row(t, s.gen_i, args);
      break;
  }
}

Rect op_bounds(const Gui_Kind&, const void* e) { return table_bounds(table_of(e)); }

void op_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) {
  const Small_Table& t = table_of(e);
  table_draw(t, c, origin, rect_shift(table_bounds(t), origin));
}

Region op_caret_region(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  if (!inside_q(s)) return caret_region_of_sel_bounds(k, e, s, c, origin);
  Sub_Elt r = row_sub(table_of(e), s.gen_i);
  return r.kind_p->caret_region(*r.kind_p, r.e, *s.e_sel_mp, c, point_add(origin, r.pt));
}

void op_release(const Gui_Kind&, void* e) { table_release(static_cast<Small_Table*>(e)); }

}  // namespace

const Gui_Kind TABLE_OPS = {op_initial_sel, op_sel_bounds, op_query,        op_perform,
                            op_bounds,      op_draw,       op_caret_region, op_release};

Small_Table* table_new(const Table_Kind& k, std::vector<void*> hdr, int32_t n_rows, int32_t can_edit01) {
  Small_Table* t = new Small_Table();
  t->kind_p = &k;
  t->hdr = std::move(hdr);
  t->can_edit01 = can_edit01;
  try {
    CHECK(can_edit01 == 0 || can_edit01 == 1);
    CHECK(n_elts(t->hdr) == n_cols(k.env));
    for (int32_t i = 0; i < n_rows; ++i) t->rws.push_back(row_make(*t, i));
    table_layout(*t);
  } catch (...) {
    table_release(t);
    throw;
  }
  return t;
}

void table_release(Small_Table* t) {
  const Table_Env& env = t->kind_p->env;
  for (Table_Row* r : t->rws) env.row_kind.kind.release(env.row_kind.kind, r);
  for (void* h : t->hdr) env.hdr_kind_p->release(*env.hdr_kind_p, h);
  std::shared_ptr<const Table_Kind> hold = std::move(t->kind_hold_mp);
  delete t;
}
