// The window controller: the editing half (content, selection, origin, undo
// and redo) together with what the window adds: its slot among the
// sub-windows, the caret as shown, the needs-update flag and the document's
// file information.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "draw/region.h"
#include "editor/GUI_Ops.h"
#include "persist/file_in.h"

// Only top-level document windows have one.
struct File_Info {
  std::string path;  // UTF-8; empty for a new document
  // The file the document was read from or last saved to, kept open (and
  // so in use) while the document is open, for Revert to Saved.
  std::unique_ptr<File_In> file_mp;
};

enum Caret_State : int32_t { CARET_NONE_OR_HIGHLIGHT = 0, CARET_HIDDEN = 1, CARET_SHOWN = 2 };

struct Wind_Con {
  Edit_Con con;
  Region caret_rgn;  // device pixels of the client area, as last shown
  int32_t caret_state = CARET_NONE_OR_HIGHLIGHT;
  bool caret_outline_q = false;  // shown as an outline: the window has no focus
  bool needs_update_q = true;
  int32_t wind_i = -1;  // slot in wind_ps_
  bool modal_q = false;
  std::unique_ptr<File_Info> file_info_mp;
  void* window_mp = nullptr;  // the platform's window

  Wind_Con(const Gui_Kind& k, void* content) : con(k, content) {}
};

inline Wind_Con& wind_con_of(Edit_Con& e) { return *static_cast<Wind_Con*>(e.window_mp); }
inline bool modified_q(const Wind_Con& w) { return w.con.modified_q; }
