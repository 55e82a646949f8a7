// Formulas of a graph with the independent variables that are not on a
// panel's axes fixed at their trace values, compiled over the axes.
#pragma once
#include <vector>

#include "formula/DblsF.h"
#include "graphs/graph_set.h"

// w with every independent variable but those in keep (indexes) replaced by
// its trace value.
Ref bind_trace(const Graph_Set& fws, wff w, const std::vector<double>& trace, std::vector<int32_t> keep);

// w with each of syms replaced by the value at the same index.
Ref bind_values(wff w, const std::vector<Ref>& syms, const std::vector<double>& values);

// A list of the handles, in order.
Ref sym_list(const std::vector<Ref>& syms);
