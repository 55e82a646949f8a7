#include "shell/menus.h"

#include "core/err.h"
#include "editor/GUI_Ops.h"
#include "shell/Wind_Con.h"
#include "shell/clip.h"
#include "shell/doc_commands.h"

namespace {

constexpr Menu_Item SEP = {SEPARATOR_ID, ""};
constexpr int32_t MAX_PICTURE_SIDE = 1920000;

struct Accel {
  int32_t key, mods, id;
};

const Accel ACCELS[] = {
    {'N', CTRL_MOD, NEW_ID},          {'O', CTRL_MOD, OPEN_ID},          {'W', CTRL_MOD, CLOSE_ID},
    {'S', CTRL_MOD, SAVE_ID},         {'P', CTRL_MOD, PRINT_ID},         {'Q', CTRL_MOD, EXIT_ID},
    {'Z', CTRL_MOD, UNDO_ID},         {ACCEL_BACKSPACE, ALT_MOD, UNDO_ID}, {'Y', CTRL_MOD, REDO_ID},
    {'X', CTRL_MOD, CUT_ID},          {ACCEL_DELETE, SHIFT_MOD, CUT_ID}, {'C', CTRL_MOD, COPY_ID},
    {ACCEL_INSERT, CTRL_MOD, COPY_ID}, {'V', CTRL_MOD, PASTE_ID},        {ACCEL_INSERT, SHIFT_MOD, PASTE_ID},
    {'A', CTRL_MOD, SELECT_ALL_ID},   {'E', CTRL_MOD, SELECT_MORE_ID},   {'L', CTRL_MOD, SOLVE_ID},
    {'T', CTRL_MOD, TABLE_ID},        {'G', CTRL_MOD, GRAPH_ID},
};

bool accepts_q(Wind_Con& w, Cmd& c) { return con_query(w.con, c) > 0; }

bool accepts_empty_text_q(Wind_Con& w) {
  Text_Partial_Cmd empty{Byte_Str()};
  return accepts_q(w, empty);
}

bool accepts_copy_q(Wind_Con& w) {
  Byte_Str out;
  Copy_Cmd copy(out);
  return accepts_q(w, copy);
}

bool picture_q(Wind_Con& w) {
  Rect b = con_sel_bounds(w.con);
  return !rect_empty_q(b) && b.x1 - b.x0 < MAX_PICTURE_SIDE && b.y1 - b.y0 < MAX_PICTURE_SIDE;
}

// The items that need a front window that is not busy.
bool front_item_enabled_q(Wind_Con& w, int32_t id, const Byte_Str& clip) {
  switch (id) {
    case CLOSE_ID:
    case PRINT_ID: return true;
    case UNDO_ID: return n_elts(w.con.undo_list) > 0;
    case REDO_ID: return n_elts(w.con.redo_list) > 0;
    case CUT_ID: return accepts_copy_q(w) && accepts_empty_text_q(w);
    case COPY_ID: return accepts_copy_q(w);
    case COPY_PICTURE_ID: return picture_q(w);
    case PASTE_ID: return n_elts(paste_form(w, clip)) > 0;
    case SAVE_ID:
    case SAVE_AS_ID:
    case REVERT_ID: return doc_item_enabled_q(w, id);
    case DELETE_ID: return accepts_empty_text_q(w);
    case SELECT_ALL_ID: {
      Cmd c(SELECT_ALL_CMD);
      return accepts_q(w, c);
    }
    case SELECT_MORE_ID: {
      Cmd c(SELECT_MORE_CMD);
      return accepts_q(w, c);
    }
    case CALCULATE_ID: {
      Button_Cmd c(CALC_BUTTON_N);
      return accepts_q(w, c);
    }
    case SOLVE_ID:
    case TABLE_ID:
    case GRAPH_ID: {
      Cmd c(analyze_cmd_n(id));
      return accepts_q(w, c);
    }
  }
  return false;
}

}  // namespace

