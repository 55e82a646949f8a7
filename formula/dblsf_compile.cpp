// The walk that turns a formula into the trees of a numeric function.
#include "formula/dblsf_compile.h"

#include <bit>
#include <cmath>
#include <string>

#include "formula/builtins.h"
#include "formula/calculus.h"
#include "formula/construct.h"
#include "formula/dblsf_node.h"
#include "formula/numbers.h"

void attach_numeric_implementations();

namespace {

Hdl illegal_symbol(const Fn_Rec*, Hdl sym) { throw Misc_Err(std::string("Illegal symbol:  ") + symbol_name(sym)); }

struct Compiler {
  Hdl vars;
  int32_t n_vars;
  const Symbol_Rules& rules;

  // The rules' functions for symbol sym, which must take n inputs.
  Roots by_rules(wff sym, int32_t n) {
    Fun1 facet_rules[N_FACETS] = {rules.value, rules.interval, rules.smoothness};
    Roots out;
    for (int k = 0; k < N_FACETS; ++k) {
      Ref g = Ref::adopt(fun1_apply(facet_rules[k], sym));
      CHECK(dblsf_q(g.get()) && tgt_dim(g.get()) == 1 && src_dim(g.get()) == n);
      out.node[k] = std::move(roots_of(g.get()).node[k]);
    }
    return out;
  }

  Roots symbol(wff s) {
    int32_t i = 0;
    for (Hdl l = vars; pair_q(l); l = pair_rest(l), ++i)
      if (pair_first(l) == s) return proj_roots(i);
    return by_rules(s, n_vars);
  }

  // f applied to the compiled arguments.
  Roots compose(const Roots& f, const Roots* args, int32_t n_args) { return roots_subst(f, args, n_args); }

  Roots compose_dblsf(DblsF f, const Roots* args, int32_t n_args) { return compose(roots_of(f), args, n_args); }

  Roots instead(wff rewritten) {
    Ref w = Ref::adopt(rewritten);
    return walk(w.get());
  }

  Roots power(wff base, wff e) {
    Roots b[1] = {walk(base)};
    if (integer_p(e) && int_fits_int_q(e)) {
      Ref f = Ref::adopt(dblsf_int_power(int_to_int(e)));
      return compose_dblsf(f.get(), b, 1);
    }
    // A constant exponent that is not whole: the real power, which equals
    // exp(e ln x) wherever that is defined and is faster and more exact.
    if (const double* e_p = real_p(e); e_p && std::isfinite(*e_p) && *e_p != std::floor(*e_p)) {
      Roots out;
      for (int k = 0; k < N_FACETS; ++k)
        out.node[k] = Ref::adopt(prim_node(Facet(k), PRIM_REAL_POWER, b[0].node[k].get(), 0,
                                           intptr_t(std::bit_cast<int64_t>(*e_p))));
      return out;
    }
    Ref ln_b = Ref::adopt(apply1(SYM_LN, base));
    Ref product = Ref::adopt(times(e, ln_b.get()));
    return instead(apply1(SYM_EXP, product.get()));
  }

  Roots application(wff w) {
    Hdl elp = w;
    CHECK(elp && nonempty_q(elp));
    wff head = head_of(w);
    Symbol* fsp = symbol_p(head);
    CHECK(fsp);
    Hdl args = args_of(w);
    int32_t na = n_elts(args);
    if (Hdl f = prop_get(head, DBLS_F1N); f != NO_HDL) {
      const DblsF_Rec* ff1np = &dblsf_rec(f);
      CHECK(na == src_dim(*ff1np));
      if (na != 1) CHECK(na == 2);
      Roots compiled[2];
      for (int32_t i = 0; i < na; ++i) compiled[i] = walk(arg_of(w, i));
      return compose_dblsf(f, compiled, na);
    }
    if (head == builtin(SYM_POWER) && na == 2) return power(arg_of(w, 0), arg_of(w, 1));
    if (head == builtin(SYM_LOG) && na == 2) {
      Ref ln_x = Ref::adopt(apply1(SYM_LN, arg_of(w, 1)));
      Ref ln_b = Ref::adopt(apply1(SYM_LN, arg_of(w, 0)));
      return instead(divide(ln_x.get(), ln_b.get()));
    }
    CHECK(na == 1 || na == 2);
    Roots compiled[2];
    for (int32_t i = 0; i < na; ++i) compiled[i] = walk(arg_of(w, i));
    return compose(by_rules(head, na), compiled, na);
  }

  Roots walk(wff w) {
    if (integer_p(w)) return constant(double_of_integer(w));
    if (const double* x = real_p(w)) return constant(*x);
    if (symbol_p(w)) return symbol(w);
    return application(w);
  }

  static Roots constant(double c) {
    if (std::isnan(c)) raise_static("Numeric overflow");
    return const_roots(c);
  }
};

// Partial j of a compiled formula: cap 0 the formula, 1 the variables, 2 the
// list of the three rules. Differentiated and compiled anew on every call.
DblsF compiled_partial(const Fn_Rec* f, int32_t j) {
  Hdl vars = Hdl(f->cap[1]);
  Hdl rule_list = Hdl(f->cap[2]);
  Ref var_rule = Ref::adopt(deriv_var_rule(elt(vars, j)));
  Ref d = Ref::adopt(derivative(Hdl(f->cap[0]), var_rule.get()));
  Symbol_Rules rules = {elt(rule_list, 0), elt(rule_list, 1), elt(rule_list, 2)};
  return dblsf_compile(vars, d.get(), rules);
}

}  // namespace

Fun1 illegal_symbol_rule() {
  static const Fun1 rule = fn_new_static(illegal_symbol);
  return rule;
}

Symbol_Rules default_symbol_rules() { return {illegal_symbol_rule(), illegal_symbol_rule(), illegal_symbol_rule()}; }

DblsF dblsf_compile(Hdl vars, wff w, const Symbol_Rules& rules) {
  attach_numeric_implementations();
  Ref approx = Ref::adopt(approximate(w));
  int32_t n_vars = n_elts(vars);
  Compiler c{vars, n_vars, rules};
  Roots roots = c.walk(approx.get());
  Ref rule_list = Ref::adopt(pair_new(rules.smoothness, EMPTY_HDL));
  rule_list = Ref::adopt(pair_new(rules.interval, rule_list.get()));
  rule_list = Ref::adopt(pair_new(rules.value, rule_list.get()));
  Hdl partial = fn_new(compiled_partial, 3, 7, intptr_t(hdl_copy(approx.get())),
                       intptr_t(hdl_copy(vars)), intptr_t(rule_list.release()));
  return dblsf_of_roots(n_vars, roots, partial);
}
