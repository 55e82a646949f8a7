// Draws the hard cases of curve and relation sampling on the Qt device, one
// PNG each, into the folder named on the command line: poles, oscillation,
// steep steps, holes and singular points, to be looked at.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "draw/qt/qt_targets.h"
#include "tests/graphs/sampler_test_util.h"

namespace {

constexpr int32_t N_PX = 400, MARGIN_PX = 8;

struct Gallery_Case {
  const char* file;
  const char* text;
  bool relation_q;
  Interval xs, ys;
  bool region_q;
};

const Gallery_Case CASES[] = {
    {"one_over_x", "(^ x -1)", false, {-10, 10}, {-10, 10}, false},
    {"sin_one_over_x", "(sin (^ x -1))", false, {-1, 1}, {-2, 2}, false},
    {"tanh_step", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 (+ x -0.03))) 1) -1))))", false, {-10, 10}, {-10, 10}, false},
    {"tanh_step_zoomed", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 (+ x -0.03))) 1) -1))))", false, {-0.2, 0.2}, {-10, 10},
     false},
    {"tanh_step_steeper", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000000 (+ x -0.03))) 1) -1))))", false, {-0.2, 0.2},
     {-10, 10}, false},
    {"tanh_at_0", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 x)) 1) -1))))", false, {-10, 10}, {-10, 10}, false},
    {"pole_by_hole", "(* (+ x -1) (^ (* (+ x -1) (+ x -1.5)) -1))", false, {-1, 4}, {-10, 10}, false},
    {"sinc_hole", "(* 8 (* (sin x) (^ x -1)))", false, {-10, 10}, {-10, 10}, false},
    {"tan", "(tan x)", false, {-10, 10}, {-10, 10}, false},
    {"chirp", "(* 8 (cos (^ x 2)))", false, {-10, 10}, {-10, 10}, false},
    {"ln", "(ln x)", false, {-1, 10}, {-10, 3}, false},
    {"lemniscate", "(+ (^ (+ (^ x 2) (^ y 2)) 2) (* -4 (+ (^ x 2) (* -1 (^ y 2)))))", true, {-3, 3}, {-3, 3}, true},
    {"node", "(+ (^ y 2) (* -1 (* (^ x 2) (+ x 1))))", true, {-3, 3}, {-3, 3}, true},
    {"isolated_point", "(+ (^ y 2) (* -1 (* (^ x 2) (+ x -1))))", true, {-3, 3}, {-3, 3}, false},
    {"elliptic_curve", "(+ (^ y 2) (+ (* -1 (^ x 3)) x))", true, {-3, 3}, {-3, 3}, true},
    {"xy_above_1", "(+ (* x y) -1)", true, {-3, 3}, {-3, 3}, true},
    {"diamond", "(+ 1 (* -1 (+ (abs x) (abs y))))", true, {-3, 3}, {-3, 3}, true},
};

void draw_axes(Canvas& c, Point origin, const Gallery_Case& g) {
  const int32_t w = N_PX * PX;
  canvas_set_colour(c, 0xE0E0E0);
  int32_t x0 = int32_t(-g.xs.lo / (g.xs.hi - g.xs.lo) * w), y0 = int32_t(-g.ys.lo / (g.ys.hi - g.ys.lo) * w);
  canvas_move_to(c, {origin.x + x0, origin.y});
  canvas_line_to(c, {origin.x + x0, origin.y + w});
  canvas_move_to(c, {origin.x, origin.y + y0});
  canvas_line_to(c, {origin.x + w, origin.y + y0});
  canvas_set_colour(c, 0x000000);
  Point frame[5] = {{0, 0}, {w, 0}, {w, w}, {0, w}, {0, 0}};
  for (Point& p : frame) p = {p.x + origin.x, p.y + origin.y};
  canvas_polyline(c, frame, false);
}

Graph_Picture sampled(const Gallery_Case& g) {
  Graph_Picture pic = panel_picture(N_PX);
  if (g.relation_q) {
    Relation_Fns rf = relation_fns_compile(plot_syms().x.get(), plot_syms().y.get(), plot_formula(g.text).get(),
                                           default_symbol_rules(), relation_colours(CURVE_COLOUR, true, g.region_q));
    sample_relation(pic, relation_frame(pic, g.xs, g.ys, PX), Cell{{g.xs.lo, g.xs.hi, g.ys.lo, g.ys.hi}}, rf);
  } else {
    sample_curve_on_panel(pic, CURVE_COLOUR, g.xs, g.ys, PX, curve_fns_of(compile_x(g.text).get()));
  }
  return pic;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: graphs_gallery folder\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  const int32_t side = N_PX + 2 * MARGIN_PX;
  // Canvas y grows upward from the image's top edge: the panel's bottom
  // sits a margin above the image's bottom.
  const Point origin = {MARGIN_PX * PX, -(N_PX + MARGIN_PX) * PX};
  for (const Gallery_Case& g : CASES) {
    Graph_Picture pic = sampled(g);
    QImage image = qt_draw_image(side, side, 18432 / PX, [&](Canvas& c) {
      draw_axes(c, origin, g);
      draw_picture(c, origin, pic);
    });
    std::string path = std::string(argv[1]) + "/" + g.file + ".png";
    qt_save_png(image, path);
    std::printf("%s: %zu strands, %zu polygons\n", path.c_str(), pic.strands.size(), pic.fills.size());
  }
  return 0;
}
