#include "graphs/slider.h"

#include <algorithm>
#include <cmath>

#include "core/bin_codec.h"

void check_slider_pos(int32_t j) { CHECK(unsigned(j) <= SLIDER_MAX_N); }

Rect thumb_area(const Slider& s) {
  return {int32_t(std::min(s.a, s.p) * 0.0001 * s.w - THUMB_HALF_W),
          int32_t(std::max(s.a, s.p) * 0.0001 * s.w + THUMB_HALF_W), THUMB_BASE_Y, THUMB_APEX_Y};
}

namespace {

constexpr int32_t TICK_LEN = 1152, MID_TICK_LEN = 1728, END_TICK_LEN = 2304;
// Around the slider's own area (x -886..W+887, y -1728..2304) the mouse
// still counts within this margin, and a drag goes on a bar's width beyond.
constexpr int32_t MOUSE_MARGIN = 1536;
constexpr int32_t SLIDER_TOP_Y = 2304;

void draw_thumb(Canvas& c, Point origin, const Slider& s, int32_t q) {
  check_slider_pos(q);
  int32_t x = int32_t(q * 0.0001 * s.w + origin.x);
  Point pts[] = {{x, origin.y + THUMB_APEX_Y},
                 {x - THUMB_HALF_W, origin.y + THUMB_BASE_Y},
                 {x + THUMB_HALF_W, origin.y + THUMB_BASE_Y}};
  canvas_polygon(c, pts);
}

bool inside_q(const Mouse_Cmd& m, const Slider& s) {
  int32_t wide = m.phase == MOUSE_PRESS ? 0 : SLIDER_DEFAULT_W;
  return m.pt.x >= -THUMB_HALF_W - MOUSE_MARGIN - wide && m.pt.x <= s.w + THUMB_HALF_W + 1 + MOUSE_MARGIN + wide &&
         m.pt.y >= THUMB_BASE_Y - MOUSE_MARGIN && m.pt.y <= SLIDER_TOP_Y + MOUSE_MARGIN;
}

// Where Left or Right moves the position to, before clamping and snapping.
int32_t key_target(const Slider& s, const Arrow_Cmd& k, int32_t mods) {
  bool left_q = k.dir == Arrow_Cmd::LEFT;
  if (mods & CTRL_MOD) return left_q ? 0 : SLIDER_MAX_N;
  if (!(mods & SHIFT_MOD) && s.a != s.p) return left_q ? std::min(s.a, s.p) : std::max(s.a, s.p);
  int32_t step = mods & ALT_MOD ? SLIDER_ALT_STEP : SLIDER_STEP;
  return left_q ? s.p - step : s.p + step;
}

// The steps every command ends with: clamp, snap, and move unless a drag
// stays where it is.
bool move_to(Slider& s, int32_t q, int32_t mods, bool dragging_q) {
  q = std::clamp(q, 0, SLIDER_MAX_N);
  int32_t step = mods & ALT_MOD ? SLIDER_ALT_STEP : SLIDER_STEP;
  q = (q + step / 2) - (q + step / 2) % step;
  bool shift_q = mods & SHIFT_MOD;
  if (q == s.p && dragging_q && (shift_q || s.a == s.p)) return false;
  s.p = q;
  if (!shift_q || s.a == NO_THUMB) s.a = q;
  return true;
}

}  // namespace

void slider_draw(Canvas& c, Point origin, const Slider& s) {
  for (int32_t i = 0; i <= 10; ++i) {
    int32_t x = origin.x + (i * s.w + 4) / 10;
    int32_t len = i == 0 || i == 10 ? END_TICK_LEN : i == 5 ? MID_TICK_LEN : TICK_LEN;
    canvas_move_to(c, {x, origin.y});
    canvas_line_to(c, {x, origin.y + len});
  }
  if (s.p == NO_THUMB) return;
  draw_thumb(c, origin, s, s.a);
  if (s.a == s.p) return;
  draw_thumb(c, origin, s, (s.a + s.p) / 2);
  draw_thumb(c, origin, s, s.p);
}

bool slider_command(Slider& s, const Cmd& c, bool mods_q, std::unique_ptr<Cmd>& res, Rect& inval) {
  Rect before = thumb_area(s);
  bool moved_q = false;
  int32_t button_n = 0;
  if (c.cmd_n == MOUSE_CMD) {
    const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(c);
    if (!inside_q(m, s)) return false;
    int32_t mods = mods_q ? m.mods : 0;
    int32_t q = int32_t(std::trunc(10000.0 * m.pt.x / s.w + 0.5));
    moved_q = move_to(s, q, mods & ~ALT_MOD, m.phase != MOUSE_PRESS);
    button_n = m.phase == MOUSE_PRESS ? 0 : 1;
  } else if (c.cmd_n == ARROW_CMD) {
    const Arrow_Cmd& k = static_cast<const Arrow_Cmd&>(c);
    if (k.dir != Arrow_Cmd::LEFT && k.dir != Arrow_Cmd::RIGHT) return false;
    int32_t mods = mods_q ? k.mods : 0;
    moved_q = move_to(s, key_target(s, k, mods), mods, false);
  }
  if (!moved_q) return false;
  // The old thumbs are erased as the new ones are drawn.
  inval = rect_union(rect_union(inval, before), thumb_area(s));
  res = std::make_unique<Button_Cmd>(button_n);
  return true;
}

namespace {

Slider& slider_of(void* e) { return *static_cast<Slider*>(e); }
const Slider& slider_of(const void* e) { return *static_cast<const Slider*>(e); }

Sel slider_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }

Rect slider_bounds(const Gui_Kind&, const void* e) {
  return {-THUMB_HALF_W, slider_of(e).w + THUMB_HALF_W + 1, THUMB_BASE_Y, SLIDER_TOP_Y};
}

Rect slider_sel_bounds(const Gui_Kind& k, const void* e, const Sel&) { return slider_bounds(k, e); }

int32_t slider_query(const Gui_Kind&, const void*, const Sel&, Cmd& c) {
  if (c.cmd_n == MOUSE_CMD) return ARROW_CURSOR;
  if (c.cmd_n != ARROW_CMD) return QUERY_PASSED;
  int32_t dir = static_cast<const Arrow_Cmd&>(c).dir;
  return dir == Arrow_Cmd::LEFT || dir == Arrow_Cmd::RIGHT ? 1 : QUERY_PASSED;
}

void slider_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  slider_command(slider_of(e), *args.cmd_p, true, args.res_cmd_mp, args.inval_bds0);
}

// A slider shows its selection by its thumbs; it has no caret.
Region no_caret(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return Region{}; }

void slider_kind_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) { slider_draw(c, origin, slider_of(e)); }

}  // namespace

const Gui_Kind SLIDER_OPS = {slider_initial_sel, slider_sel_bounds, slider_query, slider_perform,
                             slider_bounds,      slider_kind_draw,  no_caret,     nullptr};

void write_slider(Out_Stream& out, const Slider& s) {
  write_int(out, s.a);
  write_int(out, s.p);
  write_unsigned(out, uint32_t(s.w / 192));
}

Slider read_slider(In_Stream& in) {
  Slider s;
  s.a = read_int(in);
  s.p = read_int(in);
  uint32_t w = read_unsigned(in);
  s.w = w >= 10 && w <= 10000 ? int32_t(192 * w) : SLIDER_DEFAULT_W;
  return s;
}
