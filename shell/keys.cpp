#include "shell/keys.h"

#include "core/code_point.h"
#include "core/coding.h"
#include "shell/Wind_Con.h"

namespace {

constexpr char CR = 13;
// The line break of Alt+Enter, in internal coding.
const char ALT_ENTER_TEXT[] = {char(0x93), 0x43, 0};

Key_Result performed(Wind_Con& w, Cmd& c, bool reveal_q) {
  Key_Result r;
  r.res_cmd_mp = con_perform(w.con, c, reveal_q);
  return r;
}

Key_Result ctrl_enter(Wind_Con& w) {
  for (int32_t b : {ENTER_BUTTON_N, CALC_BUTTON_N}) {
    Button_Cmd c(b);
    if (con_query(w.con, c) > 0) return performed(w, c, true);
  }
  return {};
}

Key_Result enter(Wind_Con& w, int32_t mods) {
  if (mods & CTRL_MOD) return ctrl_enter(w);
  if (mods & ALT_MOD) return shell_type_text(w, Byte_Str(ALT_ENTER_TEXT));
  const char cr[] = {CR, 0};
  Text_Partial_Cmd c{Byte_Str(cr)};
  if (con_query(w.con, c) > 0 && c.n_consumed == 1) return shell_type_text(w, Byte_Str(cr));
  return ctrl_enter(w);
}

int32_t arrow_dir(int32_t key) {
  switch (key) {
    case KEY_LEFT: return Arrow_Cmd::LEFT;
    case KEY_RIGHT: return Arrow_Cmd::RIGHT;
    case KEY_UP: return Arrow_Cmd::UP;
    case KEY_DOWN: return Arrow_Cmd::DOWN;
  }
  return Arrow_Cmd::TAB;
}

}  // namespace

Key_Result shell_type_text(Wind_Con& w, Byte_Str text) {
  Text_Partial_Cmd c{std::move(text)};
  Key_Result r;
  if (con_query(w.con, c) <= 0 || c.n_consumed < n_elts(c.text)) {
    r.beep_q = true;
    return r;
  }
  c.n_consumed = 0;
  return performed(w, c, true);
}

Key_Result shell_key(Wind_Con& w, int32_t key, int32_t mods) {
  Key_Result r;
  switch (key) {
    case KEY_ENTER: return enter(w, mods);
    case KEY_ESCAPE: {
      Button_Cmd c(ESCAPE_BUTTON_N);
      return performed(w, c, false);
    }
    case KEY_BACKSPACE:
    case KEY_DELETE: con_delete(w.con, key == KEY_BACKSPACE); return r;
    case KEY_HOME: r.scroll = SCROLL_HOME; return r;
    case KEY_END: r.scroll = SCROLL_END; return r;
    case KEY_PAGE_UP: r.scroll = SCROLL_PAGE_UP; return r;
    case KEY_PAGE_DOWN: r.scroll = SCROLL_PAGE_DOWN; return r;
  }
  Arrow_Cmd c(arrow_dir(key), mods);
  return performed(w, c, true);
}

Key_Result shell_type_char(Wind_Con& w, uint32_t cp, bool& greek_q) {
  if (cp == GREEK_PREFIX_CHAR && !greek_q) {
    greek_q = true;
    return {};
  }
  bool greek_now_q = greek_q;
  greek_q = false;
  Font_Pos pos = cp == GREEK_PREFIX_CHAR ? Font_Pos{ROMAN_CODING, 7} : font_pos_of(cp);
  if (greek_now_q && pos.coding == ROMAN_CODING) cp = SYMBOL_CODE_POINTS[pos.b];
  // A control code (Alt+G twice gives the Symbol coding's code 7) types
  // nothing; a character neither font has is refused with a beep (Paste
  // takes it).
  if (cp < 32) return {};
  if (pos.coding == NO_CODING || cp == UNDEFINED_CODE_POINT) {
    Key_Result r;
    r.beep_q = true;
    return r;
  }
  char buf[8] = {};
  put_code_point(buf, cp);
  return shell_type_text(w, Byte_Str(buf));
}
