#include "editor/composite.h"

#include <algorithm>

#include "editor/part_layout.h"

namespace {

// The parts as a sequence, for the range check of selecting one.
struct Part_Seq {
  int32_t n;
};
int32_t n_elts(const Part_Seq& v) { return v.n; }

const Composite& comp_of(const void* e) { return *static_cast<const Composite*>(e); }
Composite& comp_of(void* e) { return *static_cast<Composite*>(e); }

void* record_part_p(const Composite_Kind&, const void* e, int32_t j) { return comp_of(e).parts[size_t(j)]; }
Point record_part_pt(const Composite_Kind&, const void* e, int32_t j) { return comp_of(e).pts[size_t(j)]; }
bool record_column_q(const Composite_Kind& k, const void*) { return k.layout.layout_n == COLUMN_LAYOUT; }

void record_relayout(const Composite_Kind& k, void* e) {
  Composite& c = comp_of(e);
  std::vector<Rect> items;
  for (int32_t j = 0; j < k.n_parts; ++j) items.push_back(part_kind(k, j).bounds(part_kind(k, j), c.parts[size_t(j)]));
  c.bds = part_layout(k.layout, items, c.pts);
}

void record_mark_changed(const Composite_Kind&, void* e, int32_t j) { comp_of(e).changed_bits |= 1u << std::min(j, 31); }

Sel op_initial_sel(const Gui_Kind& k, const void* e) { return comp_initial_sel(comp_kind(k), e); }
Rect op_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s) { return comp_sel_bounds(comp_kind(k), e, s); }
int32_t op_query(const Gui_Kind& k, const void* e, const Sel& s, Cmd& c) { return comp_query(comp_kind(k), e, s, c); }
void op_perform(const Gui_Kind& k, void* e, Cmd_Args& args) { comp_perform(comp_kind(k), e, args); }
Rect op_bounds(const Gui_Kind&, const void* e) { return comp_of(e).bds; }
void op_draw(const Gui_Kind& k, const void* e, Canvas& c, Point origin) { comp_draw(comp_kind(k), e, c, origin); }
Region op_caret_region(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return comp_caret_region(comp_kind(k), e, s, c, origin);
}
void op_release(const Gui_Kind& k, void* e) {
  Composite* c_p = static_cast<Composite*>(e);
  for (int32_t j = 0; j < comp_kind(k).n_parts; ++j) {
    const Gui_Kind& pk = part_kind(comp_kind(k), j);
    if (pk.release) pk.release(pk, c_p->parts[size_t(j)]);
  }
  delete c_p;
}

int32_t part_query(const Composite_Kind& k, const void* e, const Sel& s, Cmd& c) {
  Sub_Elt p = comp_part(k, e, s.gen_i);
  return p.kind_p->query(*p.kind_p, p.e, *s.e_sel_mp, c);
}

}  // namespace

const Parts_Access COMPOSITE_ACCESS = {record_part_p, record_part_pt, record_column_q, record_relayout,
                                       record_mark_changed};
const Gui_Kind COMPOSITE_OPS = {op_initial_sel, op_sel_bounds, op_query,        op_perform,
                                op_bounds,      op_draw,       op_caret_region, op_release};

Composite* composite_new(const Composite_Kind& k, std::vector<void*> parts) {
  int32_t n = k.n_parts;
  CHECK(n > 0);
  CHECK(int32_t(parts.size()) == n);
  Composite* c_p = new Composite{std::move(parts), std::vector<Point>(size_t(k.n_parts)), EMPTY_RECT, 0};
  record_relayout(k, c_p);
  return c_p;
}

Sel comp_range(const Composite_Kind& k, int32_t anchor, int32_t gen) {
  CHECK(anchor != gen);
  if (k.range_q) return sel_of(anchor, gen);
  return anchor < gen ? sel_of(0, k.n_parts) : sel_of(k.n_parts, 0);
}

