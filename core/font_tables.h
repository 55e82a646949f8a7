// The two 8-bit font codings that drawing and plain-text exchange use, as the
// code point each byte stands for.
#pragma once
#include <cstdint>

constexpr int N_CODINGS = 2;
constexpr int ROMAN_CODING = 0;   // Windows code page 1252
constexpr int SYMBOL_CODING = 1;  // the Symbol font
constexpr int NO_CODING = 2;      // no font has the character

// Stands for the bytes a coding leaves undefined; never registered as a font
// position, so it cannot be mistaken for a real character.
constexpr uint16_t UNDEFINED_CODE_POINT = 0x007F;

extern const uint16_t ROMAN_CODE_POINTS[256];
extern const uint16_t SYMBOL_CODE_POINTS[256];

// The table of a coding (0 or 1).
const uint16_t* font_code_points(int coding);
