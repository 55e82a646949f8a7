#include "draw/button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../err_text.h"
#include "draw/font.h"
#include "rec_screen.h"
#include "tests/draw/unit_canvas.h"

namespace {

Button button(const char* label) { return make_button(label, int32_t(std::char_traits<char>::length(label))); }

std::string text_of(const Button& b) { return std::string(b.text.first_p, size_t(n_elts(b.text))); }

}  // namespace

TEST(Button, TheFirstAmpersandMarksTheAccessCharacter) {
  const struct {
    const char* label;
    const char* text;
    int32_t access_i;
  } cases[] = {{"&Save", "Save", 0}, {"Sa&ve", "Save", 2}, {"Cancel", "Cancel", -1}, {"A&&B", "A&B", 1}, {"", "", -1},
                 // U+1326 ends in the byte of "&" and is not one.
                 {"\xA6&&x", "\xA6&x", 2}};
  for (const auto& k : cases) {
    Button b = button(k.label);
    EXPECT_EQ(text_of(b), k.text) << k.label;
    EXPECT_EQ(underline_i(b), k.access_i) << k.label;
  }
  EXPECT_EQ(check_text([] { button("Save&"); }),
            "Assertion failed - file button:\runderline_i(b) < n_elts(s1)");
}

TEST(Button, SaveIsFramedAndShowsItsSUnderlined) {
  rec_screen();
  Styl s = make_style(default_font(), ROMAN_CODING);
  Button b = button("&Save");
  // "Save" in the 9-point system font is 6204 wide, 2304 up and 384 down.
  EXPECT_EQ(button_bounds(b, s), (Rect{0, 6204 + 2 * 1152, -384 - 768, 2304 + 768}));
  Unit_Canvas u;
  canvas_draw_button(u.canvas, {1000, -2000}, b, s);
  // The frame in the canvas's black, then "S" in an underlined font and "ave"
  // after it in a plain one, from 1152 right of the origin.
  EXPECT_EQ(u.take(), (Calls{"null_brush", "round_rect 1000 -1072 9508 3152 1536 1536", "brush 02000000",
                                      "font 0 -2304 0 0 1 0 System", "select_font 0", "move_to 2152 1999",
                                      "text 0 \"S\"", "font 1 -2304 0 0 0 0 System", "select_font 1",
                                      "move_to 3988 1999", "text 1 \"ave\""}));
  canvas_draw_button(u.canvas, {0, 0}, button(""), s);
  Calls calls = u.take();
  EXPECT_EQ(calls[2], "text_colour 007F7F7F");
  EXPECT_EQ(calls.back(), "text_colour 00000000");
}
