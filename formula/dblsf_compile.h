// Formulas compiled into numeric functions, and the built-in numeric
// implementations of the operator and function symbols.
#pragma once
#include "formula/dblsf_record.h"
#include "formula/tree.h"

// What a symbol that is not one of the variables means, one rule per facet
// (value, interval, smoothness). Each rule is a Fun1 from the symbol to a new
// DblsF: of the variables' count of inputs for a symbol standing alone, of the
// argument count for a symbol used as a head. Borrowed.
struct Symbol_Rules {
  Fun1 value, interval, smoothness;
};

// Raises Misc_Err "Illegal symbol:  " followed by the symbol's name.
Fun1 illegal_symbol_rule();
Symbol_Rules default_symbol_rules();

// A one-output DblsF of the variables (a list of symbols) computing w. The
// formula is approximated first; exact numbers and named constants become
// doubles. Partials differentiate w symbolically when asked.
DblsF dblsf_compile(Hdl vars, wff w, const Symbol_Rules& rules);

// The key under which a built-in symbol carries its numeric implementation
// (a DblsF with as many inputs as the symbol takes arguments); attached by
// the first compilation.
extern const Prop_Key DBLS_F1N;

// x to the integer power k; its partial is k x^(k-1).
DblsF dblsf_int_power(int32_t k);

// The input symbols "_x0", "_x1", ... in which the derivatives of built-in
// numeric functions are written; borrowed, they live for the whole run.
wff placeholder(int32_t i);
