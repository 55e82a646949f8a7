// Which font draws a character: the reverse of the two font tables, from a
// code point below 0x10000 to (coding, byte), and the Symbol bytes preferred
// for roman characters when text is drawn in a Symbol-preferring style.
#pragma once
#include <cstdint>

#include "core/font_tables.h"

// Where a character lives in the fonts; coding NO_CODING when in none.
struct Font_Pos {
  uint8_t coding;
  uint8_t b;
};

// One page of the reverse map: the characters U+hh00..U+hhFF.
struct Font_Page {
  Font_Pos pos[256];
};

// 256 pages; every page starts as the one shared page that holds NO_CODING
// everywhere, and is copied on its first change.
extern const Font_Page* font_pages_[256];
extern const Font_Page SHARED_FONT_PAGE;

// For coding 1 and a roman byte, the Symbol byte that draws the same
// character (0 when the Symbol font lacks it).
extern uint8_t roman2prefer1_[N_CODINGS - 1][256];

extern bool coding_ready_;
void coding_build();

// Fills the maps from the font tables, once; any static initialiser may call
// it, and every look-up below does.
inline void coding_init() {
  if (!coding_ready_) coding_build();
}

// The font position of a character; no font has one above U+FFFF.
inline Font_Pos font_pos_of(uint32_t cp) {
  coding_init();
  if (cp >= 0x10000) return Font_Pos{NO_CODING, 0};
  return font_pages_[cp >> 8]->pos[cp & 0xFF];
}

// The Symbol byte preferred over roman byte roman_b, or 0 when there is none.
inline uint8_t preferred_symbol_b(uint8_t roman_b) {
  coding_init();
  return roman2prefer1_[SYMBOL_CODING - 1][roman_b];
}

// Sets the font position of a character below 0x10000, copying its page first
// when the page is still the shared one.
void register_font_pos(uint32_t cp, int coding, uint8_t b);

// Records that roman byte roman_b is drawn as byte b of coding (above 0);
// only the first registration of a roman byte counts, a second is an error.
void register_preferred(int coding, uint8_t roman_b, uint8_t b);
