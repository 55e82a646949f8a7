#include "draw/flow.h"

#include <gtest/gtest.h>

#include <vector>

typedef std::vector<Point> Points;

TEST(Flow, RowsWrapBeforeTheMaximumWidthCentreAndJustify) {
  constexpr Rect W400 = {0, 400, -100, 300};
  const struct {
    const char* what;
    Row_Flow f;
    std::vector<Rect> items;
    Points pts;
    Rect bds;
  } cases[] = {
      {"the third item wraps; the second row's top 50 below the first's bottom", {100, 1000, 50, 99, false},
       {W400, W400, W400}, {{0, 0}, {500, 0}, {0, -450}}, {0, 900, -550, 300}},
      {"exactly the maximum width fits; a too wide first item stays (origin right of its left edge)",
       {100, 900, 50, 99, false}, {{-50, 1450, -100, 300}, W400, W400}, {{50, 0}, {0, -450}, {500, -450}},
       {0, 1500, -550, 300}},
      {"items from 1 on centred on the row so far (an icon and its message)", {100, 10000, 50, 1, false},
       {{0, 600, 0, 1200}, {0, 2000, -200, 200}, {-10, 90, -10, 10}},
       {{0, 0}, {700, 600}, {2810, 600}}, {0, 2900, 0, 1200}},
      {"justified: the left over width spread over the gaps, a lone item stays", {100, 1000, 50, 99, true},
       {{0, 200, 0, 100}, {0, 200, 0, 100}, {0, 200, 0, 100}, {0, 900, 0, 100}},
       {{0, 0}, {400, 0}, {800, 0}, {0, -150}}, {0, 1000, -150, 100}},
      {"justified: one gap", {100, 1000, 50, 99, true}, {{0, 200, 0, 100}, {0, 300, 0, 100}}, {{0, 0}, {700, 0}},
       {0, 1000, 0, 100}},
  };
  for (const auto& k : cases) {
    Points pts(k.items.size());
    EXPECT_EQ(row_flow(k.f, k.items, pts), k.bds) << k.what;
    EXPECT_EQ(pts, k.pts) << k.what;
  }
}

TEST(Flow, ColumnsStackDownwardAndCentreFromTheirStartIndex) {
  const std::vector<Rect> items = {{0, 1000, -100, 300}, {0, 400, -50, 50}, {-100, 100, 0, 200}};
  const struct {
    int32_t centre_i;
    Points pts;
    Rect bds;
  } cases[] = {
      {3, {{0, 0}, {0, -210}, {0, -520}}, {-100, 1000, -520, 300}},
      {1, {{0, 0}, {250, -210}, {450, -520}}, {0, 1000, -520, 300}},
      {0, {{0, 0}, {300, -210}, {500, -520}}, {0, 1000, -520, 300}},
  };
  for (const auto& k : cases) {
    Points pts(items.size());
    EXPECT_EQ(column_stack({60, k.centre_i}, items, pts), k.bds) << k.centre_i;
    EXPECT_EQ(pts, k.pts) << k.centre_i;
  }
}
