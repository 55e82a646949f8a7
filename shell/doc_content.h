// What New opens: for now one structured expression in the document font, typed
// as mathematics (Enter starts a new line of a line stack).
#pragma once
#include "editor/GUI_Ops.h"

struct Doc_Content {
  const Gui_Kind* kind_p;
  void* content_p;  // owned by the controller that opens it
};

Doc_Content doc_content_new();
