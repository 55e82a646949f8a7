// A strand: a piece of curve given by Hermite points (parameter, position and
// its derivatives by the parameter), drawn as one cubic Bézier segment
// between each two points.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "draw/canvas.h"

// The style that keeps the canvas's current pen.
constexpr int32_t KEEP_PEN_STYLE = -1;
// The style the samplers draw curves with.
constexpr int32_t CURVE_PEN_STYLE = 0x100;

struct Strand {
  std::vector<Hermite_Point> pts;  // canvas units of the panel, y up
  int32_t colour;                  // 0x00RRGGBB
  int32_t style;
};

// The last index: -1 for an empty strand.
inline int32_t last_i(const Strand& s) { return int32_t(s.pts.size()) - 1; }

inline void append_point(Strand& s, double t, double x, double y, double dx, double dy) {
  s.pts.push_back({t, x, y, dx, dy});
}
// Moves every point by (dx, dy).
void shift_strand(Strand& s, double dx, double dy);

// Draws at origin in the strand's colour; the canvas's colour is given back.
void draw_strand(Canvas& c, Point origin, const Strand& s);

void write_strand(Out_Stream& out, const Strand& s);
Strand read_strand(In_Stream& in);
