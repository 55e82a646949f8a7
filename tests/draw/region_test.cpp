#include "draw/region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/draw/unit_canvas.h"

namespace {

// The region's pixels in a small window, one text row per pixel row.
std::string picture(const Region& r, int32_t w, int32_t h) {
  std::string s;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) s += region_contains_q(r, x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(Region, CombinationsOfTwoOverlappingRectangles) {
  Region a = region_from_rect({0, 0, 4, 3}), b = region_from_rect({2, 1, 6, 4});
  EXPECT_EQ(picture(region_combine(a, b, RGN_OR), 7, 5), "####...\n######.\n######.\n..####.\n.......\n");
  EXPECT_EQ(picture(region_combine(a, b, RGN_AND), 7, 5), ".......\n..##...\n..##...\n.......\n.......\n");
  EXPECT_EQ(picture(region_combine(a, b, RGN_DIFF), 7, 5), "####...\n##.....\n##.....\n.......\n.......\n");
  EXPECT_EQ(picture(region_combine(a, b, RGN_XOR), 7, 5), "####...\n##..##.\n##..##.\n..####.\n.......\n");
  // Bands that repeat are merged: the union is three rectangles.
  EXPECT_EQ(region_combine(a, b, RGN_OR).rects,
            (std::vector<Device_Rect>{{0, 0, 4, 1}, {0, 1, 6, 3}, {2, 3, 6, 4}}));
  EXPECT_TRUE(region_empty_q(region_combine(a, a, RGN_XOR)));
  EXPECT_TRUE(region_empty_q(region_from_rect({3, 3, 3, 9})));
}

TEST(Region, RoundedRectanglesCutTheirCorners) {
  // A pixel belongs when its centre lies inside the corner's ellipse.
  EXPECT_EQ(picture(region_round_rect({0, 0, 10, 8}, 6, 6), 10, 8),
            ".########.\n"
            "##########\n"
            "##########\n"
            "##########\n"
            "##########\n"
            "##########\n"
            "##########\n"
            ".########.\n");
  EXPECT_EQ(picture(region_round_rect({0, 0, 12, 10}, 12, 10), 12, 10),
            "...######...\n"
            "..########..\n"
            ".##########.\n"
            "############\n"
            "############\n"
            "############\n"
            "############\n"
            ".##########.\n"
            "..########..\n"
            "...######...\n");
  EXPECT_EQ(region_round_rect({0, 0, 10, 8}, 0, 0).rects, (std::vector<Device_Rect>{{0, 0, 10, 8}}));
}

TEST(Region, OnTheCanvasInCanvasUnitsAndDrawnByInverting) {
  Rec_Canvas r96(96);
  Canvas& c = r96.canvas;
  Region r = canvas_region_rect(c, {0, 1920, -1920, 0});
  EXPECT_EQ(r.rects, (std::vector<Device_Rect>{{0, 0, 10, 10}}));
  canvas_region_offset(c, r, {192, -384});
  EXPECT_EQ(r.rects, (std::vector<Device_Rect>{{1, 2, 11, 12}}));
  EXPECT_EQ(canvas_region_bounds(c, r), (Rect{192, 2112, -2304, -384}));
  Region round = canvas_region_round_rect(c, {0, 1920, -1536, 0}, 576);
  EXPECT_EQ(region_bounds(round), (Device_Rect{0, 0, 10, 8}));
  EXPECT_FALSE(region_contains_q(round, 0, 0));
  canvas_draw_region(c, r, 1);
  EXPECT_TRUE(r96.take().empty());
  Region both = region_combine(r, region_from_rect({0, 0, 2, 2}), RGN_OR);
  EXPECT_EQ(region_bounds(both), (Device_Rect{0, 0, 11, 12}));
  EXPECT_EQ(region_bounds(Region{}), (Device_Rect{0, 0, 0, 0}));
  canvas_draw_region(c, both, 2);
  EXPECT_EQ(r96.take(), (Calls{"invert 0 0 2 2", "invert 1 2 11 12"}));
}
