// The numeric implementations of the built-in symbols, attached to them once.
#include <string>
#include <vector>

#include "formula/builtins.h"
#include "formula/calculus.h"
#include "formula/construct.h"
#include "formula/dblsf_compile.h"
#include "formula/dblsf_node.h"

const Prop_Key DBLS_F1N = {"DBLS_F1N"};

namespace {

// A list of the first n placeholders.
Hdl placeholder_list(int32_t n) {
  Ref list;
  for (int32_t i = n - 1; i >= 0; --i) list = Ref::adopt(pair_new(placeholder(i), list.get()));
  return list.release();
}

// The derivative, written in placeholders, compiled over them.
DblsF compile_over_placeholders(int32_t n, wff derivative_w) {
  Ref xs = Ref::adopt(placeholder_list(n));
  return dblsf_compile(xs.get(), derivative_w, default_symbol_rules());
}

// Partial j of the implementation of symbol cap[0] with cap[1] arguments:
// the symbol's own derivative rule applied to placeholders.
DblsF symbol_partial(const Fn_Rec* f, int32_t j) {
  wff sym = Hdl(f->cap[0]);
  Ref xs = Ref::adopt(placeholder_list(int32_t(f->cap[1])));
  Fun2 rule = prop_get(sym, DERIV_F_ARGS_J);
  CHECK(rule != NO_HDL);
  Ref d = Ref::adopt(fun2_apply(rule, xs.get(), imm_make(j)));
  return compile_over_placeholders(int32_t(f->cap[1]), d.get());
}

DblsF int_power_partial(const Fn_Rec* f, int32_t) {
  Ref k = Ref::adopt(int_wff(int32_t(f->cap[0])));
  Ref k1 = Ref::adopt(plus(k.get(), imm_make(-1)));
  Ref pw = Ref::adopt(power(placeholder(0), k1.get()));
  Ref d = Ref::adopt(times(pw.get(), k.get()));
  return compile_over_placeholders(1, d.get());
}

// The implementation of one operation: its node over the inputs.
DblsF prim_dblsf(Prim_Id id, intptr_t param, Hdl partial) {
  int32_t n = prim_n_args(id);
  Roots args[2] = {proj_roots(0), proj_roots(1)};
  Roots roots;
  for (int k = 0; k < N_FACETS; ++k)
    roots.node[k] = Ref::adopt(prim_node(Facet(k), id, args[0].node[k].get(), args[1].node[k].get(), param));
  return dblsf_of_roots(n, roots, partial);
}

struct Sym_Prim {
  Builtin_Sym sym;
  Prim_Id prim;
};

constexpr Sym_Prim IMPLEMENTED[] = {
    {SYM_PLUS, PRIM_PLUS}, {SYM_TIMES, PRIM_TIMES}, {SYM_EXP, PRIM_EXP},   {SYM_LN, PRIM_LN},
    {SYM_COS, PRIM_COS},   {SYM_SIN, PRIM_SIN},     {SYM_TAN, PRIM_TAN},   {SYM_ACOS, PRIM_ACOS},
    {SYM_ASIN, PRIM_ASIN}, {SYM_ATAN, PRIM_ATAN},   {SYM_ABS, PRIM_ABS},   {SYM_ABS1, PRIM_SIGN},
    {SYM_ABS2, PRIM_SIGN1},
};

// Powers from -8 to 8 cover nearly every formula: made once and kept.
constexpr int32_t KEPT_POWER = 8;

}  // namespace

wff placeholder(int32_t i) {
  static std::vector<Hdl> made_;
  CHECK(i >= 0);
  while (int32_t(made_.size()) <= i) made_.push_back(symbol_new_static(("_x" + std::to_string(made_.size())).c_str()));
  return made_[size_t(i)];
}

DblsF dblsf_int_power(int32_t k) {
  static Hdl kept_[2 * KEPT_POWER + 1];
  bool keep = -KEPT_POWER <= k && k <= KEPT_POWER;
  if (keep && kept_[k + KEPT_POWER]) return hdl_copy(kept_[k + KEPT_POWER]);
  DblsF f = k == 0 ? dblsf_constant(1, 1.0)
                   : prim_dblsf(PRIM_INT_POWER, k, fn_new(int_power_partial, 1, 0, k));
  if (keep) kept_[k + KEPT_POWER] = hdl_copy(f);
  return f;
}

void attach_numeric_implementations() {
  static bool attached_ = false;
  if (attached_) return;
  attached_ = true;
  for (const Sym_Prim& sp : IMPLEMENTED) {
    wff sym = builtin(sp.sym);
    int32_t n = prim_n_args(sp.prim);
    Ref f = Ref::adopt(prim_dblsf(sp.prim, 0, fn_new(symbol_partial, 2, 0, intptr_t(sym), n)));
    prop_set(sym, DBLS_F1N, f.get());
  }
}
