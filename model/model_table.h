// The Table section: the data table whose columns are the variables, their
// computed values and notes, and the Table command that makes it.
#pragma once
#include <string>
#include <vector>

#include "editor/gui_kind.h"
#include "model/Math_Model.h"
#include "model/model_read.h"

// Contents are a Small_Table; each is routed through its own table kind.
extern const Gui_Kind TABLE_SECTION_OPS;

// Asks the user a question with these buttons; gives the button's index.
// The shell supplies it; without one every question is answered with the
// first button.
extern int32_t (*model_ask_)(const std::string& text, const std::vector<std::string>& labels);

// Table as the menu or a label click runs it (label_q).
void table_command(Math_Model& m, Cmd_Args& args, bool label_q);
// Fills every computed column from the Solutions (as rd read them) at each
// row's independent values: those of rows (data_rows of the same read), or
// read from the Table.
void compute_columns(Math_Model& m, const Model_Read& rd, const std::vector<std::vector<double>>& rows);
void compute_columns(Math_Model& m, const Model_Read& rd);
// The Table's rows as values of the variables of d, independent then
// dependent, NaN where a cell is empty or is not a number.
std::vector<std::vector<double>> data_rows(const Math_Model& m, Model_Dict& d);

constexpr double COMPUTED_TOL = 1e-06;
