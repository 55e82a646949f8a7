// The colours editor: a press on a square chooses it and leaves its colour
// for the shell; presses between squares, drags and releases leave nothing,
// and the palette itself records and changes nothing.
#include <gtest/gtest.h>

#include "editor/colour_cmd.h"
#include "editor/edit_con.h"
#include "shell/colour_palette.h"

TEST(Colour_Palette, APressChoosesTheSquareUnderIt) {
  Edit_Con con(COLOUR_PALETTE_KIND, colour_palette_new());
  const auto& pal = *static_cast<Colour_Palette*>(con.content_p);
  auto mouse = [&](Point p, int32_t phase) {
    Mouse_Cmd m(p, 0, phase);
    std::unique_ptr<Cmd> res_mp = con_perform(con, m, false);
    return res_mp ? static_cast<Colour_Cmd&>(*res_mp).colour : -1;
  };
  for (int32_t i = 0; i < N_PALETTE_ROWS * N_PALETTE_COLS; ++i) {
    Rect r = palette_square(i);
    EXPECT_EQ(mouse({r.x1 - 1, r.y0}, MOUSE_PRESS), PALETTE_COLOURS[i]) << i;
    EXPECT_EQ(pal.chosen_i, i);
    EXPECT_EQ(mouse({r.x0, r.y1 - 1}, MOUSE_RELEASE), -1);
    EXPECT_EQ(mouse({r.x1 + (PALETTE_STEP - PALETTE_SIDE) / 2, r.y0}, MOUSE_PRESS), -1) << i;
  }
  EXPECT_EQ(PALETTE_COLOURS[9], 0xCC0033);  // the first row: the new dependent variables' colours
  EXPECT_EQ(n_elts(con.undo_list), 0);
  EXPECT_FALSE(con.modified_q);
}
