#include "shell/wind_geom.h"

#include <gtest/gtest.h>

#include "editor/cmd.h"
#include "shell/menus.h"
#include "tests/err_text.h"

namespace {

// An 800 by 600 pixel area at 96 dpi, and a caption of 22 pixels.
constexpr int32_t AREA_W = 153600, AREA_H = 115200, CAPTION = 4224;

}  // namespace

TEST(Wind_Geom, ContentRectTakesSizesOrWidensTheBounds) {
  Rect b = {-100, 5000, -800, 2000};
  EXPECT_EQ(open_content_rect(b, 30000, 38400), (Rect{-576, 30576, -38976, 576}));
  EXPECT_EQ(open_content_rect(b, -6912, 0), (Rect{-676, 12488, -1376, 2576}));
}

TEST(Wind_Geom, CascadeStepsDownAndWrapsAtTheTop) {
  // Step 4032: the third window two steps below the first; the fifth past the wrap.
  struct Case {
    int32_t slot, w, h;
    Place want;
  } cases[] = {
      {0, 148608, 39552, {3840, 4032, 146880, 39552}},
      {2, 1000, 1000, {2142, 12096, 9216, 9216}},
      {4, 20000, 200000, {445, 20160, 20000, 92160}},
      {5, 20000, 20000, {3112, 7488, 20000, 20000}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(place_cascade(AREA_W, AREA_H, CAPTION, c.slot, c.w, c.h), c.want) << "slot " << c.slot;
}

TEST(Wind_Geom, PositionedWindowsStayInsideAndAlertsSitHigh) {
  EXPECT_EQ(place_at(AREA_W, AREA_H, -5000, 100, 200000, 5000), (Place{768, 768, 152064, 9216}));
  EXPECT_EQ(place_at(AREA_W, AREA_H, 50000, -200000, 20000, 9216), (Place{50000, 105216, 20000, 9216}));
  // The frame, not only the client rectangle, stays inside.
  EXPECT_EQ(place_at(AREA_W, AREA_H, 184320, 0, 20000, 9216, {768, 4224, 3840, 3840}), (Place{128992, 4992, 20000, 9216}));
  EXPECT_EQ(place_alert(AREA_W, AREA_H, CAPTION, 40000, 20000), (Place{56800, 22419, 40000, 20000}));
}

TEST(Wind_Geom, BarsOfPositionAndPage) {
  struct Case {
    int32_t extent, start, end;
    Bar want;
  } cases[] = {
      {50000, 0, 100000, {0, 10000}},             // a small content: a full page
      {100000, 50000, 60000, {5000, 1000}},
      {100000, 106, 99894, {0, 10000}},           // near both ends counts as at them
      {100000, 107, 99893, {11, 9978}},
      {100000000, 200, 300, {0, 1}},              // a page too small to show grows by one
      {100000000, 99999700, 99999800, {9999, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(bar_of(c.extent, c.start, c.end), c.want) << c.start;
  EXPECT_EQ(bar_thumb_fraction({0, 2000}, 4000), 0.5);
  EXPECT_EQ(bar_thumb_fraction({0, 2000}, 9000), 1.0);
  EXPECT_EQ(bar_thumb_fraction({0, 10000}, 0), 0.0);
}

TEST(Wind_Geom, FractionsOffsetsAndTheInitialOrigin) {
  EXPECT_EQ(offset_of_fraction(100000, 40000, 1), 60000);
  EXPECT_EQ(offset_of_fraction(100000, 40000, 0.5), 30000);
  EXPECT_EQ(offset_of_fraction(30000, 40000, 1), 0);
  EXPECT_EQ(offset_limited(100000, 40000, 70000), 60000);
  EXPECT_EQ(offset_limited(100000, 40000, -5), 0);
  Rect b = {0, 5000, -800, 2000};
  EXPECT_EQ(origin_of_view(b, {0, 0}), (Point{576, -2576}));
  EXPECT_EQ(view_of_origin(b, origin_of_view(b, {123, 456})), (View{123, 456}));
}

TEST(Wind_Geom, RevealScrollsBySmallerOverhangs) {
  // A wide line: a caret past the right edge ends a sixth inside it, and back.
  Rect wide = {0, 200000, -1000, 3000};
  View v = view_revealing(wide, {0, 0}, {150000, 150100, -500, 500}, 100000, 50000);
  EXPECT_EQ(v, (View{67342, 0}));
  EXPECT_EQ(view_revealing(wide, v, {100, 200, -500, 500}, 100000, 50000), (View{100, 0}));
  EXPECT_EQ(view_revealing(wide, v, {100, 100, 0, 0}, 100000, 50000), v);  // a point is no caret
  // A tall content: the selection's bottom comes to the area's bottom.
  Rect tall = {0, 10000, -200000, 0};
  EXPECT_EQ(view_revealing(tall, {0, 0}, {100, 200, -150000, -149000}, 100000, 50000), (View{0, 101152}));
}

TEST(Wind_Geom, ScrollMovesPixelsOrRepaints) {
  struct Case {
    int32_t dx, dy;
    bool taller_q, pending_q, moves_q;
  } cases[] = {
      {0, -10, true, false, true},    // nothing pending: any move within the area
      {-399, 0, false, false, true},  {0, 300, false, false, false},  // a whole client height
      {0, -10, true, true, false},    // pending, and short
      {0, -16, true, true, true},     // pending, but down by more than 15 pixels
      {0, -15, true, true, false},    {0, 16, true, true, false},  // up
      {0, -16, false, true, false},   // the content fits
      {5, -16, true, true, false},    {0, -300, true, true, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(scroll_moves_pixels_q(c.dx, c.dy, 400, 300, c.taller_q, c.pending_q), c.moves_q) << c.dx << " " << c.dy;
}

TEST(Menus, NumberingAndAccelerators) {
  menu_ids_check(menu_bar());
  std::vector<Menu_Def> bad = menu_bar();
  bad[1].items[3].id = 2004;
  EXPECT_EQ(check_text([&] { menu_ids_check(bad); }),
            "Assertion failed - file menus:\rid == 1000 * (m0 + 1) + i || id == -1 || id == 0");
  // Item names and the common accelerators are the scripts' part.
  EXPECT_EQ(accel_id(ACCEL_INSERT, SHIFT_MOD), PASTE_ID);
  EXPECT_EQ(accel_id('Z', 0), 0);
}
