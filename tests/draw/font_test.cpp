#include "draw/font.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/err.h"
#include "draw/canvas_text.h"
#include "draw/colour.h"
#include "rec_screen.h"
#include "tests/draw/unit_canvas.h"
#include "tests/err_text.h"
#include "tests/memory_limits.h"

// The substitute screen is 96 dpi; a 12-point font is 16 pixels high there.
// Roman characters are em * (5 + b % 4) / 10 pixels wide, Symbol ones
// em * (6 + b % 3) / 10, bold adds em / 10 and italics overhang by em / 4.

namespace {

Font_Family family(const char* name) { return font_family_resolve(name, SERIF_KIND); }

}  // namespace

TEST(Font, FontsAreSharedAndStylesTakeTheOtherCodingFromTheDefaultOrSymbolFamily) {
  rec_screen();
  std::shared_ptr<Font> f = make_font(family("Times"), 12);
  EXPECT_EQ(f->leading, 192);
  EXPECT_EQ(make_font(family("Times"), 12), f);
  EXPECT_NE(make_font(family("Times"), 13), f);
  Styl roman = make_style(f, ROMAN_CODING);
  EXPECT_EQ(roman.fonts[SYMBOL_CODING]->family, (Font_Family{"Symbol", SYMBOL_CHARSET}));
  EXPECT_EQ(roman.fonts[SYMBOL_CODING]->size, 12);
  EXPECT_EQ(roman.ascent, 3072);
  EXPECT_EQ(roman.descent, -576);
  Styl symbol = make_style(make_font(symbol_family(), 10), SYMBOL_CODING, ITALIC_BIT);
  EXPECT_EQ(symbol.prefer_coding_, 1);
  EXPECT_EQ(symbol.style_bits, ITALIC_BIT);
  EXPECT_EQ(symbol.fonts[ROMAN_CODING]->family.name, "System");
  EXPECT_EQ(symbol.fonts[ROMAN_CODING]->size, 10);
  EXPECT_EQ(default_font()->size, 9);
}

TEST(Font, WidthTablesMeasureSixteenCopiesAndLeaveOutTheItalicOverhang) {
  Rec_Device& screen = rec_screen();
  std::shared_ptr<Font> f = make_font(family("Times"), 12);
  // 16 copies of "a" are 153.6 pixels, reported as 153: 1836 units, where
  // one copy measured alone would give 9 pixels, 1728.
  EXPECT_EQ(font_widths(*f, 0)['a'], 1836);
  EXPECT_EQ(font_widths(*f, 0)['b'], 2148);
  EXPECT_EQ(font_widths(*f, 1)['a'], 2148);
  // Italic: 2 * (157 - 80) pixels; the 4-pixel overhang is gone.
  EXPECT_EQ(font_widths(*f, 2)['a'], 1848);
  EXPECT_EQ(font_widths(*f, 3)['a'], 2160);
  std::shared_ptr<Font> s = make_font(symbol_family(), 12);
  EXPECT_EQ(font_widths(*s, 0)['a'], 2148);
  EXPECT_EQ(font_widths(*s, 0)[0xA3], 2148);
  EXPECT_EQ(font_widths(*s, 0)[0xA4], 2448);
  // Measured on the screen's own fonts: the height for 96 dpi, the style,
  // the charset from the family.
  rec_take_calls(screen);
  std::shared_ptr<Font> g = make_font(family("Times"), 15);
  font_widths(*g, 3);
  std::vector<std::string> made;
  for (const std::string& call : rec_take_calls(screen))
    if (call.rfind("font ", 0) == 0) made.push_back(call.substr(call.find(' ', 5) + 1));
  EXPECT_EQ(made, (std::vector<std::string>{"-20 0 0 0 0 Times New Roman", "-20 700 1 0 0 Times New Roman"}));
  EXPECT_EQ(check_text([&] { font_widths(*f, 4); }),
            "Assertion failed - file shared_font:\runsigned(style_i) < unsigned(N_STYLE_INDEXES)");
}

TEST(Font, TextWidthIsTheSumOfTableWidthsRunByRun) {
  rec_screen();
  Styl s = make_style(make_font(family("Times"), 12), ROMAN_CODING);
  const char a_le_b[] = "a\xE4\x44" "b";  // a, less-or-equal, b
  EXPECT_EQ(text_width(a_le_b, 4, 0, s), 1836 + 2148 + 2148);
  EXPECT_EQ(text_width(a_le_b, 1, 0, s), 1836);
  EXPECT_EQ(text_width("ab", 2, BOLD_BIT, s), 2148 + 2448);
  EXPECT_EQ(text_width("", 0, 0, s), 0);
  // pi is Symbol byte 0x70; a down arrow is in neither font and travels as
  // its escape, five roman characters.
  const Width_Table& roman = font_widths(*s.fonts[0], 0);
  EXPECT_EQ(text_width("\xC0\x07", 2, 0, s), font_widths(*s.fonts[1], 0)[0x70]);
  EXPECT_EQ(text_width("\x93\x43", 2, 0, s), roman[0x1F] + roman['2'] + roman['1'] + roman['9'] + roman['3']);
  // A Symbol style takes digits from the Symbol font, letters it lacks from
  // the roman one.
  Styl sym = make_style(make_font(symbol_family(), 12), SYMBOL_CODING);
  const Width_Table& symbol = font_widths(*sym.fonts[SYMBOL_CODING], 0);
  const Width_Table& sys_roman = font_widths(*sym.fonts[ROMAN_CODING], 0);
  EXPECT_NE(symbol['1'], sys_roman['1']);
  EXPECT_EQ(text_width("1", 1, 0, sym), symbol['1']);
  EXPECT_EQ(text_width("1", 1, 0, s), roman['1']);
  EXPECT_EQ(text_width("\xE9\x01", 2, 0, sym), sys_roman[0xE9]);  // e acute
}

