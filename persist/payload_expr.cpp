#include "persist/payload_expr.h"

#include "core/bin_codec.h"
#include "core/code_point.h"

namespace {

constexpr uint32_t LAST_CODE_POINT = 0x10FFFF;

void write_delim(Out_Stream& out, const Delim& d) {
  write_unsigned(out, d.cp);
  write_unsigned(out, d.shown_q ? 1 : 0);
}

}  // namespace

void write_expr(Out_Stream& out, const Expr& e) {
  write_unsigned(out, uint32_t(e.case_i));
  switch (e.case_i) {
    case EXPR_STYLED_STR1: write_str(out, str_of(e).text); return;
    case EXPR_INFIX: {
      const Infix_Node& n = infix_of(e);
      write_expr(out, n.x);
      write_expr(out, n.z);
      write_str(out, n.op_p->text);
      return;
    }
    default: {
      const Group_Node& g = group_of(e);
      for (const Expr* part_p : {&g.prefix, &g.inner, &g.suffix}) write_expr(out, *part_p);
      write_delim(out, g.open);
      write_delim(out, g.close);
    }
  }
}

namespace {

const Op& read_op(In_Stream& in, const Expr_Env& env) {
  Byte_Str text;
  read_str(in, text);
  if (n_elts(text) == 0) return juxt_op();
  const Op* op_p = env.op_lookup(text.first_p, n_elts(text));
  if (!op_p) raise_syntax(in, "Infix operator not found:  " + std::string(text.first_p, size_t(n_elts(text))));
  return *op_p;
}

Delim read_delim(In_Stream& in) {
  uint32_t cp = read_unsigned(in);
  uint32_t shown_n = read_unsigned(in);
  // A NUL would end the expression's text early.
  if (cp == 0 || cp > LAST_CODE_POINT || shown_n > 1) raise_syntax(in, "Syntax Error");
  return {cp, shown_n == 1};
}

Expr read_tree(In_Stream& in, const Expr_Env& env, int32_t depth) {
  if (depth > MAX_STORED_DEPTH) raise_syntax(in, "Syntax Error");
  uint32_t case_i = read_unsigned(in);
  switch (case_i) {
    case EXPR_STYLED_STR1: {
      Byte_Str text;
      read_str(in, text);
      return expr_str(text.first_p, n_elts(text));
    }
    case EXPR_INFIX: {
      Expr x = read_tree(in, env, depth + 1);
      Expr z = read_tree(in, env, depth + 1);
      return expr_infix(std::move(x), read_op(in, env), std::move(z));
    }
    case EXPR_GROUPED: {
      Expr prefix = read_tree(in, env, depth + 1);
      Expr inner = read_tree(in, env, depth + 1);
      Expr suffix = read_tree(in, env, depth + 1);
      Delim open = read_delim(in), close = read_delim(in);
      // Only brackets the owner takes can be drawn.
      if (!env.open_q(open.cp) || !env.close_q(close.cp)) raise_syntax(in, "Syntax Error");
      Expr g = expr_group(std::move(prefix), open.cp, std::move(inner), close.cp, std::move(suffix));
      group_of(g).open = open;
      group_of(g).close = close;
      return g;
    }
  }
  raise_syntax(in, "Syntax Error");
}

}  // namespace

void read_expr(In_Stream& in, const Expr_Env& env, Expr& e) {
  Expr read = read_tree(in, env, 0);
  expr_restyle(read, env, 0);
  e = std::move(read);
}
