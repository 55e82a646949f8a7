#include "shell/paragraph.h"

#include <climits>

#include "draw/Canvas_os.h"
#include "draw/flow.h"
#include "draw/font.h"

namespace {

constexpr int32_t NO_CENTRING = INT32_MAX;

int32_t width_of(const char* p, int32_t n) { return text_width(p, n, 0, paragraph_style()); }

// One line's words, from p.words[first] on, in rows; gives the line's bounds.
Rect flow_words(Paragraph& p, size_t first, int32_t wrap_width) {
  const Styl& s = paragraph_style();
  std::vector<Rect> items;
  for (size_t i = first; i < p.words.size(); ++i)
    items.push_back({0, width_of(p.text.first_p + p.words[i].start, p.words[i].end - p.words[i].start), s.descent,
                     s.ascent});
  std::vector<Point> pts(items.size());
  Rect r = row_flow({width_of(" ", 1), wrap_width, s.leading, NO_CENTRING, false}, items, pts);
  for (size_t i = first; i < p.words.size(); ++i) p.words[i].at = pts[i - first];
  return r;
}

// A space or carriage return breaks only where it is a character of its own,
// not the last byte of a longer character's code.
bool break_at_q(const char* t, int32_t i) {
  return (t[i] == ' ' || t[i] == '\r') && (i == 0 || (static_cast<unsigned char>(t[i - 1]) & 0x80) == 0);
}

// Copy takes the whole text: there is no selection to narrow it.
int32_t para_query(const Gui_Kind&, const void*, const Sel&, Cmd& c) {
  if (c.cmd_n == MOUSE_CMD) return ARROW_CURSOR;
  return c.cmd_n == COPY_CMD ? 1 : QUERY_REFUSED;
}
void para_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  if (args.cmd_p->cmd_n != COPY_CMD) return;
  static_cast<Copy_Cmd*>(args.cmd_p)->out = static_cast<const Paragraph*>(e)->text;
}
Rect para_bounds(const Gui_Kind&, const void* e) { return static_cast<const Paragraph*>(e)->bounds; }
void para_draw(const Gui_Kind&, const void* e, Canvas& c, Point o) {
  paragraph_draw(*static_cast<const Paragraph*>(e), c, o);
}
Rect para_sel_bounds(const Gui_Kind&, const void*, const Sel&) { return EMPTY_RECT; }
void para_release(const Gui_Kind&, void* e) { delete static_cast<Paragraph*>(e); }

}  // namespace

Region no_caret_region(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return {}; }
Sel no_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }

const Gui_Kind PARAGRAPH_KIND = {no_initial_sel, para_sel_bounds, para_query,      para_perform,
                                 para_bounds,    para_draw,       no_caret_region, para_release};

const Styl& paragraph_style() { return default_style(); }

// An empty word (two spaces, an empty line) still takes a row's height, so
// no line is empty.
Paragraph paragraph_of(const Byte_Str& text, int32_t wrap_width) {
  Paragraph p{Byte_Str(text), {}, EMPTY_RECT};
  const char* t = p.text.first_p;
  int32_t n = n_elts(p.text);
  std::vector<Rect> lines;
  std::vector<size_t> firsts;  // each line's first word
  for (int32_t start = 0, end = 0;; ++end) {
    if (end < n && !break_at_q(t, end)) continue;
    p.words.push_back({start, end, {}});
    start = end + 1;
    if (end < n && t[end] == ' ') continue;
    lines.push_back(flow_words(p, firsts.empty() ? 0 : firsts.back(), wrap_width));
    firsts.push_back(p.words.size());
    if (end == n) break;
  }
  std::vector<Point> pts(lines.size());
  p.bounds = column_stack({paragraph_style().leading, NO_CENTRING}, lines, pts);
  for (size_t k = 0, i = 0; k < pts.size(); ++k)
    for (; i < firsts[k]; ++i) p.words[i].at = point_add(p.words[i].at, pts[k]);
  return p;
}

void paragraph_draw(const Paragraph& p, Canvas& c, Point o) {
  canvas_set_colour(c, 0);
  for (const Para_Word& w : p.words) {
    canvas_move_to(c, point_add(o, w.at));
    canvas_draw_text(c, p.text.first_p + w.start, w.end - w.start, 0, -1, paragraph_style());
  }
}

Paragraph* paragraph_new(const Byte_Str& text, int32_t wrap_width) {
  return new Paragraph(paragraph_of(text, wrap_width));
}
