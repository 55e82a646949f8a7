// The colours editor: a press on a square chooses it and leaves its colour
// for the shell; presses between squares, drags and releases leave nothing,
// and the palette itself never records or changes a document.
#include <gtest/gtest.h>

#include "editor/colour_cmd.h"
#include "shell/colour_palette.h"
#include "tests/editor/editor_test_util.h"

namespace {

constexpr int32_t N_SQUARES = N_PALETTE_ROWS * N_PALETTE_COLS;

Point centre(const Rect& r) { return {(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2}; }

// The colour a mouse command leaves, or -1 for none.
int32_t press(Edit_Con& con, Point p, int32_t phase = MOUSE_PRESS) {
  Mouse_Cmd m(p, 0, phase);
  std::unique_ptr<Cmd> res_mp = con_perform(con, m, false);
  if (!res_mp) return -1;
  EXPECT_EQ(res_mp->cmd_n, COLOUR_CMD);
  return static_cast<Colour_Cmd&>(*res_mp).colour;
}

}  // namespace

TEST(Colour_Palette, APressChoosesTheSquareUnderIt) {
  Edit_Con con(COLOUR_PALETTE_KIND, colour_palette_new());
  auto& pal = *static_cast<Colour_Palette*>(con.content_p);
  Rect all = COLOUR_PALETTE_KIND.bounds(COLOUR_PALETTE_KIND, &pal);
  for (int32_t i = 0; i < N_SQUARES; ++i) {
    Rect r = palette_square(i);
    ASSERT_TRUE(rect_union(all, r) == all) << i;
    EXPECT_EQ(press(con, centre(r)), PALETTE_COLOURS[i]) << i;
    EXPECT_EQ(pal.chosen_i, i);
    // The corners belong to it, the gap to its right to none.
    EXPECT_EQ(palette_hit({r.x0, r.y1 - 1}), i);
    EXPECT_EQ(palette_hit({r.x1 - 1, r.y0}), i);
    EXPECT_EQ(press(con, {r.x1 + (PALETTE_STEP - PALETTE_SIDE) / 2, centre(r).y}), -1) << i;
  }
  EXPECT_EQ(pal.chosen_i, N_SQUARES - 1);
  // The first row gives back the colours new dependent variables get.
  EXPECT_EQ(PALETTE_COLOURS[0], 0xFF0000);
  EXPECT_EQ(PALETTE_COLOURS[9], 0xCC0033);
  Point first = centre(palette_square(0));
  EXPECT_EQ(press(con, first, MOUSE_DRAG), -1);
  EXPECT_EQ(press(con, first, MOUSE_RELEASE), -1);
  EXPECT_EQ(n_elts(con.undo_list), 0);
  EXPECT_FALSE(con.modified_q);
  Colour_Cmd colour(0);
  EXPECT_LE(con_query(con, colour), 0);
}
