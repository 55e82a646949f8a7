// A parameter's slider: an integer scale 0..10000 across a bar, with an
// anchor and a position (one thumb when they agree, three when a range is
// selected), moved by the mouse and the Left and Right keys in steps that
// snap to 50 (250 with Alt). Coordinates are relative to the bar's left end
// on its base line: the ticks rise above the base line, the thumbs hang
// below it with their apex pointing up.
#pragma once
#include <cstdint>
#include <memory>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "draw/canvas.h"
#include "editor/GUI_Ops.h"

constexpr int32_t SLIDER_MAX_N = 10000;
constexpr int32_t SLIDER_MID_N = 5000;
constexpr int32_t NO_THUMB = -1;
constexpr int32_t SLIDER_DEFAULT_W = 19200;
constexpr int32_t THUMB_HALF_W = 886;
constexpr int32_t THUMB_APEX_Y = -192, THUMB_BASE_Y = -1728;
constexpr int32_t SLIDER_STEP = 50, SLIDER_ALT_STEP = 250;

// The slider record: anchor, position (0..SLIDER_MAX_N or NO_THUMB) and the
// bar's width in canvas units.
struct Slider {
  int32_t a = SLIDER_MID_N, p = SLIDER_MID_N;
  int32_t w = SLIDER_DEFAULT_W;
};

// "unsigned(j) <= SLIDER_MAX_N" for a shown position.
void check_slider_pos(int32_t j);

// The thumbs' area, to redraw after a move.
Rect thumb_area(const Slider& s);

// Ticks, then the thumbs (none when the positions are NO_THUMB).
void slider_draw(Canvas& c, Point origin, const Slider& s);

// The slider's answer to a mouse or arrow command: true when it moved, with
// the BUTTON_CMD for the row in res (1 for a drag or release, 0 for a press
// or a key) and the old and new thumbs in inval. Other commands, and points
// outside the slider, leave it alone. Without mods_q every modifier counts
// as not held.
bool slider_command(Slider& s, const Cmd& c, bool mods_q, std::unique_ptr<Cmd>& res, Rect& inval);

// The element kind; contents are Slider. Selections mean nothing to it.
extern const Gui_Kind SLIDER_OPS;

// Anchor, position (signed) and the width in 192-unit steps (unsigned); a
// stored width outside 10..10000 steps reads as the default.
void write_slider(Out_Stream& out, const Slider& s);
Slider read_slider(In_Stream& in);
