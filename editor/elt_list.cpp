#include "editor/elt_list.h"

#include <algorithm>

#include "editor/part_layout.h"
#include "editor/text_field.h"

namespace {

const Elt_List& list_of(const void* e) { return *static_cast<const Elt_List*>(e); }
Elt_List& list_of(void* e) { return *static_cast<Elt_List*>(e); }

Sub_Elt elt_of(const Elt_List_Kind& k, const Elt_List& t, int32_t i) {
  CHECK(0 <= i && i < n_elts(t));
  return {k.elt_kind_p, t.elts[size_t(i)], t.pts[size_t(i)]};
}

bool all_q(const Elt_List& t, const Sel& s) { return !inside_q(s) && range_j(s) == 0 && range_k(s) == n_elts(t); }

int32_t elt_query(const Elt_List_Kind& k, const Elt_List& t, const Sel& s, Cmd& c) {
  Sub_Elt p = elt_of(k, t, s.gen_i);
  return p.kind_p->query(*p.kind_p, p.e, *s.e_sel_mp, c);
}

Sel op_initial_sel(const Gui_Kind& k, const void* e) {
  Sel s;
  list_select_pos(list_kind(k), list_of(e), s, n_elts(list_of(e)) > 0);
  return s;
}

// A point between elements is a bar across the gap before element i.
Rect between_bounds(const Elt_List_Kind& k, const Elt_List& t, int32_t i) {
  if (n_elts(t) == 0) return {-CARET_HALF_WIDTH, CARET_HALF_WIDTH, -CARET_HALF_WIDTH, CARET_HALF_WIDTH};
  Rect r = sub_extent(elt_of(k, t, std::min(i, n_elts(t) - 1)));
  bool end_q = i == n_elts(t);
  if (k.layout.layout_n == ROW_LAYOUT) {
    int32_t x = end_q ? r.x1 : r.x0;
    return {x - CARET_HALF_WIDTH, x + CARET_HALF_WIDTH, t.bds.y0, t.bds.y1};
  }
  int32_t y = end_q ? r.y0 : r.y1;
  return {t.bds.x0, t.bds.x1, y - CARET_HALF_WIDTH, y + CARET_HALF_WIDTH};
}

Rect op_sel_bounds(const Gui_Kind& kind, const void* e, const Sel& s) {
  const Elt_List_Kind& k = list_kind(kind);
  const Elt_List& t = list_of(e);
  if (inside_q(s)) {
    Sub_Elt p = elt_of(k, t, s.gen_i);
    return rect_shift(p.kind_p->sel_bounds(*p.kind_p, p.e, *s.e_sel_mp), p.pt);
  }
  if (s.anchor_i == s.gen_i) return between_bounds(k, t, s.gen_i);
  Rect r = EMPTY_RECT;
  for (int32_t i = range_j(s); i < range_k(s); ++i) r = rect_union(r, sub_extent(elt_of(k, t, i)));
  return r;
}

int32_t hit_elt(const Elt_List_Kind& k, const Elt_List& t, Point p) {
  return nearest_sub(n_elts(t), [&](int32_t i) { return elt_of(k, t, i); }, p);
}

// As in composites: a press goes into the nearest element, a drag out of it
// selects whole elements, a double click on an element that is all selected
// selects all of them.
void list_mouse(const Elt_List_Kind& k, Elt_List& t, Cmd_Args& args) {
  if (n_elts(t) == 0) return;
  const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Sel& s = *args.sel_p;
  int32_t i = hit_elt(k, t, m.pt);
  Sub_Elt p = elt_of(k, t, i);
  Mouse_Cmd m1({m.pt.x - p.pt.x, m.pt.y - p.pt.y}, m.mods, m.phase);
  bool here_q = inside_q(s) && s.gen_i == i;
  bool press_q = m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD);
  if (press_q && (m.mods & DOUBLE_MOD) && here_q && p.kind_p->query(*p.kind_p, p.e, *s.e_sel_mp, m1) == QUERY_PASSED) {
    s = sel_of(0, n_elts(t));
    return;
  }
  if (press_q && !here_q) list_select_pos(k, t, s, 2 * i + 1);
  if (press_q || here_q) {
    move_in_sub(p, *s.e_sel_mp, m1, args);
    return;
  }
  int32_t a = s.anchor_i == s.gen_i || s.anchor_i < s.gen_i ? s.anchor_i : s.anchor_i - 1;
  a = std::min(a, n_elts(t) - 1);
  s = i >= a ? sel_of(a, i + 1) : sel_of(a + 1, i);
}

