#include "core/coding.h"

#include <cstring>

#include "core/err.h"
#include "core/pool.h"

namespace {

constexpr Font_Page make_shared_page() {
  Font_Page page{};
  for (Font_Pos& pos : page.pos) pos = Font_Pos{NO_CODING, 0};
  return page;
}

// A character in both fonts is drawn from the roman one; the Symbol byte that
// has it becomes the roman byte's preferred Symbol byte instead.
void register_table(int coding) {
  const uint16_t* code_points = font_code_points(coding);
  for (int b = 0; b < 256; ++b) {
    uint16_t cp = code_points[b];
    if (cp == UNDEFINED_CODE_POINT) continue;
    Font_Pos pos = font_pages_[cp >> 8]->pos[cp & 0xFF];
    if (pos.coding == NO_CODING)
      register_font_pos(cp, coding, uint8_t(b));
    else if (coding > ROMAN_CODING && pos.coding == ROMAN_CODING)
      register_preferred(coding, pos.b, uint8_t(b));
  }
}

// Built on first use from a static initialiser too, so that start-up code in
// other files may draw or convert text.
[[maybe_unused]] const bool coding_init_at_start_up_ = (coding_init(), true);

}  // namespace

constinit const Font_Page SHARED_FONT_PAGE = make_shared_page();
const Font_Page* font_pages_[256];
uint8_t roman2prefer1_[N_CODINGS - 1][256];
bool coding_ready_ = false;

void register_font_pos(uint32_t cp, int coding, uint8_t b) {
  CHECK(cp < 0x10000 && unsigned(coding) <= NO_CODING);
  const Font_Page*& page_p = font_pages_[cp >> 8];
  if (page_p == &SHARED_FONT_PAGE) {
    Font_Page* copy_p = static_cast<Font_Page*>(pool_alloc(sizeof(Font_Page)));
    std::memcpy(copy_p, &SHARED_FONT_PAGE, sizeof(Font_Page));
    page_p = copy_p;
  }
  // Only pages copied above reach here; the shared page is never written.
  const_cast<Font_Page*>(page_p)->pos[cp & 0xFF] = Font_Pos{uint8_t(coding), b};
}

void register_preferred(int coding, uint8_t roman_b, uint8_t b) {
  CHECK(coding > 0);
  CHECK(roman2prefer1_[coding - 1][roman_b] == 0);
  roman2prefer1_[coding - 1][roman_b] = b;
}

void coding_build() {
  coding_ready_ = true;
  for (const Font_Page*& page_p : font_pages_) page_p = &SHARED_FONT_PAGE;
  register_table(ROMAN_CODING);
  register_table(SYMBOL_CODING);
  // The mathematical asterisk and minus come from the Symbol font.
  register_font_pos(0x2217, SYMBOL_CODING, 0x2A);
  register_font_pos(0x2212, SYMBOL_CODING, 0x2D);
  // U+001F introduces an escape in font text, so it must never pass as a
  // roman byte.
  register_font_pos(0x001F, NO_CODING, 0);
}
