// Reading a model into formulas: its variable names and ranges, and the
// Constraints or the Solutions through the model's name resolver. Reading
// the Constraints also keeps the Parameters rows in step with the names
// they use.
#pragma once
#include <memory>
#include <vector>

#include "formula/read_expr.h"
#include "model/Math_Model.h"
#include "model/model_dict.h"

// A mistake in the model: its message, the path of indexes to the place
// (section, sub-table or row, row, column), and inside an expression the
// selection to show.
struct Model_Err : Misc_Err {
  std::vector<int32_t> path;
  std::unique_ptr<Sel> sel_mp;
  Model_Err(std::string t, std::vector<int32_t> p) : Misc_Err(std::move(t)), path(std::move(p)) {}
};

// The symbol property holding a parameter's value, through which evaluation finds it.
extern const Prop_Key VALUE;

enum Read_Mode : int32_t { READ_CONSTRAINTS = 1, READ_SOLUTIONS = 3 };

struct Model_Read {
  std::unique_ptr<Model_Dict> dict_p;  // the resolver points into it
  Ref w;                               // the section's formula; NaN when it is empty
  std::vector<Ref> ineqs;              // the collected inequalities
  Ref extra;                           // mode 3: NaN or the other section's formula
  Resolver resolver() const { return dict_resolver(*dict_p); }
};

// The names of a variable table's non-empty rows as new symbols, none of them
// named twice or among taken; "Duplicate variable name" at [0, table, row, 0].
std::vector<Ref> read_var_names(const Math_Model& m, int32_t table_i, const std::vector<Ref>* taken_mp);
// A range per non-empty row, its symbol from syms (the table's names as
// read); "High must be greater than Low" at [0, table, row, 2].
std::vector<Var_Range> read_ranges(const Math_Model& m, int32_t table_i, const std::vector<Ref>& syms);
// The parameter names with the duplicate check against d's variables and
// earlier parameters, at [2, row, 1].
void read_param_names(const Math_Model& m, Model_Dict& d);

// The variable names and, with params_q, the parameter names with the
// duplicate check and their values; every symbol given its order.
std::unique_ptr<Model_Dict> read_names(const Math_Model& m, bool params_q);
// Each parameter of d gets the value of its row's value text, where it has one.
void value_params(const Math_Model& m, Model_Dict& d);

// Raises Model_Err; parameter rows change only after a successful read of the Constraints.
Model_Read read_model(Math_Model& m, int32_t mode);

// w with every symbol that carries a VALUE replaced by it, approximated:
// the number, or NaN when something else remains.
double eval_number(wff w);
// The parameters' values, NaN for one without.
std::vector<double> param_values(const Model_Dict& d);
// w with each parameter of d at its value in values; null when w holds a
// parameter without one.
Ref with_values(wff w, const Model_Dict& d, const std::vector<double>& values);
// Sets or removes (NaN) a symbol's VALUE.
void set_value(wff sym, double x);
// w rebuilt through the constructors, after the symbol order changed.
Ref normalised(wff w);
