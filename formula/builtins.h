// The built-in symbols: constants, operators and functions, made once on first
// use with their properties.
#pragma once
#include "formula/tree.h"

// In the order of the look-up list.
enum Builtin_Sym {
  SYM_TRUE,
  SYM_FALSE,
  SYM_PI,  // "_π"
  SYM_I,   // "_i", the imaginary unit
  SYM_NOT,  // "¬"
  SYM_AND,  // carriage return: the conjunction of lines
  SYM_OR,   // "∨"
  SYM_EQ,
  SYM_LT,
  SYM_LE,  // "≤"
  SYM_NE,  // "≠"
  SYM_GT,
  SYM_GE,  // "≥"
  SYM_PLUS,
  SYM_MINUS,
  SYM_TIMES,
  SYM_DIVIDE,
  SYM_POWER,
  SYM_SQRT,
  SYM_EXP,
  SYM_LN,
  SYM_LOG,  // (log b x): logarithm of x to base b
  SYM_LOG2,
  SYM_LOG10,
  SYM_COS,
  SYM_SIN,
  SYM_TAN,
  SYM_COT,
  SYM_CTN,
  SYM_SEC,
  SYM_CSC,
  SYM_ACOS,
  SYM_ASIN,
  SYM_ATAN,
  SYM_ABS,
  SYM_ABS1,  // "abs'": the sign function
  SYM_ABS2,  // "abs''": its derivative
  SYM_COMMA,
  SYM_FIX12,  // (_fix12 f a): f with its first argument fixed to a
  N_BUILTIN_SYMS
};

// The symbol (borrowed; it lives for the whole run).
wff builtin(Builtin_Sym which);
// The list of all built-in symbols in table order (borrowed).
Hdl builtin_list();
// The built-in symbol with this internal name (borrowed), or NO_HDL.
wff builtin_named(const char* internal_name);

// FUN2_FLAGS bits.
constexpr int32_t FUN2_FLAGGED = 1;
constexpr int32_t FUN2_REVERSED = 2;  // operands stored in the reverse of their written order
constexpr int32_t FUN2_CHAIN = 4;     // written as a flattened chain when not reversed
