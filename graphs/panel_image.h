// One graph panel's plot area as a picture of its own: its drawing bounds
// [0, S] x [0, S] at one pixel per K canvas units, drawn by the panel's own
// code without frame, labels or value strip. Pixel column i then holds the
// values low + i (high - low) / W up to low + (i + 1) (high - low) / W of the
// panel's independent variable, and row 0 the top band of each dependent
// variable's range.
#pragma once
#include "graphs/graph_set.h"

struct Panel_Image {
  int32_t n_px;  // the side in pixels: S / K
  int32_t dpi;   // the resolution at which one pixel is K canvas units
};

Panel_Image panel_image_of(const Graph_Set& fws);

// Panel j (from 0) drawn again as a refresh of everything draws it, its
// trace line only when trace_line_q.
void panel_image_refresh(Graph_Set& fws, int32_t j, bool trace_line_q);

// The plot area with its top left corner at the canvas's origin; the grid
// lines only when grid_q.
void draw_panel_image(const Panel& p, Canvas& c, bool grid_q);
