#include "draw/canvas_font.h"

#include <cstdlib>

#include "core/err.h"

namespace {

int32_t n_elts(const std::string& s) { return int32_t(s.size()); }

// a * b / c rounded half away from zero, as the platform's MulDiv.
int32_t mul_div(int32_t a, int32_t b, int32_t c) {
  int64_t p = int64_t(a) * b;
  int64_t q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
  return int32_t((p < 0) != (c < 0) ? -q : q);
}

}  // namespace

Log_Font log_font(const Font_Family& family, int32_t size, int32_t style_bits, int32_t dpi_y) {
  // Family names are plain ASCII here, so the system's coding is the name itself.
  const std::string& s_os = family.name;
  CHECK(n_elts(s_os) < LF_FACESIZE);
  return {-mul_div(size, std::abs(dpi_y), 72), (style_bits & BOLD_BIT) ? FW_BOLD : 0, (style_bits & ITALIC_BIT) != 0,
          (style_bits & UNDERLINE_BIT) != 0, family.charset, s_os};
}

void canvas_select_font(Canvas& c, const Font_Family& family, int32_t size, int32_t style_bits) {
  int32_t found_i = -1;
  for (size_t i = 0; i < c.fonts.size(); ++i) {
    const Canvas_Font& f = c.fonts[i];
    if (f.family == family && f.size == size && f.style_bits == style_bits) found_i = int32_t(i);
  }
  if (found_i < 0) {
    int32_t dev_i = c.dc.ops_p->create_font(c.dc.impl_p, log_font(family, size, style_bits, c.dpi_y));
    c.fonts.push_back({family, size, style_bits, dev_i});
    found_i = int32_t(c.fonts.size()) - 1;
  }
  if (found_i == c.font_i) return;
  c.font_i = found_i;
  c.dc.ops_p->select_font(c.dc.impl_p, c.fonts[found_i].font_i);
}
