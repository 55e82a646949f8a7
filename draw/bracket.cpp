#include "draw/bracket.h"

#include <algorithm>
#include <vector>

#include "core/err.h"

namespace {

// The vertical bars of the Symbol font's bracket pieces, used as absolute
// value signs.
constexpr uint32_t LEFT_BAR = 0xF8EF, RIGHT_BAR = 0xF8FA;

struct Bracket_Box {
  int32_t x0, x1, y0, y1, mid;
  int32_t h, half, t;
};

Bracket_Box box_of(const Rect& r) {
  int32_t h = r.y1 - r.y0;
  return {r.x0, r.x1, r.y0, r.y1, r.y0 + h / 2, h, h / 2, h / 8 + 200};
}

// Closing brackets are drawn as they are; opening ones as their mirror image
// about the box's middle.
Point at(const Bracket_Box& b, bool mirror_q, int32_t x, int32_t y) { return {mirror_q ? b.x0 + b.x1 - x : x, y}; }

std::vector<Point> mirrored(const Bracket_Box& b, bool mirror_q, std::initializer_list<Point> pts) {
  std::vector<Point> out;
  for (Point p : pts) out.push_back(at(b, mirror_q, p.x, p.y));
  return out;
}

// ")" with its tips on the box's left edge and its bulge reaching the right.
void draw_paren(Canvas& c, const Bracket_Box& b, bool mirror_q) {
  int32_t w = (b.x1 - b.x0) * 4 / 3, bulge = 2 * b.half / 5, t = b.t;
  if (4 * c.min_pen_width < 3 * (w - t)) {
    canvas_set_pen_width(c, c.min_pen_width);
    canvas_fill_bezier_path(c, mirrored(b, mirror_q,
                                        {{b.x0, b.y1}, {b.x0 + w, b.y1 - t}, {b.x0 + w, b.y0 + t}, {b.x0, b.y0},
                                         {b.x0 + w - t, b.mid - bulge}, {b.x0 + w - t, b.mid + bulge}, {b.x0, b.y1}}));
  } else {
    int32_t k = (t + w) / 2;
    canvas_set_pen_width(c, c.min_pen_width);
    canvas_bezier_path(c, mirrored(b, mirror_q, {{b.x0, b.y1}, {b.x0 + k, b.y1 - t}, {b.x0 + k, b.y0 + t}, {b.x0, b.y0}}));
  }
}

// The stroke width of the other brackets: thin, but never below a pixel.
int32_t stroke_of(const Canvas& c, const Bracket_Box& b) { return std::max(b.t / 2, c.min_pen_width); }

// "]", "⌉" or "⌋": a stem on the right with arms at the top and/or bottom,
// as one filled outline traced clockwise from the top.
void draw_square(Canvas& c, const Bracket_Box& b, bool mirror_q, bool top_q, bool bottom_q) {
  int32_t s = stroke_of(c, b), stem = b.x1 - s;
  std::vector<Point> pts;
  auto add = [&](int32_t x, int32_t y) { pts.push_back(at(b, mirror_q, x, y)); };
  add(top_q ? b.x0 : stem, b.y1);
  add(b.x1, b.y1);
  add(b.x1, b.y0);
  if (bottom_q) {
    add(b.x0, b.y0);
    add(b.x0, b.y0 + s);
    add(stem, b.y0 + s);
  } else {
    add(stem, b.y0);
  }
  if (top_q) {
    add(stem, b.y1 - s);
    add(b.x0, b.y1 - s);
  }
  canvas_set_pen_width(c, c.min_pen_width);
  canvas_polygon(c, pts);
}

// "}": two quarter turns to the point in the middle, stroked.
void draw_curly(Canvas& c, const Bracket_Box& b, bool mirror_q) {
  // Thinner than the other brackets: the turns and the point add weight.
  int32_t s = std::max(b.t / 3, c.min_pen_width);
  int32_t x0 = b.x0 + s / 2, x1 = b.x1 - s / 2, y0 = b.y0 + s / 2, y1 = b.y1 - s / 2;
  int32_t xm = (x0 + x1) / 2, q = std::min((x1 - x0) / 2, (y1 - y0) / 4);
  canvas_set_pen_width(c, s);
  canvas_bezier_path(c, mirrored(b, mirror_q,
                                 {{x0, y1}, {xm, y1}, {xm, y1}, {xm, y1 - q},
                                  {xm, y1 - q}, {xm, b.mid + q}, {xm, b.mid + q},
                                  {xm, b.mid}, {xm, b.mid}, {x1, b.mid},
                                  {xm, b.mid}, {xm, b.mid}, {xm, b.mid - q},
                                  {xm, b.mid - q}, {xm, y0 + q}, {xm, y0 + q},
                                  {xm, y0}, {xm, y0}, {x0, y0}}));
}

void draw_angle(Canvas& c, const Bracket_Box& b, bool mirror_q) {
  int32_t s = stroke_of(c, b);
  canvas_set_pen_width(c, s);
  canvas_polyline(c, mirrored(b, mirror_q, {{b.x0 + s / 2, b.y1 - s / 2}, {b.x1 - s / 2, b.mid}, {b.x0 + s / 2, b.y0 + s / 2}}),
                  false);
}

void draw_bar(Canvas& c, const Bracket_Box& b) {
  canvas_set_pen_width(c, stroke_of(c, b));
  int32_t x = (b.x0 + b.x1) / 2;
  canvas_move_to(c, {x, b.y1});
  canvas_line_to(c, {x, b.y0});
}

}  // namespace

bool opening_bracket_q(uint32_t cp) {
  return cp == '(' || cp == '[' || cp == '{' || cp == 0x2308 || cp == 0x230A || cp == 0x2329 || cp == LEFT_BAR;
}

bool bracket_q(uint32_t cp) {
  return opening_bracket_q(cp) || cp == ')' || cp == ']' || cp == '}' || cp == 0x2309 || cp == 0x230B ||
         cp == 0x232A || cp == RIGHT_BAR;
}

int32_t bracket_width(int32_t height) {
  int32_t half = height / 2;
  return ((half * 7) / 20 + 250) * 3 / 4;
}

Rect bracket_bounds(uint32_t cp, int32_t height) {
  CHECK(bracket_q(cp));
  int32_t half = height / 2, width = bracket_width(height);
  return opening_bracket_q(cp) ? Rect{-width, 0, -half, half} : Rect{0, width, -half, half};
}

void canvas_draw_bracket(Canvas& c, uint32_t cp, const Rect& box) {
  CHECK(bracket_q(cp));
  Bracket_Box b = box_of(box);
  bool mirror_q = opening_bracket_q(cp);
  switch (cp) {
    case '(': case ')': draw_paren(c, b, mirror_q); break;
    case '[': case ']': draw_square(c, b, mirror_q, true, true); break;
    case 0x2308: case 0x2309: draw_square(c, b, mirror_q, true, false); break;
    case 0x230A: case 0x230B: draw_square(c, b, mirror_q, false, true); break;
    case '{': case '}': draw_curly(c, b, mirror_q); break;
    case 0x2329: case 0x232A: draw_angle(c, b, mirror_q); break;
    default: draw_bar(c, b); break;
  }
  canvas_set_pen_width(c, DEFAULT_PEN_WIDTH);
}
