#include "tables/swatch.h"

#include <algorithm>

#include <new>

#include "core/num_format.h"
#include "editor/colour_cmd.h"

namespace {

constexpr int32_t OUTLINE_COLOUR = 0x404040;

const Swatch& swatch_of(const void* e) { return *static_cast<const Swatch*>(e); }

Byte_Str colour_text(int32_t colour) {
  Byte_Str t;
  format_hex(t, uint32_t(colour), "#", 6);
  return t;
}

int32_t hex_digit(char c) {
  if ('0' <= c && c <= '9') return c - '0';
  if ('A' <= c && c <= 'F') return c - 'A' + 10;
  if ('a' <= c && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The colour of "#RRGGBB" at offset i of text, or -1.
int32_t read_colour(const Byte_Str& text, int32_t i) {
  const char* p = text.first_p + i;
  if (n_elts(text) - i < 7 || p[0] != '#') return -1;
  int32_t colour = 0;
  for (int32_t i = 1; i < 7; ++i) {
    int32_t d = hex_digit(p[i]);
    if (d < 0) return -1;
    colour = colour * 16 + d;
  }
  return colour;
}

// The square in its colour inside a dark outline; the text after it keeps the colour it had.
void op_draw(const Gui_Kind&, const void* e, Canvas& c, Point o) {
  int32_t before = c.colour;
  canvas_set_colour(c, OUTLINE_COLOUR);
  canvas_rectangle(c, {o.x, o.x + SWATCH_SIDE, o.y, o.y + SWATCH_SIDE});
  canvas_set_colour(c, swatch_of(e).colour);
  canvas_rectangle(c, {o.x + 96, o.x + SWATCH_SIDE - 96, o.y + 96, o.y + SWATCH_SIDE - 96});
  canvas_set_colour(c, before);
}

void op_release(const Gui_Kind&, void* e) { pool_return(e); }

bool all_q(const Sel& s) { return std::min(s.anchor_i, s.gen_i) == 0 && std::max(s.anchor_i, s.gen_i) == 1; }

Sel op_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }

Rect op_bounds(const Gui_Kind&, const void*) { return {0, SWATCH_SIDE, 0, SWATCH_SIDE}; }

Rect op_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s) {
  if (!all_q(s)) {
    int32_t x = s.gen_i * SWATCH_SIDE;
    return {x - 96, x + 96, 0, SWATCH_SIDE};
  }
  return op_bounds(k, e);
}

// The swatch moves like one character; with Ctrl, Up and Down go to its ends.
int32_t arrow_dir(const Arrow_Cmd& a) {
  if (!(a.mods & CTRL_MOD) || a.dir == Arrow_Cmd::TAB) return a.dir;
  return a.dir == Arrow_Cmd::UP || a.dir == Arrow_Cmd::LEFT ? Arrow_Cmd::LEFT : Arrow_Cmd::RIGHT;
}

int32_t arrow_query(const Sel& s, const Arrow_Cmd& a) {
  bool shift_q = a.mods & SHIFT_MOD;
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (arrow_dir(a) == Arrow_Cmd::LEFT) return (shift_q ? j : k) > 0;
  if (arrow_dir(a) == Arrow_Cmd::RIGHT) return (shift_q ? k : j) < 1;
  return QUERY_PASSED;
}

int32_t op_query(const Gui_Kind& k, const void*, const Sel& s, Cmd& c) {
  switch (c.cmd_n) {
    case SELECT_ALL_CMD:
    case SELECT_MORE_CMD: return all_q(s) ? QUERY_PASSED : 1;
    case MOUSE_CMD: return ARROW_CURSOR;
    case ARROW_CMD: return arrow_query(s, static_cast<const Arrow_Cmd&>(c));
    case COPY_CMD: return all_q(s);
    case TEXT_PARTIAL_CMD: {
      Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(c);
      // Nothing, or the start of the next cell: the colour stays.
      if (t.n_consumed >= n_elts(t.text) || uint8_t(t.text[t.n_consumed]) <= ' ') return QUERY_PASSED;
      if (read_colour(t.text, t.n_consumed) < 0) return QUERY_REFUSED;
      t.n_consumed += 7;
      return reinterpret_cast<const Swatch_Kind&>(k).accept_n;
    }
    case COLOUR_CMD: return reinterpret_cast<const Swatch_Kind&>(k).accept_n;
    default: return QUERY_PASSED;
  }
}

// The record restores the old colour and leaves the selection where it was.
void set_colour(const Gui_Kind& k, Swatch& w, int32_t colour, Cmd_Args& args) {
  if (colour == w.colour) return;
  args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
  args.undo.cmd_mp = std::make_unique<Colour_Cmd>(w.colour);
  w.colour = colour;
  inval_add(args, op_bounds(k, &w));
  args.changed_q = true;
}

void op_perform(const Gui_Kind& k, void* e, Cmd_Args& args) {
  Swatch& w = *static_cast<Swatch*>(e);
  Sel& s = *args.sel_p;
  switch (args.cmd_p->cmd_n) {
    case SELECT_ALL_CMD:
    case SELECT_MORE_CMD:
    case MOUSE_CMD: s = sel_of(0, 1); break;
    case ARROW_CMD: {
      const Arrow_Cmd& a = static_cast<const Arrow_Cmd&>(*args.cmd_p);
      int32_t to = arrow_dir(a) == Arrow_Cmd::RIGHT;
      s = a.mods & SHIFT_MOD ? sel_of(1 - to, to) : sel_of(to, to);
      break;
    }
    case COPY_CMD: static_cast<Copy_Cmd&>(*args.cmd_p).out = colour_text(w.colour); break;
    case TEXT_PARTIAL_CMD: {
      Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
      int32_t from_i = t.n_consumed;
      if (op_query(k, e, s, t) <= 0) break;
      args.undo.sel_mp = std::make_unique<Sel>(sel_of(0, 1));
      args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(colour_text(w.colour));
      w.colour = read_colour(t.text, from_i);
      s = sel_of(0, 1);
      inval_add(args, op_bounds(k, e));
      args.changed_q = true;
      break;
    }
    case COLOUR_CMD: set_colour(k, w, static_cast<const Colour_Cmd&>(*args.cmd_p).colour, args); break;
    default: break;
  }
}

}  // namespace

const Gui_Kind SWATCH_OPS = {op_initial_sel, op_sel_bounds, op_query,         op_perform,
                             op_bounds,      op_draw,       caret_region_of_sel_bounds, op_release};

Swatch* swatch_new(int32_t colour) { return new (pool_alloc(sizeof(Swatch))) Swatch{colour}; }
