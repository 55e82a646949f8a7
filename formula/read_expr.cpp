#include "formula/read_expr.h"

#include <cctype>
#include <string>

#include "core/code_point.h"
#include "core/in_stream.h"
#include "core/text_read.h"
#include "formula/construct.h"
#include "formula/expr_chars.h"

namespace {

const char MISSING[] = "Missing expression";
const char UNKNOWN[] = "Unknown expression";
const char UNKNOWN_TIMES[] = "Unknown expression.\r(Remember to type * for multiplication.)";
const char WRONG_N_ARGS[] = "Wrong number of arguments to function";

struct Reading {
  const Resolver& r;
  std::unique_ptr<Read_Err> err_mp;
};

Ref fail(Reading& rd, const char* message, Sel sel) {
  rd.err_mp = std::make_unique<Read_Err>();
  assign(rd.err_mp->message, message);
  rd.err_mp->sel = std::move(sel);
  return Ref();
}

// A failure below goes on up with the element index it came through.
bool failed_at(Reading& rd, int32_t pos) {
  if (!rd.err_mp) return false;
  rd.err_mp->sel = sel_in(pos, std::move(rd.err_mp->sel));
  return true;
}

// What the resolver gives for a name, into out; false when it knows nothing.
bool resolved_q(const Reading& rd, const std::string& name, Ref& out) {
  wff w = resolve(rd.r, name.c_str());
  if (w == NO_HDL) return false;
  out = Ref::adopt(w);
  return true;
}

int32_t n_chars(const char* p, const char* end_p) {
  int32_t n = 0;
  for (; p != end_p; ++n) skip_code_point(p, end_p);
  return n;
}

Ref read_number(const std::string& t) {
  if (t.find_first_not_of("0123456789") == std::string::npos) return Ref::adopt(int_from_string(t.c_str()));
  Mem_In_Stream s(t.c_str());
  return Ref::adopt(real_new(read_real(s)));
}

Ref read_leaf(const Expr& e, Reading& rd) {
  const Byte_Str& text = str_of(e).text;
  int32_t n = n_elts(text);
  std::string t(text.first_p, size_t(n));
  if (number_text_q(t.data(), n)) return read_number(t);
  Ref w;
  if (n > 0 && (resolved_q(rd, t, w) || resolved_q(rd, "_" + t, w))) return w;
  if (t == "e" || t == "_e") return Ref::share(e_const());
  const char* m = n == 0 ? MISSING : n_chars(text.first_p, text.write_p) > 1 ? UNKNOWN_TIMES : UNKNOWN;
  return fail(rd, m, sel_of(0, n));
}

Ref read_at(const Expr& e, Reading& rd);
Ref read_group(const Expr& e, Reading& rd, wff log_p);

bool plain_name_q(const Expr& e, const char* name) {
  return e.case_i == EXPR_STYLED_STR1 && equal_q(str_of(e).text, name);
}

// The number of arguments of a function; -1 when it is not known.
int32_t n_args_of(wff f) {
  if (symbol_p(f)) {
    Hdl n = prop_get(f, N_ARGS);
    return n == NO_HDL ? -1 : imm_value(n);
  }
  return appl_of_q(f, builtin(SYM_FIX12)) ? 1 : -1;
}

bool symbol_flag_q(wff f, int32_t flag) {
  Hdl v = symbol_p(f) ? prop_get(f, FUN2_FLAGS) : NO_HDL;
  return v != NO_HDL && (imm_value(v) & flag);
}

// The operator of an infix: the fixed ones, or what its text names; false
// when there is none (a tab, or a text the resolver does not know).
bool op_formula_q(const Reading& rd, uint32_t cp, const Byte_Str& text, Ref& op) {
  Builtin_Sym fixed = cp == ROOT_CP ? SYM_POWER : cp == DOT_CP ? SYM_TIMES : cp == SUBSCRIPT_CP ? SYM_FIX12 : N_BUILTIN_SYMS;
  if (fixed != N_BUILTIN_SYMS) op = Ref::share(builtin(fixed));
  else if (cp == '\t') return false;
  else return resolved_q(rd, std::string(text.first_p, size_t(n_elts(text))), op);
  return true;
}

// log↓b(x) as typed: the subscript takes the whole call b(x), since a call
// binds tighter; it reads as the logarithm to base b of x.
bool log_call_q(const Infix_Node& n) {
  return op_char(*n.op_p) == SUBSCRIPT_CP && plain_name_q(n.x, "log") && n.z.case_i == EXPR_GROUPED &&
         !expr_empty_q(group_of(n.z).prefix);
}

Ref read_log_call(const Infix_Node& n, Reading& rd) {
  Ref log = read_at(n.x, rd);
  if (failed_at(rd, 0)) return Ref();
  Ref w = read_group(n.z, rd, log.get());
  if (failed_at(rd, 2)) return Ref();
  return w;
}

Ref read_infix(const Expr& e, Reading& rd) {
  const Infix_Node& n = infix_of(e);
  uint32_t cp = op_char(*n.op_p);
  bool x_q = !expr_empty_q(n.x), z_q = !expr_empty_q(n.z);
  if (log_call_q(n)) return read_log_call(n, rd);
  // Subscripted names are tried whole first.
  if (cp == SUBSCRIPT_CP && x_q && z_q && !plain_name_q(n.x, "log")) {
    Byte_Str t = expr_text(e);
    Ref w;
    if (resolved_q(rd, std::string(t.first_p, size_t(n_elts(t))), w)) return w;
  }
  if (cp == '=' && !(x_q && z_q)) return Ref::share(builtin(SYM_TRUE));
  Ref x;
  bool lx_q = x_q;
  if (!x_q && cp == '-') {
    x = Ref::adopt(int_wff(0));
    lx_q = true;
  } else if (x_q) {
    x = read_at(n.x, rd);
    if (failed_at(rd, 0)) return Ref();
  }
  Ref op;
  bool op_q = op_formula_q(rd, cp, n.op_p->text, op);
  if (!op_q && cp != '\t') return fail(rd, UNKNOWN, sel_of(1, 2));
  Ref z;
  if (z_q) {
    z = read_at(n.z, rd);
    if (failed_at(rd, 2)) return Ref();
  }
  if ((cp == '\t' || cp == '\r' || cp == SUBSCRIPT_CP) && x_q != z_q) return x_q ? x : z;
  if (cp == ROOT_CP && z_q) {
    Ref index = x_q ? x : Ref::adopt(int_wff(2));
    Ref inverse = Ref::adopt(power(index.get(), int_wff(-1)));
    return Ref::adopt(power(z.get(), inverse.get()));
  }
  if (op_q && op.get() == builtin(SYM_POWER) && x_q && z_q && equal_q(x.get(), e_const()))
    return Ref::adopt(apply1(SYM_EXP, z.get()));
  int32_t n_args = op_q ? n_args_of(op.get()) : -1;
  if (n_args == 2 && lx_q && z_q) {
    if (symbol_flag_q(op.get(), FUN2_REVERSED)) std::swap(x, z);
    return Ref::adopt(apply2(op.get(), x.get(), z.get()));
  }
  if (n_args == 1 && x_q != z_q && z_q == operand_right_q(*n.op_p))
    return Ref::adopt(apply1(op.get(), z_q ? z.get() : x.get()));
  return fail(rd, UNKNOWN, sel_of(1, 3));
}

// The operands of a chain of "," in written order, each a new use.
void read_args(const Expr& e, Reading& rd, std::vector<Ref>& args) {
  if (e.case_i == EXPR_INFIX && op_char(*infix_of(e).op_p) == ',') {
    for (int32_t pos : {0, 2}) {
      read_args(expr_part(e, pos), rd, args);
      if (failed_at(rd, pos)) return;
    }
    return;
  }
  args.push_back(read_at(e, rd));
}

// A call; with a logarithm symbol given, the call's function part is its base.
Ref read_group(const Expr& e, Reading& rd, wff log_p) {
  const Group_Node& g = group_of(e);
  bool fun_q = !expr_empty_q(g.prefix);
  uint32_t open = g.open.cp;
  if (!(open == '(' || (!fun_q && (open == '[' || open == BAR_OPEN_CP)))) return fail(rd, UNKNOWN, sel_of(1, 2));
  if (g.close.cp != bracket_partner(open)) return fail(rd, UNKNOWN, sel_of(3, 4));
  if (!expr_empty_q(g.suffix)) return fail(rd, UNKNOWN_TIMES, sel_of(1, 5));
  if (!fun_q) {
    Ref w = read_at(g.inner, rd);
    if (failed_at(rd, 2)) return Ref();
    return open == BAR_OPEN_CP ? Ref::adopt(apply1(SYM_ABS, w.get())) : w;
  }
  Ref f = read_at(g.prefix, rd);
  if (failed_at(rd, 0)) return Ref();
  if (log_p != NO_HDL) f = Ref::adopt(apply2(SYM_FIX12, log_p, f.get()));
  std::vector<Ref> args;
  read_args(g.inner, rd, args);
  if (failed_at(rd, 2)) return Ref();
  int32_t n_args = n_args_of(f.get());
  if (n_args != int32_t(args.size())) return fail(rd, n_args < 0 ? UNKNOWN_TIMES : WRONG_N_ARGS, sel_of(1, 5));
  Ref list;
  for (size_t i = args.size(); i-- > 0;) list = Ref::adopt(pair_new(args[i].get(), list.get()));
  return Ref::adopt(apply(f.get(), list.get()));
}

Ref read_at(const Expr& e, Reading& rd) {
  switch (e.case_i) {
    case EXPR_STYLED_STR1: return read_leaf(e, rd);
    case EXPR_INFIX: return read_infix(e, rd);
    case EXPR_GROUPED: return read_group(e, rd, NO_HDL);
    default: CHECK(false);
  }
  return Ref();
}

bool relation_q(const Expr& e) {
  if (e.case_i != EXPR_INFIX) return false;
  uint32_t cp = op_char(*infix_of(e).op_p);
  return cp == '<' || cp == '>' || cp == LE_CP || cp == GE_CP;
}

bool line_break_q(const Expr& e) { return e.case_i == EXPR_INFIX && op_char(*infix_of(e).op_p) == '\r'; }

Ref read_lines(const Expr& e, Reading& rd, std::vector<Ref>& ineqs) {
  if (line_break_q(e)) {
    Ref a = read_lines(infix_of(e).x, rd, ineqs);
    if (failed_at(rd, 0)) return Ref();
    Ref b = read_lines(infix_of(e).z, rd, ineqs);
    if (failed_at(rd, 2)) return Ref();
    return Ref::adopt(apply2(SYM_AND, a.get(), b.get()));
  }
  if (expr_empty_q(e)) return Ref::share(builtin(SYM_TRUE));
  Ref w = read_at(e, rd);
  if (rd.err_mp || !relation_q(e)) return w;
  ineqs.push_back(std::move(w));
  return Ref::share(builtin(SYM_TRUE));
}

Read_Result result_of(Ref w, Reading& rd) {
  if (rd.err_mp) w = Ref::adopt(int_wff(0));
  return {std::move(w), std::move(rd.err_mp)};
}

}  // namespace

bool number_text_q(const char* text, int32_t n_bytes) {
  bool digit_q = false, point_q = false, exp_q = false;
  for (int32_t i = 0; i < n_bytes; ++i) {
    char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit_q = true;
    } else if (c == '.') {
      if (point_q || exp_q) return false;
      point_q = true;
    } else if (c == 'e' || c == 'E') {
      if (!digit_q || i + 1 == n_bytes || !std::isdigit(static_cast<unsigned char>(text[i + 1]))) return false;
      exp_q = true;
    } else {
      return false;
    }
  }
  return digit_q;
}

Read_Result read_expr(const Expr& e, const Resolver& r) {
  Reading rd{r, nullptr};
  Ref w = read_at(e, rd);
  return result_of(std::move(w), rd);
}

Read_Result read_constraints(const Expr& e, const Resolver& r, std::vector<Ref>& ineqs) {
  Reading rd{r, nullptr};
  Ref w = read_lines(e, rd, ineqs);
  return result_of(std::move(w), rd);
}
