#include "formula/resolver.h"

#include <cstring>

#include "formula/builtins.h"

namespace {

wff resolve_in_list(const Resolver& r, const char* name) {
  if (!*name) return NO_HDL;
  for (Hdl l = *static_cast<const Hdl*>(r.data_p); pair_q(l); l = pair_rest(l)) {
    wff s = pair_first(l);
    if (symbol_p(s) && std::strcmp(symbol_name(s), name) == 0) return hdl_copy(s);
  }
  wff b = builtin_named(name);
  return b == NO_HDL ? NO_HDL : hdl_copy(b);
}

}  // namespace

Resolver list_resolver(const Hdl& syms) { return {resolve_in_list, &syms}; }
