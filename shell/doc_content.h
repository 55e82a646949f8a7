// What New opens: for now one plain text field in the document font, which
// takes no line breaks, so that Enter acts as Ctrl+Enter there.
#pragma once
#include "editor/GUI_Ops.h"

struct Doc_Content {
  const Gui_Kind* kind_p;
  void* content_p;  // owned by the controller that opens it
};

Doc_Content doc_content_new();
