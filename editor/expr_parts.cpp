#include "editor/expr_parts.h"

#include "editor/composite.h"

namespace {

const Text_Opts BARE_OPTS = {nullptr, nullptr, nullptr, 1};

const Expr& expr_of(const void* e) { return *static_cast<const Expr*>(e); }

// An operator or a delimiter holds no selection of its own: the expression
// selects it as a bare position, routing as a part with a placeholder inside.
Sel op_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }
Rect op_sel_bounds(const Gui_Kind&, const void*, const Sel&) { return EMPTY_RECT; }
int32_t op_query(const Gui_Kind&, const void*, const Sel&, Cmd&) { return QUERY_PASSED; }
void op_perform(const Gui_Kind&, void*, Cmd_Args&) {}
Rect op_bounds(const Gui_Kind&, const void*) { return EMPTY_RECT; }
void op_draw(const Gui_Kind&, const void*, Canvas&, Point) {}
void no_release(const Gui_Kind&, void*) {}

const Gui_Kind OP_PART_OPS = {op_initial_sel, op_sel_bounds, op_query, op_perform, op_bounds, op_draw, caret_region_of_sel_bounds, no_release};

Sel part_initial_sel(const Gui_Kind&, const void* e) { return edge_sel(expr_of(e), false); }
Rect part_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) { return expr_sel_bounds(expr_of(e), s); }
int32_t part_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) { return expr_nav_query(expr_of(e), s, c); }
void part_perform(const Gui_Kind&, void* e, Cmd_Args& args) { expr_nav_perform(*static_cast<Expr*>(e), args); }
Rect part_bounds(const Gui_Kind&, const void* e) { return expr_bounds(expr_of(e)); }
void part_draw(const Gui_Kind&, const void* e, Canvas& c, Point at) {
  expr_draw(expr_of(e), c, at, rect_shift(expr_bounds(expr_of(e)), at));
}

// A sub-expression as a part: navigation only, edits go through typing.
const Gui_Kind EXPR_PART_OPS = {part_initial_sel, part_sel_bounds, part_query, part_perform, part_bounds, part_draw, caret_region_of_sel_bounds, no_release};

void* node_part_p(const Composite_Kind&, const void* e, int32_t j) {
  const Expr& x = expr_of(e);
  if (j % 2) return x.node_p;
  return &expr_part(x, j);
}
Point node_part_pt(const Composite_Kind&, const void* e, int32_t j) { return part_pt(expr_of(e), j); }
// A fraction or a line stack reads downward.
bool node_column_q(const Composite_Kind&, const void* e) {
  const Expr& x = expr_of(e);
  return x.case_i == EXPR_INFIX && infix_of(x).op_p->format_p->layout_i == STACKED_LAYOUT;
}
void no_relayout(const Composite_Kind&, void*) {}
void no_mark(const Composite_Kind&, void*, int32_t) {}

const Parts_Access NODE_ACCESS = {node_part_p, node_part_pt, node_column_q, no_relayout, no_mark};

// Operators and delimiters are stops: the keyboard reaches them to replace
// or delete them (Backspace after "+" selects it by a Shift step).
const Part_Kind INFIX_PARTS[] = {{&EXPR_PART_OPS, 1}, {&OP_PART_OPS, 1}, {&EXPR_PART_OPS, 1}};
const Part_Kind GROUP_PARTS[] = {{&EXPR_PART_OPS, 1}, {&OP_PART_OPS, 1}, {&EXPR_PART_OPS, 1}, {&OP_PART_OPS, 1}, {&EXPR_PART_OPS, 1}};
const Composite_Kind INFIX_COMP = {EXPR_PART_OPS, INFIX_PARTS, 3, {ROW_LAYOUT, 0}, false, &NODE_ACCESS};
const Composite_Kind GROUP_COMP = {EXPR_PART_OPS, GROUP_PARTS, 5, {ROW_LAYOUT, 0}, false, &NODE_ACCESS};

const Composite_Kind& comp_of(const Expr& e) { return e.case_i == EXPR_INFIX ? INFIX_COMP : GROUP_COMP; }

bool bare_op_q(const Sel& s) { return s.anchor_i == s.gen_i && s.anchor_i % 2; }

// The expression's bare operator position as a composite sees it, and back.
void to_comp(Sel& s) {
  if (bare_op_q(s) && !s.e_sel_mp) s.e_sel_mp = std::make_unique<Sel>(sel_of(0, 0));
}
void from_comp(Sel& s) {
  if (bare_op_q(s)) s.e_sel_mp.reset();
}

bool nav_cmd_q(const Cmd& c) { return c.cmd_n == ARROW_CMD || c.cmd_n == SELECT_MORE_CMD; }

}  // namespace

int32_t expr_nav_query(const Expr& e, const Sel& s, Cmd& c) {
  if (!nav_cmd_q(c)) return QUERY_PASSED;
  if (e.case_i == EXPR_STYLED_STR1) return text_query(str_of(e).text, BARE_OPTS, s, c);
  Sel s2 = sel_copy(s);
  to_comp(s2);
  return comp_query(comp_of(e), &e, s2, c);
}

void expr_nav_perform(Expr& e, Cmd_Args& args) {
  if (!nav_cmd_q(*args.cmd_p)) return;
  if (e.case_i == EXPR_STYLED_STR1) {
    text_perform(str_of(e).text, BARE_OPTS, args);
    return;
  }
  to_comp(*args.sel_p);
  comp_perform(comp_of(e), &e, args);
  from_comp(*args.sel_p);
}
