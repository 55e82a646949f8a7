// The argument block of one perform: the caller fills the selection and the
// command; the element reports what to redraw, the record that undoes the
// change, whether the document changed, and a command for the shell.
#pragma once
#include <memory>

#include "draw/geom.h"
#include "editor/sel.h"

struct Cmd_Args {
  Sel* sel_p;  // read and replaced in place
  Cmd* cmd_p;
  Rect inval_bds0 = EMPTY_RECT;  // content coordinates; elements widen it by union
  // The window's newest undo record, offered only while nothing can be
  // redone, so that an element may extend it instead of making a new one.
  Sel* prev_undo_sel_p = nullptr;
  Cmd* prev_undo_cmd_p = nullptr;
  Undo_Rec undo;  // none when nothing changed or the change merged
  bool changed_q = false;
  bool reveal_q = false;  // show the selection, even after a mouse command
  std::unique_ptr<Cmd> res_cmd_mp;

  Cmd_Args(Sel& s, Cmd& c) : sel_p(&s), cmd_p(&c) {}
};

// Accessors under the names the elements' checks use.
inline bool nonempty_q(const Rect& r) { return !rect_empty_q(r); }
inline const Rect& inval_bds0(const Cmd_Args& a) { return a.inval_bds0; }
inline const Undo_Rec& undo(const Cmd_Args& a) { return a.undo; }
inline bool changed_q(const Cmd_Args& a) { return a.changed_q; }
inline Cmd* res_cmd_mp(const Cmd_Args& a) { return a.res_cmd_mp.get(); }
inline Sel* prev_undo_sel_p(const Cmd_Args& a) { return a.prev_undo_sel_p; }
inline Cmd* prev_undo_cmd_p(const Cmd_Args& a) { return a.prev_undo_cmd_p; }

// Widens the redraw bounds by r; an empty r adds nothing.
inline void inval_add(Cmd_Args& a, const Rect& r) {
  if (nonempty_q(r)) a.inval_bds0 = rect_union(a.inval_bds0, r);
}
