#include "shell/alert.h"

#include <algorithm>
#include <cctype>

#include "draw/Canvas_os.h"
#include "draw/font.h"

namespace {

constexpr int32_t ICON_SIDE = 6144;
constexpr int32_t GAP = 1536;
constexpr int32_t WRAP_WIDTH = 82944;
constexpr int32_t ICON_COLOURS[] = {0xD02020, 0xE8B000, 0x2060D0};
const char* const ICON_GLYPHS[] = {"X", "!", "i"};

const Styl& alert_style() {
  static Styl* style_p = new Styl(make_style(default_font(), ROMAN_CODING));
  return *style_p;
}
const Styl& icon_style() {
  static Styl* style_p = new Styl(make_style(make_font(default_family(), 18), ROMAN_CODING, 1));
  return *style_p;
}

int32_t line_height() { return alert_style().ascent - alert_style().descent + alert_style().leading; }
int32_t width_of(const char* p, int32_t n) { return text_width(p, n, 0, alert_style()); }

// Lines of at most WRAP_WIDTH, broken after spaces and at carriage returns.
void wrap(Alert& a) {
  const char* t = a.text.first_p;
  int32_t n = n_elts(a.text), start = 0;
  while (start < n) {
    int32_t end = start, last_break = -1;
    while (end < n && t[end] != '\r' && width_of(t + start, end + 1 - start) <= WRAP_WIDTH) {
      if (t[end] == ' ') last_break = end + 1;
      ++end;
    }
    if (end < n && t[end] != '\r' && last_break > start) end = last_break;
    if (end == start) end = start + 1;
    a.lines.push_back({start, end});
    start = end < n && t[end] == '\r' ? end + 1 : end;
  }
}

void lay_out(Alert& a) {
  wrap(a);
  int32_t text_x = ICON_SIDE + GAP, text_w = 0;
  for (auto [s, e] : a.lines) text_w = std::max(text_w, width_of(a.text.first_p + s, e - s));
  int32_t text_h = std::max(ICON_SIDE, int32_t(a.lines.size()) * line_height());
  int32_t row_w = 0, button_h = 0;
  std::vector<Rect> frames;
  for (const std::string& l : a.labels) {
    a.button_labels.push_back(make_button(l.data(), int32_t(l.size())));
    frames.push_back(button_bounds(a.button_labels.back(), alert_style()));
    row_w += frames.back().x1 - frames.back().x0 + GAP;
    button_h = std::max(button_h, frames.back().y1 - frames.back().y0);
  }
  int32_t width = std::max(text_x + text_w, row_w - GAP);
  int32_t x = width - row_w + GAP, top = -text_h - GAP;
  for (const Rect& f : frames) {
    Point at = {x - f.x0, top - f.y1};
    a.button_pts.push_back(at);
    a.buttons.push_back(rect_shift(f, at));
    x += f.x1 - f.x0 + GAP;
  }
  a.bounds = {0, width, top - button_h, 0};
}

int32_t button_at(const Alert& a, Point p) {
  for (size_t i = 0; i < a.buttons.size(); ++i) {
    const Rect& r = a.buttons[i];
    if (p.x >= r.x0 && p.x < r.x1 && p.y >= r.y0 && p.y < r.y1) return int32_t(i);
  }
  return -1;
}

int32_t letter_button(const Alert& a, const Text_Partial_Cmd& c) {
  if (c.n_consumed != 0 || n_elts(c.text) != 1) return -1;
  char ch = char(std::tolower(static_cast<unsigned char>(c.text.first_p[0])));
  for (size_t i = 0; i < a.labels.size(); ++i)
    if (ch != 0 && access_letter(a.labels[i]) == ch) return int32_t(i);
  return -1;
}

void choose(Cmd_Args& args, int32_t button_n) { args.res_cmd_mp = std::make_unique<Button_Cmd>(button_n); }

int32_t alert_query(const Gui_Kind&, const void* e, const Sel&, Cmd& c) {
  const Alert& a = *static_cast<const Alert*>(e);
  switch (c.cmd_n) {
    case MOUSE_CMD: return ARROW_CURSOR;
    case TEXT_PARTIAL_CMD: {
      auto& t = static_cast<Text_Partial_Cmd&>(c);
      if (letter_button(a, t) < 0) return QUERY_REFUSED;
      t.n_consumed = 1;
      return 1;
    }
    case BUTTON_CMD: {
      int32_t b = button_cast_n(c);
      if (b == ENTER_BUTTON_N) return a.selected_i >= 0 ? 1 : QUERY_REFUSED;
      return b == ESCAPE_BUTTON_N || (b >= 0 && b < int32_t(a.labels.size())) ? 1 : QUERY_REFUSED;
    }
    case ARROW_CMD: return 1;
  }
  return QUERY_REFUSED;
}

void select_button(Alert& a, Cmd_Args& args, int32_t i) {
  if (a.selected_i >= 0) inval_add(args, a.buttons[size_t(a.selected_i)]);
  a.selected_i = i;
  inval_add(args, a.buttons[size_t(i)]);
}

void alert_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  Alert& a = *static_cast<Alert*>(e);
  Cmd& c = *args.cmd_p;
  int32_t n = int32_t(a.labels.size());
  switch (c.cmd_n) {
    case TEXT_PARTIAL_CMD: {
      auto& t = static_cast<Text_Partial_Cmd&>(c);
      int32_t b = letter_button(a, t);
      if (b >= 0) choose(args, b);
      t.n_consumed = n_elts(t.text);
      return;
    }
    case BUTTON_CMD: {
      int32_t b = button_cast_n(c);
      choose(args, b == ENTER_BUTTON_N ? a.selected_i : b);
      return;
    }
    case ARROW_CMD: {
      if (n == 0) return;
      int32_t dir = static_cast<Arrow_Cmd&>(c).dir, i = std::max(a.selected_i, 0);
      select_button(a, args, dir == Arrow_Cmd::LEFT || dir == Arrow_Cmd::UP ? (i + n - 1) % n : (i + 1) % n);
      return;
    }
    case MOUSE_CMD: {
      auto& m = static_cast<Mouse_Cmd&>(c);
      int32_t b = button_at(a, m.pt);
      if (b < 0) return;
      if (m.phase == MOUSE_PRESS) select_button(a, args, b);
      if (m.phase == MOUSE_RELEASE) choose(args, b);
      return;
    }
  }
}

