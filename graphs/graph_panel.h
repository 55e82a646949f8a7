// Drawing one panel of a graph set into its picture and dot sets: the data
// dots, the first three relations, the explicit curves, the implicit curves,
// the trace line, and the curves at both ends of a selection in another
// panel.
#pragma once
#include <vector>

#include "graphs/graph_set.h"

// The dots of panel j: a row gives dependent variable k a dot when its x_j
// and y_k lie in their ranges (widened by a thousandth), in full colour when
// every other independent value is NaN or inside its trace box, light when
// one is only inside its widened range.
void panel_dots(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p);

// The relations, curves, implicit curves and lines of panel j; the trace
// line only when trace_line_q.
void panel_curves(const Graph_Set& fws, int32_t j, const std::vector<double>& trace, Panel& p,
                  bool trace_line_q = true);
