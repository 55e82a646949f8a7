#include "draw/units.h"

#include <gtest/gtest.h>

TEST(Units, FloorAndCeilingGoTowardsTheirInfinities) {
  EXPECT_EQ(floor_div(7, 2), 3);
  EXPECT_EQ(floor_div(-7, 2), -4);
  EXPECT_EQ(floor_div(-8, 2), -4);
  EXPECT_EQ(floor_div(7, -2), -4);
  EXPECT_EQ(ceil_div(7, 2), 4);
  EXPECT_EQ(ceil_div(-7, 2), -3);
  EXPECT_EQ(ceil_div(-7, -2), 4);
}

TEST(Units, MousePixelsGiveTheirCentresWithYUp) {
  EXPECT_EQ(canvas_from_pixel(0, 96), 96);
  EXPECT_EQ(canvas_from_pixel(0, -96), -96);
  EXPECT_EQ(canvas_from_pixel(1, -96), -288);
  EXPECT_EQ(canvas_from_pixel(-1, 96), -96);
  EXPECT_EQ(canvas_from_pixel(0, 120), 76);
  EXPECT_EQ(canvas_from_pixel(-1, -120), 76);
  EXPECT_EQ(canvas_from_pixel(3, 120), 537);
  EXPECT_EQ(canvas_from_pixel(0, 600), 15);
  EXPECT_EQ(canvas_from_pixel(10, -600), -322);
}

TEST(Units, CanvasPointsFallOnThePixelWhoseCentreGivesThemBack) {
  for (int32_t dpi : {96, 120, 600}) {
    for (int32_t p = -40; p <= 40; ++p) {
      EXPECT_EQ(device_x(canvas_from_pixel(p, dpi), dpi), p) << dpi << " " << p;
      EXPECT_EQ(device_y(canvas_from_pixel(p, -dpi), -dpi), p) << dpi << " " << p;
    }
  }
  // One pixel at 96 dpi is 192 units: x 0..191 is pixel 0, y -1..-192 row 0.
  EXPECT_EQ(device_x(191, 96), 0);
  EXPECT_EQ(device_x(192, 96), 1);
  EXPECT_EQ(device_x(-1, 96), -1);
  EXPECT_EQ(device_x(-192, 96), -1);
  EXPECT_EQ(device_x(-193, 96), -2);
  EXPECT_EQ(device_y(0, -96), -1);
  EXPECT_EQ(device_y(-1, -96), 0);
  EXPECT_EQ(device_y(-192, -96), 0);
  EXPECT_EQ(device_y(-193, -96), 1);
  EXPECT_EQ(device_y(191, -96), -1);
  EXPECT_EQ(device_x(1000, 120), 6);
  EXPECT_EQ(device_x(-1000, 120), -7);
  EXPECT_EQ(device_y(-1000, -120), 6);
  EXPECT_EQ(device_y(1000, -120), -7);
  EXPECT_EQ(device_x(-1, 600), -1);
  EXPECT_EQ(device_y(-31, -600), 0);
  EXPECT_EQ(device_y(-32, -600), 1);
}

TEST(Units, RectanglesAreCoveredAndComeBackInCanvasUnits) {
  EXPECT_EQ(device_rect({-100, 100, -300, 50}, 96, -96), (Device_Rect{-1, -1, 1, 2}));
  EXPECT_EQ(device_rect({0, 1920, -1920, 0}, 96, -96), (Device_Rect{0, 0, 10, 10}));
  EXPECT_EQ(device_rect({-1000, 1000, -1000, 1000}, 120, -120), (Device_Rect{-7, -7, 7, 7}));
  EXPECT_EQ(device_rect({1, 2, -2, -1}, 600, -600), (Device_Rect{0, 0, 1, 1}));
  EXPECT_EQ(canvas_rect({-1, -1, 1, 2}, 96, -96), (Rect{-192, 192, -384, 192}));
  EXPECT_EQ(canvas_rect({-7, -7, 7, 7}, 120, -120), (Rect{-1075, 1075, -1075, 1075}));
  EXPECT_EQ(canvas_rect({0, 0, 800, 600}, 600, -600), (Rect{0, 24576, -18432, 0}));
}

TEST(Units, LengthsAreRoundedToWholePixels) {
  EXPECT_EQ(device_length(128, 96), 1);
  EXPECT_EQ(device_length(95, 96), 0);
  EXPECT_EQ(device_length(96, 96), 1);
  EXPECT_EQ(device_length(287, 96), 1);
  EXPECT_EQ(device_length(288, 96), 2);
  EXPECT_EQ(device_length(128, 120), 1);
  EXPECT_EQ(device_length(128, 600), 4);
  EXPECT_EQ(device_length(128, -600), 4);
  EXPECT_EQ(device_length(-100, 96), -1);
  EXPECT_EQ(device_length(-96, 96), 0);
}
