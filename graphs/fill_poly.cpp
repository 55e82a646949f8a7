#include "graphs/fill_poly.h"

#include "core/bin_codec.h"
#include "graphs/graph_pen.h"
#include "graphs/point_codec.h"

void add_edge(Fill_Poly& f, Point q) {
  int32_t n0 = int32_t(f.verts.size());
  CHECK(n0 > 0);
  Point last = f.verts.back();
  f.verts.insert(f.verts.end(), {last, q, q});
}

void draw_fill_poly(Canvas& c, Point origin, const Fill_Poly& f) {
  std::vector<Point> pts = offset_points(f.verts, origin);
  draw_in_colour(c, f.colour, [&] {
    if (f.filled) canvas_fill_bezier_path(c, pts);
    else canvas_bezier_path(c, pts);
  });
}

void write_fill_poly(Out_Stream& out, const Fill_Poly& f) {
  write_int(out, int32_t(f.verts.size()));
  write_points(out, f.verts);
  write_unsigned(out, uint32_t(f.colour));
  write_int(out, f.filled);
}

Fill_Poly read_fill_poly(In_Stream& in) {
  Fill_Poly f{{}, 0, 0};
  int32_t n = read_int(in);
  if (n < 0) raise_syntax(in, "Illegal int");
  read_points(in, n, f.verts);
  f.colour = int32_t(read_unsigned(in));
  f.filled = read_int(in);
  return f;
}
