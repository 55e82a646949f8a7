// Brackets stretched to the height of what they enclose. Every bracket takes
// the parenthesis's box for its height: an opening bracket extends to the
// left of its point, a closing one to the right.
#pragma once
#include <cstdint>

#include "draw/canvas.h"
#include "draw/geom.h"

bool bracket_q(uint32_t cp);
bool opening_bracket_q(uint32_t cp);

// The width of a bracket of the given height.
int32_t bracket_width(int32_t height);

// The box of a bracket of the given height, relative to its point.
Rect bracket_bounds(uint32_t cp, int32_t height);

// Draws the bracket filling the box in the current colour; leaves the pen at
// the canvas's default width.
void canvas_draw_bracket(Canvas& c, uint32_t cp, const Rect& box);
