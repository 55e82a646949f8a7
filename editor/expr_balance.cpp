#include "core/code_point.h"
#include "editor/Expr.h"

namespace {

bool plain_parens_q(const Expr& e) {
  if (e.case_i != EXPR_GROUPED) return false;
  const Group_Node& g = group_of(e);
  return g.open.cp == '(' && g.close.cp == ')' && expr_empty_q(g.prefix) && expr_empty_q(g.suffix);
}

// A group in part pos of e shows its delimiters unless hide_q and they are
// plain parentheses.
void show_parens(Expr& e, int32_t pos, bool hide_q) {
  Expr& part = expr_part(e, pos);
  if (part.case_i != EXPR_GROUPED) return;
  hide_q = hide_q && plain_parens_q(part);
  Group_Node& g = group_of(part);
  if (g.open.shown_q == !hide_q && g.close.shown_q == !hide_q) return;
  g.open.shown_q = g.close.shown_q = !hide_q;
  expr_layout_node(part);
}

bool raises_right_q(const Expr& e) {
  return e.case_i == EXPR_INFIX && (infix_of(e).op_p->format_p->hide_parens_n & HIDE_RIGHT_PARENS);
}

bool point_q(const Sel& s) { return s.anchor_i == s.gen_i; }

// Rotations and merges move parts between nodes; a selection at the node's
// level is rewritten to point into the same place afterwards. A range that a
// move would cut becomes the range of all parts of the new node.
//
// At the last position L: the last part F takes the node's place and the
// node becomes F's first part, holding F's old first part at L.
void map_rotated_last(Sel& s, int32_t l, int32_t lf) {
  if (point_q(s) && s.anchor_i == l) {
    Sel n = std::move(*s.e_sel_mp);
    if (point_q(n) && n.anchor_i == 0) s = sel_in(0, sel_in(l, std::move(*n.e_sel_mp)));
    else if (!point_q(n) && std::min(n.anchor_i, n.gen_i) == 0) s = sel_of(0, std::max(n.anchor_i, n.gen_i));
    else s = std::move(n);
  } else if (point_q(s) || std::max(s.anchor_i, s.gen_i) <= l) {
    s = sel_in(0, std::move(s));
  } else {
    s = sel_of(0, lf + 1);
  }
}

// At position 0 symmetrically: the first part F takes the node's place and
// the node becomes F's last part, holding F's old last part at 0.
void map_rotated_first(Sel& s, int32_t lf) {
  if (point_q(s) && s.anchor_i == 0) {
    Sel n = std::move(*s.e_sel_mp);
    if (point_q(n) && n.anchor_i == lf) s = sel_in(lf, sel_in(0, std::move(*n.e_sel_mp)));
    else if (!point_q(n) && std::max(n.anchor_i, n.gen_i) == lf + 1) s = sel_of(std::min(n.anchor_i, n.gen_i), lf + 1);
    else s = std::move(n);
  } else if (point_q(s) || std::min(s.anchor_i, s.gen_i) >= 1) {
    s = sel_in(lf, std::move(s));
  } else {
    s = sel_of(0, lf + 1);
  }
}

// Juxtaposed strings x and z become one: offsets in z move by x's length.
void map_merged(Sel& s, int32_t nx, int32_t n) {
  auto start = [&](int32_t pos) { return pos == 0 ? 0 : nx; };
  if (point_q(s)) {
    int32_t i = s.anchor_i == 1 ? nx : start(s.anchor_i) + s.e_sel_mp->anchor_i;
    int32_t k = s.anchor_i == 1 ? nx : start(s.anchor_i) + s.e_sel_mp->gen_i;
    s = sel_of(i, k);
    return;
  }
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  s = sel_of(start(j), k == 3 ? n : nx);
}

// The nested selections of those that lie inside the part at pos, in the
// same places (none for the others).
std::vector<Sel*> sels_in(const std::vector<Sel*>& sels, int32_t pos) {
  std::vector<Sel*> out;
  for (Sel* s : sels) out.push_back(s && point_q(*s) && s->anchor_i == pos ? s->e_sel_mp.get() : nullptr);
  return out;
}

void rotate_last(Expr& e, std::vector<Sel*>& sels) {
  int32_t l = last_pos(e);
  Expr f = std::move(expr_part(e, l));
  int32_t lf = last_pos(f);
  expr_part(e, l) = std::move(expr_part(f, 0));
  expr_part(f, 0) = std::move(e);
  e = std::move(f);
  for (Sel* s : sels)
    if (s) map_rotated_last(*s, l, lf);
}

void rotate_first(Expr& e, std::vector<Sel*>& sels) {
  Expr f = std::move(expr_part(e, 0));
  int32_t lf = last_pos(f);
  expr_part(e, 0) = std::move(expr_part(f, lf));
  expr_part(f, lf) = std::move(e);
  e = std::move(f);
  for (Sel* s : sels)
    if (s) map_rotated_first(*s, lf);
}

bool juxtaposed_strs_q(const Expr& e) {
  return e.case_i == EXPR_INFIX && infix_of(e).op_p == &juxt_op() && infix_of(e).x.case_i == EXPR_STYLED_STR1 &&
         infix_of(e).z.case_i == EXPR_STYLED_STR1;
}

// A record that replaces a range of the part at pos would be cut by moving
// that part: it is widened to replace all of e, whose old text it then holds.
void widen_cut_record(const Expr& e, int32_t pos, const std::vector<Sel*>& sels, Cmd_Args& args) {
  Sel* u = sels.size() > 1 ? sels[1] : nullptr;
  if (!u || !args.undo.cmd_mp || !point_q(*u) || u->anchor_i != pos || !u->e_sel_mp || point_q(*u->e_sel_mp)) return;
  if (expr_part(e, pos).case_i == EXPR_STYLED_STR1) return;
  widen_record(e, *u, static_cast<Text_Partial_Cmd&>(*args.undo.cmd_mp).text);
}

}  // namespace

