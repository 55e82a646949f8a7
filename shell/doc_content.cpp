#include "shell/doc_content.h"

#include "model/model_file.h"
#include "model/model_kind.h"

Doc_Content doc_content_new() { return {&MODEL_KIND.kind, MODEL_FILE.make_empty()}; }
const Doc_File_Kind& doc_file_kind() { return MODEL_FILE; }
const Gui_Kind& doc_gui_kind() { return MODEL_KIND.kind; }
