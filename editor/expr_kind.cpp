#include <new>

#include "core/code_point.h"
#include "editor/Expr.h"
#include "editor/expr_parts.h"

namespace {

const Expr& expr_of(const void* e) { return *static_cast<const Expr*>(e); }
const Expr_Kind& kind_of(const Gui_Kind& k) { return reinterpret_cast<const Expr_Kind&>(k); }

Sel initial_sel(const Gui_Kind&, const void* e) { return edge_sel(expr_of(e), false); }

bool copyable_q(const Expr& e, const Sel& s) {
  if (e.case_i == EXPR_STYLED_STR1) return s.anchor_i != s.gen_i;
  return s.anchor_i != s.gen_i || s.anchor_i % 2 || copyable_q(expr_part(e, s.anchor_i), *s.e_sel_mp);
}

// Typing is asked by typing into a copy: what the copy takes, the real one would.
// The string holding the insertion point of s, if s ends in one.
const Expr* str_point_mp(const Expr& e, const Sel& s) {
  if (s.anchor_i != s.gen_i) return nullptr;
  if (e.case_i == EXPR_STYLED_STR1) return &e;
  return s.anchor_i % 2 == 0 ? str_point_mp(expr_part(e, s.anchor_i), *s.e_sel_mp) : nullptr;
}

// Plain characters typed into a string go in as they are when they keep it
// valid: the common keystroke is answered without typing into a copy. A tab
// ends the typing in the string, so it is not plain.
bool plain_chars_q(const Expr_Env& env, const Byte_Str& text, int32_t from_i) {
  for (const char* p = text.first_p + from_i; p < text.write_p;) {
    const char* q = p;
    uint32_t cp = take_code_point(q, text.write_p);
    if (cp == '\t' || env.open_q(cp) || env.close_q(cp) || env.op_lookup(p, int32_t(q - p))) return false;
    p = q;
  }
  return true;
}

int32_t plain_typing_answer(const Expr_Kind& k, const Expr& str, const Sel& leaf, Text_Partial_Cmd& c) {
  const Byte_Str& t = str_of(str).text;
  Byte_Str out(t.first_p, leaf.gen_i);
  append(out, c.text.first_p + c.n_consumed, n_elts(c.text) - c.n_consumed);
  append(out, t.first_p + leaf.gen_i, n_elts(t) - leaf.gen_i);
  if (k.env_p->valid_q && !k.env_p->valid_q(out.first_p, n_elts(out))) return QUERY_REFUSED;
  c.n_consumed = n_elts(c.text);
  return k.accept_n;
}

int32_t text_query(const Expr_Kind& k, const Expr& e, const Sel& s, Text_Partial_Cmd& c) {
  if (const Expr* str_mp = str_point_mp(e, s)) {
    // Deleting at an insertion point is for the element around to select first.
    if (c.n_consumed >= n_elts(c.text)) return QUERY_PASSED;
    const Sel* leaf = &s;
    while (leaf->e_sel_mp) leaf = leaf->e_sel_mp.get();
    if (!expr_empty_q(*str_mp) && plain_chars_q(*k.env_p, c.text, c.n_consumed)) return plain_typing_answer(k, *str_mp, *leaf, c);
  }
  Expr e2 = expr_copy(e);
  Sel s2 = sel_copy(s);
  Text_Partial_Cmd c2{Byte_Str(c.text)};
  c2.n_consumed = c.n_consumed;
  Cmd_Args args(s2, c2);
  int32_t answer;
  try {
    answer = expr_type(e2, *k.env_p, args);
  } catch (const Str_Err&) {
    return QUERY_REFUSED;
  }
  if (answer <= 0) return answer;
  if (!args.changed_q && c2.n_consumed == c.n_consumed && sel_equal_q(s, s2)) return QUERY_PASSED;
  c.n_consumed = c2.n_consumed;
  return k.accept_n;
}

int32_t query(const Gui_Kind& k, const void* ev, const Sel& s, Cmd& c) {
  const Expr& e = expr_of(ev);
  switch (c.cmd_n) {
    case SELECT_ALL_CMD: return entire_q(s, e) ? QUERY_PASSED : 1;
    case COPY_CMD: return copyable_q(e, s);
    case ARROW_CMD:
    case SELECT_MORE_CMD: return expr_nav_query(e, s, c);
    case TEXT_PARTIAL_CMD: return text_query(kind_of(k), e, s, static_cast<Text_Partial_Cmd&>(c));
    case MOUSE_CMD: return IBEAM_CURSOR;
    default: return QUERY_PASSED;
  }
}

// The expression lies with its alignment point on x = 0.
Point origin_of(const Expr& e) { return {-expr_align_x(e), 0}; }

// A press puts the insertion point nearest to the click, a double click
// selects the name or number there. A drag or a Shift click extends within
// one string; across the parts of a node it selects the whole node, as a
// range there always does.
void mouse(const Expr& e, Sel& s, const Mouse_Cmd& m) {
  Point o = origin_of(e);
  Sel hit = expr_hit(e, {m.pt.x - o.x, m.pt.y - o.y}, (m.mods & (DOUBLE_MOD | SHIFT_MOD)) == DOUBLE_MOD);
  if (m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD)) {
    s = std::move(hit);
    return;
  }
  const Expr* n = &e;
  Sel* a = &s;
  const Sel* h = &hit;
  while (a->e_sel_mp && h->e_sel_mp && a->anchor_i == a->gen_i && a->anchor_i == h->anchor_i)
    n = &expr_part(*n, a->anchor_i), a = a->e_sel_mp.get(), h = h->e_sel_mp.get();
  if (n->case_i == EXPR_STYLED_STR1) {
    a->gen_i = h->gen_i;
    return;
  }
  // The caret goes to the side the pointer went.
  int32_t end = last_pos(*n) + 1;
  *a = h->anchor_i >= std::min(a->anchor_i, a->gen_i) ? sel_of(0, end) : sel_of(end, 0);
}

