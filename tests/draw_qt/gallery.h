// What the galleries share: internal text from code points, the style they
// draw in, and the check they make of each piece they draw.
#pragma once
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>

#include "draw/canvas.h"
#include "draw/font.h"

// Internal text from code points.
std::string internal_text(const std::u32string& s);

// Times at 16 points, or at 11 for scripts (depth above 0).
const Styl& gallery_style(int32_t depth);

// The pixels that differ from white.
int n_inked(const QImage& img);

// The picture of a piece, and the pixels its bounds cover there.
struct Drawn {
  QImage img;
  Device_Rect bds;
};

// Draws a piece with the given bounds at dpi, with a margin, and expects ink,
// all of it inside the bounds (slack pixels more for antialiased edges). With
// VEZA_GALLERY_DIR set, the picture is also written there as name.png.
Drawn expect_drawn_inside(const char* name, const Rect& bds, const std::function<void(Canvas&, Point)>& draw,
                          int32_t dpi = 600, int32_t slack = 1);
