#include "model/model_file.h"

#include <iterator>

#include "graphs/graph_section.h"
#include "model/file_buttons.h"
#include "model/model_env.h"
#include "model/model_graph.h"
#include "model/model_kind.h"
#include "model/model_read.h"
#include "model/model_table.h"
#include "persist/payload_data_table.h"
#include "persist/payload_expr.h"
#include "persist/payload_params.h"
#include "persist/payload_table.h"

namespace {

Math_Model& model_of(void* doc) { return *static_cast<Math_Model*>(doc); }
const Math_Model& model_of(const void* doc) { return *static_cast<const Math_Model*>(doc); }

void write_vars(Out_Stream& out, const void* doc) {
  for (int32_t i : {INDEP_VARS, DEP_VARS}) write_table_rows(out, var_table(model_of(doc), i));
}
void read_vars(Doc_In& in, void* doc) {
  Math_Model& m = model_of(doc);
  for (int32_t i : {INDEP_VARS, DEP_VARS}) read_table_rows(in.in, var_table(m, i));
  COMPOSITE_ACCESS.relayout(VARS_KIND, m.vars_p);
}

void write_table(Out_Stream& out, const void* doc) { write_data_table(out, model_of(doc).table_mp); }
// The old table goes once the new one has read.
void read_table(Doc_In& in, void* doc) {
  Math_Model& m = model_of(doc);
  Small_Table* t_mp = read_data_table(in.in, m.editable_q ? 1 : 0);
  if (m.table_mp) table_release(m.table_mp);
  m.table_mp = t_mp;
}

const Section_Io VARS_IO = {write_vars, read_vars};
const Section_Io CONSTRAINTS_IO = {[](Out_Stream& out, const void* doc) { write_expr(out, model_of(doc).constraints); },
                                   [](Doc_In& in, void* doc) { read_expr(in.in, MODEL_ENV, model_of(doc).constraints); }};
const Section_Io PARAMS_IO = {[](Out_Stream& out, const void* doc) { write_param_rows(out, model_of(doc).params); },
                              [](Doc_In& in, void* doc) { read_param_rows(in.in, MODEL_ENV, model_of(doc).params); }};
const Section_Io SOLUTIONS_IO = {[](Out_Stream& out, const void* doc) { write_expr(out, model_of(doc).solutions); },
                                 [](Doc_In& in, void* doc) { read_expr(in.in, MODEL_ENV, model_of(doc).solutions); }};
const Section_Io TABLE_IO = {write_table, read_table};
// Nothing of the graph is stored: a model read graphs y against x, both 0
// to 1, in the colours of the tables read, until Graph makes its own.
void read_graphs(Doc_In&, void* doc) {
  Math_Model& m = model_of(doc);
  Graph_Set* g_p = default_graph(m);
  GRAPH_SECTION_OPS.release(GRAPH_SECTION_OPS, m.graphs_p);
  m.graphs_p = g_p;
}
const Section_Io GRAPHS_IO = {[](Out_Stream&, const void*) {}, read_graphs};
// The buttons follow the files beside the model's own.
const Section_Io NOTHING_IO = {[](Out_Stream&, const void*) {}, [](Doc_In&, void*) {}};

const Section_Io SECTIONS[N_MMDLIS] = {VARS_IO, CONSTRAINTS_IO, PARAMS_IO, SOLUTIONS_IO,
                                       TABLE_IO, GRAPHS_IO, NOTHING_IO, NOTHING_IO};
// Files of version 1.0 had no Parameters.
const int32_t OLD_ORDER[] = {VARS_MMDLI, CONSTRAINTS_MMDLI, SOLUTIONS_MMDLI, TABLE_MMDLI, GRAPHS_MMDLI, NEXT_MMDLI, PREV_MMDLI};

// Each section's writer and reader takes the whole model.
void* section_of(void* doc, int32_t) { return doc; }

void finish_read(void* doc) {
  Math_Model& m = model_of(doc);
  m.flags = expr_empty_q(m.solutions) ? 0x2 : 0;
  try {
    if (m.table_mp) compute_columns(m, read_model(m, READ_SOLUTIONS));
  } catch (const Model_Err&) {
    // The first command that reads the model shows the mistake where it lies.
  }
  model_relayout(m);
}

}  // namespace

const Doc_File_Kind MODEL_FILE = {N_MMDLIS,
                                  SECTIONS,
                                  "Variables",
                                  OLD_ORDER,
                                  int32_t(std::size(OLD_ORDER)),
                                  [] { return static_cast<void*>(model_doc_new()); },
                                  section_of,
                                  finish_read,
                                  [](void* doc) { MODEL_KIND.kind.release(MODEL_KIND.kind, doc); },
                                  set_file_buttons};
