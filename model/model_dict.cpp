#include "model/model_dict.h"

#include <cstring>

#include "formula/wff.h"

namespace {

wff builtin_copy(const char* name) {
  wff b = builtin_named(name);
  return b == NO_HDL ? NO_HDL : hdl_copy(b);
}

// A free name that may become a parameter: not "e", not internal, not a number.
bool param_name_q(const char* s) { return s[0] != '_' && std::strcmp(s, "e") != 0 && !(s[0] >= '0' && s[0] <= '9') && s[0] != '.'; }

wff resolve_in_dict(const Resolver& r, const char* name) {
  auto& d = *const_cast<Model_Dict*>(static_cast<const Model_Dict*>(r.data_p));
  if (!*name) return NO_HDL;
  for (int32_t l : {INDEP_VS, DEP_VS})
    if (int32_t i = name_index(d.vs[l], name); i >= 0) return hdl_copy(d.vs[l][size_t(i)].get());
  std::vector<Ref>& params = param_vs(d);
  int32_t k = name_index(params, name);
  if (!d.used_active_q) return k >= 0 ? hdl_copy(params[size_t(k)].get()) : builtin_copy(name);
  if (k >= 0) {
    d.used_qs[size_t(k)] = 1;
    return hdl_copy(params[size_t(k)].get());
  }
  if (wff b = builtin_copy(name); b != NO_HDL) return b;
  if (wff b = builtin_copy(("_" + std::string(name)).c_str()); b != NO_HDL) return b;
  if (!param_name_q(name)) return NO_HDL;
  params.push_back(Ref::adopt(symbol_new(name)));
  d.used_qs.push_back(1);
  return hdl_copy(params.back().get());
}

}  // namespace

int32_t name_index(const std::vector<Ref>& syms, const char* name) {
  for (size_t i = 0; i < syms.size(); ++i)
    if (std::strcmp(symbol_name(syms[i].get()), name) == 0) return int32_t(i);
  return -1;
}

Resolver dict_resolver(Model_Dict& d) { return {resolve_in_dict, &d}; }

void assign_var_indexes(const Model_Dict& d) {
  int32_t i = 0;
  for (int32_t l : {PARAM_VS, INDEP_VS, DEP_VS})
    for (const Ref& s : d.vs[l]) {
      prop_remove(s.get(), VAR_INDEX);
      prop_set(s.get(), VAR_INDEX, imm_make(i++));
    }
}

Ref dict_order_list(const Model_Dict& d) {
  Ref list = Ref::adopt(EMPTY_HDL);
  for (int32_t l : {DEP_VS, INDEP_VS, PARAM_VS})
    for (auto it = d.vs[l].rbegin(); it != d.vs[l].rend(); ++it) list = Ref::adopt(pair_new(it->get(), list.get()));
  return list;
}
