// Alerts and keys on the recording screen: which button each answer
// chooses, and what keys and characters do to a field.
#include <gtest/gtest.h>

#include "shell/Wind_Con.h"
#include "shell/alert.h"
#include "shell/keys.h"
#include "tests/editor/editor_test_util.h"

namespace {

struct Alert_Session {
  Wind_Con w;
  Alert& a() { return *static_cast<Alert*>(w.con.content_p); }
  explicit Alert_Session(int32_t selected_i)
      : w(ALERT_KIND, (rec_screen(), alert_new(EXCLAMATION_ICON, Byte_Str("Save changes to 'Untitled' before closing?"),
                                               {"&Discard changes", "&Cancel", "&Save"}, selected_i))) {}
  // The button a command chooses, -9 when it chooses none, -8 when refused.
  int32_t answer(Cmd& c) {
    if (c.cmd_n != MOUSE_CMD && con_query(w.con, c) <= 0) return -8;
    return performed(c);
  }
  int32_t performed(Cmd& c) {
    std::unique_ptr<Cmd> r = con_perform(w.con, c, false);
    return r ? button_cast_n(*r) : -9;
  }
  int32_t typed(const char* t) {
    Text_Partial_Cmd c{Byte_Str(t)};
    if (con_query(w.con, c) <= 0) return -8;
    c.n_consumed = 0;  // the query counts what it could take
    return performed(c);
  }
  int32_t button(int32_t b) {
    Button_Cmd c(b);
    return answer(c);
  }
  int32_t click(int32_t i, int32_t phase) {
    const Rect& r = a().buttons[size_t(i)];
    Mouse_Cmd c({(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2}, 0, phase);
    return answer(c);
  }
};

Wind_Con* field_con(const Text_Field_Kind& k, const char* text) {
  auto* w = new Wind_Con(k.kind, text_field_new(text));
  w->con.sel = sel_of(int32_t(strlen(text)), int32_t(strlen(text)));
  return w;
}
std::string text_of(Wind_Con& w) {
  const Byte_Str& t = *static_cast<const Byte_Str*>(w.con.content_p);
  return std::string(t.first_p, size_t(n_elts(t)));
}

}  // namespace

TEST(Alert, AnswersByLetterEscapeEnterAndClicks) {
  Alert_Session s(2);
  EXPECT_EQ(access_letter("&Discard changes"), 'd');
  EXPECT_EQ(access_letter("OK"), 0);
  EXPECT_EQ(s.typed("c"), 1);
  EXPECT_EQ(s.typed("S"), 2);  // without regard to case
  EXPECT_EQ(s.typed("x"), -8);
  EXPECT_EQ(s.typed("ds"), -8);  // only a whole fresh text of one letter
  EXPECT_EQ(s.button(ESCAPE_BUTTON_N), ESCAPE_BUTTON_N);
  EXPECT_EQ(s.button(ENTER_BUTTON_N), 2);
  Arrow_Cmd right(Arrow_Cmd::RIGHT, 0);
  EXPECT_EQ(s.answer(right), -9);
  EXPECT_EQ(s.a().selected_i, 0);  // wraps round
  EXPECT_EQ(s.button(ENTER_BUTTON_N), 0);
  EXPECT_EQ(s.click(1, MOUSE_PRESS), -9);
  EXPECT_EQ(s.click(1, MOUSE_RELEASE), 1);
  EXPECT_EQ(Alert_Session(-1).button(ENTER_BUTTON_N), -8);
}

TEST(Alert, ButtonsInARowBelowTheWrappedText) {
  rec_screen();
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word ";
  Alert* a = alert_new(INFORMATION_ICON, Byte_Str(words.c_str()), {"&New", "&Open"}, 1);
  EXPECT_GT(a->lines.size(), 1u);
  for (auto [s, e] : a->lines) EXPECT_TRUE(s == 0 || words[size_t(s) - 1] == ' ') << s;
  EXPECT_EQ(a->lines.back().second, int32_t(words.size()));
  const Rect &b0 = a->buttons[0], &b1 = a->buttons[1];
  EXPECT_LT(b0.x1, b1.x0);
  EXPECT_EQ(b1.x1, a->bounds.x1);  // the row ends at the right
  EXPECT_EQ(b0.y0, a->bounds.y0);
  ALERT_KIND.release(ALERT_KIND, a);
}

TEST(Keys, GreekPrefixEnterAndBeeps) {
  std::unique_ptr<Wind_Con> w(field_con(SHORT_FIELD, "x"));
  bool greek_q = false;
  EXPECT_FALSE(shell_type_char(*w, GREEK_PREFIX_CHAR, greek_q).beep_q);
  EXPECT_TRUE(greek_q);
  shell_type_char(*w, 'p', greek_q);
  EXPECT_FALSE(greek_q);
  EXPECT_EQ(text_of(*w), "x\xC0\x07");  // U+03C0 in two base-128 groups
  shell_type_char(*w, 'p', greek_q);
  shell_type_char(*w, GREEK_PREFIX_CHAR, greek_q);
  shell_type_char(*w, GREEK_PREFIX_CHAR, greek_q);  // the second goes through the Symbol coding: nothing
  EXPECT_EQ(text_of(*w), "x\xC0\x07p");
  EXPECT_FALSE(greek_q);
  // A line break the field takes is typed; Alt+Enter types its own code.
  shell_key(*w, KEY_ENTER, 0);
  EXPECT_EQ(text_of(*w), "x\xC0\x07p\r");
  // Refused text (seven bytes) beeps and changes nothing.
  EXPECT_TRUE(shell_key(*w, KEY_ENTER, ALT_MOD).beep_q);
  EXPECT_TRUE(shell_type_char(*w, '!', greek_q).beep_q);
  EXPECT_EQ(text_of(*w), "x\xC0\x07p\r");
  w->con.sel = sel_of(0, 5);
  EXPECT_FALSE(shell_key(*w, KEY_ENTER, ALT_MOD).beep_q);
  EXPECT_EQ(text_of(*w), "\x93\x43");
  EXPECT_EQ(shell_key(*w, KEY_HOME, 0).scroll, SCROLL_HOME);
  EXPECT_EQ(shell_key(*w, KEY_PAGE_DOWN, 0).scroll, SCROLL_PAGE_DOWN);
}
