#include "graphs/point_codec.h"

#include "core/bin_codec.h"

void write_points(Out_Stream& out, std::span<const Point> pts) {
  for (Point p : pts) {
    write_int(out, p.x);
    write_int(out, p.y);
  }
}

void read_points(In_Stream& in, uint32_t n, std::vector<Point>& to) {
  for (uint32_t i = 0; i < n; ++i) {
    int32_t x = read_int(in);
    to.push_back({x, read_int(in)});
  }
}