bool comp_all_q(const Composite_Kind& k, const Sel& s) {
  return !inside_q(s) && range_j(s) == 0 && range_k(s) == k.n_parts;
}

int32_t range_j(const Sel& s) { return std::min(s.anchor_i, s.gen_i); }
int32_t range_k(const Sel& s) { return std::max(s.anchor_i, s.gen_i); }

Sub_Elt comp_part(const Composite_Kind& k, const void* e, int32_t j) {
  CHECK(0 <= j && j < k.n_parts);
  return {k.parts_p[j].kind_p, k.access_p->part_p(k, e, j), k.access_p->part_pt(k, e, j)};
}

Sel comp_initial_sel(const Composite_Kind& k, const void* e) {
  int32_t j = 0;
  while (j < k.n_parts && k.parts_p[j].rank < 1) ++j;
  Sel s;
  comp_select_part(k, e, s, j == k.n_parts ? 0 : j);
  return s;
}

void comp_select_part(const Composite_Kind& k, const void* e, Sel& s, int32_t j) {
  const Part_Seq eAvs{k.n_parts};
  CHECK(0 <= j && j < n_elts(eAvs));
  Sub_Elt p = comp_part(k, e, j);
  s.anchor_i = s.gen_i = j;
  s.e_sel_mp = std::make_unique<Sel>(p.kind_p->initial_sel(*p.kind_p, p.e));
}

bool perform_in_sub(const Sub_Elt& sub, int32_t j, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  CHECK(inside_q(s) && s.gen_i == j);
  const Gui_Kind& k = *sub.kind_p;
  Rect before = k.bounds(k, sub.e);
  Cmd_Args args1(*s.e_sel_mp, *args.cmd_p);
  // Typing goes on merging into the record of the same element's last typing.
  Sel* prev_p = args.prev_undo_sel_p;
  if (prev_p && inside_q(*prev_p) && prev_p->gen_i == j) {
    args1.prev_undo_sel_p = prev_p->e_sel_mp.get();
    args1.prev_undo_cmd_p = args.prev_undo_cmd_p;
  }
  k.perform(k, sub.e, args1);
  if (args.cmd_p->cmd_n == TEXT_PARTIAL_CMD) CHECK(! res_cmd_mp(args1));
  if (nonempty_q(args1.inval_bds0)) inval_add(args, rect_shift(args1.inval_bds0, sub.pt));
  if (args1.undo.cmd_mp) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_of(j, j));
    args.undo.sel_mp->e_sel_mp = args1.undo.sel_mp ? std::move(args1.undo.sel_mp) : std::make_unique<Sel>(sel_copy(*s.e_sel_mp));
    args.undo.cmd_mp = std::move(args1.undo.cmd_mp);
  }
  args.changed_q = args.changed_q || args1.changed_q;
  if (args1.res_cmd_mp) args.res_cmd_mp = std::move(args1.res_cmd_mp);
  return k.bounds(k, sub.e) != before;
}

void move_in_sub(const Sub_Elt& sub, Sel& s, Cmd& c, Cmd_Args& args) {
  Cmd_Args args1(s, c);
  sub.kind_p->perform(*sub.kind_p, sub.e, args1);
  CHECK(! cmd_mp(undo(args1)) && ! changed_q(args1) && ! res_cmd_mp(args1));
  if (nonempty_q(args1.inval_bds0)) inval_add(args, rect_shift(args1.inval_bds0, sub.pt));
}

void move_to_end(const Sub_Elt& sub, Sel& s, Cmd_Args& args) {
  Arrow_Cmd end(Arrow_Cmd::DOWN, CTRL_MOD);
  if (sub.kind_p->query(*sub.kind_p, sub.e, s, end) > 0) move_in_sub(sub, s, end, args);
}

