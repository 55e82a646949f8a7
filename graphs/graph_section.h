// The Graphs section's element kind: the panels take the mouse (a press
// and drag select a span whose middle becomes the panel's trace value), the
// trace texts are text fields, and the Calculate button runs the refresh
// that is pending. Contents are Graph_Set.
#pragma once
#include "editor/gui_kind.h"
#include "graphs/graph_set.h"

extern const Gui_Kind GRAPH_SECTION_OPS;

// A graph set made to be the content of GRAPH_SECTION_OPS (released
// through the kind).
Graph_Set* graph_section_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, int32_t k, Formula_Sets sets,
                             std::vector<std::vector<double>> rows, const Symbol_Rules& rules);

// Asks for a refresh at the next Calculate: the dots only, or everything.
inline void mark_graphs(Graph_Set& fws, bool all_q) { fws.pending |= all_q ? REFRESH_ALL : REFRESH_DOTS; }

// New statements (a list, then one more) after a Solve or a slider move,
// or new data rows (n + m values each): drawn at the next Calculate.
void give_statements(Graph_Set& fws, Hdl statements, wff extra);
void give_rows(Graph_Set& fws, std::vector<std::vector<double>> rows);

// Sets panel j's trace text to the middle of the span p0..p1 (canvas units).
void trace_from_span(Graph_Set& fws, int32_t j, int32_t p0, int32_t p1);
