// The relation sampler: the zero set and the positive region of f(x, y) over
// a panel by a quadtree of cells. A cell is decided by f's enclosure or by the
// mean value theorem; one where the zero set is provably a graph y(x) or x(y)
// within a pixel of a cubic gets that cubic as its piece of boundary; cells
// still undecided after seven halvings are filled in the unresolved colour.
#pragma once
#include <memory>
#include <vector>

#include "graphs/graph_picture.h"
#include "graphs/relation_fns.h"

// Values to canvas units: X = (x - x_origin) x_scale, Y likewise; the
// tolerances are one pixel in value units.
struct Relation_Frame {
  double x_origin, x_scale, x_tol, y_origin, y_scale, y_tol;
};
Relation_Frame relation_frame(const Graph_Picture& pic, Interval x_range, Interval y_range, int32_t pixel_units);

// [x0, x1] × [y0, y1]. Corners: 0 (x0, y0), 1 (x1, y0), 2 (x0, y1), 3 (x1, y1).
// Edges: 0 left, 1 right, 2 bottom, 3 top; edge e holds coordinate e >> 1
// (0 for x, 1 for y) at c[e].
struct Cell {
  double c[4];  // x0, x1, y0, y1
};
enum Cell_Edge { EDGE_LEFT, EDGE_RIGHT, EDGE_BOTTOM, EDGE_TOP };

constexpr int32_t RELATION_DEPTH = 7;

// The whole relation over the panel's rectangle, RELATION_DEPTH levels deep.
void sample_relation(Graph_Picture& pic, const Relation_Frame& frame, const Cell& panel, const Relation_Fns& rf);

// One cell with depth levels of halving left (the cell is halved in place
// and given back as it came); order is f's smoothness over the cell, or
// anything below 4 to have it measured.
void sample_relation_cell(Graph_Picture& pic, const Relation_Frame& frame, Cell& cell, int32_t depth, int32_t order,
                          const Relation_Fns& rf);

// The zero set's piece from edge_a to edge_b of the cell as one cubic, a graph
// y(x) when y_of_x_q, else x(y), with the region on its left filled; false,
// drawing nothing, when a control point falls outside the cell.
bool draw_cell_piece(Graph_Picture& pic, const Relation_Frame& frame, const Cell& cell, const Relation_Fns& rf,
                     bool y_of_x_q, int32_t edge_a, int32_t edge_b, int32_t n_iters);

void fill_cell(std::vector<std::unique_ptr<Fill_Poly>>& fills, int32_t colour, const Relation_Frame& frame,
               const Cell& cell);
