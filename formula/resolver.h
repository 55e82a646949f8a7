// Name resolvers: what a name typed by the user stands for. The model gives
// its own, over its variables and parameters; the list resolver knows a list
// of symbols and the built-in operators, functions and constants.
#pragma once
#include "formula/tree.h"

struct Resolver {
  // The formula a name (internal coding, NUL-terminated) stands for as a new
  // use, or NO_HDL.
  wff (*resolve)(const Resolver& r, const char* name);
  const void* data_p;
};

inline wff resolve(const Resolver& r, const char* name) { return r.resolve(r, name); }

// Over a list of symbols (borrowed; it must outlive the resolver): a symbol of
// the list by name, else the built-in symbol of that name. An empty list knows
// only the built-in symbols.
Resolver list_resolver(const Hdl& syms);
