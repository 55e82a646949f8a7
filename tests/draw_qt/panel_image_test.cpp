// One graph panel's plot area drawn by Qt as the one-graph picture draws it:
// exactly which pixels the model's own geometry lights, at every panel size.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>

#include "draw/qt/qt_targets.h"
#include "graphs/panel_image.h"
#include "tests/graphs/graph_test_util.h"

namespace {

const Var_Spec X = {"x", -10, 10, 0x000000}, T = {"t", 0, 4, 0x008000}, Y = {"y", -10, 10, 0xFF0000};

QImage panel_picture(const Graph_Spec& g, int32_t j, bool grid_q, bool large_q = false) {
  large_graphs_ = large_q;
  Graph_Holder h(g);
  large_graphs_ = false;
  panel_image_refresh(*h, j, grid_q);
  Panel_Image pi = panel_image_of(*h);
  return qt_draw_image(pi.n_px, pi.n_px, pi.dpi,
                       [&](Canvas& c) { draw_panel_image((*h).panels[size_t(j)], c, grid_q); });
}

uint32_t rgb(const QImage& im, int x, int y) { return im.pixel(x, y) & 0xFFFFFF; }
// Covered by a quarter or more: smoothing tints a line's neighbours less.
bool lit_q(const QImage& im, int x, int y) {
  QColor c = im.pixelColor(x, y);
  return std::min({c.red(), c.green(), c.blue()}) <= 0xC0;
}

// Lit pixels further than one pixel from the row row_of(column) gives (NaN:
// none), and columns whose row is not lit.
int off_curve(const QImage& im, double (*row_of)(double col, int n)) {
  int n = im.width(), n_off = 0;
  for (int x = 0; x < n; ++x) {
    double want = row_of(x, n);
    for (int y = 0; y < n; ++y) n_off += lit_q(im, x, y) && !(std::abs(y - want) <= 1.01);
    n_off += std::isfinite(want) && !lit_q(im, x, int(std::lround(want)));
  }
  return n_off;
}

TEST(Panel_Image, CurvesLightTheirOwnPixels) {
  const struct {
    std::vector<Var_Spec> indeps;
    const char* statement;
    int32_t j;
    bool large_q;
    int n_px;
    double (*row_of)(double col, int n);
  } cases[] = {
      {{X}, "(= y x)", 0, false, 200, [](double col, int n) { return n - 1 - col; }},
      {{X, T, T, T}, "(= y x)", 0, false, 100, [](double col, int n) { return n - 1 - col; }},
      {{X}, "(= y x)", 0, true, 400, [](double col, int n) { return n - 1 - col; }},
      // Undefined over the whole panel.
      {{X}, "(= y (sqrt (+ x -20)))", 0, false, 200, [](double, int) { return double(NAN); }},
      // Over t in [0, 4] with x at its trace value 0, then over x with t at 2.
      {{X, T}, "(= y (+ t (* 0.1 x)))", 1, false, 200, [](double col, int) { return 99 - col / 5; }},
      {{X, T}, "(= y (+ t (* 0.1 x)))", 0, false, 200, [](double col, int) { return 89 - col / 10; }},
  };
  for (const auto& c : cases) {
    QImage im = panel_picture({c.indeps, {Y}, {c.statement}, {}}, c.j, false, c.large_q);
    ASSERT_EQ(im.size(), QSize(c.n_px, c.n_px)) << c.statement;
    EXPECT_EQ(off_curve(im, c.row_of), 0) << c.statement << " " << c.n_px;
  }
  QImage line = panel_picture({{X}, {Y}, {"(= y x)"}, {}}, 0, false);
  EXPECT_EQ(rgb(line, 100, 99), 0xFF0000u);  // y's own colour
}

TEST(Panel_Image, NothingJoinsTheBranchesOfAPole) {
  QImage pole = panel_picture({{X}, {Y}, {"(= y (^ x -1))"}, {}}, 0, false);
  int n_between = 0, n_left = 0, n_right = 0;
  for (int y = 0; y < 200; ++y) {
    // Columns 99 and 100 hold x from -0.1 to 0.1, where |1/x| > 10.
    for (int x : {99, 100}) n_between += y >= 5 && y < 195 && lit_q(pole, x, y);
    n_left += lit_q(pole, 97, y) && y > 100;
    n_right += lit_q(pole, 102, y) && y < 100;
  }
  EXPECT_EQ(n_between, 0);
  EXPECT_GT(n_left, 0);
  EXPECT_GT(n_right, 0);
}

TEST(Panel_Image, GridAndTraceLineOnlyWhenAsked) {
  QImage grid = panel_picture({{X}, {Y}, {}, {}}, 0, true);
  // Lines every 2 units: columns 0, 20, ... 180 and rows 199, 179, ... 19;
  // the zero lines darker, and the trace line at x = 0 in x's colour.
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      bool grid_q = x % 20 == 0 || y % 20 == 19;
      uint32_t want = x == 100 ? 0x000000 : y == 99 ? 0x909090 : grid_q ? 0xD8D8D8 : 0xFFFFFF;
      ASSERT_EQ(rgb(grid, x, y), want) << x << "," << y;
    }
}

TEST(Panel_Image, RelationShadesWhereItHolds) {
  // y < x/2 in the first relation's region colour, away from its boundary.
  QImage im = panel_picture({{X}, {Y}, {"(< y (* 0.5 x))"}, {}}, 0, false);
  int n_wrong = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      double below = (99.5 - y) / 10 - 0.5 * (x + 0.5 - 100) / 10;  // y - x/2 at the pixel's centre
      QColor got = im.pixelColor(x, y), want(QRgb(below < 0 ? 0xFFFF80FF : 0xFFFFFFFF));
      int d = std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) + std::abs(got.blue() - want.blue());
      n_wrong += std::abs(below) > 0.15 && d > 0x30;
    }
  EXPECT_EQ(n_wrong, 0);
}

}  // namespace
