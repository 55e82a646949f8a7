#include "core/font_runs.h"

#include "core/code_point.h"
#include "core/coding.h"

namespace {

Font_Pos font_pos_for_runs(uint32_t cp, int prefer_coding) {
  // Font text uses these two as escapes, so they can only travel as Symbol bytes.
  if (cp == uint8_t(SYMBOL_ESCAPE) || cp == uint8_t(CHAR_ESCAPE)) return Font_Pos{SYMBOL_CODING, uint8_t(cp)};
  Font_Pos pos = font_pos_of(cp);
  if (prefer_coding == SYMBOL_CODING && pos.coding == ROMAN_CODING) {
    uint8_t symbol_b = preferred_symbol_b(pos.b);
    if (symbol_b != 0) return Font_Pos{SYMBOL_CODING, symbol_b};
  }
  return pos;
}

// ASCII that stands for itself in roman font text: not the two escapes, and
// not the carriage return, which becomes two bytes.
bool own_byte_q(char c) { return uint8_t(c) < 0x80 && c != SYMBOL_ESCAPE && c != CHAR_ESCAPE && c != '\r'; }

// 0x1F and the code point in at least four upper-case hexadecimal digits; gives the byte count.
int32_t put_escape(char* buf, uint32_t cp) {
  int32_t n_digits = 4;
  for (uint32_t high = cp >> 16; high != 0; high >>= 4) ++n_digits;
  buf[0] = CHAR_ESCAPE;
  for (int32_t i = n_digits; i > 0; --i, cp >>= 4) buf[i] = "0123456789ABCDEF"[cp & 0xF];
  return n_digits + 1;
}

void put_char(Out_Stream& text, uint32_t cp) {
  if (cp == 0) return;
  char buf[CODE_POINT_MAX_BYTES];
  put_bytes(text, buf, int32_t(put_code_point(buf, cp) - buf));
}

int hex_digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

Font_Walk font_walk(const char* text_p, int32_t n_bytes, int prefer_coding) {
  CHECK(unsigned(prefer_coding) <= N_CODINGS);
  Font_Walk w;
  w.p = text_p;
  w.end_p = text_p + n_bytes;
  w.prefer_coding = prefer_coding;
  return w;
}

bool font_walk_next(Font_Walk& w, Font_Piece& piece) {
  if (w.p >= w.end_p) return false;
  const char* start_p = w.p;
  int coding = ROMAN_CODING;
  int32_t n = 1;
  if (*w.p == '\r') {
    // Font text breaks lines with carriage return, line feed.
    ++w.p;
    coding = w.open_coding < 0 ? ROMAN_CODING : w.open_coding;
    start_p = w.buf;
    w.buf[0] = '\r';
    w.buf[1] = '\n';
    n = 2;
  } else if (own_byte_q(*w.p) && w.open_coding != SYMBOL_CODING && w.prefer_coding == ROMAN_CODING) {
    // The common case: ASCII in roman text is its own font byte.
    while (++w.p < w.end_p && own_byte_q(*w.p)) {}
    n = int32_t(w.p - start_p);
  } else {
    uint32_t cp = take_code_point(w.p, w.end_p);
    Font_Pos pos = font_pos_for_runs(cp, w.prefer_coding);
    start_p = w.buf;
    if (pos.coding == NO_CODING) {
      n = put_escape(w.buf, cp);
    } else if (pos.coding == SYMBOL_CODING && w.prefer_coding == EXPORT_CODING) {
      w.buf[0] = SYMBOL_ESCAPE;
      w.buf[1] = char(pos.b);
      n = 2;
    } else {
      coding = pos.coding;
      w.buf[0] = char(pos.b);
    }
  }
  w.open_coding = coding;
  piece = {coding, start_p, n};
  return true;
}

void to_runs(const char* text_p, int32_t n_bytes, int prefer_coding, Out_Stream& font_bytes, Tuple& runs) {
  Font_Walk w = font_walk(text_p, n_bytes, prefer_coding);
  set_length(runs, 0);
  Font_Piece piece;
  for (int open_coding = -1; font_walk_next(w, piece); open_coding = piece.coding) {
    if (piece.coding != open_coding) {
      append(runs, uint32_t(piece.coding));
      append(runs, 0);
    }
    put_bytes(font_bytes, piece.bytes_p, piece.n_bytes);
    runs[n_elts(runs) - 1] += uint32_t(piece.n_bytes);
  }
}

void from_font(const char* bytes_p, int32_t n_bytes, int coding, Out_Stream& text) {
  CHECK(unsigned(coding) < N_CODINGS);
  const char* end_p = bytes_p + n_bytes;
  const char* p = bytes_p;
  if (coding == SYMBOL_CODING) {
    while (p < end_p) put_char(text, SYMBOL_CODE_POINTS[uint8_t(*p++)]);
    return;
  }
  while (p < end_p) {
    uint8_t b = uint8_t(*p++);
    if (b == '\r') {
      if (p < end_p && *p == '\n') ++p;
      put_byte(text, '\r');
    } else if (b == uint8_t(CHAR_ESCAPE)) {
      uint32_t cp = 0;
      for (int n_digits = 0; n_digits < 4 && p < end_p && hex_digit_value(*p) >= 0; ++n_digits)
        cp = cp * 16 + uint32_t(hex_digit_value(*p++));
      put_char(text, cp);
    } else if (b == uint8_t(SYMBOL_ESCAPE) && p < end_p) {
      put_char(text, SYMBOL_CODE_POINTS[uint8_t(*p++)]);
    } else if (b >= 0x80) {
      put_char(text, ROMAN_CODE_POINTS[b]);
    } else {
      put_char(text, b);
    }
  }
}
