#include "draw/units.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// f(a, b) for each row (a, b, result).
template <class F>
void expect_rows(F f, std::initializer_list<std::tuple<int32_t, int32_t, int32_t>> rows, const char* what) {
  for (auto [a, b, result] : rows) EXPECT_EQ(f(a, b), result) << what << "(" << a << ", " << b << ")";
}

}  // namespace

TEST(Units, DivisionsPixelsAndLengths) {
  expect_rows(floor_div, {{7, 2, 3}, {-7, 2, -4}, {-8, 2, -4}, {7, -2, -4}}, "floor_div");
  expect_rows(ceil_div, {{7, 2, 4}, {-7, 2, -3}, {-7, -2, 4}}, "ceil_div");
  // Mouse pixels give their centres, with y up for a negative resolution.
  expect_rows(canvas_from_pixel, {{0, 96, 96}, {0, -96, -96}, {1, -96, -288}, {-1, 96, -96}, {0, 120, 76},
                                  {-1, -120, 76}, {3, 120, 537}, {0, 600, 15}, {10, -600, -322}},
              "canvas_from_pixel");
  // Lengths are rounded to whole pixels.
  expect_rows(device_length, {{128, 96, 1}, {95, 96, 0}, {96, 96, 1}, {287, 96, 1}, {288, 96, 2}, {128, 120, 1},
                              {128, 600, 4}, {128, -600, 4}, {-100, 96, -1}, {-96, 96, 0}},
              "device_length");
}

TEST(Units, CanvasPointsFallOnThePixelWhoseCentreGivesThemBack) {
  for (int32_t dpi : {96, 120, 600}) {
    for (int32_t p = -40; p <= 40; ++p) {
      EXPECT_EQ(device_x(canvas_from_pixel(p, dpi), dpi), p) << dpi << " " << p;
      EXPECT_EQ(device_y(canvas_from_pixel(p, -dpi), -dpi), p) << dpi << " " << p;
    }
  }
  // One pixel at 96 dpi is 192 units: x 0..191 is pixel 0, y -1..-192 row 0.
  expect_rows(device_x, {{191, 96, 0}, {192, 96, 1}, {-1, 96, -1}, {-192, 96, -1}, {-193, 96, -2}, {1000, 120, 6},
                         {-1000, 120, -7}, {-1, 600, -1}},
              "device_x");
  expect_rows(device_y, {{0, -96, -1}, {-1, -96, 0}, {-192, -96, 0}, {-193, -96, 1}, {191, -96, -1}, {-1000, -120, 6},
                         {1000, -120, -7}, {-31, -600, 0}, {-32, -600, 1}},
              "device_y");
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
