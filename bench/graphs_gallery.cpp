// Draws the hard cases of curve and relation sampling on the Qt device, one
// PNG each, into the folder named on the command line: poles, oscillation,
// steep steps, holes and singular points, to be looked at; and a whole
// Graphs section (graph_section.png): three panels with data dots, full and
// light, explicit curves of two dependent variables, an implicit curve, a
// shaded inequality, the trace row and the value strip with RMS errors.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "draw/qt/qt_targets.h"
#include "tests/graphs/graph_test_util.h"
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

// A section with t at 1.5: rows with t far from it show light.
Graph_Spec gallery_spec() {
  Graph_Spec g;
  g.indeps = {{"x", -10, 10, 0x000000}, {"t", 0, 3, 0x996600}, {"w", -1, 1, 0x336699}};
  g.deps = {{"y", -10, 10, 0xFF0000}, {"z", 0, 100, 0x0000FF}};
  g.statements = {"(= y (+ (* 0.5 x) (+ (* 2 t) (* -3 w))))", "(= z (+ (* 10 t) (+ (^ x 2) (* 5 w))))",
                  "(= (+ (^ x 2) (^ y 2)) 36)", "(< y (+ (* -1 x) -4))"};
  // Rows near the curves; those with t far from its trace value show light.
  for (int i = 0; i < 24; ++i) {
    double x = -9 + 0.75 * i, t = i % 3 == 0 ? 0.4 : 1.5, w = i % 5 == 0 ? NAN : 0.05 * (i % 3);
    double y = 0.5 * x + 2 * t - 3 * (std::isnan(w) ? 0 : w) + (i % 4 - 1.5) * 0.4;
    double z = 10 * t + x * x + 5 * (std::isnan(w) ? 0 : w) + (i % 3 - 1) * 3;
    g.rows.push_back({x, t, w, y, i % 7 == 0 ? NAN : z});
  }
  return g;
}

void save_section_png(const std::string& path) {
  Graph_Holder g(gallery_spec());
  Graph_Set& fws = *g;
  trace_from_span(fws, 1, fws.s / 2, fws.s / 2);
  refresh_graphs(fws, true);
  const Gui_Kind& k = GRAPH_SECTION_OPS;
  Rect b = k.bounds(k, &fws);
  QImage image = qt_draw_image((b.x1 - b.x0) / PX + 2 * MARGIN_PX, (b.y1 - b.y0) / PX + 2 * MARGIN_PX, 18432 / PX,
                               [&](Canvas& c) { k.draw(k, &fws, c, {MARGIN_PX * PX - b.x0, -MARGIN_PX * PX - b.y1}); });
  qt_save_png(image, path);
  for (int32_t d = 0; d < n_dep(fws); ++d)
    std::printf("%s: strip %d: %s\n", path.c_str(), d, text_of(fws.strip_texts[size_t(d)]).c_str());
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
  save_section_png(std::string(argv[1]) + "/graph_section.png");
  return 0;
}
