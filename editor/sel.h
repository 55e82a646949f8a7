// Selections and undo records. A selection has a fixed end (anchor_i) and a
// moving one (gen_i, where the caret is drawn); for structured content the
// selection inside the element at the insertion point hangs below it.
#pragma once
#include <cstdint>
#include <memory>

#include "core/pool.h"
#include "editor/cmd.h"

struct Sel : Pool_Obj {
  int32_t anchor_i = 0;
  std::unique_ptr<Sel> e_sel_mp;  // the nested chain goes with its owner
  int32_t gen_i = 0;
};

inline Sel sel_of(int32_t anchor, int32_t gen) {
  Sel s;
  s.anchor_i = anchor;
  s.gen_i = gen;
  return s;
}
// A deep copy, nested chain included.
Sel sel_copy(const Sel& s);

// Performing cmd_mp with sel_mp as the selection undoes the change the
// record was made for.
struct Undo_Rec : Pool_Obj {
  std::unique_ptr<Sel> sel_mp;
  std::unique_ptr<Cmd> cmd_mp;
};

// Accessors under the names the elements' checks use.
inline int32_t anchor_i(const Sel& s) { return s.anchor_i; }
inline int32_t gen_i(const Sel& s) { return s.gen_i; }
inline Sel* e_sel_mp(const Sel& s) { return s.e_sel_mp.get(); }
inline Sel* sel_mp(const Undo_Rec& u) { return u.sel_mp.get(); }
inline Cmd* cmd_mp(const Undo_Rec& u) { return u.cmd_mp.get(); }
