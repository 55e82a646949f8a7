// Graph panels: the graph set with its formula sets, grids and labels, the
// drawing of each panel, the value strip, and the Graphs section's element
// kind.
#pragma once
#include "graphs/formula_sets.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_panel.h"
#include "graphs/graph_section.h"
#include "graphs/graph_set.h"
#include "graphs/grid_lines.h"
#include "graphs/value_strip.h"
