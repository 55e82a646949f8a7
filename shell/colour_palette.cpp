#include "shell/colour_palette.h"

#include <new>

#include "editor/colour_cmd.h"
#include "shell/paragraph.h"

// The first row holds the colours new dependent variables get, in their
// order, so a colour changed by hand can be given back; then greys and
// lighter hues, then darker ones.
const int32_t PALETTE_COLOURS[N_PALETTE_ROWS * N_PALETTE_COLS] = {
    0xFF0000, 0x0000FF, 0x009900, 0xCC00CC, 0xFF9900, 0x993300, 0x003366, 0x6600CC, 0x99CC00, 0xCC0033,
    0x000000, 0x555555, 0x999999, 0x00CCCC, 0x3399FF, 0x33CC66, 0xFF66CC, 0xFFCC00, 0xCC9966, 0x9999FF,
    0x660000, 0x000066, 0x006600, 0x660066, 0xCC6600, 0x663300, 0x336666, 0x330066, 0x666600, 0x990066,
};

namespace {

constexpr int32_t N_SQUARES = N_PALETTE_ROWS * N_PALETTE_COLS;
// A dark edge of every square; the chosen one is ringed with a black line
// (a pixel on a common screen) that stands apart from it.
constexpr int32_t EDGE = 96;
constexpr int32_t CHOSEN_RING = 576, RING_LINE = 192;
constexpr int32_t OUTLINE_COLOUR = 0x404040;

Colour_Palette& palette_of(void* e) { return *static_cast<Colour_Palette*>(e); }

Rect widened(const Rect& r, int32_t d) { return {r.x0 - d, r.x1 + d, r.y0 - d, r.y1 + d}; }

int32_t pal_query(const Gui_Kind&, const void*, const Sel&, Cmd& c) {
  return c.cmd_n == MOUSE_CMD ? ARROW_CURSOR : QUERY_PASSED;
}

void pal_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  if (args.cmd_p->cmd_n != MOUSE_CMD) return;
  const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  int32_t i = m.phase == MOUSE_PRESS ? palette_hit(m.pt) : -1;
  if (i < 0) return;
  Colour_Palette& p = palette_of(e);
  if (p.chosen_i >= 0) inval_add(args, widened(palette_square(p.chosen_i), CHOSEN_RING));
  p.chosen_i = i;
  inval_add(args, widened(palette_square(i), CHOSEN_RING));
  args.res_cmd_mp = std::make_unique<Colour_Cmd>(PALETTE_COLOURS[i]);
}

// The grid with room for the chosen square's outline.
Rect pal_bounds(const Gui_Kind&, const void*) {
  Rect grid = rect_union(palette_square(0), palette_square(N_SQUARES - 1));
  return widened(grid, CHOSEN_RING);
}

void pal_draw(const Gui_Kind&, const void* e, Canvas& c, Point o) {
  int32_t chosen_i = static_cast<const Colour_Palette*>(e)->chosen_i;
  for (int32_t i = 0; i < N_SQUARES; ++i) {
    Rect r = rect_shift(palette_square(i), o);
    if (i == chosen_i) {
      canvas_set_colour(c, 0x000000);
      canvas_rectangle(c, widened(r, CHOSEN_RING));
      canvas_set_colour(c, 0xFFFFFF);
      canvas_rectangle(c, widened(r, CHOSEN_RING - RING_LINE));
    }
    canvas_set_colour(c, OUTLINE_COLOUR);
    canvas_rectangle(c, r);
    canvas_set_colour(c, PALETTE_COLOURS[i]);
    canvas_rectangle(c, widened(r, -EDGE));
  }
}

Rect pal_sel_bounds(const Gui_Kind&, const void*, const Sel&) { return EMPTY_RECT; }
void pal_release(const Gui_Kind&, void* e) { pool_return(e); }

}  // namespace

const Gui_Kind COLOUR_PALETTE_KIND = {no_initial_sel, pal_sel_bounds, pal_query,      pal_perform,
                                      pal_bounds,     pal_draw,       no_caret_region, pal_release};

Rect palette_square(int32_t i) {
  int32_t x = i % N_PALETTE_COLS * PALETTE_STEP, y = -(i / N_PALETTE_COLS) * PALETTE_STEP;
  return {x, x + PALETTE_SIDE, y - PALETTE_SIDE, y};
}

int32_t palette_hit(Point p) {
  for (int32_t i = 0; i < N_SQUARES; ++i) {
    Rect r = palette_square(i);
    if (r.x0 <= p.x && p.x < r.x1 && r.y0 <= p.y && p.y < r.y1) return i;
  }
  return -1;
}

Colour_Palette* colour_palette_new() { return new (pool_alloc(sizeof(Colour_Palette))) Colour_Palette(); }
