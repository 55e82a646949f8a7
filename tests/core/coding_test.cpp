#include "core/coding.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "core/code_point.h"
#include "core/err.h"
#include "tests/err_text.h"
#include "tests/core/internal_text.h"

TEST(CodePoint, SevenBitGroupsLeastSignificantFirst) {
  const std::pair<uint32_t, const char*> cases[] = {{'A', "A"}, {0x80, "\x80\x01"}, {0x2264, "\xE4\x44"},
      {0x03C0, "\xC0\x07"}, {0x00AC, "\xAC\x01"}, {0x2212, "\x92\x44"}, {0xFFFFFFFF, "\xFF\xFF\xFF\xFF\x0F"}};
  for (auto [cp, text] : cases) EXPECT_EQ(internal(cp), text) << cp;
  EXPECT_EQ(code_point_n_bytes(0x3FFF), 2);
  EXPECT_EQ(code_point_n_bytes(0x4000), 3);
  for (uint32_t cp : {0x1u, 0x7Fu, 0x80u, 0x3FFFu, 0x4000u, 0x10FFFFu, 0xFFFFFFFFu}) {
    std::string s = internal(cp) + "z";
    const char* p = s.c_str();
    EXPECT_EQ(take_code_point(p), cp);
    EXPECT_EQ(*p, 'z');
  }
  // Groups past the fifth are consumed, never shifted in; an end stops the read.
  const char* p = "\x81\x80\x80\x80\x80\x80\x01z";
  EXPECT_EQ(take_code_point(p), 1u);
  EXPECT_EQ(*p, 'z');
  const char* q = "\xE4\x44";
  EXPECT_EQ(take_code_point(q, q + 1), 0x64u);
}

// The C library's own code page 1252 is the reference; it refuses the
// undefined bytes.
TEST(FontTables, RomanIsCodePage1252) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1252");
  ASSERT_NE(cd, iconv_t(-1));
  for (int b = 0; b < 256; ++b) {
    char in = char(b);
    char* in_p = &in;
    size_t n_in = 1;
    uint32_t out = 0x7F;
    char* out_p = reinterpret_cast<char*>(&out);
    size_t n_out = 4;
    iconv(cd, &in_p, &n_in, &out_p, &n_out);
    EXPECT_EQ(ROMAN_CODE_POINTS[b], out) << b;
  }
  iconv_close(cd);
}

TEST(FontTables, SymbolHasGreekLettersOperatorsAndGlyphPieces) {
  // The Latin letters of the Greek alphabet's order; Unicode skips U+03A2 after rho.
  const char* latin = "ABGDEZHQIKLMNXOPRSTUFCYW";
  for (int i = 0; i < 24; ++i) {
    uint16_t capital = uint16_t(0x0391 + i + (i >= 17));
    EXPECT_EQ(SYMBOL_CODE_POINTS[uint8_t(latin[i])], capital) << latin[i];
    EXPECT_EQ(SYMBOL_CODE_POINTS[uint8_t(latin[i] + 0x20)], capital + 0x20) << latin[i];
  }
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xA3], 0x2264);
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xD6], 0x221A);
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xE1], 0x2329);
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xF1], 0x232A);
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xEA], 0xF8EF);  // the absolute-value bars
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xFA], 0xF8FA);
  // The private-use glyph pieces fill U+F8E5..U+F8FE, each exactly once.
  int n_pieces = 0;
  for (int b = 0; b < 256; ++b) n_pieces += SYMBOL_CODE_POINTS[b] >= 0xF8E5 && SYMBOL_CODE_POINTS[b] <= 0xF8FE;
  EXPECT_EQ(n_pieces, 0xF8FE - 0xF8E5 + 1);
  for (int b = 0x7F; b < 0xA0; ++b) EXPECT_EQ(SYMBOL_CODE_POINTS[b], 0x007F) << b;
  EXPECT_EQ(SYMBOL_CODE_POINTS[0xAF], 0x007F);  // no down arrow: U+2193 stays an escape
}

TEST(ReverseMap, RomanFirstThenSymbolWithItsOwnOperators) {
  auto pos = [](uint32_t cp) {
    Font_Pos p = font_pos_of(cp);
    return std::to_string(p.coding) + ":" + std::to_string(p.b);
  };
  // The euro and plus-minus are in both fonts: roman wins.
  const std::pair<uint32_t, const char*> cases[] = {
      {'a', "0:97"}, {0x20AC, "0:128"}, {0x00B1, "0:177"}, {0x2264, "1:163"}, {0x03C0, "1:112"}, {0x2217, "1:42"},
      {0x2212, "1:45"}, {0x001E, "0:30"}, {0x001F, "2:0"}, {0x007F, "2:0"}, {0x2193, "2:0"}, {0x4E00, "2:0"},
      {0x103C0, "2:0"}};
  for (auto [cp, at] : cases) EXPECT_EQ(pos(cp), at) << cp;
}

TEST(ReverseMap, PreferredSymbolBytesForCharactersInBothFonts) {
  // Plus-minus, multiplication and not signs, euro and florin have their own
  // Symbol bytes; the Symbol a is alpha and * the asterisk operator.
  const std::pair<uint32_t, int> cases[] = {{'(', 0x28}, {'7', 0x37}, {0xB1, 0xB1}, {0xD7, 0xB4}, {0xAC, 0xD8},
                                            {0x80, 0xA0}, {0x83, 0xA6}, {'a', 0}, {'*', 0}, {'-', 0}};
  for (auto [roman_b, symbol_b] : cases) EXPECT_EQ(preferred_symbol_b(roman_b), symbol_b) << roman_b;
  EXPECT_EQ(check_text([] { register_preferred(1, 0xD7, 0x01); }),
            "Assertion failed - file coding:\rroman2prefer1_[coding - 1][roman_b] == 0");
  EXPECT_EQ(check_text([] { register_preferred(0, 0x41, 0x01); }), "Assertion failed - file coding:\rcoding > 0");
  EXPECT_EQ(preferred_symbol_b(0xD7), 0xB4);
}
