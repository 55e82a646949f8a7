#include "draw/canvas_text.h"

#include "draw/canvas_font.h"
#include "draw/colour.h"
#include "draw/units.h"

namespace {

// Font bytes of one coding gathered for one text call of the device; a run
// longer than this is written in several calls, each placed by the tables.
constexpr int32_t RUN_BYTES = 256;

struct Run_Out {
  Run_Out(Canvas& canvas, const Styl& styl, int32_t bits) : c(canvas), s(styl), style_bits(bits) {}
  Canvas& c;
  const Styl& s;
  int32_t style_bits;
  int coding = -1;
  int32_t n = 0;
  char bytes[RUN_BYTES];
};

void write_run(Run_Out& r) {
  if (r.n == 0) return;
  Canvas& c = r.c;
  const Font& f = *r.s.fonts[r.coding];
  canvas_select_font(c, f.family, f.size, r.style_bits);
  Point d = device_point(c.cur, c.dpi_x, c.dpi_y);
  c.dc.ops_p->move_to(c.dc.impl_p, d.x, d.y);
  c.dc.ops_p->text_out(c.dc.impl_p, reinterpret_cast<const uint8_t*>(r.bytes), r.n);
  c.cur.x += font_bytes_width(r.s, r.coding, r.style_bits, r.bytes, r.n);
  r.n = 0;
}

}  // namespace

// The text is walked in place and each run gathered on the stack: drawing
// takes no memory.
void canvas_draw_text(Canvas& c, const char* text, int32_t n_bytes, int32_t style_bits, int32_t colour,
                      const Styl& s) {
  int32_t old_colour = c.colour;
  canvas_set_colour(c, colour);
  Run_Out run(c, s, style_bits);
  Font_Walk walk = font_walk(text, n_bytes, s.prefer_coding_);
  Font_Piece piece;
  while (font_walk_next(walk, piece)) {
    if (piece.coding != run.coding) write_run(run);
    run.coding = piece.coding;
    for (int32_t i = 0; i < piece.n_bytes; ++i) {
      if (run.n == RUN_BYTES) write_run(run);
      run.bytes[run.n++] = piece.bytes_p[i];
    }
  }
  write_run(run);
  canvas_set_colour(c, old_colour);
}
