#include "editor/gui_kind.h"

Region caret_region_of_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return canvas_region_rect(c, rect_shift(k.sel_bounds(k, e, s), origin));
}

void perform_without_effects(const Gui_Kind& k, void* e, Sel& s, Cmd& c) {
  Cmd_Args args(s, c);
  k.perform(k, e, args);
  CHECK(! nonempty_q(inval_bds0(args)) && ! cmd_mp(undo(args)) && ! changed_q(args));
}

Rect perform_for_bounds(const Gui_Kind& k, void* e, Sel& s, Cmd& c) {
  Cmd_Args args(s, c);
  k.perform(k, e, args);
  CHECK(! cmd_mp(undo(args)) && ! changed_q(args) && ! res_cmd_mp(args));
  return args.inval_bds0;
}

Byte_Str elt_text(const Gui_Kind& k, void* e) {
  Sel s = k.initial_sel(k, e);
  Cmd all(SELECT_ALL_CMD);
  perform_without_effects(k, e, s, all);
  Byte_Str text;
  Copy_Cmd copy(text);
  perform_without_effects(k, e, s, copy);
  return text;
}