TEST(Font, TextIsDrawnRunByRunAtItsMeasuredPositions) {
  rec_screen();
  Styl s = make_style(make_font(family("Times"), 12), ROMAN_CODING);
  Rec_Device printer = rec_device_new(600, 5000, 6000);
  auto c_p = std::make_unique<Canvas>(rec_device(printer), 0, 0);
  Canvas& c = *c_p;
  rec_take_calls(printer);
  canvas_move_to(c, {18432, -18432});
  const char a_le_b[] = "a\xE4\x44" "b";
  canvas_draw_text(c, a_le_b, 4, 0, 0x0000FF, s);
  EXPECT_EQ(c.cur, (Point{18432 + 1836 + 2148 + 2148, -18432}));
  EXPECT_EQ(rec_take_calls(printer),
            (std::vector<std::string>{"pen 4 00FF0000", "brush 02FF0000", "text_colour 00FF0000",
                                      "font 0 -100 0 0 0 0 Times New Roman", "select_font 0", "move_to 600 599",
                                      "text 0 \"a\"", "font 1 -100 0 0 0 2 Symbol", "select_font 1",
                                      "move_to 659 599", "text 1 \"\\xA3\"", "select_font 0", "move_to 729 599",
                                      "text 0 \"b\"", "pen 4 00000000", "brush 02000000", "text_colour 00000000"}));
  // The same request again reuses the canvas's fonts; a carriage return is
  // written as CR LF.
  canvas_move_to(c, {0, -18432});
  canvas_draw_text(c, "a\rb", 3, UNDERLINE_BIT, NO_COLOUR, s);
  EXPECT_EQ(rec_take_calls(printer), (std::vector<std::string>{"font 2 -100 0 0 1 0 Times New Roman", "select_font 2",
                                                                "move_to 0 599", "text 2 \"a\\x0D\\x0Ab\""}));
  // The canvas gives the device back as it found it and frees its fonts.
  c_p.reset();
  EXPECT_EQ(rec_take_calls(printer),
            (std::vector<std::string>{"restore", "delete_font 0", "delete_font 1", "delete_font 2"}));
}

// The editor measures on every keystroke: measuring takes no memory at all,
// and drawing text none from the pool. A drawing that needs the heap (a
// strand's points, the recording device's log) and finds it refused ends in
// "Out of memory" at the error boundary, with the pool sound.
TEST(Font, TextTakesNoMemoryAndHeapShortagesEndInOutOfMemory) {
  rec_screen();
  Styl s = make_style(make_font(family("Times"), 12), ROMAN_CODING);
  Rec_Canvas printer(600);
  Canvas& c = printer.canvas;
  const char text[] = "a\xE4\x44\x93\x43\rb";  // a, less-or-equal, a down arrow's escape, a line break
  canvas_draw_text(c, text, 7, 0, NO_COLOUR, s);   // selects the fonts once
  int32_t width = text_width(text, 7, 0, s), measured;
  printer.take();
  std::string drawn_full;
  {
    Pool_Filler full(0);
    {
      Heap_Budget none(0);
      measured = text_width(text, 7, 0, s);
    }
    c.cur = {};
    drawn_full = message_of([&] { canvas_draw_text(c, text, 7, 0, NO_COLOUR, s); });
    EXPECT_TRUE(full.intact_q());
  }
  EXPECT_EQ(measured, width);
  EXPECT_EQ(drawn_full, "<no error>");
  EXPECT_EQ(printer.take(), (Calls{"move_to 0 -1", "text 0 \"a\"", "select_font 1", "move_to 59 -1", "text 1 \"\\xA3\"",
                              "select_font 0", "move_to 129 -1", "text 0 \"\\x1F2193\\x0D\\x0Ab\""}));
  std::vector<Hermite_Point> strand = {{0, 0, -96, 0, 0}, {1, 1920, -96, 0, 0}, {2, 0, 0, 5, 5}};
  std::string got = "Out of memory";
  int n_short = 0;
  for (int64_t n = 0; got == "Out of memory"; ++n, ++n_short) {
    Heap_Budget budget(n);
    got = message_of([&] { heap_guarded([&] { canvas_hermite_strand(c, 2, strand); }); });
  }
  EXPECT_EQ(got, "<no error>");
  EXPECT_GT(n_short, 2);
  EXPECT_NO_THROW(pool_check());
}
