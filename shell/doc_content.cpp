#include "shell/doc_content.h"

#include "model/model_env.h"
#include "model/model_kind.h"
#include "persist/payload_expr.h"

namespace {

Math_Model& model_of(void* doc) { return *static_cast<Math_Model*>(doc); }

// Files keep the Constraints; the payloads of the other sections come with
// their own writers.
const Section_Io EXPR_IO = {[](Out_Stream& out, const void* e) { write_expr(out, *static_cast<const Expr*>(e)); },
                            [](Doc_In& in, void* e) { read_expr(in.in, MODEL_ENV, *static_cast<Expr*>(e)); }};
const Section_Io SECTIONS[] = {EXPR_IO};
const int32_t OLD_ORDER[] = {0};

void* section_of(void* doc, int32_t) { return &model_of(doc).constraints; }

// A file read leaves nothing stale but the Solutions it lacks.
void finish_read(void* doc) {
  Math_Model& m = model_of(doc);
  m.flags = expr_empty_q(m.solutions) ? 0x2 : 0;
  model_relayout(m);
}

const Doc_File_Kind DOC_FILE = {1,       SECTIONS, "Variables", OLD_ORDER, 1, [] { return static_cast<void*>(model_doc_new()); },
                                section_of, finish_read, [](void* doc) { MODEL_KIND.kind.release(MODEL_KIND.kind, doc); },
                                nullptr};

}  // namespace

Doc_Content doc_content_new() { return {&MODEL_KIND.kind, DOC_FILE.make_empty()}; }
const Doc_File_Kind& doc_file_kind() { return DOC_FILE; }
const Gui_Kind& doc_gui_kind() { return MODEL_KIND.kind; }
