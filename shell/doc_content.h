// What New opens: an empty model document, its Constraints ready for typing,
// and how such documents are filed.
#pragma once
#include "editor/GUI_Ops.h"
#include "persist/doc_file.h"

struct Doc_Content {
  const Gui_Kind* kind_p;
  void* content_p;  // owned by the controller that opens it
};

Doc_Content doc_content_new();

// The document kind as files see it; its documents are contents of
// doc_gui_kind().
const Doc_File_Kind& doc_file_kind();
const Gui_Kind& doc_gui_kind();
