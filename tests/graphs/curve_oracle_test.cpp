#include <gtest/gtest.h>

#include "tests/graphs/curve_oracle.h"

namespace {

// Every drawn point within a pixel of the true curve or of an unresolved
// segment, and every visible point of the true curve within a pixel of
// what is drawn.
TEST(CurveOracle, DrawnCurvesAreWithinAPixelOfTheTruth) {
  const Panel_Map m = {TEN, TEN, 200};
  for (const Curve_Case& c : curve_family()) {
    Graph_Picture pic = curve_picture(c.text, m.n_px);
    Oracle_Result r = check_curve(pic, c, m, CURVE_COLOUR);
    EXPECT_LE(r.worst_drawn, PX + ORACLE_SLACK) << c.name << ": " << r.where;
    EXPECT_LE(r.worst_missed, PX + ORACLE_SLACK) << c.name;
  }
}

}  // namespace
