#include "formula/builtins.h"

#include <cmath>
#include <cstring>

#include "formula/rules.h"

namespace {

typedef Hdl (*Make_Fn)(const Fn_Rec*, Hdl);
typedef Hdl (*Partial_Fn)(const Fn_Rec*, Hdl, Hdl);

struct Builtin_Def {
  const char* name;  // internal character coding
  int32_t n_args;    // 0: not an operator
  int32_t fun2_flags;
  Make_Fn make;
  Partial_Fn partial;
};

// Non-ASCII names in the internal coding: little-endian base-128 groups of the
// code point, the high bit set on every byte but the last.
const Builtin_Def DEFS[N_BUILTIN_SYMS] = {
    {"true", 0, 0, nullptr, nullptr},
    {"false", 0, 0, nullptr, nullptr},
    {"_\xC0\x07", 0, 0, nullptr, nullptr},  // _π (U+03C0)
    {"_i", 0, 0, nullptr, nullptr},
    {"\xAC\x01", 1, 0, make_not, nullptr},  // ¬ (U+00AC)
    {"\r", 2, 7, make_and, nullptr},
    {"\xA8\x44", 2, 7, make_or, nullptr},  // ∨ (U+2228)
    {"=", 2, 1, make_eq, nullptr},
    {"<", 2, 0, make_lt, nullptr},
    {"\xE4\x44", 2, 0, make_le, nullptr},  // ≤ (U+2264)
    {"\xE0\x44", 2, 0, make_ne, nullptr},  // ≠ (U+2260)
    {">", 2, 0, make_gt, nullptr},
    {"\xE5\x44", 2, 0, make_ge, nullptr},  // ≥ (U+2265)
    {"+", 2, 5, make_plus, partial_plus},
    {"-", 2, 0, make_minus, nullptr},
    {"*", 2, 7, make_times, partial_times},
    {"/", 2, 0, make_divide, nullptr},
    {"^", 2, 0, make_power, partial_power},
    {"sqrt", 1, 0, make_sqrt, nullptr},
    {"exp", 1, 0, make_exp, partial_exp},
    {"ln", 1, 0, make_ln, partial_ln},
    {"log", 2, 0, make_log, partial_log},
    {"log2", 1, 0, make_log2, nullptr},
    {"log10", 1, 0, make_log10, nullptr},
    {"cos", 1, 0, make_cos, partial_cos},
    {"sin", 1, 0, make_sin, partial_sin},
    {"tan", 1, 0, make_tan, partial_tan},
    {"cot", 1, 0, make_cot, nullptr},
    {"ctn", 1, 0, make_cot, nullptr},
    {"sec", 1, 0, make_sec, nullptr},
    {"csc", 1, 0, make_csc, nullptr},
    {"acos", 1, 0, make_acos, partial_acos},
    {"asin", 1, 0, make_asin, partial_asin},
    {"atan", 1, 0, make_atan, partial_atan},
    {"abs", 1, 0, make_abs, partial_abs},
    {"abs'", 1, 0, make_abs1, partial_abs1},
    {"abs''", 1, 0, make_abs2, partial_abs2},
    {",", 2, 0, make_comma, nullptr},
    {"_fix12", 2, 0, nullptr, nullptr},
};

Hdl syms_[N_BUILTIN_SYMS];
Hdl sym_list_ = EMPTY_HDL;

void set_static_prop(wff s, const Prop_Key& key, Hdl value) {
  prop_set(s, key, value);
  hdl_release(value);
}

wff make_symbol(const Builtin_Def& d) {
  wff s = symbol_new_static(d.name);
  if (d.n_args) prop_set(s, N_ARGS, imm_make(d.n_args));
  if (d.fun2_flags) prop_set(s, FUN2_FLAGS, imm_make(d.fun2_flags));
  if (d.make) set_static_prop(s, APPLY_FUN1_ARGS, fn_new_static(d.make));
  if (d.partial) set_static_prop(s, DERIV_F_ARGS_J, fn_new_static(d.partial));
  return s;
}

void add_constants() {
  wff t = syms_[SYM_TRUE];
  for (Builtin_Sym c : {SYM_TRUE, SYM_FALSE, SYM_PI, SYM_I}) prop_set(syms_[c], LITERAL_Q, t);
  prop_set(syms_[SYM_PI], NUMBER_KIND, imm_make(2));
  prop_set(syms_[SYM_I], NUMBER_KIND, imm_make(3));
  set_static_prop(syms_[SYM_PI], APPROX1, real_new(std::acos(-1.0)));
}

bool make_builtins() {
  for (int i = 0; i < N_BUILTIN_SYMS; ++i) syms_[i] = make_symbol(DEFS[i]);
  add_constants();
  // Built back to front so the list runs in table order.
  for (int i = N_BUILTIN_SYMS - 1; i >= 0; --i) {
    Hdl rest = sym_list_;
    sym_list_ = pair_new(syms_[i], rest);
    hdl_release(rest);
  }
  return true;
}

void ensure_builtins() {
  static const bool made = make_builtins();
  (void)made;
}

}  // namespace

wff builtin(Builtin_Sym which) {
  ensure_builtins();
  return syms_[which];
}

Hdl builtin_list() {
  ensure_builtins();
  return sym_list_;
}

wff builtin_named(const char* internal_name) {
  ensure_builtins();
  for (Hdl s : syms_)
    if (std::strcmp(symbol_name(s), internal_name) == 0) return s;
  return NO_HDL;
}
