// The graphics of one panel that the samplers fill: the shaded polygons,
// drawn first, and the strands of the curves. Each is owned by its list.
#pragma once
#include <memory>
#include <vector>

#include "graphs/fill_poly.h"
#include "graphs/strand.h"

// How far a picture's bounds reach beyond its drawing bounds on every side,
// so that pens and dots at the edge are not cut.
constexpr int32_t PICTURE_MARGIN = 384;

struct Graph_Picture {
  Rect bounds = EMPTY_RECT;  // the drawing bounds widened by PICTURE_MARGIN
  std::vector<std::unique_ptr<Fill_Poly>> fills;
  std::vector<std::unique_ptr<Strand>> strands;
};

// The bounds the samplers map values into: (0, W, 0, H).
Rect drawing_bounds(const Graph_Picture& pic);
// A picture whose drawing bounds are (0, width, 0, height).
void set_drawing_size(Graph_Picture& pic, int32_t width, int32_t height);

// A new empty strand at the end of the strand list.
Strand& new_strand(Graph_Picture& pic, int32_t colour, int32_t style);
// A strand of two points with zero tangents: drawn as a straight line.
Strand& straight_strand(Graph_Picture& pic, double x0, double y0, double x1, double y1, int32_t colour,
                        int32_t style);
inline std::unique_ptr<Fill_Poly> new_fill_poly(int32_t colour, bool filled_q) {
  return std::make_unique<Fill_Poly>(Fill_Poly{{}, colour, filled_q ? 1 : 0});
}
// The list takes the polygon; poly is left empty.
inline void add_fill(Graph_Picture& pic, std::unique_ptr<Fill_Poly>& poly) { pic.fills.push_back(std::move(poly)); }

// The polygons, then the strands, at origin.
void draw_picture(Canvas& c, Point origin, const Graph_Picture& pic);
