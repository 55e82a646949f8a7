// The test picture: lines, Béziers, brackets of several heights and mixed
// Roman and Greek text at several sizes, drawn on any canvas.
#pragma once
#include <cstdint>
#include <string>

#include "draw/canvas.h"

constexpr int32_t PICTURE_WIDTH = 6 * 18432, PICTURE_HEIGHT = 4 * 18432;

// Internal text from code points.
std::string internal_text(const std::u32string& s);

void draw_test_picture(Canvas& c);
