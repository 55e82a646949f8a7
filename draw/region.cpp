#include "draw/region.h"

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "draw/units.h"

namespace {

struct Span {
  int32_t x0, x1;
  bool operator==(const Span&) const = default;
};

// The spans of the rectangles of r that cover row y, left to right.
std::vector<Span> spans_at(const Region& r, int32_t y) {
  std::vector<Span> out;
  for (const Device_Rect& d : r.rects)
    if (d.top <= y && y < d.bottom) out.push_back({d.left, d.right});
  return out;
}

bool inside_q(const std::vector<Span>& spans, int32_t x) {
  for (const Span& s : spans)
    if (s.x0 <= x && x < s.x1) return true;
  return false;
}

bool op_q(Region_Op op, bool a_q, bool b_q) {
  switch (op) {
    case RGN_AND: return a_q && b_q;
    case RGN_OR: return a_q || b_q;
    case RGN_XOR: return a_q != b_q;
    case RGN_DIFF: return a_q && !b_q;
  }
  return false;
}

std::vector<Span> combine_spans(const std::vector<Span>& a, const std::vector<Span>& b, Region_Op op) {
  std::vector<int32_t> xs;
  for (const Span& s : a) xs.insert(xs.end(), {s.x0, s.x1});
  for (const Span& s : b) xs.insert(xs.end(), {s.x0, s.x1});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::vector<Span> out;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!op_q(op, inside_q(a, xs[i]), inside_q(b, xs[i]))) continue;
    if (!out.empty() && out.back().x1 == xs[i]) out.back().x1 = xs[i + 1];
    else out.push_back({xs[i], xs[i + 1]});
  }
  return out;
}

// Appends a band, growing the previous one when it continues it unchanged.
void append_band(Region& r, int32_t top, int32_t bottom, const std::vector<Span>& spans,
                 std::vector<Span>& prev_spans, int32_t& prev_bottom) {
  if (spans.empty()) {
    prev_spans.clear();
    return;
  }
  if (spans == prev_spans && prev_bottom == top) {
    for (size_t k = r.rects.size() - spans.size(); k < r.rects.size(); ++k) r.rects[k].bottom = bottom;
  } else {
    for (const Span& s : spans) r.rects.push_back({s.x0, top, s.x1, bottom});
  }
  prev_spans = spans;
  prev_bottom = bottom;
}

// Bands from the spans of each row.
Region region_from_rows(int32_t top, const std::vector<std::vector<Span>>& rows) {
  Region r;
  std::vector<Span> prev;
  int32_t prev_bottom = top;
  for (size_t i = 0; i < rows.size(); ++i) append_band(r, top + int32_t(i), top + int32_t(i) + 1, rows[i], prev, prev_bottom);
  return r;
}

// How far an ellipse corner cuts into the row whose centre is dy from the
// ellipse's centre line.
int32_t corner_inset(double rx, double ry, double dy) {
  if (dy <= 0 || ry <= 0) return 0;
  double q = 1 - (dy / ry) * (dy / ry);
  return int32_t(std::lround(rx - rx * std::sqrt(q < 0 ? 0 : q)));
}

}  // namespace

Region region_from_rect(const Device_Rect& r) {
  Region out;
  if (r.left < r.right && r.top < r.bottom) out.rects.push_back(r);
  return out;
}

Region region_round_rect(const Device_Rect& r, int32_t ellipse_w, int32_t ellipse_h) {
  if (r.left >= r.right || r.top >= r.bottom) return {};
  double rx = std::min(ellipse_w, r.right - r.left) / 2.0, ry = std::min(ellipse_h, r.bottom - r.top) / 2.0;
  std::vector<std::vector<Span>> rows;
  for (int32_t y = r.top; y < r.bottom; ++y) {
    double yc = y + 0.5;
    double dy = std::max(r.top + ry - yc, yc - (r.bottom - ry));
    int32_t inset = corner_inset(rx, ry, dy);
    if (r.left + inset < r.right - inset) rows.push_back({{r.left + inset, r.right - inset}});
    else rows.push_back({});
  }
  return region_from_rows(r.top, rows);
}

Region region_combine(const Region& a, const Region& b, Region_Op op) {
  std::vector<int32_t> ys;
  for (const Region* r : {&a, &b})
    for (const Device_Rect& d : r->rects) ys.insert(ys.end(), {d.top, d.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  Region out;
  std::vector<Span> prev;
  int32_t prev_bottom = 0;
  for (size_t i = 0; i + 1 < ys.size(); ++i)
    append_band(out, ys[i], ys[i + 1], combine_spans(spans_at(a, ys[i]), spans_at(b, ys[i]), op), prev, prev_bottom);
  return out;
}

Device_Rect region_bounds(const Region& r) {
  if (r.rects.empty()) return {0, 0, 0, 0};
  Device_Rect b = r.rects[0];
  for (const Device_Rect& d : r.rects)
    b = {std::min(b.left, d.left), std::min(b.top, d.top), std::max(b.right, d.right), std::max(b.bottom, d.bottom)};
  return b;
}

void region_offset(Region& r, int32_t dx, int32_t dy) {
  for (Device_Rect& d : r.rects) d = {d.left + dx, d.top + dy, d.right + dx, d.bottom + dy};
}

bool region_contains_q(const Region& r, int32_t x, int32_t y) {
  for (const Device_Rect& d : r.rects)
    if (d.left <= x && x < d.right && d.top <= y && y < d.bottom) return true;
  return false;
}

bool region_empty_q(const Region& r) { return r.rects.empty(); }

Region canvas_region_rect(const Canvas& c, const Rect& r) { return region_from_rect(device_rect(r, c.dpi_x, c.dpi_y)); }

Region canvas_region_round_rect(const Canvas& c, const Rect& r, int32_t radius) {
  return region_round_rect(device_rect(r, c.dpi_x, c.dpi_y), 2 * device_length(radius, c.dpi_x),
                           2 * device_length(radius, c.dpi_y));
}

Rect canvas_region_bounds(const Canvas& c, const Region& r) { return canvas_rect(region_bounds(r), c.dpi_x, c.dpi_y); }

void canvas_region_offset(const Canvas& c, Region& r, Point offset) {
  int32_t dy = device_length(offset.y, c.dpi_y);
  region_offset(r, device_length(offset.x, c.dpi_x), c.dpi_y < 0 ? -dy : dy);
}

void canvas_draw_region(Canvas& c, const Region& r, int32_t mode) {
  if (mode == 1) return;
  for (const Device_Rect& d : r.rects) c.dc.ops_p->invert_rect(c.dc.impl_p, d);
}
