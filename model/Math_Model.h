// The model document: its variables, constraint equations, parameters, the
// last solution, the data table and the graphs, each in a section of its
// own, and the state bits that carry what is stale from one command to the
// next.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/composite.h"
#include "editor/Expr.h"
#include "graphs/graph_set.h"
#include "graphs/slider.h"
#include "model/file_buttons.h"
#include "persist/payload_params.h"

struct Small_Table;
struct Solved_Model;

constexpr int32_t N_MMDLIS = 8;
enum Section_I : int32_t {
  VARS_MMDLI, CONSTRAINTS_MMDLI, PARAMS_MMDLI, SOLUTIONS_MMDLI, TABLE_MMDLI, GRAPHS_MMDLI, NEXT_MMDLI, PREV_MMDLI
};
// The sub-indexes of the two variable tables in section 0.
enum Var_Table_I : int32_t { INDEP_VARS, DEP_VARS };

// The document's own commands, after the editor's.
enum Model_Cmd_N : int32_t { SOLVE_CMD = 11, TABLE_CMD = 12, GRAPH_CMD = 13 };

// Flag bits.
constexpr uint32_t CHANGED_FLAGS = 0x3;       // the sections changed since the last Solve
constexpr uint32_t CONSTRAINTS_READ = 0x4;    // set by Solve
constexpr uint32_t REFRESH_DUE = 0x8;         // the computed columns and curves are stale
constexpr uint32_t NEW_TABLE = 0x10;          // Table made a new table
constexpr uint32_t UNSOLVED_EXTRA = 0x100;    // more equations than dependent variables

// A parameter row: Low, name, High, slider and value, as files store them.
// A new row has "-10", its name, "10", the slider at the middle, and "0".
using Param_Row = Param_Fields;

struct Math_Model {
  uint32_t flags = 0;
  bool editable_q = true;
  Composite* vars_p;  // the Indep Var and Dep Var tables side by side
  Expr constraints;
  std::vector<Param_Row> params;
  Expr solutions;
  Small_Table* table_mp = nullptr;  // the data table, once Table made one
  Graph_Set* graphs_p = nullptr;    // the Graphs section
  // The Solutions and the Table's rows as last read, kept while a slider
  // drags: only values change.
  std::shared_ptr<Solved_Model> solved_mp;
  File_Button next_button{NEXT_FILE_BUTTON_N}, prev_button{PREV_FILE_BUTTON_N};
  // The sections' places, the whole extent, and the parameter row whose
  // slider the mouse is dragging (-1 for none).
  Point pts[N_MMDLIS] = {};
  Rect bds = EMPTY_RECT;
  int32_t drag_row_i = -1;
  bool label_down_q = false;  // the mouse went down on a label and is not up yet
};

// An empty model: rows x independent and y dependent, -10 to 10, "y=" in
// the Constraints of an editable one, and a graph of y against x, both 0 to 1.
Math_Model* model_new(bool editable_q);
Small_Table& var_table(const Math_Model& m, int32_t table_i);
// The variables' section: the two tables in a row.
extern const Composite_Kind VARS_KIND;
void model_release(Math_Model* m);
