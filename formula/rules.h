// The constructor and derivative rules of the built-in symbols, as the apply
// functions of their function objects. Only the symbol table uses these.
#pragma once
#include "formula/construct.h"

#define DECLARE_MAKE(name) Hdl name(const Fn_Rec*, Hdl args)
DECLARE_MAKE(make_plus);
DECLARE_MAKE(make_times);
DECLARE_MAKE(make_power);
DECLARE_MAKE(make_minus);
DECLARE_MAKE(make_divide);
DECLARE_MAKE(make_sqrt);
DECLARE_MAKE(make_exp);
DECLARE_MAKE(make_ln);
DECLARE_MAKE(make_log);
DECLARE_MAKE(make_log2);
DECLARE_MAKE(make_log10);
DECLARE_MAKE(make_cos);
DECLARE_MAKE(make_sin);
DECLARE_MAKE(make_tan);
DECLARE_MAKE(make_cot);
DECLARE_MAKE(make_sec);
DECLARE_MAKE(make_csc);
DECLARE_MAKE(make_acos);
DECLARE_MAKE(make_asin);
DECLARE_MAKE(make_atan);
DECLARE_MAKE(make_abs);
DECLARE_MAKE(make_abs1);
DECLARE_MAKE(make_abs2);
DECLARE_MAKE(make_not);
DECLARE_MAKE(make_and);
DECLARE_MAKE(make_or);
DECLARE_MAKE(make_eq);
DECLARE_MAKE(make_lt);
DECLARE_MAKE(make_le);
DECLARE_MAKE(make_ne);
DECLARE_MAKE(make_gt);
DECLARE_MAKE(make_ge);
DECLARE_MAKE(make_comma);
#undef DECLARE_MAKE

// Partial derivatives: j is an immediate argument index.
#define DECLARE_PARTIAL(name) Hdl name(const Fn_Rec*, Hdl args, Hdl j)
DECLARE_PARTIAL(partial_plus);
DECLARE_PARTIAL(partial_times);
DECLARE_PARTIAL(partial_power);
DECLARE_PARTIAL(partial_exp);
DECLARE_PARTIAL(partial_ln);
DECLARE_PARTIAL(partial_log);
DECLARE_PARTIAL(partial_cos);
DECLARE_PARTIAL(partial_sin);
DECLARE_PARTIAL(partial_tan);
DECLARE_PARTIAL(partial_acos);
DECLARE_PARTIAL(partial_asin);
DECLARE_PARTIAL(partial_atan);
DECLARE_PARTIAL(partial_abs);
DECLARE_PARTIAL(partial_abs1);
DECLARE_PARTIAL(partial_abs2);
#undef DECLARE_PARTIAL

// The merging constructor of an associative operator op (+ or *) whose terms
// are seen through sub (* or ^): like terms are merged, terms ordered.
wff merge_terms(Builtin_Sym op, Builtin_Sym sub, wff x, wff y);

// The arguments of a constructor's list (borrowed), after checking its length.
wff only_arg(Hdl args);
struct Arg_Pair {
  wff x, y;
};
Arg_Pair two_args(Hdl args);
