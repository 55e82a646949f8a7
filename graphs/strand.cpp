#include "graphs/strand.h"

#include "core/bin_codec.h"
#include "graphs/graph_pen.h"
#include "persist/bin_double.h"

void shift_strand(Strand& s, double dx, double dy) {
  for (Hermite_Point& p : s.pts) {
    p.x += dx;
    p.y += dy;
  }
}

void draw_strand(Canvas& c, Point origin, const Strand& s) {
  if (s.pts.empty()) return;
  std::vector<Hermite_Point> pts = s.pts;
  for (Hermite_Point& p : pts) {
    p.x += origin.x;
    p.y += origin.y;
  }
  draw_in_colour(c, s.colour, [&] { canvas_hermite_strand(c, last_i(s), pts); });
}

void write_strand(Out_Stream& out, const Strand& s) {
  write_int(out, last_i(s));
  for (const Hermite_Point& p : s.pts)
    for (double v : {p.t, p.x, p.y, p.dx, p.dy}) write_double(out, v);
  write_unsigned(out, uint32_t(s.colour));
  write_int(out, s.style);
}

Strand read_strand(In_Stream& in) {
  Strand s{{}, 0, KEEP_PEN_STYLE};
  int32_t n = read_int(in);
  if (n < -1) raise_syntax(in, "Illegal int");
  // Points are taken one by one, so a count larger than the input ends in
  // "Not enough input" instead of a huge block.
  for (int32_t i = 0; i <= n; ++i) {
    Hermite_Point p;
    for (double* v : {&p.t, &p.x, &p.y, &p.dx, &p.dy}) *v = read_double(in);
    s.pts.push_back(p);
  }
  s.colour = int32_t(read_unsigned(in));
  s.style = read_int(in);
  return s;
}
