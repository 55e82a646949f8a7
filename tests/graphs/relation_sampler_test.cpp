#include <gtest/gtest.h>

#include "tests/err_text.h"
#include "tests/graphs/relation_oracle.h"

namespace {

// The drawn boundary within a pixel of the zero set and the zero set within
// a pixel of the boundary or of an undecided cell; full region cells inside
// the region (to within a pixel).
TEST(RelationOracle, BoundariesAndRegionsAreWithinAPixel) {
  for (const Relation_Case& c : relation_family()) {
    Relation_Fns rf = relation_of(c.text);
    Graph_Picture pic = relation_picture(rf);
    Relation_Result r = check_relation(pic, c, rf, 200);
    EXPECT_EQ(r.n_far_boundary, 0) << c.name << ": " << r.where;
    EXPECT_EQ(r.n_outside_cells, 0) << c.name << ": " << r.where;
    EXPECT_EQ(r.n_missed, 0) << c.name << ": " << r.where;
  }
}

std::vector<Point> pts(std::initializer_list<Point> l) { return l; }

TEST(RelationSampler, WholePanelEmptyPanelAndCircleBoundary) {
  Graph_Picture all = relation_picture(relation_of("(+ (+ (^ x 2) (^ y 2)) 1)"));
  ASSERT_EQ(all.fills.size(), 1u);
  EXPECT_TRUE(all.strands.empty());
  EXPECT_EQ(all.fills[0]->colour, BOTH_COLOURS.region);
  const int32_t w = 200 * PX;
  EXPECT_EQ(all.fills[0]->verts, pts({{0, 0}, {0, 0}, {w, 0}, {w, 0}, {w, 0}, {w, w}, {w, w}, {w, w}, {0, w}, {0, w}}));
  Graph_Picture none = relation_picture(relation_of("(+ (* -1 (^ x 2)) -1)"));
  EXPECT_TRUE(none.fills.empty() && none.strands.empty());
  // A circle: one two-point piece per crossed cell, in the curve colour.
  Graph_Picture circle = relation_picture(relation_of("(+ (+ (^ x 2) (^ y 2)) -4)"));
  EXPECT_GT(circle.strands.size(), 8u);
  for (const auto& s : circle.strands) {
    EXPECT_EQ(s->pts.size(), 2u);
    EXPECT_EQ(s->colour, CURVE_COLOUR);
    EXPECT_EQ(s->style, CURVE_PEN_STYLE);
  }
  // A line cutting off the panel's top right corner is one piece, found
  // without halving the panel, however wide the panel.
  EXPECT_EQ(relation_picture(relation_of("(+ (+ x y) -1.5)")).strands.size(), 1u);
  EXPECT_EQ(relation_picture(relation_of("(+ (+ x y) -1.5e300)"), 200, {-3e300, 3e300}).strands.size(), 1u);
  Relation_Fns one_input;
  one_input.fns[REL_F] = compile_x("x");
  Graph_Picture pic = panel_picture(200);
  EXPECT_EQ(check_text([&] { sample_relation(pic, relation_frame(pic, THREE, THREE, PX), Cell{{0, 1, 0, 1}}, one_input); }),
            "Assertion failed - file relation_sampler:\rsrc_dim(f) == 2 && tgt_dim(f) == 1");
}

TEST(RelationSampler, CellPieceRunsWithTheRegionOnItsLeft) {
  // y = x through [0, 2] × [-1, 3]: from the left edge to the right, the
  // region y > x above it closed by corners 3 and 2.
  Relation_Fns rf = relation_of("(+ y (* -1 x))");
  Graph_Picture pic;
  Relation_Frame fr = {0, 100, 0.01, 0, 100, 0.01};
  ASSERT_TRUE(draw_cell_piece(pic, fr, Cell{{0, 2, -1, 3}}, rf, true, EDGE_LEFT, EDGE_RIGHT, 24));
  ASSERT_EQ(pic.fills.size(), 1u);
  EXPECT_EQ(pic.fills[0]->verts, pts({{0, 0}, {67, 67}, {133, 133}, {200, 200}, {200, 200}, {200, 300}, {200, 300},
                                      {200, 300}, {0, 300}, {0, 300}}));
  ASSERT_EQ(pic.strands.size(), 1u);
  const Strand& s = *pic.strands[0];
  ASSERT_EQ(s.pts.size(), 2u);
  EXPECT_EQ(s.pts[0].t, 0);
  EXPECT_EQ(s.pts[1].t, 1);
  for (const Hermite_Point& p : s.pts) {
    EXPECT_EQ(p.x, p.y);
    EXPECT_NEAR(p.dx, 200, 1e-9);
    EXPECT_NEAR(p.dy, 200, 1e-9);
  }
  // A control point outside the cell: the piece is refused.
  EXPECT_FALSE(draw_cell_piece(pic, fr, Cell{{0, 2, -1, 3}}, relation_of("(+ y (* -1 (^ x 2)))"), false, EDGE_BOTTOM,
                               EDGE_TOP, 24));
  fill_cell(pic.fills, 0x123456, fr, Cell{{0.5, 1, -1, 0.25}});
  EXPECT_EQ(pic.fills.back()->verts,
            pts({{50, -100}, {50, -100}, {100, -100}, {100, -100}, {100, -100}, {100, 25}, {100, 25}, {100, 25},
                 {50, 25}, {50, 25}}));
  EXPECT_EQ(pic.fills.back()->colour, 0x123456);
}

TEST(RelationFns, ImplicitDerivativesOfTheZeroSet) {
  struct Case {
    const char* text;
    double x, y;
    double want[N_RELATION_FNS];
  } const cases[] = {
      // x² + y² - 1 at (0.6, 0.8): y = sqrt(1 - x²) has y'''' = -3(1 + 4x²)/y^7.
      {"(+ (+ (^ x 2) (^ y 2)) -1)", 0.6, 0.8, {0, 1.2, 1.6, 2, 2, -4.0 / 3, -0.75, -3 * (1 + 4 * 0.64) / std::pow(0.6, 7),
                                                -3 * (1 + 4 * 0.36) / std::pow(0.8, 7)}},
      // y - x⁴: y'''' = 24, and x = y^(1/4) at (1, 1): x'''' = -(3·7·11/256)·... taken from the power rule.
      {"(+ y (* -1 (^ x 4)))", 1, 1, {0, -4, 1, -12, 0, 0.25, 4, 0.25 * -0.75 * -1.75 * -2.75, 24}},
  };
  for (const Case& c : cases) {
    Relation_Fns rf = relation_of(c.text);
    double xs[2] = {c.x, c.y};
    for (int k = 0; k < N_RELATION_FNS; ++k)
      EXPECT_NEAR(dblsf_value1(rf.fns[k].get(), xs), c.want[k], 1e-9 * (1 + std::fabs(c.want[k]))) << c.text << " " << k;
  }
}

}  // namespace
