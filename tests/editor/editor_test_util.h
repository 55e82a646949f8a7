// Fields and a driver that sends commands as the shell does, written as
// short codes so that a failing random session prints as a table row:
//   +abc type (refused or partly taken: a beep only)  *abc paste  !abc perform unasked
//   < Backspace  > Delete  L2 R1 D0 U0 T0 an arrow and its modifiers
//   P300 G-50 E900/2 P300,-900 mouse press, drag, release at x (,y) (/modifiers)
//   A Select All  M Select More  C Copy  Z Undo  Y Redo
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "draw/font.h"
#include "editor/GUI_Ops.h"
#include "tests/draw/rec_screen.h"
#include "tests/err_text.h"
#include "tests/test_scale.h"

// Times at 12 points on the substitute screen: "a" is 1836 units wide, "b" 2148.
inline const Styl& test_style() {
  rec_screen();
  static Styl* style_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 12), ROMAN_CODING));
  return *style_p;
}
inline int32_t width_of(const std::string& s) { return text_width(s.data(), int32_t(s.size()), 0, test_style()); }

// At most six bytes and no "!", so every prefix of a valid text is valid.
inline bool short_q(const char* t, int32_t n) { return n <= 6 && !std::memchr(t, '!', size_t(n)); }
// Numbers align on their decimal point, or on their end.
inline int32_t point_i(const char* t, int32_t n) {
  const char* p = static_cast<const char*>(std::memchr(t, '.', size_t(n)));
  return p ? int32_t(p - t) : n;
}
constexpr int32_t ACCEPT_N = 3;
inline const Text_Field_Kind FREE_FIELD = {TEXT_FIELD_OPS, {nullptr, test_style, nullptr, ACCEPT_N}};
inline const Text_Field_Kind SHORT_FIELD = {TEXT_FIELD_OPS, {short_q, test_style, nullptr, ACCEPT_N}};
inline const Text_Field_Kind NUMBER_FIELD = {TEXT_FIELD_OPS, {nullptr, test_style, point_i, ACCEPT_N}};

// What the window was asked during one step; redraws in content coordinates.
struct Window_Log {
  Rect redraw = EMPTY_RECT;
  int32_t n_carets = 0, n_reveals = 0;
  std::string said;  // errors, beeps and copied text
};
inline Window_Log& log_of(Edit_Con& w) { return *static_cast<Window_Log*>(w.window_mp); }
inline const Con_Window_Ops LOG_WINDOW = {
    [](Edit_Con& w, const Rect& r) {
      log_of(w).redraw = rect_union(log_of(w).redraw, rect_shift(r, {-w.origin.x, -w.origin.y}));
    },
    [](Edit_Con& w) { ++log_of(w).n_carets; }, [](Edit_Con& w, const Rect&) { ++log_of(w).n_reveals; }};

struct Session {
  Window_Log log;
  Edit_Con con;
  Session(const Text_Field_Kind& k, const char* text) : Session(k.kind, text_field_new(text)) {}
  Session(const Gui_Kind& k, void* content) : con(k, content) {
    con.window_ops_mp = &LOG_WINDOW;
    con.window_mp = &log;
  }
};
inline std::string field_text(const Session& s) {
  const Byte_Str& t = *static_cast<const Byte_Str*>(s.con.content_p);
  return std::string(t.first_p, size_t(n_elts(t)));
}

// The command of a code; Copy writes into out.
inline std::unique_ptr<Cmd> cmd_of(const std::string& code, Byte_Str& out) {
  std::string arg = code.substr(1);
  size_t slash = arg.find('/');
  int32_t mods = slash == std::string::npos ? 0 : std::stoi(arg.substr(slash + 1));
  std::string arrows = "LRDUT", mice = "PGE";
  if (strchr("+*!", code[0])) return std::make_unique<Text_Partial_Cmd>(Byte_Str(arg.c_str()));
  if (arrows.find(code[0]) != std::string::npos)
    return std::make_unique<Arrow_Cmd>(arrows.find(code[0]), std::stoi(arg));
  if (mice.find(code[0]) != std::string::npos) {
    size_t comma = arg.find(',');
    int32_t y = comma < slash ? std::stoi(arg.substr(comma + 1)) : 0;
    return std::make_unique<Mouse_Cmd>(Point{std::stoi(arg.substr(0, std::min(comma, slash))), y}, mods, mice.find(code[0]));
  }
  if (code == "C") return std::make_unique<Copy_Cmd>(out);
  return std::make_unique<Cmd>(code == "A" ? SELECT_ALL_CMD : SELECT_MORE_CMD);
}

