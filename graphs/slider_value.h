// Between a slider and its parameter row's texts: the value a slider
// position stands for (the midpoint of a selected range), written to a
// thousandth of the range, and the position a value text stands for.
#pragma once
#include "core/byte_str.h"
#include "editor/GUI_Ops.h"
#include "graphs/slider.h"

// The texts of a parameter row that its slider reads and writes.
struct Slider_Texts {
  Byte_Str low, high, value;
};

// A text as a number: a decimal real with nothing but white space after it;
// NaN for any other text.
double text_number(const Byte_Str& t);

// The value a slider position (0 to 10000) stands for between low and high.
inline double position_value(double low, double high, int32_t pos) { return low + (high - low) * pos * 0.0001; }

// The row's answer to the slider's BUTTON_CMD res: rewrites the value text.
// A press or a key (button 0) leaves in args the record that brings the old
// text back (the whole value text selected, the old text typed over it); a
// drag or release (button 1) records nothing. Nothing happens when the text
// would not change, or when Low and High give no finite value.
void apply_slider_to_value(const Slider& s, const Cmd& res, Slider_Texts& t, Cmd_Args& args);

// The slider at the value's place between Low and High, or without thumbs
// when a text is not a number, High is not above Low, or the value lies
// outside them by more than a millionth of the range.
void value_to_slider(Slider& s, const Slider_Texts& t);
