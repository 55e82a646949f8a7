#include "model/file_buttons.h"

#include <cstring>

#include "draw/button.h"
#include "model/Math_Model.h"
#include "model/model_kind.h"

namespace {

const File_Button& button_of(const void* e) { return *static_cast<const File_Button*>(e); }

const Button& look_of(const void* e) {
  static const Button next = make_button("Next File", int32_t(std::strlen("Next File")));
  static const Button prev = make_button("Previous File", int32_t(std::strlen("Previous File")));
  return button_of(e).button_n == NEXT_FILE_BUTTON_N ? next : prev;
}

Sel none_sel(const Gui_Kind&, const void*) { return Sel(); }
Rect no_sel_bounds(const Gui_Kind&, const void*, const Sel&) { return EMPTY_RECT; }
// The document answers the press itself (button_click); a hidden button
// has no content and shows nothing.
int32_t query(const Gui_Kind&, const void* e, const Sel&, Cmd& c) {
  return e && c.cmd_n == MOUSE_CMD ? int32_t(ARROW_CURSOR) : QUERY_PASSED;
}
void perform(const Gui_Kind&, void*, Cmd_Args&) {}
// The frame hangs from the origin; the text's baseline lies under it.
int32_t baseline(const void* e) { return -button_bounds(look_of(e), default_style()).y1; }
Rect bounds(const Gui_Kind&, const void* e) {
  return e ? rect_shift(button_bounds(look_of(e), default_style()), {0, baseline(e)}) : Rect{0, 0, 0, 0};
}
void draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) {
  if (e) canvas_draw_button(c, {origin.x, origin.y + baseline(e)}, look_of(e), default_style());
}
Region no_caret(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return Region(); }

}  // namespace

const Gui_Kind FILE_BUTTON_OPS = {none_sel, no_sel_bounds, query, perform, bounds, draw, no_caret, nullptr};

bool button_click(const Math_Model& m, Cmd_Args& args) {
  const auto& mc = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  if (mc.phase != MOUSE_PRESS) return false;
  for (const File_Button* b : {&m.next_button, &m.prev_button}) {
    int32_t j = b == &m.next_button ? NEXT_MMDLI : PREV_MMDLI;
    if (b->shown_q && rect_distance2(section_area(m, j), mc.pt) == 0) {
      args.res_cmd_mp = std::make_unique<Button_Cmd>(b->button_n);
      return true;
    }
  }
  return false;
}

void set_file_buttons(void* doc, bool next_q, bool prev_q) {
  Math_Model& m = *static_cast<Math_Model*>(doc);
  m.next_button.shown_q = next_q;
  m.prev_button.shown_q = prev_q;
  model_relayout(m);
}
