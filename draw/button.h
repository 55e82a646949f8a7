// Buttons of alerts and of a model's controls: a label in the default font
// with its access character underlined, in a rounded frame.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "draw/canvas.h"
#include "draw/styl.h"

constexpr int32_t BUTTON_SIDE = 1152;  // from the frame to the text, left and right
constexpr int32_t BUTTON_ABOVE = 768;  // from the text's extent to the frame, above and below
constexpr int32_t BUTTON_RADIUS = 768;
constexpr int32_t EMPTY_LABEL_COLOUR = 0x7F7F7F;

struct Button {
  Byte_Str text;     // the label without its "&"
  int32_t access_i;  // byte index in text of the underlined character; -1 for none
};

inline int32_t underline_i(const Button& b) { return b.access_i; }

// The label marks its access character with "&" before it ("&Save"); the
// first "&" is taken out and the character after it underlined. A label
// ending in that "&" is an internal error.
Button make_button(const char* label, int32_t n_bytes);

// The frame, relative to the button's origin; the text starts BUTTON_SIDE to
// the right of the origin on the baseline. s is the default font's style.
Rect button_bounds(const Button& b, const Styl& s);

// The frame and the text in black, or grey for an empty label.
void canvas_draw_button(Canvas& c, Point at, const Button& b, const Styl& s);