const void* op_format_info(const Infix_Node& n, const Expr_Env& env, int32_t depth) {
  const Format& f = *n.op_p->format_p;
  const Byte_Str& t = n.op_p->text;
  bool own_text_q = n_elts(t) == n_elts(f.display_text) && std::memcmp(t.first_p, f.display_text.first_p, size_t(n_elts(t))) == 0;
  const char* p = t.first_p;
  if (own_text_q && (!env.source_form_q || take_code_point(p, t.write_p) == SUBSCRIPT_CP)) return nullptr;
  if (f.needs_node_q) return &n;
  return env.format_info ? env.format_info(f, depth) : nullptr;
}

void expr_restyle(Expr& e, const Expr_Env& env, int32_t depth) {
  switch (e.case_i) {
    case EXPR_STYLED_STR1: {
      Str_Node& s = str_of(e);
      s.style_p = &env.style(s.text.first_p, n_elts(s.text), depth);
      s.width = -1;
      break;
    }
    case EXPR_INFIX: {
      Infix_Node& n = infix_of(e);
      expr_restyle(n.x, env, depth);
      expr_restyle(n.z, env, depth + n.op_p->format_p->script_n);
      n.info_mp = op_format_info(n, env, depth);
      const Byte_Str& t = n.op_p->text;
      n.op_style_p = &env.style(t.first_p, n_elts(t), depth);
      n.op_text_bds = n.info_mp ? styled_str_bounds(t.first_p, n_elts(t), *n.op_style_p) : NO_BOUNDS;
      break;
    }
    default: {
      Group_Node& g = group_of(e);
      for (int32_t pos : {0, 2, 4}) expr_restyle(expr_part(e, pos), env, depth);
      g.open.shown_q = g.close.shown_q = true;
    }
  }
  expr_hide_parens(e, env);
  expr_layout_node(e);
}

void expr_hide_parens(Expr& e, const Expr_Env& env) {
  if (e.case_i == EXPR_INFIX) {
    int32_t hide_n = infix_of(e).op_p->format_p->hide_parens_n;
    show_parens(e, 0, !env.source_form_q && (hide_n & HIDE_LEFT_PARENS));
    show_parens(e, 2, !env.source_form_q && (hide_n & HIDE_RIGHT_PARENS));
  } else if (e.case_i == EXPR_GROUPED) {
    // A bracketed power before a group, as in (x^2)(y), loses its brackets.
    const Expr& prefix = group_of(e).prefix;
    show_parens(e, 0, !env.source_form_q && plain_parens_q(prefix) && raises_right_q(group_of(prefix).inner));
    show_parens(e, 2, false);
    show_parens(e, 4, false);
  }
}

void expr_rebalance(Expr& e, const Expr_Env& env, int32_t depth, std::vector<Sel*>& sels, Cmd_Args& args) {
  if (e.case_i == EXPR_STYLED_STR1) return;
  Rect old = expr_bounds(e);
  int32_t l = last_pos(e);
  int32_t rp = right_prec(expr_part(e, 0)), lp = left_prec(expr_part(e, l));
  if (rp < lp && rp < left_prec(e)) {
    widen_cut_record(e, 0, sels, args);
    rotate_first(e, sels);
    int32_t lf = last_pos(e);
    std::vector<Sel*> moved = sels_in(sels, lf);
    expr_rebalance(expr_part(e, lf), env, depth, moved, args);
    expr_restyle(e, env, depth);
  } else if (rp >= lp && lp <= right_prec(e)) {
    widen_cut_record(e, l, sels, args);
    rotate_last(e, sels);
    std::vector<Sel*> moved = sels_in(sels, 0);
    expr_rebalance(expr_part(e, 0), env, depth, moved, args);
    expr_restyle(e, env, depth);
  } else if (juxtaposed_strs_q(e)) {
    // Deleting an operator between two strings leaves one string.
    Infix_Node& n = infix_of(e);
    int32_t nx = n_elts(str_of(n.x).text);
    Expr merged = std::move(n.x);
    append(str_of(merged).text, str_of(n.z).text);
    e = std::move(merged);
    for (Sel* s : sels)
      if (s) map_merged(*s, nx, n_elts(str_of(e).text));
    expr_restyle(e, env, depth);
  } else {
    return;
  }
  // Parts keep their places on screen only as far as the layout allows.
  inval_add(args, old);
  inval_add(args, expr_bounds(e));
}
