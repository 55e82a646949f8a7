// Building formulas. Every formula is built through these simplifying
// constructors, so that stored formulas are always in canonical form.
// Arguments are borrowed; each result is a new use owned by the caller.
#pragma once
#include "formula/builtins.h"
#include "formula/order.h"

// Applies head to an argument list: a symbol with a constructor delegates to
// it; a (_fix12 f a) head applied to (x) gives f applied to (a x); anything
// else is the unsimplified application. An integer head is an assertion stop.
wff apply(wff head, Hdl args);
wff apply1(wff head, wff x);
wff apply2(wff head, wff x, wff y);
inline wff apply1(Builtin_Sym f, wff x) { return apply1(builtin(f), x); }
inline wff apply2(Builtin_Sym f, wff x, wff y) { return apply2(builtin(f), x, y); }

wff plus(wff a, wff b);
wff times(wff a, wff b);
wff power(wff a, wff b);
wff minus(wff a, wff b);   // plus(a, times(b, -1))
wff negate(wff a);         // times(a, -1)
wff divide(wff a, wff b);  // times(a, power(b, -1))

// Constants built on first use and kept for the whole run (borrowed):
// (* _i _π), (^ 2 -1) and the exponential constant (exp 1).
wff i_pi_const();
wff half_const();
wff e_const();

// A formula from a machine integer (an Integer, immediate when small).
inline wff int_wff(int32_t n) { return int_from_int(n); }
