// The structured editor's protocol: command records, selections, undo
// records and argument blocks, element kinds and their container helpers,
// the editing half of a window controller, and the plain text field.
#pragma once
#include "editor/cmd.h"
#include "editor/cmd_args.h"
#include "editor/edit_con.h"
#include "editor/gui_kind.h"
#include "editor/sel.h"
#include "editor/text_field.h"
