// The structured expression: a tree of styled strings, infix operations and
// bracketed groups that stays consistent with operator precedence while the
// user types into it. Fractions, line stacks, powers and subscripts are infix
// operators whose format lays them out in two dimensions.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "draw/geom.h"
#include "draw/math_layout.h"
#include "draw/styl.h"
#include "editor/gui_kind.h"
#include "editor/text_field.h"

enum Expr_Case : int32_t { EXPR_STYLED_STR1, EXPR_INFIX, EXPR_GROUPED };

enum Layout_Rule : int32_t { HORIZONTAL_LAYOUT, SUPERSCRIPT_LAYOUT, SUBSCRIPT_LAYOUT, STACKED_LAYOUT };

// Bits of Format::hide_parens_n: parentheses not drawn around that operand.
constexpr int32_t HIDE_RIGHT_PARENS = 1, HIDE_LEFT_PARENS = 2;

// How an operator is laid out; shared by operators, never changed.
struct Format {
  int32_t script_n;  // 1 when the operands after it are set smaller
  int32_t layout_i;  // a Layout_Rule
  bool needs_node_q;  // the format information is the node itself
  Byte_Str display_text;  // an operator with this text is invisible
  int32_t hide_parens_n;
};

// Shared, never changed after creation; a larger precedence binds tighter.
struct Op {
  Byte_Str text;  // empty for juxtaposition
  int32_t left_prec, right_prec;
  const Format* format_p;
};

constexpr int32_t STR_PREC = 2147483647;
constexpr int32_t GROUP_LEFT_PREC = 2147483644, GROUP_RIGHT_PREC = 2147483645;
constexpr int32_t JUXT_PREC = 2147483646;

// The standard table, built on first use; none when text is no operator.
const Op* std_op_lookup(const char* text, int32_t n_bytes);
const Op& juxt_op();
// Subscript arrow, the line break and the stacked format, which typing treats specially.
constexpr uint32_t SUBSCRIPT_CP = 0x2193;
// Reading a stored expression: raises Syntax_Err "Infix operator not found:  "
// followed by the text when it is not in the table.
const Op& stored_op(const Byte_Str& text);

struct Expr_Node : Pool_Obj {};

// A case number and an owned node; a new Expr is the empty string.
struct Expr : Pool_Obj {
  int32_t case_i = EXPR_STYLED_STR1;
  Expr_Node* node_p;
  Expr();
  explicit Expr(const char* text);
  Expr(Expr&& o) noexcept;
  Expr& operator=(Expr&& o) noexcept;
  Expr(const Expr&) = delete;
  Expr& operator=(const Expr&) = delete;
  ~Expr();
};

struct Str_Node : Expr_Node {
  Byte_Str text;
  int32_t width = -1;  // canvas units; -1 until measured
  const Styl* style_p = nullptr;
};

struct Delim {
  uint32_t cp;
  bool shown_q = true;
};

struct Infix_Node : Expr_Node {
  Rect bds = EMPTY_RECT;
  int32_t layout_w = 0;
  Expr x;
  const Op* op_p;
  const void* info_mp = nullptr;  // format information; none draws the operator invisibly
  Expr z;
  Point pts[3] = {};
  const Styl* op_style_p = nullptr;
  Rect op_text_bds = NO_BOUNDS;  // the operator's text as measured
  Rect op_bds = NO_BOUNDS;       // as laid out, relative to pts[1]: for stacks, the bar's
};

struct Group_Node : Expr_Node {
  Rect bds = EMPTY_RECT;
  int32_t layout_w = 0;
  Expr prefix;
  Delim open;
  Expr inner;
  Delim close;
  Expr suffix;
  Point pts[5] = {};
  Rect open_bds = NO_BOUNDS, close_bds = NO_BOUNDS;  // relative to pts[1] and pts[3]
};

inline Str_Node& str_of(const Expr& e) { return *static_cast<Str_Node*>(e.node_p); }
inline Infix_Node& infix_of(const Expr& e) { return *static_cast<Infix_Node*>(e.node_p); }
inline Group_Node& group_of(const Expr& e) { return *static_cast<Group_Node*>(e.node_p); }

Expr expr_str(const char* bytes, int32_t n_bytes);
Expr expr_infix(Expr x, const Op& op, Expr z);
Expr expr_group(Expr prefix, uint32_t open, Expr inner, uint32_t close, Expr suffix);
Expr expr_copy(const Expr& e);
bool expr_empty_q(const Expr& e);
// The last position: 0 for a string, 2 for an infix, 4 for a group.
int32_t last_pos(const Expr& e);
// The sub-expression at an even position of a node.
Expr& expr_part(const Expr& e, int32_t pos);
int32_t left_prec(const Expr& e);
int32_t right_prec(const Expr& e);

