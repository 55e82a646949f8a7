// Regions: sets of device pixels for carets, selections and highlights, kept
// as bands of disjoint rectangles (top to bottom, left to right in a band).
#pragma once
#include <cstdint>
#include <vector>

#include "draw/device.h"
#include "draw/geom.h"

struct Canvas;

struct Region {
  std::vector<Device_Rect> rects;
};

enum Region_Op : int32_t { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4 };

Region region_from_rect(const Device_Rect& r);
// Corners cut by ellipses of the given size, as for rounded rectangles.
Region region_round_rect(const Device_Rect& r, int32_t ellipse_w, int32_t ellipse_h);
Region region_combine(const Region& a, const Region& b, Region_Op op);
// The smallest rectangle holding the region; all 0 when it is empty.
Device_Rect region_bounds(const Region& r);
void region_offset(Region& r, int32_t dx, int32_t dy);
bool region_contains_q(const Region& r, int32_t x, int32_t y);
bool region_empty_q(const Region& r);

// The canvas's side: rectangles and offsets in canvas units.
Region canvas_region_rect(const Canvas& c, const Rect& r);
Region canvas_region_round_rect(const Canvas& c, const Rect& r, int32_t radius);
Rect canvas_region_bounds(const Canvas& c, const Region& r);
void canvas_region_offset(const Canvas& c, Region& r, Point offset);
// Mode 1 draws nothing; any other mode inverts the pixels, so drawing twice
// restores the screen.
void canvas_draw_region(Canvas& c, const Region& r, int32_t mode);
