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
  EXPECT_EQ(s.typed("c"), 1);  // case and letters of no button: the alerts script
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

TEST(Alert, IconMessageAndButtonsStackedAndCentred) {
  rec_screen();
  const Styl s = make_style(default_font(), ROMAN_CODING);
  ASSERT_EQ(s.ascent, 2304);  // the 9-point font
  ASSERT_EQ(s.descent, -384);
  std::string text = "word";
  for (int i = 1; i < 30; ++i) text += " word";
  Alert* a = alert_new(INFORMATION_ICON, Byte_Str((text + "\rok").c_str()), {"&New", "&Open"}, 1);
  // Words in rows of at most 82944 units a space apart, rows a leading apart;
  // the second paragraph starts one row below the last.
  const int32_t w = text_width("word", 4, 0, s), g = text_width(" ", 1, 0, s), row = 2304 + 384 + s.leading;
  const int32_t per_row = (82944 + g) / (w + g), n_rows = (30 + per_row - 1) / per_row;
  const int32_t message_w = per_row * (w + g) - g, message_y = -6144 - 1536 - 2304;
  const Paragraph& m = a->message;
  ASSERT_EQ(m.words.size(), 31u);
  EXPECT_EQ(a->message_pt, (Point{0, message_y}));
  for (int32_t i : {0, per_row - 1, per_row, 29})
    EXPECT_EQ(m.words[size_t(i)].at, (Point{i % per_row * (w + g), -i / per_row * row})) << i;
  EXPECT_EQ(m.words[30].at, (Point{0, -n_rows * row}));
  EXPECT_EQ(m.words[30].start, int32_t(text.size()) + 1);
  // The icon and the button row are centred on the message, the widest.
  EXPECT_EQ(a->icon_pt, (Point{message_w / 2 - 3072, 0}));
  const Rect f0 = button_bounds(make_button("&New", 4), s), f1 = button_bounds(make_button("&Open", 5), s);
  const int32_t buttons_w = f0.x1 + 1536 + f1.x1, button_top = message_y - n_rows * row - 384 - 1536;
  const Point b0 = {message_w / 2 - buttons_w / 2, button_top - 2304 - 768};
  EXPECT_EQ(a->buttons[0], rect_shift(f0, b0));
  EXPECT_EQ(a->buttons[1], rect_shift(f1, {b0.x + f0.x1 + 1536, b0.y}));
  // A margin all round.
  EXPECT_EQ(a->bounds, (Rect{-1728, message_w + 1728, b0.y - 384 - 768 - 1728, 1728}));
  ALERT_KIND.release(ALERT_KIND, a);
}

// Greek after the prefix is the keys script's part.
TEST(Keys, EnterAndBeeps) {
  std::unique_ptr<Wind_Con> w(field_con(SHORT_FIELD, "x\xC0\x07p"));
  bool greek_q = false;
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