// Asks first and performs only what the field takes, as the shell does.
inline void run_step(Session& s, const std::string& code) {
  s.log = Window_Log();
  Byte_Str out;
  try {
    if (code == "Z" || code == "Y") {
      if (n_elts(code == "Z" ? s.con.undo_list : s.con.redo_list) > 0) code == "Z" ? con_undo(s.con) : con_redo(s.con);
    } else if (code == "<" || code == ">") {
      con_delete(s.con, code == "<");
    } else if (code[0] == '+') {
      if (!con_type(s.con, Byte_Str(code.c_str() + 1))) s.log.said += "<beep>";
    } else {
      std::unique_ptr<Cmd> c = cmd_of(code, out);
      bool ask_q = c->cmd_n != MOUSE_CMD && code[0] != '!';
      int32_t answer = ask_q ? con_query(s.con, *c) : 1;
      if (code[0] == '*') {  // a paste over everything may take only a valid start
        Text_Partial_Cmd& t = static_cast<Text_Partial_Cmd&>(*c);
        if (t.n_consumed < n_elts(t.text)) s.log.said += "<beep>";
        t.n_consumed = 0;
      }
      if (answer > 0) con_perform(s.con, *c, c->cmd_n != MOUSE_CMD);
    }
  } catch (const Err& e) {
    s.log.said += e.message();
  }
  if (code == "C") s.log.said += std::string(out.first_p, size_t(n_elts(out)));
}

// A character's last byte is written in hex too, so no digit follows an escape.
inline std::string escaped(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = s[i];
    bool hex_q = c >= 0x80 || c < 32 || (i > 0 && uint8_t(s[i - 1]) >= 0x80);
    out += hex_q ? std::string("\\x") + "0123456789ABCDEF"[c >> 4] + "0123456789ABCDEF"[c & 15] : std::string(1, c);
  }
  return out;
}

// The texts Undo and Redo must bring back, newest last: a change pushes the
// text from before it, an Undo or Redo the text from before it on the other
// list. One step ("Z" Undo, "Y" Redo, any other code) kept in step with the
// session's lists; "" when they agree.
struct Undo_Model {
  std::vector<std::string> undo, redo;
};
inline std::string undo_fault(Undo_Model& m, const Edit_Con& con, const std::string& code, const std::string& before,
                              const std::string& now, const Undo_Rec* newest_mp) {
  std::vector<std::string>* from_p = code == "Z" ? &m.undo : code == "Y" ? &m.redo : nullptr;
  int32_t n = n_elts(con.undo_list);
  if (from_p && !from_p->empty()) {
    if (now != from_p->back()) return "brought back " + escaped(now) + ", not " + escaped(from_p->back());
    from_p->pop_back();
    (from_p == &m.undo ? m.redo : m.undo).push_back(before);
  } else if (n > 0 && &con.undo_list[n - 1] != newest_mp) {
    m.undo.push_back(before);
    m.redo.clear();
  } else if (now != before && (m.undo.empty() || !m.redo.empty())) {
    return "a change that no record undoes";  // typing may merge into the newest record only
  }
  if (m.undo.size() > size_t(N_UNDO_MAX)) m.undo.erase(m.undo.begin());
  if (size_t(n) != m.undo.size() || size_t(n_elts(con.redo_list)) != m.redo.size())
    return "list lengths " + std::to_string(n) + ", " + std::to_string(n_elts(con.redo_list));
  return "";
}
// What a step may say besides a copied text: nothing, a beep, or a refused edit.
inline bool quiet_q(const std::string& said) { return said == "" || said == "<beep>" || said == "Illegal text string"; }

// One random session: n_steps steps from next_code, then Undo and Redo
// N_UNDO_MAX times each, every step checked against an Undo_Model and for
// what it said. check(code, text before, selection before) tells what else
// is wrong after a step; codes collects the steps for the report.
template <class Next, class Text_Of, class Check>
std::string drive_session(Session& s, int n_steps, Next next_code, Text_Of text_of, Check check, std::string& codes) {
  std::string final_text;
  Undo_Model m;
  for (int i = 0; i < n_steps + 2 * N_UNDO_MAX; ++i) {
    std::string code = i < n_steps ? next_code() : i < n_steps + N_UNDO_MAX ? "Z" : "Y";
    codes += (codes.empty() ? "\"" : ", \"") + escaped(code) + "\"";
    std::string before = text_of(s);
    Sel sel_before = sel_copy(s.con.sel);
    const Undo_Rec* newest_mp = n_elts(s.con.undo_list) ? &s.con.undo_list[n_elts(s.con.undo_list) - 1] : nullptr;
    run_step(s, code);
    std::string f = code != "C" && !quiet_q(s.log.said) ? s.log.said : check(code, before, sel_before);
    if (f.empty()) f = undo_fault(m, s.con, code, before, text_of(s), newest_mp);
    if (!f.empty()) return f;
    if (n_elts(s.con.redo_list) == 0) final_text = text_of(s);  // where redoing everything ends
    if (i == n_steps + N_UNDO_MAX - 1 && n_elts(s.con.undo_list) > 0) return "undo list not emptied";
  }
  return text_of(s) == final_text ? "" : "redoing everything gave " + escaped(text_of(s));
}

// Sessions from seed 1 on, or from VEZA_TEST_SEED (a failing one); 10,000
// of them, times VEZA_TEST_SCALE. run(seed, codes) gives a session's fault.
template <class Run>
void run_random_sessions(Run run) {
  const char* seed_p = std::getenv("VEZA_TEST_SEED");
  uint32_t first = seed_p ? uint32_t(std::atoi(seed_p)) : 1, n = uint32_t(test_iterations(10000));
  for (uint32_t seed = first; seed < first + n; ++seed) {
    std::string codes, f = run(seed, codes);
    ASSERT_EQ(f, "") << "seed " << seed << ": {" << codes << "}";
  }
}
