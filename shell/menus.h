// The menu bar: five menus whose item i of menu m has the identifier
// 1000 * (m + 1) + i, the accelerators, and which items a front window
// allows.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_str.h"

struct Wind_Con;

constexpr int32_t N_INIT_CMD_MENUS = 5;
constexpr int32_t HELP_MENU_ID0 = 4;
constexpr int32_t SEPARATOR_ID = 0;

enum Menu_Id : int32_t {
  NEW_ID = 1000, OPEN_ID = 1001, CLOSE_ID = 1003, SAVE_ID = 1004, SAVE_AS_ID = 1005, REVERT_ID = 1006,
  PRINT_ID = 1008, EXIT_ID = 1010,
  UNDO_ID = 2000, REDO_ID = 2001, CUT_ID = 2003, COPY_ID = 2004, COPY_PICTURE_ID = 2005, PASTE_ID = 2006,
  DELETE_ID = 2007, SELECT_ALL_ID = 2009, SELECT_MORE_ID = 2010,
  SOLVE_ID = 3000, TABLE_ID = 3001, GRAPH_ID = 3002, CALCULATE_ID = 3004, LARGE_GRAPHS_ID = 3005,
  COLORS_ID = 4000, TIPS_ID = 5000, ABOUT_ID = 5002
};

struct Menu_Item {
  int32_t id;        // SEPARATOR_ID for a separator
  const char* text;  // as shown, with its access letter and shortcut
};

struct Menu_Def {
  const char* title;
  std::vector<Menu_Item> items;
};

const std::vector<Menu_Def>& menu_bar();

// The document's command code for Solve, Table or Graph.
inline int32_t analyze_cmd_n(int32_t id) { return 11 + (id - SOLVE_ID); }

// Checks that a menu bar keeps the numbering; an assertion otherwise.
void menu_ids_check(const std::vector<Menu_Def>& bar);

// An item's text without its "&" and shortcut: "&Undo\tCtrl+Z" is "Undo".
std::string menu_item_name(const char* text);
int32_t menu_id_of_name(const std::string& name);

// Keys that choose a menu item: a letter with Ctrl, or a named key.
enum Accel_Key : int32_t { ACCEL_BACKSPACE = 8, ACCEL_DELETE = 127, ACCEL_INSERT = 128 };
// The item for key (an upper-case letter or an Accel_Key) and modifiers, or 0.
int32_t accel_id(int32_t key, int32_t mods);

// Whether the item may be chosen with w in front (null: none); clip is the
// clipboard's text. A modal front window disables everything.
bool menu_item_enabled_q(Wind_Con* front_mp, int32_t id, const Byte_Str& clip);
