// Element kinds: every editable element type (a text field, an expression,
// a list, a table, a slider, the model) is one static record of these
// operations. A kind that needs options or parts embeds the record as its
// first member, so its operations reach the rest from the record they get.
// Contents are untyped here: each kind knows what its content pointer holds.
//
// A perform that changes its content widens inval_bds0 by the old and the
// new extent, sets changed_q, and leaves in undo a selection and a command
// whose perform restores the old content (and leaves, in its turn, the record
// that redoes the change). Selection moves and copies record nothing.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "draw/canvas.h"
#include "draw/geom.h"
#include "draw/region.h"
#include "editor/cmd_args.h"

// Query answers for commands other than the mouse.
constexpr int32_t QUERY_REFUSED = -1;  // for text: the text would be illegal
constexpr int32_t QUERY_PASSED = 0;    // left to the containing element
// Query answers for the mouse: the cursor to show.
enum Cursor_Kind : int32_t { ARROW_CURSOR = 0, IBEAM_CURSOR = 2, CROSS_CURSOR = 3, WAIT_CURSOR = 5 };

struct Gui_Kind {
  // A new selection for the content, usually an insertion point at its start.
  Sel (*initial_sel)(const Gui_Kind& k, const void* e);
  // What must be visible to show the selection, in content coordinates.
  Rect (*sel_bounds)(const Gui_Kind& k, const void* e, const Sel& s);
  // Above 0: can do it; QUERY_PASSED, QUERY_REFUSED; a cursor for the mouse.
  // A text query advances the command's consumed count to what it would take.
  int32_t (*query)(const Gui_Kind& k, const void* e, const Sel& s, Cmd& c);
  // May raise; a perform that raises leaves content and selection as they were.
  void (*perform)(const Gui_Kind& k, void* e, Cmd_Args& args);
  // The content's extent around its origin (the left end of its baseline,
  // or its alignment point).
  Rect (*bounds)(const Gui_Kind& k, const void* e);
  void (*draw)(const Gui_Kind& k, const void* e, Canvas& c, Point origin);
  // The pixels of the caret or the highlight, for content drawn at origin.
  Region (*caret_region)(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin);
  // Ends content that a controller owns; null when the kind's contents are
  // always parts of another.
  void (*release)(const Gui_Kind& k, void* e);
};

// The caret region of kinds whose highlight is their selection bounds.
Region caret_region_of_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin);

// For containers: a perform that must not redraw, record or change anything
// (moving the selection inside a part, copying).
void perform_without_effects(const Gui_Kind& k, void* e, Sel& s, Cmd& c);
// A perform that may only redraw; gives the redraw bounds.
Rect perform_for_bounds(const Gui_Kind& k, void* e, Sel& s, Cmd& c);
// The whole text of an element: everything selected, then copied.
Byte_Str elt_text(const Gui_Kind& k, void* e);
