// Where the parts of a graph section stand: the y label columns at the left,
// the panels in a row with their x labels and variable names under them, the
// "Trace:" row, and one value strip line per dependent variable. The
// section's origin is its top left corner; everything lies below it.
#pragma once
#include "draw/styl.h"
#include "graphs/graph_set.h"

const Styl& graph_label_style();

// The parts' points and the section's bounds, once the graph set is made.
void graph_layout_init(Graph_Set& fws);
// After a refresh: the bounds follow the value strip's width.
void graph_layout_update(Graph_Set& fws);

// Panel j's grid, frame and graphics, its lower left corner at origin.
void draw_panel(const Panel& p, Canvas& c, Point origin);
// Its grid lines (the zero lines darker) and its graphics (dots, shaded
// polygons, strands) alone.
void draw_panel_grid(const Panel& p, Canvas& c, Point origin);
void draw_panel_graphics(const Panel& p, Canvas& c, Point origin);
// The labels, names and texts around the panels.
void draw_graph_labels(const Graph_Set& fws, Canvas& c, Point origin);
