// The colours editor: a grid of colour squares, the chosen one outlined. A
// press on a square chooses it and leaves a Colour_Cmd with its colour as the
// result, which the shell sends to the document in front; the palette itself
// records nothing and changes no document.
#pragma once
#include <cstdint>

#include "editor/GUI_Ops.h"

constexpr int32_t N_PALETTE_COLS = 10, N_PALETTE_ROWS = 3;
// Side of a square and the step from one square to the next, in canvas units.
constexpr int32_t PALETTE_SIDE = 3456, PALETTE_STEP = 4608;

extern const int32_t PALETTE_COLOURS[N_PALETTE_ROWS * N_PALETTE_COLS];

struct Colour_Palette {
  int32_t chosen_i = -1;  // none until a square is pressed
};

extern const Gui_Kind COLOUR_PALETTE_KIND;

// Square i of the grid: rows go down from the origin, y up.
Rect palette_square(int32_t i);
// The square under p, or -1.
int32_t palette_hit(Point p);
Colour_Palette* colour_palette_new();
