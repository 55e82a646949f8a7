// Draws a model-sized Graphs section as a PNG to look at: three panels with
// data dots (full and light), explicit curves of two dependent variables, an
// implicit curve, a shaded inequality, the trace row and the value strip
// with its RMS errors. The PNG goes to the path named on the command line.
#include <QGuiApplication>
#include <cstdio>

#include "draw/qt/qt_targets.h"
#include "tests/graphs/graph_test_util.h"

namespace {

constexpr int32_t PX = 192, MARGIN_PX = 12;

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: graph_section_gallery file.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  Graph_Holder g(gallery_spec());
  Graph_Set& fws = *g;
  trace_from_span(fws, 1, fws.s * 3 / 6, fws.s * 3 / 6);  // t = 1.5
  refresh_graphs(fws, true);
  const Gui_Kind& k = GRAPH_SECTION_OPS;
  Rect b = k.bounds(k, &fws);
  int32_t w = (b.x1 - b.x0) / PX + 2 * MARGIN_PX, h = (b.y1 - b.y0) / PX + 2 * MARGIN_PX;
  // The section's origin is its top left corner; canvas y grows upward from
  // the image's top edge.
  QImage image = qt_draw_image(w, h, 18432 / PX, [&](Canvas& c) {
    k.draw(k, &fws, c, {MARGIN_PX * PX - b.x0, -MARGIN_PX * PX - b.y1});
  });
  qt_save_png(image, argv[1]);
  std::printf("%s: %d x %d pixels\n", argv[1], w, h);
  for (int32_t d = 0; d < n_dep(fws); ++d) std::printf("strip %d: %s\n", d, text_of(fws.strip_texts[size_t(d)]).c_str());
  return 0;
}