void perform(const Gui_Kind& k, void* ev, Cmd_Args& args) {
  Expr& e = *static_cast<Expr*>(ev);
  switch (args.cmd_p->cmd_n) {
    case SELECT_ALL_CMD: *args.sel_p = entire_sel(e); break;
    case COPY_CMD: static_cast<Copy_Cmd&>(*args.cmd_p).out = expr_sel_text(e, *args.sel_p); break;
    case ARROW_CMD:
    case SELECT_MORE_CMD:
      expr_nav_perform(e, args);
      if (nonempty_q(args.inval_bds0)) args.inval_bds0 = rect_shift(args.inval_bds0, origin_of(e));
      break;
    case MOUSE_CMD: mouse(e, *args.sel_p, static_cast<const Mouse_Cmd&>(*args.cmd_p)); break;
    case TEXT_PARTIAL_CMD: {
      Point o0 = origin_of(e);
      Rect old = rect_shift(expr_bounds(e), o0);
      expr_type(e, *kind_of(k).env_p, args);
      Point o1 = origin_of(e);
      if (nonempty_q(args.inval_bds0)) args.inval_bds0 = rect_shift(args.inval_bds0, o1);
      if (o0 == o1) break;
      // A new alignment point moves everything.
      inval_add(args, old);
      inval_add(args, rect_shift(expr_bounds(e), o1));
      break;
    }
    default: break;
  }
}

Rect sel_bounds(const Gui_Kind&, const void* ev, const Sel& s) {
  return rect_shift(expr_sel_bounds(expr_of(ev), s), origin_of(expr_of(ev)));
}

Rect bounds(const Gui_Kind&, const void* ev) { return rect_shift(expr_bounds(expr_of(ev)), origin_of(expr_of(ev))); }

void draw(const Gui_Kind&, const void* ev, Canvas& c, Point at) {
  Point o = origin_of(expr_of(ev));
  Point origin = {at.x + o.x, at.y + o.y};
  expr_draw(expr_of(ev), c, origin, rect_shift(expr_bounds(expr_of(ev)), origin));
}

void release(const Gui_Kind&, void* e) { delete static_cast<Expr*>(e); }

}  // namespace

const Gui_Kind EXPR_OPS = {initial_sel, sel_bounds, query, perform, bounds, draw, caret_region_of_sel_bounds, release};

Expr* expr_new(const Expr_Env& env) {
  Expr* e = new Expr();
  expr_restyle(*e, env, 0);
  return e;
}
