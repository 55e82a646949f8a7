// The Analyze commands on a model document: Solve with its undo record, the
// sliders' moves, and the update hook that runs after every command.
#pragma once
#include "editor/gui_kind.h"
#include "model/Math_Model.h"

// The command whose perform puts back a model's content as it was saved.
constexpr int32_t MODEL_RESTORE_CMD = 14;

// QUERY_PASSED for commands the sections answer.
int32_t analyze_query(const Math_Model& m, const Sel& s, Cmd& c);
// False for commands the sections perform.
bool analyze_perform(Math_Model& m, Cmd_Args& args);
// After every command: the slider's result answered, stale values refreshed.
void analyze_after(Math_Model& m, Cmd_Args& args);

// Solve as the menu runs it (silent_q clear) or as Table and Graph do.
void solve_command(Math_Model& m, Cmd_Args& args, bool silent_q);
