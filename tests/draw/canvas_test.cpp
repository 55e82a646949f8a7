#include "draw/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/err.h"
#include "draw/colour.h"
#include "tests/draw/unit_canvas.h"
#include "tests/err_text.h"

TEST(Canvas, ConstructionTakesTheDeviceResolutionAndSetsABlackHalfPointPen) {
  const struct {
    int32_t dpi_x, dpi_y;
    std::vector<int32_t> got;  // dpi_x, dpi_y, min_pen_width, one_pixel_pen_q
    Rect bounds;
    const char* pen;
  } cases[] = {{0, 0, {96, -96, 192, 1}, {0, 153600, -115200, 0}, "pen 1 00000000"},
               {600, -600, {600, -600, 30, 0}, {0, 24576, -18432, 0}, "pen 4 00000000"},
               {120, 0, {120, -96, 153, 1}, {0, 122880, -115200, 0}, "pen 1 00000000"}};
  Rec_Device rec = rec_device_new(96, 800, 600);
  for (const auto& k : cases) {
    {
      Canvas c(rec_device(rec), k.dpi_x, k.dpi_y);
      EXPECT_EQ((std::vector<int32_t>{c.dpi_x, c.dpi_y, c.min_pen_width, c.one_pixel_pen_q}), k.got) << k.dpi_x;
      EXPECT_EQ(c.bounds, k.bounds) << k.dpi_x;
      EXPECT_EQ(rec_take_calls(rec), (Calls{"save", k.pen, "brush 02000000", "text_colour 00000000"})) << k.dpi_x;
    }
    EXPECT_EQ(rec_take_calls(rec), (Calls{"restore"}));
  }
}

TEST(Canvas, PenWidthsAreAtLeastOnePixelAndReportWhatTheDeviceGave) {
  const struct {
    int32_t dpi, asked, got;
    bool one_pixel_q;
    const char* call;
  } cases[] = {{96, 10, 192, true, "pen 1 00000000"}, {96, 300, 384, false, "pen 2 00000000"},
               {600, 10, 30, true, "pen 1 00000000"}, {600, 128, 122, false, "pen 4 00000000"},
               {120, 400, 460, false, "pen 3 00000000"}};
  for (const auto& k : cases) {
    Rec_Canvas r(k.dpi);
    EXPECT_EQ(canvas_set_pen_width(r.canvas, k.asked), k.got) << k.dpi << " " << k.asked;
    EXPECT_EQ(r.canvas.one_pixel_pen_q, k.one_pixel_q) << k.dpi << " " << k.asked;
    EXPECT_EQ(r.take(), Calls{k.call}) << k.dpi << " " << k.asked;
  }
}

TEST(Canvas, ColoursExchangeRedAndBlueAndAdaptToFewColourDevices) {
  EXPECT_EQ(device_colour(0x123456), 0x563412u);
  const std::tuple<uint32_t, int32_t, uint32_t> cases[] = {
      {0xC0C0C0, 8, 0x7F7F7F}, {0xF0F8FF, 8, 0xF0F8FF}, {0xF0F8FF, 2, 0xF0F8FF}, {0xEFFFFF, 2, 0},
      {0x80107F, 8, 0xFF0000}, {0x7F7F80, 8, 0x0000FF}, {0xC0C0C0, 0, 0xC0C0C0}, {0xC0C0C0, 256, 0xC0C0C0}};
  for (auto [c, n_colours, adapted] : cases) EXPECT_EQ(adapt_colour(c, n_colours), adapted) << c << " " << n_colours;

  Rec_Canvas r(600);
  canvas_set_pen_width(r.canvas, 500);
  canvas_set_colour(r.canvas, 0x123456);
  canvas_set_colour(r.canvas, 0x123456);  // unchanged: nothing
  canvas_set_colour(r.canvas, NO_COLOUR);
  EXPECT_EQ(r.canvas.colour, 0x123456);
  EXPECT_EQ(r.take(), (Calls{"pen 16 00000000", "pen 4 00563412", "brush 02563412", "text_colour 00563412"}));

  Rec_Canvas eight(96, 8);
  canvas_set_colour(eight.canvas, 0xC0C0C0);
  EXPECT_EQ(eight.take(), (Calls{"pen 1 007F7F7F", "brush 027F7F7F", "text_colour 007F7F7F"}));
  Rec_Canvas two(96, 2);
  canvas_set_colour(two.canvas, 0x0000FF);
  EXPECT_EQ(two.take(), (Calls{"pen 1 00000000", "brush 02000000", "text_colour 00000000"}));
}

TEST(Canvas, OnePixelLinesIncludeTheirEndPixel) {
  Rec_Canvas r(96);
  canvas_set_colour(r.canvas, 0xFF0000);
  r.take();
  canvas_move_to(r.canvas, {0, -96});
  canvas_line_to(r.canvas, {1920, -96});
  canvas_line_by(r.canvas, {0, -1920});
  EXPECT_EQ(r.canvas.cur, (Point{1920, -2016}));
  canvas_set_pen_width(r.canvas, 400);
  canvas_line_to(r.canvas, {0, -96});
  EXPECT_EQ(r.take(), (Calls{"move_to 0 0", "line_to 10 0", "pixel 10 0 000000FF", "move_to 10 0", "line_to 10 10",
                             "pixel 10 10 000000FF", "pen 2 000000FF", "move_to 10 10", "line_to 0 0"}));
  canvas_set_mask_mode(r.canvas, true);
  canvas_set_mask_mode(r.canvas, false);
  EXPECT_EQ(r.take(), (Calls{"mask on", "mask off"}));
}

