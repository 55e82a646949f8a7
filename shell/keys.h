// Keys and typed characters as commands for the front window's controller:
// Enter and its modifiers, arrows, Tab, Escape, Backspace and Delete, the
// scrolling keys, and characters with the Alt+G Greek prefix.
#pragma once
#include <cstdint>
#include <memory>

#include "editor/GUI_Ops.h"

struct Wind_Con;

enum Shell_Key : int32_t {
  KEY_ENTER, KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_TAB, KEY_ESCAPE, KEY_BACKSPACE, KEY_DELETE,
  KEY_HOME, KEY_END, KEY_PAGE_UP, KEY_PAGE_DOWN
};

// What the window does after a key besides the command.
enum Key_Scroll : int32_t { NO_SCROLL, SCROLL_HOME, SCROLL_END, SCROLL_PAGE_UP, SCROLL_PAGE_DOWN };

struct Key_Result {
  int32_t scroll = NO_SCROLL;
  bool beep_q = false;
  std::unique_ptr<Cmd> res_cmd_mp;
};

Key_Result shell_key(Wind_Con& w, int32_t key, int32_t mods);

// The character that Alt+G types: it only sets the Greek prefix.
constexpr uint32_t GREEK_PREFIX_CHAR = 7;

// One typed character (a code point): through the roman coding, or through
// the Symbol coding after the Greek prefix, which it consumes. Characters
// no font has are dropped; a refused text beeps.
Key_Result shell_type_char(Wind_Con& w, uint32_t cp, bool& greek_q);

// Text typed as a whole, as Paste sends it: performed, revealing the
// selection, only when the content takes all of it.
Key_Result shell_type_text(Wind_Con& w, Byte_Str text);
