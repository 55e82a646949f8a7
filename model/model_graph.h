// The Graphs section of a model: the graph set made from the variables'
// ranges, the solved equations and the Table's data, kept in step with the
// model after every command.
#pragma once
#include "editor/cmd_args.h"
#include "model/Math_Model.h"
#include "model/model_read.h"

// What a refresh reads: the Solutions, and the Table's rows as values of the
// variables, independent then dependent.
struct Solved_Model {
  Model_Read rd;
  std::vector<std::vector<double>> rows;
};

// The graph of a new model: y against x, both 0 to 1, in the colours of the
// variable tables' first rows.
Graph_Set* default_graph(const Math_Model& m);

// A graph set from the variables' ranges and the Table's rows, its refresh
// pending; null without an independent and a dependent variable. Raises
// Model_Err.
Graph_Set* graph_made(Math_Model& m);
void graph_release(Graph_Set* g);
// The Solutions into the Table's computed columns and the graph's curves,
// with both ends of every slider's selected range.
void refresh_model(Math_Model& m, Cmd_Args& args);
// The Table's rows into the graph's dots; a mistake stops it silently.
void refresh_points(Math_Model& m, Cmd_Args& args);
// Runs the refresh the graph has pending.
void calc_graphs(Math_Model& m, Cmd_Args& args);
// The graph made again at the panel size the Large Graphs option gives.
void resize_graphs(Math_Model& m);
