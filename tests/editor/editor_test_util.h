// Fields and a driver that sends commands the way the shell does, written
// as short codes so that a failing random session prints as a table row:
//   +abc  type abc (refused or partly taken: a beep, nothing done)
//   *abc  paste abc (performed when taken at all)   !abc  perform without asking
//   <  Backspace   >  Delete (a Shift step first when nothing is selected)
//   L2 R1 D0 U0 T0  an arrow with its modifier word
//   P300 G-50 E900/2  mouse press, drag, release at x (and modifiers)
//   A  Select All   M  Select More   C  Copy   Z  Undo   Y  Redo
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "draw/font.h"
#include "editor/GUI_Ops.h"
#include "tests/draw/rec_screen.h"
#include "tests/err_text.h"

inline const Styl& test_style() {
  rec_screen();
  static Styl* style_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 12), ROMAN_CODING));
  return *style_p;
}

inline int32_t width_of(const std::string& s) { return text_width(s.data(), int32_t(s.size()), 0, test_style()); }

// At most six bytes and no "!": every prefix of a valid text is valid.
inline bool short_q(const char* t, int32_t n) { return n <= 6 && !std::memchr(t, '!', size_t(n)); }
// Numbers align on their decimal point, or on their end without one.
inline int32_t point_i(const char* t, int32_t n) {
  const void* p = std::memchr(t, '.', size_t(n));
  return p ? int32_t(static_cast<const char*>(p) - t) : n;
}

constexpr int32_t ACCEPT_N = 3;
inline const Text_Field_Kind FREE_FIELD = {TEXT_FIELD_OPS, {nullptr, test_style, nullptr, ACCEPT_N}};
inline const Text_Field_Kind SHORT_FIELD = {TEXT_FIELD_OPS, {short_q, test_style, nullptr, ACCEPT_N}};
inline const Text_Field_Kind NUMBER_FIELD = {TEXT_FIELD_OPS, {nullptr, test_style, point_i, ACCEPT_N}};

// What the window was asked to do during one step, in content coordinates.
struct Window_Log {
  Rect redraw = EMPTY_RECT;
  int32_t n_carets = 0, n_reveals = 0, n_beeps = 0;
  std::string error, copied;
};

inline Window_Log& log_of(Edit_Con& w) { return *static_cast<Window_Log*>(w.window_mp); }

inline const Con_Window_Ops LOG_WINDOW = {
    [](Edit_Con& w, const Rect& r) {
      log_of(w).redraw = rect_union(log_of(w).redraw, rect_shift(r, {-w.origin.x, -w.origin.y}));
    },
    [](Edit_Con& w) { ++log_of(w).n_carets; },
    [](Edit_Con& w, const Rect& r) {
      ++log_of(w).n_reveals;
      EXPECT_EQ(r, con_sel_bounds(w));
    }};

struct Session {
  Window_Log log;
  Edit_Con con;
  Session(const Text_Field_Kind& k, const char* text) : con(k.kind, text_field_new(text)) {
    con.window_ops_mp = &LOG_WINDOW;
    con.window_mp = &log;
  }
};

inline std::string field_text(const Session& s) {
  const Byte_Str& t = *static_cast<const Byte_Str*>(s.con.content_p);
  return std::string(t.first_p, size_t(n_elts(t)));
}

// Queries first and performs only what the field takes, as the shell does.
inline void perform_if_taken(Session& s, Cmd& c, bool partial_ok_q) {
  int32_t answer = con_query(s.con, c);
  if (c.cmd_n == TEXT_PARTIAL_CMD) {
    Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(c);
    bool all_q = t.n_consumed == n_elts(t.text);
    t.n_consumed = 0;
    if (answer <= 0 || !all_q) ++s.log.n_beeps;
    if (answer <= 0 || (!all_q && !partial_ok_q)) return;
  } else if (answer <= 0) {
    return;
  }
  con_perform(s.con, c, true);
}

inline void delete_key(Session& s, int32_t dir) {
  Text_Partial_Cmd empty{Byte_Str()};
  if (con_query(s.con, empty) <= 0) {
    Arrow_Cmd step(dir, SHIFT_MOD);
    con_perform(s.con, step, true);
  }
  empty.n_consumed = 0;
  if (con_query(s.con, empty) > 0) con_perform(s.con, empty, true);
}

// The command of a code other than Backspace, Delete, Undo and Redo; Copy
// writes into out.
inline std::unique_ptr<Cmd> cmd_of(const std::string& code, Byte_Str& out) {
  std::string arg = code.substr(1);
  size_t slash = arg.find('/');
  int32_t mods = slash == std::string::npos ? 0 : std::stoi(arg.substr(slash + 1));
  switch (code[0]) {
    case '+': case '*': case '!': return std::make_unique<Text_Partial_Cmd>(Byte_Str(arg.c_str()));
    case 'L': case 'R': case 'D': case 'U': case 'T':
      return std::make_unique<Arrow_Cmd>(int32_t(std::string("LRDUT").find(code[0])), std::stoi(arg));
    case 'P': case 'G': case 'E':
      return std::make_unique<Mouse_Cmd>(Point{std::stoi(arg.substr(0, slash)), 0}, mods,
                                         int32_t(std::string("PGE").find(code[0])));
    case 'A': return std::make_unique<Cmd>(SELECT_ALL_CMD);
    case 'M': return std::make_unique<Cmd>(SELECT_MORE_CMD);
    case 'C': return std::make_unique<Copy_Cmd>(out);
    default: ADD_FAILURE() << "unknown step " << code; return std::make_unique<Cmd>(N_EDITOR_CMDS);
  }
}

// One step; the window log is cleared first and errors land in it.
inline void run_step(Session& s, const std::string& code) {
  s.log = Window_Log();
  try {
    if (code == "<" || code == ">") return delete_key(s, code == "<" ? Arrow_Cmd::LEFT : Arrow_Cmd::RIGHT);
    if (code == "Z" || code == "Y") {
      if (n_elts(code == "Z" ? s.con.undo_list : s.con.redo_list) > 0) code == "Z" ? con_undo(s.con) : con_redo(s.con);
      return;
    }
    Byte_Str out;
    std::unique_ptr<Cmd> c = cmd_of(code, out);
    if (c->cmd_n == MOUSE_CMD) con_perform(s.con, *c, false);
    else if (code[0] == '!') con_perform(s.con, *c, true);
    else perform_if_taken(s, *c, code[0] == '*');
    s.log.copied.assign(out.first_p, size_t(n_elts(out)));
  } catch (const Err& e) {
    s.log.error = e.message();
  }
}
