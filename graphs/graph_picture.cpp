#include "graphs/graph_picture.h"

#include "core/err.h"

namespace {

int32_t left(const Rect& r) { return r.x0; }
int32_t bottom(const Rect& r) { return r.y0; }

}  // namespace

Rect drawing_bounds(const Graph_Picture& pic) {
  const Rect& b = pic.bounds;
  Rect bds0 = {b.x0 + PICTURE_MARGIN, b.x1 - PICTURE_MARGIN, b.y0 + PICTURE_MARGIN, b.y1 - PICTURE_MARGIN};
  CHECK(left(bds0) == 0 && bottom(bds0) == 0);
  return bds0;
}

void set_drawing_size(Graph_Picture& pic, int32_t width, int32_t height) {
  pic.bounds = {-PICTURE_MARGIN, width + PICTURE_MARGIN, -PICTURE_MARGIN, height + PICTURE_MARGIN};
}

Strand& new_strand(Graph_Picture& pic, int32_t colour, int32_t style) {
  pic.strands.push_back(std::make_unique<Strand>(Strand{{}, colour, style}));
  return *pic.strands.back();
}

Strand& straight_strand(Graph_Picture& pic, double x0, double y0, double x1, double y1, int32_t colour,
                        int32_t style) {
  Strand& s = new_strand(pic, colour, style);
  append_point(s, 0, x0, y0, 0, 0);
  append_point(s, 1, x1, y1, 0, 0);
  return s;
}

void draw_picture(Canvas& c, Point origin, const Graph_Picture& pic) {
  for (const auto& f : pic.fills) draw_fill_poly(c, origin, *f);
  for (const auto& s : pic.strands) draw_strand(c, origin, *s);
}
