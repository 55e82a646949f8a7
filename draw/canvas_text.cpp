#include "draw/canvas_text.h"

#include "draw/canvas_font.h"
#include "draw/colour.h"
#include "draw/units.h"

void canvas_draw_text(Canvas& c, const char* text, int32_t n_bytes, int32_t style_bits, int32_t colour,
                      const Styl& s) {
  int32_t old_colour = c.colour;
  canvas_set_colour(c, colour);
  Font_Text ft = font_text(text, n_bytes, s.prefer_coding_);
  int32_t at = 0;
  for (int32_t run_i = 0; run_i < n_runs(ft.runs); ++run_i) {
    int32_t coding = run_coding(ft.runs, run_i), n = run_n_bytes(ft.runs, run_i);
    const Font& f = *s.fonts[coding];
    canvas_select_font(c, f.family, f.size, style_bits);
    Point d = device_point(c.cur, c.dpi_x, c.dpi_y);
    c.dc.ops_p->move_to(c.dc.impl_p, d.x, d.y);
    const char* run_bytes = ft.bytes.first_p + at;
    c.dc.ops_p->text_out(c.dc.impl_p, reinterpret_cast<const uint8_t*>(run_bytes), n);
    c.cur.x += font_bytes_width(s, coding, style_bits, run_bytes, n);
    at += n;
  }
  canvas_set_colour(c, old_colour);
}
