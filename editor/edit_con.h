// The editing half of a window controller: the content and its kind, the
// selection, the content's origin in the window, and the undo and redo
// lists. The window itself stays behind Con_Window_Ops, so everything here
// runs and is tested without one.
#pragma once
#include <cstdint>
#include <memory>

#include "core/tuple.h"
#include "editor/gui_kind.h"

struct Edit_Con;

// What a window does for its controller; rectangles are canvas units from
// the window's client origin.
struct Con_Window_Ops {
  void (*invalidate)(Edit_Con& w, const Rect& r);
  // The selection may have moved: the caret is to be drawn again.
  void (*caret_moved)(Edit_Con& w);
  // Scroll so that r, the selection's bounds, is visible.
  void (*reveal)(Edit_Con& w, const Rect& r);
};

constexpr int32_t N_UNDO_MAX = 10;

typedef Rec_Tuple<Undo_Rec> Undo_List;  // newest last

struct Edit_Con {
  const Gui_Kind* kind_p;
  void* content_p;  // owned: released through the kind
  Sel sel;
  Point origin;  // of the content, from the window's client origin
  Undo_List undo_list, redo_list;
  Edit_Con* enclosing_mp = nullptr;  // the window a sub-window belongs to
  bool modified_q = false;           // of a document window's content
  const Con_Window_Ops* window_ops_mp = nullptr;
  void* window_mp = nullptr;

  // Takes over content; the selection is the kind's initial one and the
  // content's top left corner lies 576 units inside the client area.
  Edit_Con(const Gui_Kind& k, void* content);
  Edit_Con(const Edit_Con&) = delete;
  Edit_Con& operator=(const Edit_Con&) = delete;
  ~Edit_Con();
};

int32_t con_query(Edit_Con& w, Cmd& c);
// Performs c on the content; the result command goes to the caller. The
// record a change produces joins the undo list and empties the redo list.
std::unique_ptr<Cmd> con_perform(Edit_Con& w, Cmd& c, bool reveal_q);
// Undo replays the newest undo record, whose perform makes the record that
// redoes it; Redo the same the other way. "n_elts(from) > 0".
std::unique_ptr<Cmd> con_undo(Edit_Con& w);
std::unique_ptr<Cmd> con_redo(Edit_Con& w);
// Typing, Enter and Paste: the text is performed (revealing the selection)
// only when the content takes all of it; false tells the caller to beep.
bool con_type(Edit_Con& w, const Byte_Str& text);
// Backspace (back_q) and Delete: with nothing selected, a Shift step back
// or forward first selects what to delete.
void con_delete(Edit_Con& w, bool back_q);
// The selection's bounds from the client origin.
Rect con_sel_bounds(const Edit_Con& w);
