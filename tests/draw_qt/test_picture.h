// The test picture: lines, Béziers, brackets of several heights and mixed
// Roman and Greek text at several sizes, drawn on any canvas; and the check
// the galleries make of each piece they draw.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "draw/canvas.h"
#include "draw/font.h"

constexpr int32_t PICTURE_WIDTH = 6 * 18432, PICTURE_HEIGHT = 4 * 18432;

// Internal text from code points.
std::string internal_text(const std::u32string& s);

void draw_test_picture(Canvas& c);

// Times at 16 points, or at 11 for scripts (depth above 0).
const Styl& gallery_style(int32_t depth);

// Draws a piece with the given bounds at 600 dpi and expects ink, all of it
// inside the bounds (a pixel of slack for antialiased edges). With
// VEZA_GALLERY_DIR set, the picture is also written there as name.png.
void expect_drawn_inside(const char* name, const Rect& bds, const std::function<void(Canvas&, Point)>& draw);
