#include "draw/shared_font.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/err.h"
#include "draw/canvas_font.h"
#include "draw/screen.h"
#include "draw/units.h"

namespace {

// Fonts alive now; a dead entry is reused by the next request.
std::vector<std::weak_ptr<Font>>& fonts_() {
  static std::vector<std::weak_ptr<Font>>* fonts_mp = new std::vector<std::weak_ptr<Font>>();
  return *fonts_mp;
}

int32_t canvas_units(int32_t px, int32_t dpi) { return int32_t(int64_t(px) * UNITS_PER_INCH / std::abs(dpi)); }

std::shared_ptr<Font> measure_font(const Font_Family& family, int32_t size) {
  Canvas& c = screen_canvas();
  canvas_select_font(c, family, size, 0);
  Text_Metrics tm = c.dc.ops_p->text_metrics(c.dc.impl_p);
  auto f = std::make_shared<Font>();
  f->family = family;
  f->size = size;
  f->ascent = canvas_units(tm.ascent, c.dpi_y);
  f->descent = -canvas_units(tm.descent, c.dpi_y);
  f->leading = canvas_units(tm.external_leading, c.dpi_y);
  return f;
}

// One character's width from 16 copies of it. For italics the extent holds
// the slant's overhang once; the difference of 16 and 8 copies, doubled,
// leaves it out.
int32_t measured_width(Canvas& c, uint8_t b, bool italic_q) {
  uint8_t copies[16];
  std::memset(copies, b, sizeof copies);
  int32_t w = c.dc.ops_p->text_extent(c.dc.impl_p, copies, 16);
  if (italic_q) w = 2 * (w - c.dc.ops_p->text_extent(c.dc.impl_p, copies, 8));
  return int32_t(int64_t(w) * (UNITS_PER_INCH / 16) / c.dpi_x);
}

}  // namespace

std::shared_ptr<Font> make_font(const Font_Family& family, int32_t size) {
  std::vector<std::weak_ptr<Font>>& fonts = fonts_();
  std::weak_ptr<Font>* free_mp = nullptr;
  for (std::weak_ptr<Font>& w : fonts) {
    std::shared_ptr<Font> f = w.lock();
    if (!f) free_mp = &w;
    else if (f->family == family && f->size == size) return f;
  }
  std::shared_ptr<Font> f = measure_font(family, size);
  if (free_mp) *free_mp = f;
  else fonts.push_back(f);
  return f;
}

const Width_Table& font_widths(Font& f, int32_t style_i) {
  CHECK(unsigned(style_i) < unsigned(N_STYLE_INDEXES));
  if (!f.widths[style_i]) {
    Canvas& c = screen_canvas();
    canvas_select_font(c, f.family, f.size, style_i);
    auto table = std::make_unique<Width_Table>();
    for (int b = 0; b < 256; ++b) (*table)[b] = measured_width(c, uint8_t(b), (style_i & ITALIC_BIT) != 0);
    f.widths[style_i] = std::move(table);
  }
  return *f.widths[style_i];
}

std::shared_ptr<Font> default_font() {
  static std::shared_ptr<Font>* font_mp = nullptr;
  if (!font_mp) {
    Canvas& c = screen_canvas();
    Font_Family system;
    Text_Metrics tm;
    c.dc.ops_p->system_font(c.dc.impl_p, system, tm);
    int32_t size = (tm.height - tm.internal_leading) * 72 / std::abs(c.dpi_y);
    font_mp = new std::shared_ptr<Font>(make_font(default_family(), size));
  }
  return *font_mp;
}
