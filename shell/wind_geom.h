// Where sub-windows go and how they scroll, in canvas units and without a
// window: placement of alerts and documents, the scroll bars' 0..9999
// arithmetic, scrolling to a fraction and revealing the selection.
#pragma once
#include <cstdint>

#include "draw/geom.h"

constexpr int32_t CONTENT_MARGIN = 576;
constexpr int32_t MIN_WINDOW_SIDE = 9216;
constexpr int32_t CASCADE_WRAP = 16704;
constexpr int32_t SCROLL_LINE = 1920;
constexpr int32_t BAR_RANGE = 10000;

// A client rectangle placed in an area: x to the right and y downwards from
// the area's top left corner, all in canvas units.
struct Place {
  int32_t x, y, w, h;
  bool operator==(const Place&) const = default;
};

// The content rectangle of a new window: a width (height) of 1 or more is
// taken as it is, 0 or less widens the content's bounds on the right
// (downwards) by its negation; then a margin all round.
Rect open_content_rect(const Rect& bounds, int32_t width, int32_t height);

// An alert on the screen: centred, its top a fifth of the free height below
// one caption height.
Place place_alert(int32_t screen_w, int32_t screen_h, int32_t caption_h, int32_t w, int32_t h);
// What a window's frame adds on each side of its client rectangle.
struct Frame {
  int32_t left, top, right, bottom;
};
// The client rectangle of a window asked for at (x, y) (its frame's corner):
// the frame kept 768 units inside the area.
Place place_at(int32_t area_w, int32_t area_h, int32_t x, int32_t y, int32_t w, int32_t h, const Frame& f = {});
// Every other window cascades by its slot, starting again at the top once
// the offset passes the wrap.
Place place_cascade(int32_t area_w, int32_t area_h, int32_t caption_h, int32_t slot_i, int32_t w, int32_t h);

// One scroll bar: position and page within 0..9999.
struct Bar {
  int32_t pos, page;
  bool operator==(const Bar&) const = default;
};
// extent: the content's length along the bar, margins included; the visible
// part runs from vis_start to vis_end measured from the content's start.
Bar bar_of(int32_t extent, int32_t vis_start, int32_t vis_end);
// The fraction of the way a dragged thumb stands.
double bar_thumb_fraction(const Bar& b, int32_t thumb_pos);

// The offset into the content (margins included) that shows fraction f of
// the way from its start to its end.
int32_t offset_of_fraction(int32_t extent, int32_t client, double f);
// An offset kept so that the content's edges never pass the client's.
int32_t offset_limited(int32_t extent, int32_t client, int32_t offset);

// Whether a scroll by (dx, dy) whole pixels (positive: the content moves
// right, down) moves the pixels on screen and paints only the strip it
// uncovers, rather than repainting the client area: any move smaller than
// the client area while no repaint is pending, and a move down through a
// content taller than the client area of more than 15 pixels even then.
bool scroll_moves_pixels_q(int32_t dx, int32_t dy, int32_t client_w_px, int32_t client_h_px, bool taller_q,
                           bool repaint_pending_q);

// The content's extent along each axis with the margins on both sides.
inline int32_t extent_x(const Rect& b) { return b.x1 - b.x0 + 2 * CONTENT_MARGIN; }
inline int32_t extent_y(const Rect& b) { return b.y1 - b.y0 + 2 * CONTENT_MARGIN; }

// The view of a window along both axes: offsets into the content's
// extents, y measured downwards from the content's top.
struct View {
  int32_t off_x, off_y;
  bool operator==(const View&) const = default;
};
// The content origin that gives a view, and back; bounds without margins.
Point origin_of_view(const Rect& bounds, const View& v);
View view_of_origin(const Rect& bounds, Point origin);

// The view that shows the selection (its bounds in content coordinates) in a
// client area of cw by ch units.
View view_revealing(const Rect& bounds, const View& v, const Rect& sel, int32_t cw, int32_t ch);
