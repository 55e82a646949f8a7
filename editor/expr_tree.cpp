#include "core/code_point.h"
#include "editor/Expr.h"

namespace {

void free_node(int32_t case_i, Expr_Node* n) {
  switch (case_i) {
    case EXPR_STYLED_STR1: delete static_cast<Str_Node*>(n); break;
    case EXPR_INFIX: delete static_cast<Infix_Node*>(n); break;
    case EXPR_GROUPED: delete static_cast<Group_Node*>(n); break;
    default: CHECK(false);
  }
}

void append_cp(Byte_Str& out, uint32_t cp) {
  char buf[CODE_POINT_MAX_BYTES];
  append(out, buf, int32_t(put_code_point(buf, cp) - buf));
}

}  // namespace

Expr::Expr() : node_p(new Str_Node()) {}

Expr::Expr(const char* text) : node_p(new Str_Node()) { assign(str_of(*this).text, text); }

Expr::Expr(Expr&& o) noexcept : case_i(o.case_i), node_p(o.node_p) {
  o.case_i = EXPR_STYLED_STR1;
  o.node_p = nullptr;
}

Expr& Expr::operator=(Expr&& o) noexcept {
  std::swap(case_i, o.case_i);
  std::swap(node_p, o.node_p);
  return *this;
}

Expr::~Expr() {
  if (node_p) free_node(case_i, node_p);
}

Expr expr_str(const char* bytes, int32_t n_bytes) {
  Expr e;
  append(str_of(e).text, bytes, n_bytes);
  return e;
}

Expr expr_infix(Expr x, const Op& op, Expr z) {
  Expr e;
  free_node(e.case_i, e.node_p);
  e.node_p = nullptr;  // so that running out of the pool below leaves nothing freed twice
  Infix_Node* n = new Infix_Node();
  n->x = std::move(x);
  n->op_p = &op;
  n->z = std::move(z);
  e.case_i = EXPR_INFIX;
  e.node_p = n;
  return e;
}

Expr expr_group(Expr prefix, uint32_t open, Expr inner, uint32_t close, Expr suffix) {
  Expr e;
  free_node(e.case_i, e.node_p);
  e.node_p = nullptr;  // so that running out of the pool below leaves nothing freed twice
  Group_Node* n = new Group_Node();
  n->prefix = std::move(prefix);
  n->open.cp = open;
  n->inner = std::move(inner);
  n->close.cp = close;
  n->suffix = std::move(suffix);
  e.case_i = EXPR_GROUPED;
  e.node_p = n;
  return e;
}

Expr expr_copy(const Expr& e) {
  switch (e.case_i) {
    case EXPR_STYLED_STR1: {
      Expr c;
      str_of(c) = str_of(e);
      return c;
    }
    case EXPR_INFIX: {
      const Infix_Node& n = infix_of(e);
      Expr c = expr_infix(expr_copy(n.x), *n.op_p, expr_copy(n.z));
      Infix_Node& m = infix_of(c);
      m.bds = n.bds;
      m.layout_w = n.layout_w;
      // The stacked format's information is the node itself.
      m.info_mp = n.info_mp == &n ? &m : n.info_mp;
      std::copy(n.pts, n.pts + 3, m.pts);
      return c;
    }
    default: {
      const Group_Node& n = group_of(e);
      Expr c = expr_group(expr_copy(n.prefix), n.open.cp, expr_copy(n.inner), n.close.cp, expr_copy(n.suffix));
      Group_Node& m = group_of(c);
      m.bds = n.bds;
      m.layout_w = n.layout_w;
      m.open = n.open;
      m.close = n.close;
      std::copy(n.pts, n.pts + 5, m.pts);
      return c;
    }
  }
}

bool expr_empty_q(const Expr& e) { return e.case_i == EXPR_STYLED_STR1 && n_elts(str_of(e).text) == 0; }

int32_t last_pos(const Expr& e) { return e.case_i == EXPR_STYLED_STR1 ? 0 : e.case_i == EXPR_INFIX ? 2 : 4; }

Expr& expr_part(const Expr& e, int32_t pos) {
  CHECK(pos % 2 == 0 && 0 <= pos && pos <= last_pos(e) && e.case_i != EXPR_STYLED_STR1);
  if (e.case_i == EXPR_INFIX) return pos == 0 ? infix_of(e).x : infix_of(e).z;
  Group_Node& g = group_of(e);
  return pos == 0 ? g.prefix : pos == 2 ? g.inner : g.suffix;
}

int32_t left_prec(const Expr& e) {
  return e.case_i == EXPR_STYLED_STR1 ? STR_PREC : e.case_i == EXPR_INFIX ? infix_of(e).op_p->left_prec : GROUP_LEFT_PREC;
}

int32_t right_prec(const Expr& e) {
  return e.case_i == EXPR_STYLED_STR1 ? STR_PREC : e.case_i == EXPR_INFIX ? infix_of(e).op_p->right_prec : GROUP_RIGHT_PREC;
}

