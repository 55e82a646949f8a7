// Solve: the Constraints read into formulas, solved for the dependent
// variables unless already solved for them, and written into Solutions.
#pragma once
#include "model/model_read.h"

// Whether the equations still need the solver for the first dependent
// variable of d: an equation whose left side is a symbol when its right side
// holds that variable, any other when it holds it at all; a conjunction when
// a part does, or when its parts hold different sets of variables on those
// sides (parameters stand for known values and do not count).
bool needs_solving_q(wff w, const Model_Dict& d);

// What Solve did: nothing (an empty or read-only document), or read the
// Constraints and wrote the Solutions.
enum Solve_Outcome : int32_t { SOLVE_SKIPPED, SOLVE_DONE };
// Raises Model_Err (the model as it was) or the solver's errors (the
// parameter rows already matched). silent_q leaves more equations than
// dependent variables unsolved, with flag 0x100 set.
Solve_Outcome model_solve(Math_Model& m, bool silent_q);

// The Solutions' text as written: numbers to 1e-10.
constexpr double SOLUTION_TOL = 1e-10;