int32_t op_query(const Gui_Kind& kind, const void* e, const Sel& s, Cmd& c) {
  const Elt_List_Kind& k = list_kind(kind);
  const Elt_List& t = list_of(e);
  bool in_q = inside_q(s);
  switch (c.cmd_n) {
    case SELECT_ALL_CMD: return all_q(t, s) || n_elts(t) == 0 ? QUERY_PASSED : 1;
    case SELECT_MORE_CMD:
      if (in_q && elt_query(k, t, s, c) > 0) return 1;
      return all_q(t, s) || n_elts(t) == 0 ? QUERY_PASSED : 1;
    case MOUSE_CMD: {
      const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(c);
      bool double_q = m.phase == MOUSE_PRESS && (m.mods & (DOUBLE_MOD | SHIFT_MOD)) == DOUBLE_MOD;
      return double_q && all_q(t, s) ? QUERY_PASSED : IBEAM_CURSOR;
    }
    case ARROW_CMD: {
      Sel copy = sel_copy(s);
      return list_arrow(k, const_cast<Elt_List&>(t), copy, static_cast<const Arrow_Cmd&>(c), nullptr);
    }
    case COPY_CMD: return in_q ? elt_query(k, t, s, c) : s.anchor_i != s.gen_i;
    case TEXT_PARTIAL_CMD: return list_typing_query(k, t, s, static_cast<Text_Partial_Cmd&>(c));
    default: return in_q ? elt_query(k, t, s, c) : QUERY_PASSED;
  }
}

void op_perform(const Gui_Kind& kind, void* e, Cmd_Args& args) {
  const Elt_List_Kind& k = list_kind(kind);
  Elt_List& t = list_of(e);
  Sel& s = *args.sel_p;
  Cmd& c = *args.cmd_p;
  bool in_q = inside_q(s);
  switch (c.cmd_n) {
    case SELECT_MORE_CMD:
      if (in_q && elt_query(k, t, s, c) > 0) {
        move_in_sub(elt_of(k, t, s.gen_i), *s.e_sel_mp, c, args);
        break;
      }
      [[fallthrough]];
    case SELECT_ALL_CMD:
      if (n_elts(t) > 0) s = sel_of(0, n_elts(t));
      break;
    case MOUSE_CMD: list_mouse(k, t, args); break;
    case ARROW_CMD: list_arrow(k, t, s, static_cast<const Arrow_Cmd&>(c), &args); break;
    case COPY_CMD:
      if (in_q) move_in_sub(elt_of(k, t, s.gen_i), *s.e_sel_mp, c, args);
      else static_cast<Copy_Cmd&>(c).out = list_range_text(k, t, range_j(s), range_k(s));
      break;
    case TEXT_PARTIAL_CMD: list_type(k, t, args); break;
    default:
      if (in_q && perform_in_sub(elt_of(k, t, s.gen_i), s.gen_i, args)) list_relayout(k, t, args);
      break;
  }
}

Rect op_bounds(const Gui_Kind&, const void* e) { return list_of(e).bds; }

void op_draw(const Gui_Kind& k, const void* e, Canvas& c, Point origin) {
  const Elt_List& t = list_of(e);
  for (int32_t i = 0; i < n_elts(t); ++i) {
    Sub_Elt p = elt_of(list_kind(k), t, i);
    p.kind_p->draw(*p.kind_p, p.e, c, {origin.x + p.pt.x, origin.y + p.pt.y});
  }
}

Region op_caret_region(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  if (!inside_q(s)) return caret_region_of_sel_bounds(k, e, s, c, origin);
  Sub_Elt p = elt_of(list_kind(k), list_of(e), s.gen_i);
  return p.kind_p->caret_region(*p.kind_p, p.e, *s.e_sel_mp, c, {origin.x + p.pt.x, origin.y + p.pt.y});
}

void op_release(const Gui_Kind& k, void* e) {
  Elt_List* t_p = static_cast<Elt_List*>(e);
  const Gui_Kind& ek = *list_kind(k).elt_kind_p;
  for (void* elt_p : t_p->elts) ek.release(ek, elt_p);
  delete t_p;
}

}  // namespace

const Gui_Kind ELT_LIST_OPS = {op_initial_sel, op_sel_bounds, op_query,        op_perform,
                               op_bounds,      op_draw,       op_caret_region, op_release};

Elt_List* elt_list_new(const Elt_List_Kind& k, std::vector<void*> elts) {
  Elt_List* t_p = new Elt_List{std::move(elts), {}, EMPTY_RECT};
  Sel s;
  Text_Partial_Cmd none{Byte_Str()};
  Cmd_Args args(s, none);
  list_relayout(k, *t_p, args);
  return t_p;
}

void list_select_pos(const Elt_List_Kind& k, const Elt_List& tg, Sel& s, int32_t m2) {
  CHECK(0 <= m2 && m2 <= 2*n_elts(tg));
  s.anchor_i = s.gen_i = m2 / 2;
  s.e_sel_mp.reset();
  if (m2 % 2) {
    Sub_Elt p = elt_of(k, tg, m2 / 2);
    s.e_sel_mp = std::make_unique<Sel>(p.kind_p->initial_sel(*p.kind_p, p.e));
  }
}

int32_t list_start2(const Sel& s) { return inside_q(s) ? 2 * s.gen_i + 1 : 2 * range_j(s); }
int32_t list_end2(const Sel& s) { return inside_q(s) ? 2 * s.gen_i + 1 : 2 * range_k(s); }

void list_relayout(const Elt_List_Kind& k, Elt_List& t, Cmd_Args& args) {
  inval_add(args, t.bds);
  std::vector<Rect> items;
  for (void* elt_p : t.elts) items.push_back(k.elt_kind_p->bounds(*k.elt_kind_p, elt_p));
  t.pts.resize(t.elts.size());
  // An empty list still has an origin to measure from.
  t.bds = items.empty() ? Rect{0, 0, 0, 0} : part_layout(k.layout, items, t.pts);
  inval_add(args, t.bds);
}
