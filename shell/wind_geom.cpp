#include "shell/wind_geom.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t AREA_INSET = 768;
constexpr int32_t CASCADE_LEFT = 3840;
constexpr int32_t CASCADE_END_GAP = 2880;
constexpr int32_t BAR_NEAR_START = 107, BAR_NEAR_END = 106;
constexpr int32_t LONG_MOVE_PX = 15;

int32_t clamp_between(int32_t v, int32_t lo, int32_t hi) { return std::max(lo, std::min(v, hi)); }

int32_t rounded(double v) { return int32_t(std::floor(v + 0.5)); }

// Moves that bring [s0, s1] into [a0, a1] by the smaller overhang; positive
// moves the view towards the content's end.
int32_t reveal_move(int32_t s0, int32_t s1, int32_t a0, int32_t a1) {
  if (s0 < a0) return -std::max(0, std::min(a0 - s0, a1 - s1));
  if (s1 > a1) return std::max(0, std::min(s1 - a1, s0 - a0));
  return 0;
}

}  // namespace

Rect open_content_rect(const Rect& bounds, int32_t width, int32_t height) {
  Rect r = bounds;
  if (width >= 1) {
    r.x0 = 0;
    r.x1 = width;
  } else {
    r.x1 -= width;
  }
  if (height >= 1) {
    r.y0 = -height;
    r.y1 = 0;
  } else {
    r.y0 += height;
  }
  return {r.x0 - CONTENT_MARGIN, r.x1 + CONTENT_MARGIN, r.y0 - CONTENT_MARGIN, r.y1 + CONTENT_MARGIN};
}

Place place_alert(int32_t screen_w, int32_t screen_h, int32_t caption_h, int32_t w, int32_t h) {
  return {(screen_w - w) / 2, caption_h + std::max(0, screen_h - caption_h - h) / 5, w, h};
}

Place place_at(int32_t area_w, int32_t area_h, int32_t x, int32_t y, int32_t w, int32_t h, const Frame& f) {
  int32_t extra_w = f.left + f.right, extra_h = f.top + f.bottom;
  int32_t max_w = std::max(MIN_WINDOW_SIDE, area_w - 2 * AREA_INSET);
  int32_t max_h = std::max(MIN_WINDOW_SIDE, area_h - 2 * AREA_INSET);
  w = std::min(std::max(w + extra_w, MIN_WINDOW_SIDE), max_w);
  h = std::min(std::max(h + extra_h, MIN_WINDOW_SIDE), max_h);
  return {clamp_between(x, AREA_INSET, std::max(AREA_INSET, area_w - AREA_INSET - w)) + f.left,
          clamp_between(-y, AREA_INSET, std::max(AREA_INSET, area_h - AREA_INSET - h)) + f.top, w - extra_w,
          h - extra_h};
}

Place place_cascade(int32_t area_w, int32_t area_h, int32_t caption_h, int32_t slot_i, int32_t w, int32_t h) {
  int32_t step = caption_h - 192;
  int32_t k = int32_t((int64_t(slot_i) * step) % CASCADE_WRAP);
  int32_t top = step + k, left = CASCADE_LEFT - (4 * k + 9) / 19;
  w = std::max(std::min(std::max(w, MIN_WINDOW_SIDE), area_w - CASCADE_END_GAP - left), 1);
  h = std::max(std::min(std::max(h, MIN_WINDOW_SIDE), area_h - CASCADE_END_GAP - top), 1);
  return {left, top, w, h};
}

Bar bar_of(int32_t extent, int32_t vis_start, int32_t vis_end) {
  int32_t start = 0, end = BAR_RANGE;
  if (vis_start >= BAR_NEAR_START) start = rounded(double(vis_start) * BAR_RANGE / extent);
  if (vis_end < extent - BAR_NEAR_END) end = rounded(double(vis_end) * BAR_RANGE / extent);
  start = std::min(start, BAR_RANGE);
  end = std::max(end, 0);
  if (end <= start) {
    if (end == BAR_RANGE)
      start = end - 1;
    else
      end = start + 1;
  }
  return {start, end - start};
}

double bar_thumb_fraction(const Bar& b, int32_t thumb_pos) {
  int32_t max = BAR_RANGE - b.page;
  if (max <= 0) return 0;
  return double(std::min(thumb_pos, max)) / max;
}

int32_t offset_limited(int32_t extent, int32_t client, int32_t offset) {
  return clamp_between(offset, 0, std::max(0, extent - client));
}

int32_t offset_of_fraction(int32_t extent, int32_t client, double f) {
  return std::max(0, rounded(double(extent - client) * f));
}

bool scroll_moves_pixels_q(int32_t dx, int32_t dy, int32_t client_w_px, int32_t client_h_px, bool taller_q,
                           bool repaint_pending_q) {
  if (std::abs(dx) >= client_w_px || std::abs(dy) >= client_h_px) return false;
  return !repaint_pending_q || (dx == 0 && -dy > LONG_MOVE_PX && taller_q);
}

Point origin_of_view(const Rect& bounds, const View& v) {
  return {CONTENT_MARGIN - bounds.x0 - v.off_x, v.off_y - CONTENT_MARGIN - bounds.y1};
}

View view_of_origin(const Rect& bounds, Point origin) {
  return {CONTENT_MARGIN - bounds.x0 - origin.x, origin.y + CONTENT_MARGIN + bounds.y1};
}

View view_revealing(const Rect& bounds, const View& v, const Rect& sel, int32_t cw, int32_t ch) {
  if (rect_empty_q(sel) && !(sel.x0 == sel.x1 && sel.y0 < sel.y1)) return v;
  Point o = origin_of_view(bounds, v);
  // The selection in client units, y downwards.
  int32_t l = sel.x0 + o.x, r = sel.x1 + o.x, t = -(sel.y1 + o.y), b = -(sel.y0 + o.y);
  int32_t a0 = CONTENT_MARGIN, ax1 = cw - CONTENT_MARGIN, ay1 = ch - CONTENT_MARGIN;
  View w = v;
  if (l < a0) {
    w.off_x += reveal_move(l, r, a0, ax1);
  } else if (r > ax1) {
    int32_t sixth = cw / 6;
    w.off_x += std::max(0, std::min(r - (cw - sixth), l - a0));
  }
  if (extent_y(bounds) > ch)
    w.off_y += reveal_move(t, b, a0, ay1);
  else
    w.off_y = 0;
  w.off_x = offset_limited(extent_x(bounds), cw, w.off_x);
  w.off_y = offset_limited(extent_y(bounds), ch, w.off_y);
  return w;
}
