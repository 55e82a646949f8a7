#include "editor/sel.h"

Sel sel_copy(const Sel& s) {
  Sel c = sel_of(s.anchor_i, s.gen_i);
  if (s.e_sel_mp) c.e_sel_mp = std::make_unique<Sel>(sel_copy(*s.e_sel_mp));
  return c;
}