void append_parts_text(Byte_Str& out, const Expr& e, int32_t j, int32_t k) {
  for (int32_t pos = j; pos < k; ++pos) {
    if (pos % 2 == 0) append_expr_text(out, expr_part(e, pos));
    else if (e.case_i == EXPR_INFIX) append(out, infix_of(e).op_p->text);
    else append_cp(out, pos == 1 ? group_of(e).open.cp : group_of(e).close.cp);
  }
}

void append_expr_text(Byte_Str& out, const Expr& e) {
  switch (e.case_i) {
    case EXPR_STYLED_STR1: append(out, str_of(e).text); break;
    case EXPR_INFIX:
      append_expr_text(out, infix_of(e).x);
      append(out, infix_of(e).op_p->text);
      append_expr_text(out, infix_of(e).z);
      break;
    default: {
      const Group_Node& g = group_of(e);
      append_expr_text(out, g.prefix);
      append_cp(out, g.open.cp);
      append_expr_text(out, g.inner);
      append_cp(out, g.close.cp);
      append_expr_text(out, g.suffix);
    }
  }
}

Byte_Str expr_text(const Expr& e) {
  Byte_Str out;
  append_expr_text(out, e);
  return out;
}

Byte_Str expr_sel_text(const Expr& e, const Sel& s) {
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (e.case_i == EXPR_STYLED_STR1) return Byte_Str(str_of(e).text.first_p + j, k - j);
  if (j != k) return expr_text(e);  // a range of parts copies the whole node
  if (j % 2 == 0) return expr_sel_text(expr_part(e, j), *s.e_sel_mp);
  Byte_Str out;
  append_parts_text(out, e, j, j + 1);
  return out;
}

namespace {

// The text e held before the change that the record (s, rec) undoes. A range
// at a node's level replaced all of it; an empty record on a group's opening
// bracket takes away the empty group that bracket made.
void append_undone_text(Byte_Str& out, const Expr& e, const Sel& s, const Byte_Str& rec) {
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (e.case_i == EXPR_STYLED_STR1) {
    const Byte_Str& t = str_of(e).text;
    append(out, t.first_p, j);
    append(out, rec);
    append(out, t.first_p + k, n_elts(t) - k);
    return;
  }
  if (j != k) return append(out, rec);
  append_parts_text(out, e, 0, j);
  if (j % 2 == 0) append_undone_text(out, expr_part(e, j), *s.e_sel_mp, rec);
  else append(out, rec);
  bool group_made_q = e.case_i == EXPR_GROUPED && j == 1 && n_elts(rec) == 0;
  append_parts_text(out, e, group_made_q ? 4 : j + 1, last_pos(e) + 1);
}

}  // namespace

void widen_record(const Expr& e, Sel& u, Byte_Str& text) {
  Byte_Str old;
  append_undone_text(old, e, u, text);
  text = std::move(old);
  u = entire_sel(e);
}

bool entire_q(const Sel& s, const Expr& e) {
  // A range of parts is half-open: all of a node's parts end one past its last.
  int32_t n = e.case_i == EXPR_STYLED_STR1 ? n_elts(str_of(e).text) : last_pos(e) + 1;
  return std::min(s.anchor_i, s.gen_i) == 0 && std::max(s.anchor_i, s.gen_i) == n;
}

Sel entire_sel(const Expr& e) {
  return sel_of(0, e.case_i == EXPR_STYLED_STR1 ? n_elts(str_of(e).text) : last_pos(e) + 1);
}

Sel sel_in(int32_t pos, Sel inner) {
  Sel s = sel_of(pos, pos);
  s.e_sel_mp = std::make_unique<Sel>(std::move(inner));
  return s;
}

Sel edge_sel(const Expr& e, bool end_q) {
  if (e.case_i == EXPR_STYLED_STR1) {
    int32_t i = end_q ? n_elts(str_of(e).text) : 0;
    return sel_of(i, i);
  }
  int32_t pos = end_q ? last_pos(e) : 0;
  return sel_in(pos, edge_sel(expr_part(e, pos), end_q));
}

bool expr_sel_valid_q(const Expr& e, const Sel& s) {
  if (e.case_i == EXPR_STYLED_STR1) {
    const Byte_Str& t = str_of(e).text;
    for (int32_t i : {s.anchor_i, s.gen_i})
      if (i < 0 || i > n_elts(t) || (i > 0 && uint8_t(t[i - 1]) >= 0x80)) return false;
    return !s.e_sel_mp;
  }
  int32_t n = s.anchor_i == s.gen_i ? last_pos(e) : last_pos(e) + 1;
  for (int32_t i : {s.anchor_i, s.gen_i})
    if (i < 0 || i > n) return false;
  bool nested_q = s.anchor_i == s.gen_i && s.anchor_i % 2 == 0;
  if (!nested_q) return !s.e_sel_mp;
  return s.e_sel_mp && expr_sel_valid_q(expr_part(e, s.anchor_i), *s.e_sel_mp);
}

bool sel_equal_q(const Sel& a, const Sel& b) {
  if (a.anchor_i != b.anchor_i || a.gen_i != b.gen_i || !a.e_sel_mp != !b.e_sel_mp) return false;
  return !a.e_sel_mp || sel_equal_q(*a.e_sel_mp, *b.e_sel_mp);
}