const std::vector<Menu_Def>& menu_bar() {
  static const std::vector<Menu_Def> bar = {
      {"&File",
       {{NEW_ID, "&New\tCtrl+N"}, {OPEN_ID, "&Open...\tCtrl+O"}, SEP, {CLOSE_ID, "&Close\tCtrl+W"},
        {SAVE_ID, "&Save\tCtrl+S"}, {SAVE_AS_ID, "Save &As..."}, {REVERT_ID, "&Revert to Saved"}, SEP,
        {PRINT_ID, "&Print...\tCtrl+P"}, SEP, {EXIT_ID, "E&xit\tCtrl+Q"}}},
      {"&Edit",
       {{UNDO_ID, "&Undo\tCtrl+Z"}, {REDO_ID, "&Redo\tCtrl+Y"}, SEP, {CUT_ID, "Cu&t\tCtrl+X"},
        {COPY_ID, "&Copy\tCtrl+C"}, {COPY_PICTURE_ID, "C&opy Picture"}, {PASTE_ID, "&Paste\tCtrl+V"},
        {DELETE_ID, "De&lete\tDel"}, SEP, {SELECT_ALL_ID, "Select &All\tCtrl+A"},
        {SELECT_MORE_ID, "Select Mor&e\tCtrl+E"}}},
      {"&Analyze",
       {{SOLVE_ID, "So&lve\tCtrl+L"}, {TABLE_ID, "&Table\tCtrl+T"}, {GRAPH_ID, "&Graph\tCtrl+G"}, SEP,
        {CALCULATE_ID, "&Calculate\tCtrl+Enter"}, {LARGE_GRAPHS_ID, "La&rge Graphs"}}},
      {"&Tools", {{COLORS_ID, "&Colors"}}},
      {"&Help", {{TIPS_ID, "Corvandile &Tips"}, SEP, {ABOUT_ID, "&About Corvandile..."}}},
  };
  return bar;
}

void menu_ids_check(const std::vector<Menu_Def>& bar) {
  CHECK(int32_t(bar.size()) == HELP_MENU_ID0 + 1);
  for (int32_t m0 = 0; m0 < int32_t(bar.size()); ++m0)
    for (int32_t i = 0; i < int32_t(bar[size_t(m0)].items.size()); ++i) {
      int32_t id = bar[size_t(m0)].items[size_t(i)].id;
      CHECK(id == 1000 * (m0 + 1) + i || id == -1 || id == 0);
    }
  CHECK(int32_t(bar.size()) == N_INIT_CMD_MENUS);
}

std::string menu_item_name(const char* text) {
  std::string name;
  for (const char* p = text; *p && *p != '\t'; ++p)
    if (*p != '&') name += *p;
  return name;
}

int32_t menu_id_of_name(const std::string& name) {
  for (const Menu_Def& m : menu_bar())
    for (const Menu_Item& it : m.items)
      if (it.id != SEPARATOR_ID && menu_item_name(it.text) == name) return it.id;
  return 0;
}

int32_t accel_id(int32_t key, int32_t mods) {
  for (const Accel& a : ACCELS)
    if (a.key == key && a.mods == mods) return a.id;
  return 0;
}

bool menu_item_enabled_q(Wind_Con* front_mp, int32_t id, const Byte_Str& clip) {
  bool busy_q = front_mp && front_mp->modal_q;
  if (busy_q) return false;
  // Analyze belongs to a model: over Colors or Tips its whole menu is off.
  if (id / 1000 == SOLVE_ID / 1000 && !(front_mp && model_doc_q(*front_mp))) return false;
  switch (id) {
    case NEW_ID:
    case OPEN_ID:
    case EXIT_ID:
    case LARGE_GRAPHS_ID:
    case COLORS_ID:
    case TIPS_ID:
    case ABOUT_ID: return true;
  }
  return front_mp && front_item_enabled_q(*front_mp, id, clip);
}
