// The Next File and Previous File buttons under the graphs: shown while a
// model file numbered one after, or one before, the document's own lies
// beside it. A click leaves the shell the button command that opens it.
#pragma once
#include "editor/gui_kind.h"

struct File_Button {
  int32_t button_n;  // NEXT_FILE_BUTTON_N or PREV_FILE_BUTTON_N
  bool shown_q = false;
};

// Contents are File_Button.
extern const Gui_Kind FILE_BUTTON_OPS;

struct Math_Model;
// A press on a shown button leaves its command in args; false elsewhere.
bool button_click(const Math_Model& m, Cmd_Args& args);
// Shows the buttons of the model doc that have a file to go to.
void set_file_buttons(void* doc, bool next_q, bool prev_q);
