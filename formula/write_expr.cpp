#include "formula/write_expr.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "core/num_format.h"
#include "formula/construct.h"
#include "formula/expr_chars.h"
#include "formula/numbers.h"

namespace {

struct Writing {
  const Resolver& r;
  double tol;
};

Expr write_at(wff w, const Writing& wr);

std::string cp_text(uint32_t cp) {
  char buf[CODE_POINT_MAX_BYTES + 1] = {};
  put_code_point(buf, cp);
  return buf;
}

Expr leaf(const std::string& text) { return expr_str(text.data(), int32_t(text.size())); }

Expr parens(Expr e) { return expr_group(Expr(), '(', std::move(e), ')', Expr()); }

// A structure where precedence would regroup it goes into parentheses, as typing does.
Expr guarded(Expr part, bool conflict_q) {
  return part.case_i != EXPR_STYLED_STR1 && conflict_q ? parens(std::move(part)) : std::move(part);
}

Expr infix_cp(Expr x, uint32_t cp, Expr z) { return infix_built(std::move(x), cp_text(cp).c_str(), std::move(z)); }

Expr call(Expr f, Expr arg) {
  Expr g = expr_group(Expr(), '(', std::move(arg), ')', Expr());
  bool conflict_q = GROUP_LEFT_PREC > right_prec(f);
  group_of(g).prefix = guarded(std::move(f), conflict_q);
  return g;
}

bool fraction_q(const Expr& e) { return e.case_i == EXPR_INFIX && op_char(*infix_of(e).op_p) == '/'; }
bool one_q(const Expr& e) { return e.case_i == EXPR_STYLED_STR1 && equal_q(str_of(e).text, "1"); }

// The product of two written factors, where "1" or nothing is the identity.
Expr product(Expr a, Expr b) {
  if (expr_empty_q(a) || one_q(a)) return b;
  if (expr_empty_q(b) || one_q(b)) return a;
  return infix_built(std::move(a), "*", std::move(b));
}

// Splits a written factor into numerator and denominator (empty when none).
void split(Expr e, Expr& num, Expr& den) {
  if (!fraction_q(e)) {
    num = std::move(e);
    return;
  }
  num = std::move(infix_of(e).x);
  den = std::move(infix_of(e).z);
  for (Expr* p : {&num, &den})  // the fraction's bar did the grouping
    if (p->case_i == EXPR_GROUPED && expr_empty_q(group_of(*p).prefix) && group_of(*p).open.cp == '(')
      *p = std::move(group_of(*p).inner);
}

Expr fraction(Expr num, Expr den) {
  if (expr_empty_q(den)) return num;
  return infix_built(expr_empty_q(num) ? leaf("1") : std::move(num), "/", std::move(den));
}

// Whether a product holds a number among its factors.
bool number_factor_q(const Expr& e) {
  if (e.case_i == EXPR_INFIX && op_char(*infix_of(e).op_p) == '*') return number_factor_q(infix_of(e).x) || number_factor_q(infix_of(e).z);
  return e.case_i == EXPR_STYLED_STR1 && n_elts(str_of(e).text) > 0 && std::isdigit(static_cast<unsigned char>(str_of(e).text[0]));
}

Expr write_product(wff left, wff right, const Writing& wr) {
  Expr nl, dl, nr, dr;
  split(write_at(left, wr), nl, dl);
  split(write_at(right, wr), nr, dr);
  // Two numbers in one denominator would be multiplied out when read.
  if (number_factor_q(dl) && number_factor_q(dr))
    return infix_built(fraction(std::move(nl), std::move(dl)), "*", fraction(std::move(nr), std::move(dr)));
  return fraction(product(std::move(nl), std::move(nr)), product(std::move(dl), std::move(dr)));
}

std::string name_shown(const char* name, const Resolver& r) {
  if (name[0] == '_' && name[1]) {
    wff known = resolve(r, name + 1);
    if (known == NO_HDL) return name + 1;
    hdl_release(known);
  }
  return name;
}

Expr write_integer(Integer a) {
  Byte_Str t;
  int_write(t, a);
  return expr_str(t.first_p, n_elts(t));
}

// The number formatter's exponent form becomes mantissa ⋅ 10 to a power.
Expr write_real(double x, const Writing& wr) {
  Byte_Str t;
  format_real_tol(t, x, wr.tol);
  std::string s(t.first_p, size_t(n_elts(t)));
  if (!s.empty() && s[0] == '-') return infix_built(Expr(), "-", write_real(-x, wr));
  size_t e_i = s.find_first_of("eE");
  if (e_i == std::string::npos) return leaf(s);
  long k = std::strtol(s.c_str() + e_i + 1, nullptr, 10);
  // Large magnitudes come with sixteen decimals whatever the precision.
  std::string mantissa = s.substr(0, e_i);
  if (mantissa.find('.') != std::string::npos) mantissa.erase(mantissa.find_last_not_of("0") + 1);
  if (mantissa.back() == '.') mantissa.pop_back();
  Expr k_expr = k < 0 ? infix_built(Expr(), "-", leaf(std::to_string(-k))) : leaf(std::to_string(k));
  return infix_cp(leaf(mantissa), DOT_CP, infix_built(leaf("10"), "^", std::move(k_expr)));
}

int32_t flags_of(wff sym) {
  Hdl v = symbol_p(sym) ? prop_get(sym, FUN2_FLAGS) : NO_HDL;
  return v == NO_HDL ? 0 : imm_value(v);
}

bool half_q(wff x) {
  if (equal_q(x, half_const())) return true;
  const double* d = real_p(x);
  return d && std::fabs(*d - 0.5) <= std::ldexp(1.0, -50);
}

Expr write_sum(wff w, const Writing& wr) {
  Expr out = write_at(arg_of(w, 0), wr);
  for (wff rest = arg_of(w, 1);;) {
    bool more_q = appl_of_q(rest, builtin(SYM_PLUS));
    wff term = more_q ? arg_of(rest, 0) : rest;
    if (negative_q(term)) {
      Ref pos = Ref::adopt(negate(term));
      out = infix_built(std::move(out), "-", write_at(pos.get(), wr));
    } else {
      out = infix_built(std::move(out), "+", write_at(term, wr));
    }
    if (!more_q) return out;
    rest = arg_of(rest, 1);
  }
}

// A power of a written base; exp(x) comes here as e to the x, never as a
// fraction, which would read back as a power of e.
Expr power_shown(Expr base, bool folds_q, wff ex, const Writing& wr) {
  if (integer_p(ex) && int_neg_q(ex) && !folds_q) {
    Ref k = Ref::adopt(negate(ex));
    return infix_built(leaf("1"), "/", power_shown(std::move(base), folds_q, k.get(), wr));
  }
  if (ex == imm_make(1)) return base;
  return infix_built(std::move(base), "^", write_at(ex, wr));
}

Expr write_power(wff base, wff ex, const Writing& wr) {
  // An integer to a power would fold when read, so only 1/n is a fraction.
  bool folds_q = integer_p(base) && ex != imm_make(-1);
  return power_shown(write_at(base, wr), folds_q, ex, wr);
}

// The name of an operator of the standard table, or empty.
std::string op_name(wff head) {
  if (!symbol_p(head)) return "";
  const char* name = symbol_name(head);
  return std_op_lookup(name, int32_t(std::strlen(name))) ? name : "";
}

Expr write_call(wff w, const Writing& wr) {
  Expr args;
  for (Hdl l = args_of(w); pair_q(l); l = pair_rest(l)) {
    Expr a = write_at(pair_first(l), wr);
    args = l == args_of(w) ? std::move(a) : infix_built(std::move(args), ",", std::move(a));
  }
  return call(write_at(head_of(w), wr), std::move(args));
}

Expr write_appl(wff w, const Writing& wr) {
  wff f = head_of(w);
  int32_t n_args = n_elts(args_of(w));
  if (n_args == 0) return write_at(f, wr);
  auto is = [&](Builtin_Sym s) { return f == builtin(s); };
  wff a = arg_of(w, 0);
  if (is(SYM_NOT) && appl_of_q(a, builtin(SYM_EQ)))
    return infix_cp(write_at(arg_of(a, 0), wr), NE_CP, write_at(arg_of(a, 1), wr));
  if (n_args == 1) {
    if (is(SYM_EXP)) return power_shown(leaf(name_shown("_e", wr.r)), true, a, wr);
    if (is(SYM_ABS)) return expr_group(Expr(), BAR_OPEN_CP, write_at(a, wr), BAR_CLOSE_CP, Expr());
    if (is(SYM_SQRT)) return infix_cp(Expr(), ROOT_CP, write_at(a, wr));
    return call(write_at(f, wr), write_at(a, wr));
  }
  if (n_args != 2) return write_call(w, wr);
  wff b = arg_of(w, 1);
  if ((is(SYM_LT) || is(SYM_LE)) && compare(a, b) < 0)
    return infix_cp(write_at(b, wr), is(SYM_LT) ? '>' : GE_CP, write_at(a, wr));
  if (is(SYM_POWER) && half_q(b)) return infix_cp(Expr(), ROOT_CP, write_at(a, wr));
  if (is(SYM_POWER)) return write_power(a, b, wr);
  if (is(SYM_PLUS)) return write_sum(w, wr);
  if (is(SYM_TIMES)) return write_product(b, a, wr);
  // As typed: the subscript takes the call of the base.
  if (is(SYM_LOG)) return infix_cp(leaf("log"), SUBSCRIPT_CP, call(write_at(a, wr), write_at(b, wr)));
  if (is(SYM_FIX12)) return infix_cp(write_at(a, wr), SUBSCRIPT_CP, write_at(b, wr));
  std::string op = op_name(f);
  if (op.empty()) return write_call(w, wr);
  if (flags_of(f) & FUN2_REVERSED) std::swap(a, b);
  return infix_built(write_at(a, wr), op.c_str(), write_at(b, wr));
}

Expr write_at(wff w, const Writing& wr) {
  if (negative_q(w)) {
    Ref pos = Ref::adopt(negate(w));
    return infix_built(Expr(), "-", write_at(pos.get(), wr));
  }
  if (integer_p(w)) return write_integer(w);
  if (const double* x = real_p(w)) return write_real(*x, wr);
  if (symbol_p(w)) return leaf(name_shown(symbol_name(w), wr.r));
  CHECK(appl_q(w));
  return write_appl(w, wr);
}

}  // namespace

Expr infix_built(Expr x, const char* op_text, Expr z) {
  const Op* op_p = std_op_lookup(op_text, int32_t(std::strlen(op_text)));
  CHECK(op_p);
  bool x_conflict_q = op_p->left_prec > right_prec(x), z_conflict_q = op_p->right_prec >= left_prec(z);
  return expr_infix(guarded(std::move(x), x_conflict_q), *op_p, guarded(std::move(z), z_conflict_q));
}

Expr write_expr(wff w, const Resolver& r, double tol) { return write_at(w, Writing{r, tol}); }
