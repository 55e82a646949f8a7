// What a graph draws of each statement: explicit curves y_d = f, implicit
// curves f = 0 (per dependent variable, and one more list for those that
// involve none), and relations (inequalities, shaded).
#pragma once
#include <vector>

#include "core/handle.h"
#include "formula/tree.h"

struct Formula_Sets {
  std::vector<std::vector<Ref>> f_wff1vs_s;     // m lists: right sides of y_d = ...
  std::vector<std::vector<Ref>> zero_wff1vs_s;  // m + 1 lists: left minus right side
  std::vector<Ref> relations;                   // relations and the literal true, in order
};

// Sorts the statements (a list of them, then one more; joins of two
// statements are taken apart, the second first) over the dependent
// variables dep_syms. An equation that involves several dependent variables
// goes to the list of the first one it mentions.
Formula_Sets formula_sets_of(Hdl statements, wff extra, const std::vector<Ref>& dep_syms);

// Whether the symbol s occurs anywhere in w.
bool mentions_q(wff w, wff s);
