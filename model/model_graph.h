// The Graphs section of a model: the graph set made from the variables'
// ranges, the solved equations and the Table's data, kept in step with the
// model after every command.
#pragma once
#include "model/Math_Model.h"

// The graph of a new model: y against x, both 0 to 1, in the colours of the
// variable tables' first rows.
Graph_Set* default_graph(const Math_Model& m);
// A graph with no statements yet, its panels sized for the screen.
Graph_Set* graph_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, std::vector<std::vector<double>> rows);
