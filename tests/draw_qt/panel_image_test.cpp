// One graph panel's plot area drawn by Qt as the one-graph picture draws it:
// exactly which pixels the model's own geometry lights, at every panel size.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "draw/qt/qt_targets.h"
#include "graphs/panel_image.h"
#include "tests/graphs/graph_test_util.h"

namespace {

const Var_Spec X = {"x", -10, 10, 0x000000}, T = {"t", 0, 4, 0x008000}, Y = {"y", -10, 10, 0xFF0000};

QImage panel_picture(const Graph_Spec& g, int32_t j, bool grid_q) {
  Graph_Holder h(g);
  panel_image_refresh(*h, j, grid_q);
  Panel_Image pi = panel_image_of(*h);
  QImage im = qt_draw_image(pi.n_px, pi.n_px, pi.dpi,
                            [&](Canvas& c) { draw_panel_image((*h).panels[size_t(j)], c, grid_q); });
  // With VEZA_GALLERY_DIR set, each picture is written there to be looked at.
  static int n_pictures_ = 0;
  if (const char* dir_mp = std::getenv("VEZA_GALLERY_DIR"))
    qt_save_png(im, std::string(dir_mp) + "/graph_panel" + std::to_string(n_pictures_++) + ".png");
  return im;
}

uint32_t rgb(const QImage& im, int x, int y) { return im.pixel(x, y) & 0xFFFFFF; }
// A pixel a line covers by a quarter or more; smoothing tints its neighbours less.
bool lit_q(const QImage& im, int x, int y) {
  QColor c = im.pixelColor(x, y);
  return std::min({c.red(), c.green(), c.blue()}) <= 0xC0;
}

// Within a smoothed edge's tint of the colour c.
bool near_q(QColor got, uint32_t c) {
  QColor want(QRgb(c | 0xFF000000));
  return std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) + std::abs(got.blue() - want.blue()) <= 0x30;
}

// The lit pixels that lie further than one pixel from where row_of(column)
// puts the curve, and the columns whose place is not lit.
std::pair<int, int> off_curve(const QImage& im, double (*row_of)(double col, int n)) {
  int n = im.width(), n_off = 0, n_missed = 0;
  for (int x = 0; x < n; ++x) {
    double want = row_of(x, n);
    for (int y = 0; y < n; ++y) n_off += lit_q(im, x, y) && std::abs(y - want) > 1.01;
    n_missed += !lit_q(im, x, int(std::lround(want)));
  }
  return {n_off, n_missed};
}

TEST(Panel_Image, LineLightsItsDiagonalAtEverySize) {
  const struct {
    std::vector<Var_Spec> indeps;
    bool large_q;
    int n_px;
  } cases[] = {{{X}, false, 200}, {{X, T, T, T}, false, 100}, {{X}, true, 400}};
  for (const auto& c : cases) {
    large_graphs_ = c.large_q;
    QImage im = panel_picture({c.indeps, {Y}, {"(= y x)"}, {}}, 0, false);
    large_graphs_ = false;
    ASSERT_EQ(im.width(), c.n_px);
    ASSERT_EQ(im.height(), c.n_px);
    auto [n_off, n_missed] = off_curve(im, [](double col, int n) { return n - 1 - col; });
    EXPECT_EQ(n_off, 0) << c.n_px;
    EXPECT_EQ(n_missed, 0) << c.n_px;
    EXPECT_EQ(rgb(im, c.n_px / 2, c.n_px / 2 - 1), 0xFF0000u) << c.n_px;  // y's own colour
  }
}

TEST(Panel_Image, PoleAndUndefinedCurveLightNothingBetween) {
  QImage pole = panel_picture({{X}, {Y}, {"(= y (^ x -1))"}, {}}, 0, false);
  int n_between = 0, n_left = 0, n_right = 0;
  for (int y = 0; y < 200; ++y) {
    // Columns 99 and 100 hold x from -0.1 to 0.1, where |1/x| > 10 but
    // for the left branch's end on the bottom edge.
    for (int x : {99, 100}) n_between += y >= 5 && y < 195 && lit_q(pole, x, y);
    n_left += lit_q(pole, 97, y) && y > 100;
    n_right += lit_q(pole, 102, y) && y < 100;
  }
  EXPECT_EQ(n_between, 0);
  EXPECT_GT(n_left, 0);
  EXPECT_GT(n_right, 0);
  // sqrt(x - 20) is undefined over the whole panel.
  QImage none = panel_picture({{X}, {Y}, {"(= y (sqrt (+ x -20)))"}, {}}, 0, false);
  int n_lit = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) n_lit += lit_q(none, x, y);
  EXPECT_EQ(n_lit, 0);
}

TEST(Panel_Image, GridAndTraceLineOnlyWhenAsked) {
  QImage grid = panel_picture({{X}, {Y}, {"(= y (sqrt (+ x -20)))"}, {}}, 0, true);
  // Lines every 2 units: columns 0, 20, ... 180 and rows 199, 179, ... 19;
  // the zero lines darker, and the trace line at x = 0 in x's colour.
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      bool col_q = x % 20 == 0, row_q = y % 20 == 19;
      uint32_t want = x == 100 ? 0x000000 : y == 99 ? 0x909090 : col_q || row_q ? 0xD8D8D8 : 0xFFFFFF;
      ASSERT_EQ(rgb(grid, x, y), want) << x << "," << y;
    }
}

TEST(Panel_Image, SecondPanelTakesItsVariablesRange) {
  // y = t + x/10: over t in [0, 4] with x at its trace value 0, rows 99 to 59.
  Graph_Spec g = {{X, T}, {Y}, {"(= y (+ t (* 0.1 x)))"}, {}};
  auto [n_off, n_missed] = off_curve(panel_picture(g, 1, false), [](double col, int) { return 99 - col / 5; });
  EXPECT_EQ(n_off, 0);
  EXPECT_EQ(n_missed, 0);
  // Over x, with t at its middle 2: rows 89 to 109.
  auto [x_off, x_missed] = off_curve(panel_picture(g, 0, false), [](double col, int) { return 89 - col / 10; });
  EXPECT_EQ(x_off, 0);
  EXPECT_EQ(x_missed, 0);
}


TEST(Panel_Image, RelationShadesWhereItHolds) {
  // y < x/2 in the first relation's region colour, its boundary not drawn.
  QImage im = panel_picture({{X}, {Y}, {"(< y (* 0.5 x))"}, {}}, 0, false);
  int n_wrong = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      double below = (99.5 - y) / 10 - 0.5 * (x + 0.5 - 100) / 10;  // y - x/2 at the pixel's centre
      if (std::abs(below) > 0.15) n_wrong += !near_q(im.pixelColor(x, y), below < 0 ? 0xFF80FF : 0xFFFFFF);
    }
  EXPECT_EQ(n_wrong, 0);
}

}  // namespace