// The text of an expression: its strings, operators and delimiters in order.
Byte_Str expr_text(const Expr& e);
void append_expr_text(Byte_Str& out, const Expr& e);
// The text of a node's parts j to k - 1.
void append_parts_text(Byte_Str& out, const Expr& e, int32_t j, int32_t k);
// The selected text: a range at a node's level is the whole node's.
Byte_Str expr_sel_text(const Expr& e, const Sel& s);
// Widens the undo record (u, text), made by a change at or below e, so that
// it replaces all of e by the text e held before that change.
void widen_record(const Expr& e, Sel& u, Byte_Str& text);

// What the owner of an expression supplies.
struct Expr_Env {
  const Op* (*op_lookup)(const char* text, int32_t n_bytes);
  bool (*open_q)(uint32_t cp);
  bool (*close_q)(uint32_t cp);
  uint32_t (*partner)(uint32_t open_cp);
  bool (*valid_q)(const char* text, int32_t n_bytes);  // of a string's characters
  const Styl& (*style)(const char* text, int32_t n_bytes, int32_t depth);
  const void* (*format_info)(const Format& f, int32_t depth);
  int32_t top_prec;  // operators must bind tighter than this at the top level
  bool source_form_q;
};

// The kind of one sort of expression: the expression operations and its environment.
struct Expr_Kind {
  Gui_Kind kind;
  const Expr_Env* env_p;
  int32_t accept_n;  // the answer to a text query it takes
};
extern const Gui_Kind EXPR_OPS;
// A content for a controller to own, released through the kind.
Expr* expr_new(const Expr_Env& env);

// Recomputes styles, format information and hidden parentheses below e.
void expr_restyle(Expr& e, const Expr_Env& env, int32_t depth);
// Hides or shows the plain parentheses of e's parts, as e's operator wants.
void expr_hide_parens(Expr& e, const Expr_Env& env);
// The format information of an infix node's operator at this script depth.
const void* op_format_info(const Infix_Node& n, const Expr_Env& env, int32_t depth);

// Whether s selects all of e: a range over all of a node's parts, or all of a string.
bool entire_q(const Sel& s, const Expr& e);
// Selection of all of e.
Sel entire_sel(const Expr& e);
// An insertion point at pos with nested selection inner.
Sel sel_in(int32_t pos, Sel inner);
// The selection at the start (end_q false) or end of e.
Sel edge_sel(const Expr& e, bool end_q);
bool sel_equal_q(const Sel& a, const Sel& b);
// Whether s is a valid selection in e.
bool expr_sel_valid_q(const Expr& e, const Sel& s);

// Rebalances e after an edit in one of its parts: rotations that restore
// precedence, and the merging of juxtaposed strings. The selections given,
// at e's level, follow the parts they point into; the second is the undo
// record's, widened to all of a node when a rotation would cut its range.
void expr_rebalance(Expr& e, const Expr_Env& env, int32_t depth, std::vector<Sel*>& sels, Cmd_Args& args);

// Typing (TEXT_PARTIAL_CMD) into e with the selection in args; the top-level
// limit applies only at the top. Gives 1 when taken, QUERY_PASSED when the
// text is for the containing element, QUERY_REFUSED when it cannot go here.
// May raise Str_Err.
int32_t expr_type(Expr& e, const Expr_Env& env, Cmd_Args& args);

// Layout: a string measures itself, a node places its parts from their
// cached bounds, so an edit lays out only the nodes above it.
void expr_layout_node(Expr& e);
// The node's bounds around its origin (cached; a string's measured).
Rect expr_bounds(const Expr& e);
// The point of a node's part, and where the part lies in the node.
Point part_pt(const Expr& e, int32_t pos);
Rect part_area(const Expr& e, int32_t pos);
// The x lying on the alignment line of a column: a decimal point, the
// number after a sign, or else the middle.
int32_t expr_align_x(const Expr& e);
// The plain text field options of a string: its style, the validity test given.
Text_Opts str_text_opts(const Str_Node& s, bool (*valid_q)(const char*, int32_t));
// Draws e with its origin at origin; only parts that reach into area (in the
// same coordinates) are drawn.
void expr_draw(const Expr& e, Canvas& c, Point origin, const Rect& area);
// What shows the selection: the caret, the operator or delimiter, or the parts.
Rect expr_sel_bounds(const Expr& e, const Sel& s);
// The insertion point nearest to p (e's coordinates); a double click selects
// the string there.
Sel expr_hit(const Expr& e, Point p, bool word_q);