Rect alert_bounds(const Gui_Kind&, const void* e) { return static_cast<const Alert*>(e)->bounds; }

Rect alert_sel_bounds(const Gui_Kind&, const void* e, const Sel&) {
  const Alert& a = *static_cast<const Alert*>(e);
  return a.selected_i >= 0 ? a.buttons[size_t(a.selected_i)] : EMPTY_RECT;
}

// A circle or a triangle in the icon's colour with its glyph in white.
void draw_icon(const Alert& a, Canvas& c, Point o) {
  canvas_set_colour(c, ICON_COLOURS[a.icon]);
  int32_t s = ICON_SIDE, h = s / 2, k = s * 276 / 1000;  // Bézier circle: 0.552 of the radius
  Point m = {o.x + h, o.y - h};
  std::vector<Point> shape;
  if (a.icon == EXCLAMATION_ICON) {
    Point t = {m.x, o.y}, l = {o.x, o.y - s}, r = {o.x + s, o.y - s};
    shape = {t, t, l, l, l, r, r, r, t, t};
  } else {
    shape = {{m.x, o.y},     {m.x + k, o.y}, {o.x + s, m.y + k}, {o.x + s, m.y}, {o.x + s, m.y - k},
             {m.x + k, o.y - s}, {m.x, o.y - s}, {m.x - k, o.y - s}, {o.x, m.y - k}, {o.x, m.y},
             {o.x, m.y + k}, {m.x - k, o.y},     {m.x, o.y}};
  }
  canvas_fill_bezier_path(c, shape);
  const char* g = ICON_GLYPHS[a.icon];
  const Styl& st = icon_style();
  canvas_move_to(c, {m.x - text_width(g, 1, 1, st) / 2, m.y - (st.ascent + st.descent) / 2 - s / 16});
  canvas_draw_text(c, g, 1, 1, 0xFFFFFF, st);
}

// The selected button has a second frame inside the first.
void draw_button(const Alert& a, size_t i, Canvas& c, Point o) {
  canvas_draw_button(c, {o.x + a.button_pts[i].x, o.y + a.button_pts[i].y}, a.button_labels[i], alert_style());
  Rect r = rect_shift(a.buttons[i], o);
  if (int32_t(i) == a.selected_i)
    canvas_round_rect(c, {r.x0 + 192, r.x1 - 192, r.y0 + 192, r.y1 - 192}, BUTTON_RADIUS - 192);
}

void alert_draw(const Gui_Kind&, const void* e, Canvas& c, Point o) {
  const Alert& a = *static_cast<const Alert*>(e);
  draw_icon(a, c, o);
  canvas_set_colour(c, 0);
  int32_t y = o.y - alert_style().ascent;
  for (auto [s, e2] : a.lines) {
    canvas_move_to(c, {o.x + ICON_SIDE + GAP, y});
    canvas_draw_text(c, a.text.first_p + s, e2 - s, 0, -1, alert_style());
    y -= line_height();
  }
  for (size_t i = 0; i < a.buttons.size(); ++i) draw_button(a, i, c, o);
}

Region alert_caret(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return {}; }

Sel alert_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }

void alert_release(const Gui_Kind&, void* e) { delete static_cast<Alert*>(e); }

}  // namespace

const Gui_Kind ALERT_KIND = {alert_initial_sel, alert_sel_bounds, alert_query, alert_perform,
                             alert_bounds,      alert_draw,       alert_caret, alert_release};

char access_letter(const std::string& label) {
  size_t amp = label.find('&');
  if (amp == std::string::npos || amp + 1 >= label.size()) return 0;
  return char(std::tolower(static_cast<unsigned char>(label[amp + 1])));
}

Alert* alert_new(int32_t icon, const Byte_Str& text, std::vector<std::string> labels, int32_t selected_i) {
  CHECK(icon >= ERROR_ICON && icon <= INFORMATION_ICON);
  Alert* a = new Alert{icon, Byte_Str(text), std::move(labels), selected_i, {}, {}, {}, {}, EMPTY_RECT};
  lay_out(*a);
  return a;
}
