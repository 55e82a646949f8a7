// The dictionary of a model read into formulas: its independent variables,
// dependent variables and parameters as symbols, and the name resolver that
// reading its sections goes through. While the Constraints are read, a used
// flag per parameter records which parameters they use, and new free names
// become parameters.
#pragma once
#include <vector>

#include "formula/resolver.h"

enum Dict_List : int32_t { INDEP_VS, DEP_VS, PARAM_VS };

struct Model_Dict {
  std::vector<Ref> vs[3];
  // Active while the Constraints are read; one flag per parameter.
  bool used_active_q = false;
  std::vector<char> used_qs;
};

inline std::vector<Ref>& param_vs(Model_Dict& d) { return d.vs[PARAM_VS]; }
inline std::vector<char>& param_used_qs(Model_Dict& d) { return d.used_qs; }

// The position of the symbol named name in the list, or -1.
int32_t name_index(const std::vector<Ref>& syms, const char* name);

// Resolves names over d, which must outlive it.
Resolver dict_resolver(Model_Dict& d);

// Gives every symbol its VAR_INDEX: the parameters from 0, then the
// independent and the dependent variables.
void assign_var_indexes(const Model_Dict& d);
// The symbols in the order parameters, independent, dependent variables.
Ref dict_order_list(const Model_Dict& d);