void comp_perform_in_part(const Composite_Kind& k, void* e, int32_t j, Cmd_Args& args) {
  bool changed_before_q = args.changed_q;
  Rect old = k.kind.bounds(k.kind, e);
  if (perform_in_sub(comp_part(k, e, j), j, args)) {
    k.access_p->relayout(k, e);
    inval_add(args, old);
    inval_add(args, k.kind.bounds(k.kind, e));
  }
  if (args.changed_q && !changed_before_q) k.access_p->mark_changed(k, e, j);
}

int32_t comp_query(const Composite_Kind& k, const void* e, const Sel& s, Cmd& c) {
  bool in_q = inside_q(s);
  switch (c.cmd_n) {
    case SELECT_ALL_CMD:
    case SELECT_MORE_CMD: return comp_all_q(k, s) ? QUERY_PASSED : 1;
    case MOUSE_CMD: return comp_mouse_query(k, e, s, static_cast<const Mouse_Cmd&>(c));
    case ARROW_CMD: {
      Sel copy = sel_copy(s);
      return comp_arrow(k, const_cast<void*>(e), copy, static_cast<const Arrow_Cmd&>(c), nullptr);
    }
    case COPY_CMD: return in_q ? part_query(k, e, s, c) : 1;
    case TEXT_PARTIAL_CMD:
      if (!in_q) return comp_range_typing_query(k, e, s, static_cast<Text_Partial_Cmd&>(c));
      return part_query(k, e, s, c);
    default: return in_q ? part_query(k, e, s, c) : QUERY_PASSED;
  }
}

void comp_perform(const Composite_Kind& k, void* e, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  bool in_q = inside_q(s);
  Cmd& c = *args.cmd_p;
  switch (c.cmd_n) {
    case SELECT_MORE_CMD:
      // The part widens first; one that is all selected gives way to all parts.
      if (in_q && part_query(k, e, s, c) > 0) {
        move_in_sub(comp_part(k, e, s.gen_i), *s.e_sel_mp, c, args);
        break;
      }
      [[fallthrough]];
    case SELECT_ALL_CMD: s = sel_of(0, k.n_parts); break;
    case MOUSE_CMD: comp_mouse(k, e, args); break;
    case ARROW_CMD: comp_arrow(k, e, s, static_cast<const Arrow_Cmd&>(c), &args); break;
    case COPY_CMD:
      if (in_q) {
        move_in_sub(comp_part(k, e, s.gen_i), *s.e_sel_mp, c, args);
      } else {
        static_cast<Copy_Cmd&>(c).out = comp_range_text(k, e, range_j(s), range_k(s));
      }
      break;
    case TEXT_PARTIAL_CMD:
      if (!in_q) {
        comp_range_type(k, e, args);
        break;
      }
      [[fallthrough]];
    default:
      if (in_q) comp_perform_in_part(k, e, s.gen_i, args);
      break;
  }
}

Rect comp_sel_bounds(const Composite_Kind& k, const void* e, const Sel& s) {
  if (inside_q(s)) {
    Sub_Elt p = comp_part(k, e, s.gen_i);
    return bounds_shift(p.kind_p->sel_bounds(*p.kind_p, p.e, *s.e_sel_mp), p.pt);
  }
  Rect r = EMPTY_RECT;
  for (int32_t j = range_j(s); j < range_k(s); ++j) r = rect_union(r, sub_extent(comp_part(k, e, j)));
  return r;
}

void comp_draw(const Composite_Kind& k, const void* e, Canvas& c, Point origin) {
  for (int32_t j = 0; j < k.n_parts; ++j) {
    Sub_Elt p = comp_part(k, e, j);
    p.kind_p->draw(*p.kind_p, p.e, c, {origin.x + p.pt.x, origin.y + p.pt.y});
  }
}

Region comp_caret_region(const Composite_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  if (!inside_q(s)) return canvas_region_rect(c, rect_shift(comp_sel_bounds(k, e, s), origin));
  Sub_Elt p = comp_part(k, e, s.gen_i);
  return p.kind_p->caret_region(*p.kind_p, p.e, *s.e_sel_mp, c, {origin.x + p.pt.x, origin.y + p.pt.y});
}
