#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/graphs/sampler_test_util.h"

namespace {

constexpr double W = 200.0 * PX;  // the 200-pixel panel, in canvas units
// 20 tanh(1000 (x - c)) as 20 (1 - 2 / (e^(2000 (x - c)) + 1)). Its
// derivative overflows to infinity times 0 some 0.35 past the jump; at this
// steepness that lies outside the pixel of the jump.
const char* const TANH_AT_003 = "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 (+ x -0.03))) 1) -1))))";
const char* const TANH_AT_0 = "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 x)) 1) -1))))";

double canvas_of(double x) { return (x + 10) / 20 * W; }

std::vector<const Strand*> strands_in(const Graph_Picture& pic, int32_t colour) {
  std::vector<const Strand*> out;
  for (const auto& s : pic.strands)
    if (s->colour == colour && s->pts.size() > 1) out.push_back(s.get());
  return out;
}

// A strand's points as text: (t X Y dX/dt dY/dt) each.
std::string points_text(const Strand& s) {
  std::string out;
  char buf[128];
  for (const Hermite_Point& p : s.pts) {
    std::snprintf(buf, sizeof buf, "(%.17g %.17g %.17g %.17g %.17g)", p.t, p.x, p.y, p.dx, p.dy);
    out += buf;
  }
  return out;
}

void expect_vertical(const Strand& s, double y0, double y1) {
  ASSERT_EQ(s.pts.size(), 2u);
  EXPECT_EQ(s.pts[0].x, s.pts[1].x);
  EXPECT_EQ(s.pts[0].y, y0);
  EXPECT_EQ(s.pts[1].y, y1);
  EXPECT_EQ(s.style, CURVE_PEN_STYLE);
}

TEST(CurveSampler, LinesAndSteepLinesAreOneStrandOfTwoPoints) {
  Graph_Picture line = curve_picture("x");
  ASSERT_EQ(line.strands.size(), 1u);
  const Strand& s = *line.strands[0];
  EXPECT_EQ(points_text(s), "(-10 0 0 1920 1920)(10 38400 38400 1920 1920)");
  EXPECT_EQ(s.colour, CURVE_COLOUR);
  EXPECT_EQ(s.style, CURVE_PEN_STYLE);
  Interval wide = {-1e300, 1e300};
  EXPECT_EQ(strands_in(curve_picture("x", 200, nullptr, wide, wide), CURVE_COLOUR).size(), 1u);
  // Entered through the bottom and left through the top at the roots.
  Graph_Picture steep = curve_picture("(* 1000000 x)");
  ASSERT_EQ(steep.strands.size(), 1u);
  const Strand& t = *steep.strands[0];
  ASSERT_EQ(t.pts.size(), 2u);
  EXPECT_EQ(t.pts[0].y, 0);
  EXPECT_EQ(t.pts[1].y, W);
  EXPECT_NEAR(t.pts[0].t, -1e-5, 1e-9);
  EXPECT_NEAR(t.pts[1].t, 1e-5, 1e-9);
  EXPECT_NEAR(t.pts[1].dy, 1e6 * W / 20, 1);
}

// Where the branches leave and enter is the oracle's part.
TEST(CurveSampler, PoleBranchesStayApart) {
  Graph_Picture pic = curve_picture("(^ x -1)");
  for (const Strand* s : strands_in(pic, CURVE_COLOUR))
    EXPECT_EQ(s->pts.front().t < 0, s->pts.back().t < 0) << "a strand joins the branches";
  // The pixels that end at the pole have an infinite end: their enclosure,
  // all of the panel, is drawn light.
  for (const Strand* s : strands_in(pic, light_colour(CURVE_COLOUR))) EXPECT_NEAR(s->pts[0].x, W / 2, PX);
}

TEST(CurveSampler, StepsAreAVerticalSegmentOrAStrandThroughTheJump) {
  Graph_Picture mid = curve_picture(TANH_AT_003);
  ASSERT_EQ(strands_in(mid, CURVE_COLOUR).size(), 1u);
  const Strand& v = *strands_in(mid, CURVE_COLOUR)[0];
  expect_vertical(v, 0, W);
  EXPECT_NEAR(v.pts[0].x, canvas_of(0.03), PX / 10.0);
  EXPECT_TRUE(strands_in(mid, light_colour(CURVE_COLOUR)).empty());

  Graph_Picture at0 = curve_picture(TANH_AT_0);
  ASSERT_EQ(strands_in(at0, CURVE_COLOUR).size(), 1u);
  const Strand& s = *strands_in(at0, CURVE_COLOUR)[0];
  ASSERT_EQ(s.pts.size(), 3u);
  EXPECT_EQ(s.pts[0].y, 0);
  EXPECT_LT(s.pts[0].t, 0);
  EXPECT_GT(s.pts[0].t, -0.1);
  EXPECT_EQ(s.pts[1].t, 0);
  EXPECT_EQ(s.pts[1].y, W / 2);
  EXPECT_NEAR(s.pts[1].dy, 2e4 * W / 20, 1e-3);
  EXPECT_EQ(s.pts[2].y, W);
  EXPECT_GT(s.pts[2].t, 0);
  EXPECT_LT(s.pts[2].t, 0.1);
  // Its tangent reaches the edges sooner than the pieces' middles: the
  // Bézier controls of the middle point lie on the edge lines.
  EXPECT_NEAR(s.pts[1].y - (s.pts[1].t - s.pts[0].t) * s.pts[1].dy / 3, 0, 1);
  EXPECT_NEAR(s.pts[1].y + (s.pts[2].t - s.pts[1].t) * s.pts[1].dy / 3, W, 1);
}

TEST(CurveSampler, UnresolvedAndUndefinedPieces) {
  // sin(1/x): what stays unresolved at a tenth of a pixel is drawn light,
  // as vertical segments within the curve's range.
  Graph_Picture osc = curve_picture("(sin (^ x -1))", 200, nullptr, {-1, 1}, {-2, 2});
  std::vector<const Strand*> light = strands_in(osc, light_colour(CURVE_COLOUR));
  ASSERT_GT(light.size(), 10u);
  for (const Strand* s : light) {
    expect_vertical(*s, s->pts[0].y, s->pts[1].y);
    EXPECT_GE(s->pts[0].y, W / 4 - 1);
    EXPECT_LE(s->pts[1].y, W * 3 / 4 + 1);
    EXPECT_NEAR(s->pts[0].x, W / 2, 40 * PX);
  }
  // sqrt(x - 20) is undefined over the whole panel: one look settles it.
  Facet_Counts counts;
  Graph_Picture none = curve_picture("(sqrt (+ x -20))", 200, &counts);
  EXPECT_TRUE(none.strands.empty());
  EXPECT_EQ(counts.n_values, 4);
  EXPECT_EQ(counts.n_intervals, 1);
}

TEST(CurveSampler, SmoothCurvesNeedFewEvaluations) {
  struct Case {
    const char* text;
    int64_t most;
  } const cases[] = {{"x", 6}, {"(^ x 2)", 100}, {"(* 5 (sin x))", 100}, {"(+ (^ x 2) 20)", 8}};
  for (const Case& c : cases) {
    Facet_Counts counts;
    curve_picture(c.text, 400, &counts);
    EXPECT_LE(counts.total(), c.most) << c.text;
  }
}

TEST(CurveSampler, VerticalSegmentsAndSlopeBounds) {
  Graph_Picture pic = panel_picture(200);
  add_vertical_segment(pic, 0, TEN, {-5, 5}, TEN, 0x123456, CURVE_PEN_STYLE);
  add_vertical_segment(pic, 0, TEN, {5, 5}, TEN, 0x123456, CURVE_PEN_STYLE);
  ASSERT_EQ(pic.strands.size(), 1u);
  expect_vertical(*pic.strands[0], W / 4, W * 3 / 4);
  EXPECT_EQ(pic.strands[0]->pts[0].x, W / 2);
  EXPECT_EQ(pic.strands[0]->pts[1].t, 1);
  EXPECT_EQ(pic.strands[0]->pts[1].dy, 0);
  struct Case {
    Interval slope;
    double y0, y1;
    Interval want;
  } const cases[] = {
      {{0, 5}, 1, 3, {1, 3}},                        // rising: between the end values
      {{-5, -1}, 3, 1, {1, 3}},                      // falling
      {{-1, 1}, 0, 0, {-1, 1}},                      // lines of slope ±1 out of both ends meet at ±1
      {{-1, 3}, 0, 2, {-1, 3}},                      // δ = (2 + 2)·3/4 = 3
      {{-DBL_INF, 1}, 0, 0, {-2, 2}},                // m infinite: δ = M·h
      {{-1, DBL_INF}, 0, 0, {-2, 2}},                // M infinite: δ = y1 - y0 - m·h
      {{-DBL_INF, DBL_INF}, 0, 0, {-8, 8}},          // infinite candidates leave the range
  };
  for (const Case& c : cases) {
    Interval got = narrow_by_slope({-8, 8}, c.y0, c.y1, 2, c.slope);
    EXPECT_EQ(got.lo, c.want.lo) << c.slope.lo << " " << c.slope.hi;
    EXPECT_EQ(got.hi, c.want.hi) << c.slope.lo << " " << c.slope.hi;
  }
}

TEST(SamplerColours, LightAndRelationColours) {
  EXPECT_EQ(light_colour(0x000000), 0x7F7F7F);
  EXPECT_EQ(light_colour(0xFF8001), 0xFEBF7F);
  struct Case {
    int32_t c;
    bool boundary_q, region_q;
    Relation_Colours want;
  } const cases[] = {
      {0xFF0000, true, false, {0xFF0000, NO_COLOUR, 0xFF8080}},
      {0x0000FF, true, true, {0x0000FF, 0x8080FF, 0x6060DF}},
      {0x80407F, false, true, {NO_COLOUR, 0xFF8000, 0xA0809F}},
  };
  for (const Case& k : cases) {
    Relation_Colours rc = relation_colours(k.c, k.boundary_q, k.region_q);
    EXPECT_EQ(rc.curve, k.want.curve) << std::hex << k.c;
    EXPECT_EQ(rc.region, k.want.region) << std::hex << k.c;
    EXPECT_EQ(rc.unresolved, k.want.unresolved) << std::hex << k.c;
  }
}

}  // namespace
