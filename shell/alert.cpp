#include "shell/alert.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "draw/Canvas_os.h"
#include "draw/flow.h"
#include "draw/font.h"

namespace {

constexpr int32_t ICON_SIDE = 6144;
constexpr int32_t GAP = 1536;
// Around the icon, message and buttons, inside the window's own margin: a
// dialog's contents stand clear of its frame.
constexpr int32_t PAD = 1728;
constexpr int32_t WRAP_WIDTH = 82944;
constexpr int32_t ICON_COLOURS[] = {0xD02020, 0xE8B000, 0x2060D0};
const char* const ICON_GLYPHS[] = {"X", "!", "i"};

constexpr int32_t NO_CENTRING = INT32_MAX;

const Styl& alert_style() { return paragraph_style(); }
const Styl& icon_style() {
  static Styl* style_p = new Styl(make_style(make_font(default_family(), 18), ROMAN_CODING, 1));
  return *style_p;
}

// The buttons left to right, wrapping like the message; gives their row's bounds.
Rect lay_out_buttons(Alert& a) {
  std::vector<Rect> frames;
  for (const std::string& l : a.labels) {
    a.button_labels.push_back(make_button(l.data(), int32_t(l.size())));
    frames.push_back(button_bounds(a.button_labels.back(), alert_style()));
  }
  a.button_pts.resize(frames.size());
  Rect row = row_flow({GAP, WRAP_WIDTH, GAP, NO_CENTRING, false}, frames, a.button_pts);
  for (size_t i = 0; i < frames.size(); ++i) a.buttons.push_back(rect_shift(frames[i], a.button_pts[i]));
  return row;
}

// The icon, the message and the buttons one below the other, each centred.
void lay_out(Alert& a) {
  Rect items[] = {{0, ICON_SIDE, -ICON_SIDE, 0}, a.message.bounds, lay_out_buttons(a)};
  Point pts[3];
  Rect r = column_stack({GAP, 0}, items, pts);
  a.bounds = {r.x0 - PAD, r.x1 + PAD, r.y0 - PAD, r.y1 + PAD};
  a.icon_pt = pts[0];
  a.message_pt = pts[1];
  for (Point& p : a.button_pts) p = point_add(p, pts[2]);
  for (Rect& r : a.buttons) r = rect_shift(r, pts[2]);
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
  canvas_draw_button(c, point_add(o, a.button_pts[i]), a.button_labels[i], alert_style());
  Rect r = rect_shift(a.buttons[i], o);
  if (int32_t(i) == a.selected_i)
    canvas_round_rect(c, {r.x0 + 192, r.x1 - 192, r.y0 + 192, r.y1 - 192}, BUTTON_RADIUS - 192);
}

void alert_draw(const Gui_Kind&, const void* e, Canvas& c, Point o) {
  const Alert& a = *static_cast<const Alert*>(e);
  draw_icon(a, c, point_add(o, a.icon_pt));
  paragraph_draw(a.message, c, point_add(o, a.message_pt));
  for (size_t i = 0; i < a.buttons.size(); ++i) draw_button(a, i, c, o);
}

void alert_release(const Gui_Kind&, void* e) { delete static_cast<Alert*>(e); }

}  // namespace

const Gui_Kind ALERT_KIND = {no_initial_sel, alert_sel_bounds, alert_query,     alert_perform,
                             alert_bounds,   alert_draw,       no_caret_region, alert_release};

char access_letter(const std::string& label) {
  size_t amp = label.find('&');
  if (amp == std::string::npos || amp + 1 >= label.size()) return 0;
  return char(std::tolower(static_cast<unsigned char>(label[amp + 1])));
}

Alert* alert_new(int32_t icon, const Byte_Str& text, std::vector<std::string> labels, int32_t selected_i) {
  CHECK(icon >= ERROR_ICON && icon <= INFORMATION_ICON && !labels.empty());
  Alert* a = new Alert{icon, paragraph_of(text, WRAP_WIDTH), std::move(labels), selected_i, {}, {}, {}, {}, {}, EMPTY_RECT};
  lay_out(*a);
  return a;
}
