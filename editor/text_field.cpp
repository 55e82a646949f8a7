#include "editor/text_field.h"

#include <algorithm>
#include <new>

#include "editor/text_chars.h"

namespace {

struct Span {
  int32_t j, k, n;  // the selection's ends in order, the text's length
};

Span span_of(const Byte_Str& t, const Sel& s) {
  return {std::min(s.anchor_i, s.gen_i), std::max(s.anchor_i, s.gen_i), n_elts(t)};
}

bool all_selected_q(const Span& p) { return p.j <= 0 && p.k >= p.n; }

// With Ctrl, Up and Down jump like Left and Right.
int32_t arrow_dir(const Arrow_Cmd& a) {
  if (!(a.mods & CTRL_MOD)) return a.dir;
  if (a.dir == Arrow_Cmd::UP) return Arrow_Cmd::LEFT;
  if (a.dir == Arrow_Cmd::DOWN) return Arrow_Cmd::RIGHT;
  return a.dir;
}

int32_t arrow_query(const Span& p, const Arrow_Cmd& a) {
  bool shift_q = a.mods & SHIFT_MOD;
  switch (arrow_dir(a)) {
    case Arrow_Cmd::LEFT: return (shift_q ? p.j : p.k) > 0;
    case Arrow_Cmd::RIGHT: return (shift_q ? p.k : p.j) < p.n;
    default: return QUERY_PASSED;
  }
}

// Left and Right grow or collapse the ordered selection; with Shift they
// only ever grow it.
void arrow_perform(const Byte_Str& t, Sel& s, const Arrow_Cmd& a) {
  Span p = span_of(t, s);
  bool shift_q = a.mods & SHIFT_MOD, jump_q = a.mods & (CTRL_MOD | ALT_MOD);
  int32_t d = arrow_dir(a);
  if (d == Arrow_Cmd::LEFT) {
    if (jump_q) p.j = 0;
    else if (p.j == p.k || shift_q) p.j = char_before_i(t, p.j);
    if (!shift_q) p.k = p.j;
  } else if (d == Arrow_Cmd::RIGHT) {
    if (jump_q) p.k = p.n;
    else if (p.j == p.k || shift_q) p.k = char_after_i(t, p.k);
    if (!shift_q) p.j = p.k;
  } else {
    return;
  }
  s.anchor_i = p.j;
  s.gen_i = p.k;
}

bool double_click_q(const Mouse_Cmd& m) { return (m.mods & (DOUBLE_MOD | SHIFT_MOD)) == DOUBLE_MOD; }

void mouse_perform(const Byte_Str& t, const Text_Opts& o, Sel& s, const Mouse_Cmd& m) {
  if (double_click_q(m)) {
    s = sel_of(0, n_elts(t));
    return;
  }
  s.gen_i = text_hit_i(t, o, m.pt.x);
  if (m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD)) s.anchor_i = s.gen_i;
}

const Byte_Str& text_of(const void* e) { return *static_cast<const Byte_Str*>(e); }
const Text_Opts& opts_of(const Gui_Kind& k) { return reinterpret_cast<const Text_Field_Kind&>(k).opts; }

Sel field_initial_sel(const Gui_Kind&, const void*) { return sel_of(0, 0); }

Rect field_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s) {
  return text_sel_bounds(text_of(e), opts_of(k), s);
}

int32_t field_query(const Gui_Kind& k, const void* e, const Sel& s, Cmd& c) {
  return text_query(text_of(e), opts_of(k), s, c);
}

void field_perform(const Gui_Kind& k, void* e, Cmd_Args& args) {
  text_perform(*static_cast<Byte_Str*>(e), opts_of(k), args);
}

Rect field_bounds(const Gui_Kind& k, const void* e) { return text_extent(text_of(e), opts_of(k), 0); }

void field_draw(const Gui_Kind& k, const void* e, Canvas& c, Point origin) {
  text_draw(text_of(e), opts_of(k), c, origin);
}

void field_release(const Gui_Kind&, void* e) {
  static_cast<Byte_Str*>(e)->~Byte_Str();
  pool_return(e);
}

}  // namespace

const Gui_Kind TEXT_FIELD_OPS = {field_initial_sel, field_sel_bounds, field_query, field_perform,
                                 field_bounds,      field_draw,       caret_region_of_sel_bounds, field_release};

Byte_Str* text_field_new(const char* text) { return new (pool_alloc(sizeof(Byte_Str))) Byte_Str(text); }

int32_t text_query(const Byte_Str& t, const Text_Opts& o, const Sel& s, Cmd& c) {
  Span p = span_of(t, s);
  switch (c.cmd_n) {
    case SELECT_ALL_CMD:
    case SELECT_MORE_CMD: return all_selected_q(p) ? QUERY_PASSED : 1;
    case MOUSE_CMD: {
      // A double click on a field that is all selected widens the
      // selection in the containing element.
      const Mouse_Cmd& m = static_cast<const Mouse_Cmd&>(c);
      return m.phase == MOUSE_PRESS && double_click_q(m) && all_selected_q(p) ? QUERY_PASSED : IBEAM_CURSOR;
    }
    case ARROW_CMD: return arrow_query(p, static_cast<const Arrow_Cmd&>(c));
    case COPY_CMD: return p.j < p.k;
    case TEXT_PARTIAL_CMD: return text_typing_query(t, o, s, static_cast<Text_Partial_Cmd&>(c));
    default: return QUERY_PASSED;
  }
}

void text_perform(Byte_Str& t, const Text_Opts& o, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  switch (args.cmd_p->cmd_n) {
    case SELECT_ALL_CMD:
    case SELECT_MORE_CMD: s = sel_of(0, n_elts(t)); break;
    case MOUSE_CMD: mouse_perform(t, o, s, static_cast<const Mouse_Cmd&>(*args.cmd_p)); break;
    case ARROW_CMD: arrow_perform(t, s, static_cast<const Arrow_Cmd&>(*args.cmd_p)); break;
    case COPY_CMD: {
      Span p = span_of(t, s);
      Byte_Str& out = static_cast<Copy_Cmd&>(*args.cmd_p).out;
      set_length(out, 0);
      append(out, t.first_p + p.j, p.k - p.j);
      break;
    }
    case TEXT_PARTIAL_CMD: text_type(t, o, args); break;
    default: break;
  }
}
