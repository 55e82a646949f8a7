// Command records: every key, character, mouse event and menu choice reaches
// an element as one of these. Whoever holds a command owns it; the destructor
// is the records' only virtual operation.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/pool.h"
#include "draw/geom.h"

enum Cmd_N : int32_t {
  SELECT_ALL_CMD,
  SELECT_MORE_CMD,
  MOUSE_CMD,
  ARROW_CMD,
  BUTTON_CMD,
  TEXT_PARTIAL_CMD,
  COPY_CMD,
  OPENED_CMD,
  CLOSING_SUB_CMD,
  SUB_CHANGED_CMD,
  MESSAGE_CMD,
  N_EDITOR_CMDS  // the model numbers its own commands from here on
};

// The modifier word of keys and mouse.
constexpr int32_t CTRL_MOD = 1, SHIFT_MOD = 2, ALT_MOD = 4, DOUBLE_MOD = 8;

// Buttons of the shell; alerts and widgets number theirs from 0.
constexpr int32_t ESCAPE_BUTTON_N = -1, ENTER_BUTTON_N = -2, CALC_BUTTON_N = -3, QUIT_BUTTON_N = -4,
                  NEXT_FILE_BUTTON_N = -5, PREV_FILE_BUTTON_N = -6;

struct Edit_Con;

// SELECT_ALL_CMD and SELECT_MORE_CMD carry nothing else.
struct Cmd : Pool_Obj {
  int32_t cmd_n;
  explicit Cmd(int32_t n) : cmd_n(n) {}
  Cmd(const Cmd&) = delete;
  Cmd& operator=(const Cmd&) = delete;
  virtual ~Cmd() = default;
};

inline int32_t cmd_n(const Cmd& c) { return c.cmd_n; }

enum Mouse_Phase : int32_t { MOUSE_PRESS, MOUSE_DRAG, MOUSE_RELEASE };

struct Mouse_Cmd final : Cmd {
  Point pt;  // canvas units from the content's origin
  int32_t mods;
  int32_t phase;
  Mouse_Cmd(Point p, int32_t m, int32_t ph) : Cmd(MOUSE_CMD), pt(p), mods(m), phase(ph) {}
};

struct Arrow_Cmd final : Cmd {
  enum Dir : int32_t { LEFT, RIGHT, DOWN, UP, TAB };
  int32_t dir;
  int32_t mods;
  Arrow_Cmd(int32_t d, int32_t m) : Cmd(ARROW_CMD), dir(d), mods(m) {}
};

struct Button_Cmd final : Cmd {
  int32_t button_n;
  explicit Button_Cmd(int32_t b) : Cmd(BUTTON_CMD), button_n(b) {}
};

// The button number of a BUTTON_CMD.
int32_t button_cast_n(const Cmd& c);

// Typing, pasting and deleting (empty text). Elements take the text from
// n_consumed on and advance it past what they took, so that a text can be
// shared out over several parts.
struct Text_Partial_Cmd final : Cmd {
  Byte_Str text;
  int32_t n_consumed = 0;
  explicit Text_Partial_Cmd(Byte_Str t) : Cmd(TEXT_PARTIAL_CMD), text(std::move(t)) {}
};

// The selected text is written into out, replacing what it held.
struct Copy_Cmd final : Cmd {
  Byte_Str& out;
  explicit Copy_Cmd(Byte_Str& o) : Cmd(COPY_CMD), out(o) {}
};

// OPENED_CMD, CLOSING_SUB_CMD and SUB_CHANGED_CMD: news of a controller.
struct Con_Cmd final : Cmd {
  Edit_Con* con_p;
  Con_Cmd(int32_t n, Edit_Con* c);
};

struct Message_Cmd final : Cmd {
  Byte_Str text;
  Edit_Con* con_mp;  // the controller the message concerns, if any
  Message_Cmd(Byte_Str t, Edit_Con* c) : Cmd(MESSAGE_CMD), text(std::move(t)), con_mp(c) {}
};
