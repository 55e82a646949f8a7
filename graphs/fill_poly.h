// A filled polygon: a closed path of cubic Bézier segments over integer
// points (a start, then groups of two controls and an end), filled or only
// outlined; shaded regions and relation cells are made of them.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "draw/canvas.h"

struct Fill_Poly {
  std::vector<Point> verts;  // canvas units of the panel, y up
  int32_t colour;            // 0x00RRGGBB
  int32_t filled;            // 1 fill, 0 outline
};

inline void add_vertex(Fill_Poly& f, Point p) { f.verts.push_back(p); }
// A straight edge to q: a segment whose controls sit on its ends; "n0 > 0".
void add_edge(Fill_Poly& f, Point q);

// Draws at origin in the polygon's colour; the canvas's colour is given back.
void draw_fill_poly(Canvas& c, Point origin, const Fill_Poly& f);

void write_fill_poly(Out_Stream& out, const Fill_Poly& f);
Fill_Poly read_fill_poly(In_Stream& in);
