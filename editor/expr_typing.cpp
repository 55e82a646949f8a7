#include <climits>
#include <cstring>

#include "core/code_point.h"
#include "editor/Expr.h"
#include "editor/text_field.h"

namespace {

// What typing did at one level, for the level above.
enum Typed : int32_t {
  TYPED_NOTHING,     // no step applies
  TYPED_PASSED,      // left to the containing element (an operator below the top limit)
  TYPED_REFUSED,     // the text cannot go here
  TYPED_EDITED,      // in place
  TYPED_STR,         // replaced as a whole, by a string
  TYPED_STRUCT,      // replaced as a whole, ending up a structure
  TYPED_CLOSE_HERE,  // a closing delimiter for an enclosing group to step over
  TYPED_STRUCT_CLOSE_HERE,  // both: replaced by a structure, then a closing delimiter
};

bool close_here_q(int32_t typed) { return typed == TYPED_CLOSE_HERE || typed == TYPED_STRUCT_CLOSE_HERE; }

struct Typing {
  const Expr_Env& env;
  Text_Partial_Cmd& cmd;
  const char* rest_p() const { return cmd.text.first_p + cmd.n_consumed; }
  int32_t n_rest() const { return n_elts(cmd.text) - cmd.n_consumed; }
  uint32_t first_cp(int32_t& n_bytes) const {
    const char* p = rest_p();
    uint32_t cp = take_code_point(p, cmd.text.write_p);
    n_bytes = int32_t(p - rest_p());
    return cp;
  }
};

Typed type_at(Expr& e, const Typing& t, Cmd_Args& args, int32_t limit, int32_t depth);

void record(Cmd_Args& args, Sel s, const Byte_Str& text) {
  args.undo.sel_mp = std::make_unique<Sel>(std::move(s));
  args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(Byte_Str(text));
}

Byte_Str cp_text(uint32_t cp) {
  char buf[CODE_POINT_MAX_BYTES];
  return Byte_Str(buf, int32_t(put_code_point(buf, cp) - buf));
}

bool op_start_q(const Expr_Env& env, uint32_t cp) {
  Byte_Str one = cp_text(cp);
  return env.op_lookup(one.first_p, n_elts(one)) != nullptr;
}

// Steps 1a to 1c: an opening delimiter opens a group, a closing one goes to
// the enclosing group, an operator splits the string.
Typed type_at_str_point(Expr& e, const Typing& t, Cmd_Args& args, int32_t limit, int32_t depth) {
  if (t.n_rest() == 0) return TYPED_NOTHING;
  bool record_q = t.cmd.n_consumed == 0;
  const Byte_Str& text = str_of(e).text;
  int32_t k = args.sel_p->gen_i, n_bytes;
  uint32_t cp = t.first_cp(n_bytes);
  if (record_q && t.env.open_q(cp)) {
    t.cmd.n_consumed += n_bytes;
    e = expr_group(expr_str(text.first_p, k), cp, Expr(), t.env.partner(cp),
                   expr_str(text.first_p + k, n_elts(text) - k));
    *args.sel_p = sel_in(2, sel_of(0, 0));
  } else if (t.env.close_q(cp)) {
    return TYPED_CLOSE_HERE;
  } else if (const Op* op = t.env.op_lookup(t.rest_p(), t.n_rest())) {
    if (op->left_prec <= limit) return TYPED_PASSED;
    t.cmd.n_consumed = n_elts(t.cmd.text);
    e = expr_infix(expr_str(text.first_p, k), *op, expr_str(text.first_p + k, n_elts(text) - k));
    *args.sel_p = sel_in(2, sel_of(0, 0));
  } else {
    return TYPED_NOTHING;
  }
  // Deleting the operator or the opening delimiter takes the node away again.
  if (record_q) record(args, sel_of(1, 1), Byte_Str());
  expr_restyle(e, t.env, depth);
  args.changed_q = true;
  return TYPED_EDITED;
}

// A tab separates the parts of a composite (the cells of a row): typing into
// one string stops before it and leaves the rest to the container.
int32_t n_before_tab(const Typing& t) {
  const void* tab_mp = memchr(t.rest_p(), '\t', size_t(t.n_rest()));
  return tab_mp ? int32_t(static_cast<const char*>(tab_mp) - t.rest_p()) : t.n_rest();
}

// Step 1d: the string as a plain text field, up to a tab.
Typed edit_str(Expr& e, const Typing& t, Cmd_Args& args, int32_t depth) {
  int32_t n_typed = n_before_tab(t);
  if (n_typed == 0 && t.n_rest() > 0) return TYPED_NOTHING;
  Text_Partial_Cmd piece{Byte_Str(t.cmd.text.first_p, t.cmd.n_consumed + n_typed)};
  piece.n_consumed = t.cmd.n_consumed;
  Str_Node& s = str_of(e);
  // Typing extends only a record of typing: one that put back an operator
  // or a bracket looks the same but restores no text.
  const Text_Partial_Cmd* prev_mp = static_cast<const Text_Partial_Cmd*>(args.prev_undo_cmd_p);
  if (prev_mp && prev_mp->cmd_n == TEXT_PARTIAL_CMD && t.env.valid_q && !t.env.valid_q(prev_mp->text.first_p, n_elts(prev_mp->text)))
    args.prev_undo_sel_p = nullptr;
  args.cmd_p = &piece;
  try {
    text_type(s.text, str_text_opts(s, t.env.valid_q), args);
  } catch (const Str_Err&) {
    args.cmd_p = &t.cmd;
    throw;
  }
  args.cmd_p = &t.cmd;
  t.cmd.n_consumed = piece.n_consumed;
  s.width = -1;
  const Styl* style_p = &t.env.style(s.text.first_p, n_elts(s.text), depth);
  if (style_p != s.style_p) expr_restyle(e, t.env, depth);
  return TYPED_EDITED;
}

// Characters a string does not take: a tab ends the text for this part, an
// operator or a delimiter makes structure.
bool stop_q(const Expr_Env& env, uint32_t cp) {
  return cp == '\t' || op_start_q(env, cp) || env.open_q(cp) || env.close_q(cp);
}

// The bytes before the first tab, operator or delimiter; with valid_q, also
// before the first character that makes the run invalid.
int32_t leading_run(const Typing& t, bool (*valid_q)(const char*, int32_t)) {
  Byte_Str run;
  const char* p = t.rest_p();
  while (p < t.cmd.text.write_p) {
    const char* q = p;
    uint32_t cp = take_code_point(q, t.cmd.text.write_p);
    if (stop_q(t.env, cp)) break;
    append(run, p, int32_t(q - p));
    if (valid_q && !valid_q(run.first_p, n_elts(run))) break;
    p = q;
  }
  return int32_t(p - t.rest_p());
}

// The string e with the selection s replaced by n_run typed bytes; "Illegal
// text string" when that is no valid text.
Expr spliced(const Expr& e, const Sel& s, const Typing& t, int32_t n_run) {
  const Byte_Str& old = str_of(e).text;
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  Byte_Str text(old.first_p, j);
  append(text, t.rest_p(), n_run);
  append(text, old.first_p + k, n_elts(old) - k);
  if (t.env.valid_q && !t.env.valid_q(text.first_p, n_elts(text))) throw Str_Err("Illegal text string");
  return expr_str(text.first_p, n_elts(text));
}

// The bytes of the next piece of a text typed at once: one operator or
// delimiter character, or a run of others.
int32_t token_len(const Typing& t) {
  const char* p = t.rest_p();
  const char* end_p = t.cmd.text.write_p;
  while (p < end_p) {
    const char* q = p;
    uint32_t cp = take_code_point(q, end_p);
    if (op_start_q(t.env, cp) || t.env.open_q(cp) || t.env.close_q(cp)) return p == t.rest_p() ? int32_t(q - p) : int32_t(p - t.rest_p());
    p = q;
  }
  return int32_t(p - t.rest_p());
}

// Step 2: e replaced as a whole by the typed characters up to the first
// operator or delimiter. Typing with operators or delimiters into a string
// (splice_q) puts those characters in place of the selection instead. The
// rest is typed piece by piece, as if typed key by key; one record undoes it
// all. A replacement that ends up a structure is an operand the level above
// may put in brackets; a splice typed as keys are is not.
Typed replace_whole(Expr& e, const Typing& t, Cmd_Args& args, int32_t limit, int32_t depth) {
  int32_t n_before = t.cmd.n_consumed;
  bool splice_q = e.case_i == EXPR_STYLED_STR1 && !entire_q(*args.sel_p, e);
  int32_t n_run = leading_run(t, splice_q ? nullptr : t.env.valid_q);
  int32_t caret_i = n_run + (splice_q ? std::min(args.sel_p->anchor_i, args.sel_p->gen_i) : 0);
  Expr typed_e = splice_q ? spliced(e, *args.sel_p, t, n_run) : expr_str(t.rest_p(), n_run);
  Byte_Str old_text = expr_text(e);
  Expr old = std::move(e);
  Sel old_sel = sel_copy(*args.sel_p);
  e = std::move(typed_e);
  t.cmd.n_consumed += n_run;
  expr_restyle(e, t.env, depth);
  *args.sel_p = sel_of(caret_i, caret_i);
  Sel* prev_sel_mp = args.prev_undo_sel_p;
  Cmd* prev_cmd_mp = args.prev_undo_cmd_p;
  args.prev_undo_sel_p = nullptr;
  args.prev_undo_cmd_p = nullptr;
  Typed typed = TYPED_EDITED;
  while (t.cmd.n_consumed < n_elts(t.cmd.text)) {
    Text_Partial_Cmd piece{Byte_Str(t.rest_p(), token_len(t))};
    args.cmd_p = &piece;
    // A piece that is not an operator or a delimiter is no valid text.
    if (e.case_i == EXPR_STYLED_STR1) typed = type_at_str_point(e, Typing{t.env, piece}, args, limit, depth);
    else typed = type_at(e, Typing{t.env, piece}, args, limit, depth);
    args.cmd_p = &t.cmd;
    t.cmd.n_consumed += piece.n_consumed;
    if ((typed != TYPED_EDITED && typed != TYPED_STR && typed != TYPED_STRUCT) || piece.n_consumed == 0) break;
  }
  args.prev_undo_sel_p = prev_sel_mp;
  args.prev_undo_cmd_p = prev_cmd_mp;
  args.undo.sel_mp.reset();
  args.undo.cmd_mp.reset();
  if (t.cmd.n_consumed == n_before && (splice_q || n_elts(old_text) == 0 || close_here_q(typed))) {
    // Nothing taken, or only a closing bracket to step over: as if nothing was typed here.
    e = std::move(old);
    *args.sel_p = std::move(old_sel);
    return typed == TYPED_EDITED ? TYPED_NOTHING : typed;
  }
  args.changed_q = true;
  if (n_before == 0) record(args, entire_sel(e), old_text);
  if (splice_q) return close_here_q(typed) ? TYPED_CLOSE_HERE : TYPED_EDITED;
  bool struct_q = e.case_i != EXPR_STYLED_STR1;
  if (close_here_q(typed)) return struct_q ? TYPED_STRUCT_CLOSE_HERE : TYPED_CLOSE_HERE;
  return e.case_i == EXPR_STYLED_STR1 ? TYPED_STR : TYPED_STRUCT;
}

// Step 3: on an operator or a delimiter.
Typed type_on_delim(Expr& e, const Typing& t, Cmd_Args& args, int32_t limit, int32_t depth) {
  int32_t pos = args.sel_p->anchor_i;
  bool record_q = t.cmd.n_consumed == 0;
  if (e.case_i == EXPR_INFIX) {
    CHECK(pos == 1);
    Infix_Node& n = infix_of(e);
    const Op* op_p = t.n_rest() == 0 ? &juxt_op() : t.env.op_lookup(t.rest_p(), t.n_rest());
    if (!op_p) throw Str_Err("Illegal infix operator");
    if (op_p->left_prec <= limit) return TYPED_PASSED;
    t.cmd.n_consumed = n_elts(t.cmd.text);
    if (record_q) record(args, sel_of(1, 1), n.op_p->text);
    n.op_p = op_p;
    expr_restyle(e, t.env, depth);
    args.changed_q = true;
    return TYPED_EDITED;
  }
  CHECK(pos == 1 || pos == 3);
  Group_Node& g = group_of(e);
  Delim& d = pos == 1 ? g.open : g.close;
  uint32_t cp = t.env.partner(g.open.cp);
  if (t.n_rest() > 0) {
    int32_t n_bytes;
    cp = t.first_cp(n_bytes);
    if (n_bytes != t.n_rest() || !(pos == 1 ? t.env.open_q(cp) : t.env.close_q(cp))) return TYPED_REFUSED;
    t.cmd.n_consumed += n_bytes;
  } else if (pos == 1) {
    // Only an empty pair of brackets goes away with its opening one.
    if (!expr_empty_q(g.inner) || g.close.cp != t.env.partner(g.open.cp)) return TYPED_REFUSED;
    Byte_Str old = cp_text(g.open.cp);
    e = expr_infix(std::move(g.prefix), juxt_op(), std::move(g.suffix));
    *args.sel_p = sel_of(1, 1);
    if (record_q) record(args, sel_of(1, 1), old);
    expr_restyle(e, t.env, depth);
    args.changed_q = true;
    return TYPED_EDITED;
  }
  // Deleting a closing bracket that is already its opening one's partner
  // does nothing: like an opening bracket of a group with content, it stays
  // selected, and the next Backspace or Delete moves on past it.
  if (d.cp == cp) return t.cmd.n_consumed == 0 ? TYPED_NOTHING : TYPED_EDITED;
  if (record_q && !args.undo.cmd_mp) record(args, sel_of(pos, pos), cp_text(d.cp));
  d.cp = cp;
  expr_layout_node(e);
  args.changed_q = true;
  return TYPED_EDITED;
}

// The newest undo record's selection inside the part at pos, when it lies there.
Sel* prev_in_part(const Cmd_Args& args, int32_t pos) {
  Sel* p = args.prev_undo_sel_p;
  return p && p->anchor_i == pos && p->gen_i == pos ? p->e_sel_mp.get() : nullptr;
}

bool conflict_q(const Expr& e, int32_t pos, const Expr& part) {
  if (part.case_i == EXPR_STYLED_STR1) return false;
  if (pos == 0) return left_prec(e) > right_prec(part);
  return pos == 2 && e.case_i == EXPR_INFIX && right_prec(e) >= left_prec(part);
}

// A part typed as a whole into a structure that would not keep its meaning
// where it stands goes into parentheses; its undo record then covers them.
void parenthesise(Expr& part, Sel& s, Cmd_Args& part_args, const Expr_Env& env, int32_t depth) {
  Undo_Rec& u = part_args.undo;
  if (cmd_mp(u)) CHECK(sel_mp(u) && entire_q(*sel_mp(u), part) && cmd_mp(u)->cmd_n == TEXT_PARTIAL_CMD);
  part = expr_group(Expr(), '(', std::move(part), ')', Expr());
  expr_restyle(part, env, depth);
  s = sel_in(4, sel_of(0, 0));
  if (u.sel_mp) *u.sel_mp = entire_sel(part);
}

// After an edit on an operator or a delimiter, typing goes on after it; after
// deleting it, before it.
void move_across(Expr& e, Sel& s, bool deleted_q) {
  if (e.case_i == EXPR_STYLED_STR1 || s.anchor_i != s.gen_i || s.anchor_i % 2 == 0) return;
  int32_t pos = deleted_q ? s.anchor_i - 1 : s.anchor_i + 1;
  s = sel_in(pos, edge_sel(expr_part(e, pos), deleted_q));
}

// Whether the rest of the text is a closing bracket other than g's.
bool new_close_q(const Group_Node& g, const Typing& t) {
  if (t.n_rest() == 0) return false;
  int32_t n_bytes;
  uint32_t cp = t.first_cp(n_bytes);
  return n_bytes == t.n_rest() && t.env.close_q(cp) && cp != g.close.cp;
}

void rebalance(Expr& e, const Typing& t, Cmd_Args& args, int32_t depth) {
  std::vector<Sel*> sels = {args.sel_p, args.undo.sel_mp.get()};
  expr_rebalance(e, t.env, depth, sels, args);
}

// Step 4: typing into the part at pos.
Typed type_in_part(Expr& e, const Typing& t, Cmd_Args& args, int32_t depth) {
  Sel& s = *args.sel_p;
  int32_t pos = s.anchor_i;
  Expr& part = expr_part(e, pos);
  int32_t part_depth = depth + (e.case_i == EXPR_INFIX && pos == 2 ? infix_of(e).op_p->format_p->script_n : 0);
  Cmd_Args a(*s.e_sel_mp, t.cmd);
  if ((a.prev_undo_sel_p = prev_in_part(args, pos))) a.prev_undo_cmd_p = args.prev_undo_cmd_p;
  Rect old_areas[5];
  for (int32_t i = 0; i <= last_pos(e); ++i) old_areas[i] = part_area(e, i);
  Typed typed = type_at(part, t, a, INT_MIN, part_depth);
  args.changed_q |= a.changed_q;
  // A replacement ended by a closing bracket keeps its meaning here all the same.
  if ((typed == TYPED_STRUCT || typed == TYPED_STRUCT_CLOSE_HERE) && conflict_q(e, pos, part)) parenthesise(part, *s.e_sel_mp, a, t.env, part_depth);
  expr_hide_parens(e, t.env);
  if (a.changed_q) {
    // Only parts that moved or changed size are drawn again whole.
    expr_layout_node(e);
    for (int32_t i = 0; i <= last_pos(e); ++i) {
      Rect r = part_area(e, i);
      if (r == old_areas[i]) continue;
      inval_add(args, old_areas[i]);
      inval_add(args, r);
    }
  }
  if (nonempty_q(a.inval_bds0)) inval_add(args, rect_shift(a.inval_bds0, part_pt(e, pos)));
  if (a.undo.sel_mp) args.undo.sel_mp = std::make_unique<Sel>(sel_in(pos, std::move(*a.undo.sel_mp)));
  if (a.undo.cmd_mp) args.undo.cmd_mp = std::move(a.undo.cmd_mp);
  if (a.res_cmd_mp) args.res_cmd_mp = std::move(a.res_cmd_mp);
  if (close_here_q(typed)) typed = TYPED_CLOSE_HERE;
  // A closing bracket after the suffix or outside a group is for the group
  // around, which still finds this node balanced.
  if (typed == TYPED_CLOSE_HERE && e.case_i == EXPR_GROUPED && pos != 4) {
    // Text typed into the part that goes on to change the closing bracket
    // is undone as one change of the whole group.
    if (args.undo.cmd_mp && new_close_q(group_of(e), t))
      widen_record(e, *args.undo.sel_mp, static_cast<Text_Partial_Cmd&>(*args.undo.cmd_mp).text);
    // Typing the closing bracket steps over it (or changes it).
    s = sel_of(3, 3);
    typed = type_on_delim(e, t, args, INT_MIN, depth);
    move_across(e, s, false);
  }
  rebalance(e, t, args, depth);
  return typed == TYPED_EDITED || typed == TYPED_STR || typed == TYPED_STRUCT ? TYPED_EDITED : typed;
}

// Typing that replaces the node at this level, or changes an operator or a
// delimiter, redraws the node's old and new extent.
Typed redrawn(Typed typed, const Rect& old, const Expr& e, Cmd_Args& args) {
  if (typed == TYPED_EDITED || typed == TYPED_STR || typed == TYPED_STRUCT) {
    inval_add(args, old);
    inval_add(args, expr_bounds(e));
  }
  return typed;
}

Typed type_at(Expr& e, const Typing& t, Cmd_Args& args, int32_t limit, int32_t depth) {
  Sel& s = *args.sel_p;
  Rect old = expr_bounds(e);
  bool point_q = s.anchor_i == s.gen_i;
  if (e.case_i == EXPR_STYLED_STR1) {
    // A text of several pieces is typed piece by piece, so that replaying
    // the record it makes types it the same way again.
    if (point_q && token_len(t) == t.n_rest()) {
      Typed typed = type_at_str_point(e, t, args, limit, depth);
      if (typed != TYPED_NOTHING) return redrawn(typed, old, e, args);
    }
    // Nothing typed at a point replays the record of typing that was all
    // deleted again: the text field records it once more, for Redo.
    bool replaced_q = entire_q(s, e) && !(point_q && t.n_rest() == 0);
    if (replaced_q || leading_run(t, nullptr) < n_before_tab(t)) return redrawn(replace_whole(e, t, args, limit, depth), old, e, args);
    return edit_str(e, t, args, depth);
  }
  if (!point_q) return redrawn(replace_whole(e, t, args, limit, depth), old, e, args);
  if (s.anchor_i % 2 == 0) return type_in_part(e, t, args, depth);
  bool deleting_q = t.n_rest() == 0;
  Typed typed = type_on_delim(e, t, args, limit, depth);
  if (typed == TYPED_REFUSED || typed == TYPED_PASSED || typed == TYPED_NOTHING) return typed;
  rebalance(e, t, args, depth);
  move_across(e, s, deleting_q);
  return redrawn(typed, old, e, args);
}

}  // namespace

int32_t expr_type(Expr& e, const Expr_Env& env, Cmd_Args& args) {
  CHECK(!nonempty_q(inval_bds0(args)));
  Typing t{env, static_cast<Text_Partial_Cmd&>(*args.cmd_p)};
  switch (type_at(e, t, args, env.top_prec, 0)) {
    case TYPED_NOTHING:
    case TYPED_PASSED: return QUERY_PASSED;
    case TYPED_REFUSED:
    case TYPED_CLOSE_HERE:
    case TYPED_STRUCT_CLOSE_HERE: return QUERY_REFUSED;  // no enclosing group takes it
    default: return 1;
  }
}