TEST(Canvas, BezierPathsDrawStraightSegmentsAsLinesAndBatchCurvesAndFillAsPaths) {
  Rec_Canvas r(96);
  std::vector<Point> pts = {{0, -96},      {0, -96},      {1920, -96},   {1920, -96},   // straight
                            {1920, -1920}, {3840, -1920}, {3840, -96},                  // curve
                            {5760, -96},   {5760, -1920}, {7680, -1920},                // curve
                            {7680, -1920}, {9600, -1920}, {9600, -1920}};               // straight
  canvas_bezier_path(r.canvas, pts);
  EXPECT_EQ(r.take(), (Calls{"move_to 0 0", "line_to 10 0", "bezier_to 10 9 20 9 20 0 30 0 30 9 40 9",
                             "line_to 50 9", "pixel 50 9 00000000"}));
  EXPECT_EQ(r.canvas.cur, (Point{9600, -1920}));
  // Only the first control on its end is not straight.
  std::vector<Point> half = {{0, -96}, {0, -96}, {960, -960}, {1920, -96}};
  canvas_bezier_path(r.canvas, half);
  EXPECT_EQ(r.take(), (Calls{"move_to 0 0", "bezier_to 0 0 5 4 10 0", "pixel 10 0 00000000"}));
  std::vector<Point> single = {{5, 5}};
  canvas_bezier_path(r.canvas, single);
  EXPECT_TRUE(r.take().empty());
  std::vector<Point> bad = {{0, 0}, {1, 1}};
  EXPECT_EQ(check_text([&] { canvas_bezier_path(r.canvas, bad); }),
            "Assertion failed - file canvas_paths:\rn_elts(pts) % 3 == 1");
  // Filled paths are traced as paths, without end pixels.
  std::vector<Point> closed = {{0, -96}, {1920, -96}, {1920, -1920}, {0, -1920}, {0, -1920}, {0, -96}, {0, -96}};
  canvas_fill_bezier_path(r.canvas, closed);
  EXPECT_EQ(r.take(), (Calls{"begin_path", "move_to 0 0", "bezier_to 10 0 10 9 0 9", "line_to 0 0", "end_path",
                             "stroke_and_fill_path"}));
  canvas_fill_bezier_path(r.canvas, single);
  EXPECT_TRUE(r.take().empty());
}

TEST(Canvas, HermiteSamplesBecomeBezierPointsByNudgedTruncation) {
  std::vector<Hermite_Point> s = {{0, 0.9995, -10.4, 3, -3}, {2, 100, 50, -1.5, 0.0015}, {2.5, -7.9996, 0.5, 6, -6}};
  EXPECT_EQ(hermite_bezier_points(2, s), (std::vector<Point>{{1, -10},
                                                             {3, -11}, {101, 50}, {100, 50}, {100, 50}, {-7, 1},
                                                             {-7, 0}}));
  EXPECT_EQ(hermite_bezier_points(0, s), (std::vector<Point>{{1, -10}}));
  Rec_Canvas r(96);
  std::vector<Hermite_Point> line = {{0, 0, -96, 0, 0}, {1, 1920, -96, 0, 0}};
  canvas_hermite_strand(r.canvas, 1, line);
  EXPECT_EQ(r.take(), (Calls{"move_to 0 0", "line_to 10 0", "pixel 10 0 00000000"}));
  EXPECT_EQ(check_text([&] { canvas_hermite_strand(r.canvas, -1, {}); }),
            "Assertion failed - file canvas_paths:\rn_segs >= 0");
}

TEST(Canvas, PolylinesPolygonsRectanglesAndRoundedRectangles) {
  Rec_Canvas r(600);
  std::vector<Point> one = {{0, 0}};
  canvas_polyline(r.canvas, one, true);
  EXPECT_TRUE(r.take().empty());
  std::vector<Point> tri = {{0, -31}, {3072, -31}, {3072, -3103}};
  canvas_polyline(r.canvas, tri, true);  // closed back to the first point
  EXPECT_EQ(r.take(), (Calls{"move_to 0 0", "line_to 100 0", "move_to 100 0", "line_to 100 100", "move_to 100 100",
                             "line_to 0 0"}));
  Rec_Canvas r96(96);
  std::vector<Point> two = {{0, 0}, {192, 0}};
  canvas_polygon(r96.canvas, two);
  std::vector<Point> tri96 = {{0, -96}, {1920, -96}, {0, -1920}};
  canvas_polygon(r96.canvas, tri96);
  canvas_rectangle(r96.canvas, {-100, 100, -300, 50});
  canvas_round_rect(r96.canvas, {0, 1920, -1920, 0}, 480);
  EXPECT_EQ(r96.take(), (Calls{"polygon 0 0 10 0 0 9", "rectangle -1 -1 1 2", "null_brush",
                               "round_rect 0 0 10 10 6 6", "brush 02000000"}));
}

TEST(Canvas, MousePixelsAreTakenAtTheirCentres) {
  Rec_Canvas r96(96), r600(600);
  EXPECT_EQ(canvas_point_of_pixel(r96.canvas, -2, 3), (Point{-288, -672}));
  EXPECT_EQ(canvas_point_of_pixel(r600.canvas, 100, 100), (Point{3087, -3087}));
}
