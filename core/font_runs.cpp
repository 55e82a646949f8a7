#include "core/font_runs.h"

#include "core/code_point.h"
#include "core/coding.h"
#include "core/num_format.h"

namespace {

// Font bytes go to the stream; a change of coding opens a new run.
struct Run_Writer {
  Out_Stream& out;
  Tuple& runs;
  int open_coding = -1;  // coding of the run being written; -1 before the first
};

void put_run_byte(Run_Writer& w, int coding, char b) {
  if (coding != w.open_coding) {
    append(w.runs, uint32_t(coding));
    append(w.runs, 0);
    w.open_coding = coding;
  }
  put_byte(w.out, b);
  ++w.runs[n_elts(w.runs) - 1];
}

// 0x1F and the code point in at least four upper-case hexadecimal digits.
void put_run_escape(Run_Writer& w, uint32_t cp) {
  put_run_byte(w, ROMAN_CODING, CHAR_ESCAPE);
  format_hex(w.out, cp, "", 4);
  int32_t n_digits = 4;
  for (uint32_t high = cp >> 16; high != 0; high >>= 4) ++n_digits;
  w.runs[n_elts(w.runs) - 1] += n_digits;
}

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

void to_runs(const char* text_p, int32_t n_bytes, int prefer_coding, Out_Stream& font_bytes, Tuple& runs) {
  CHECK(unsigned(prefer_coding) <= N_CODINGS);
  set_length(runs, 0);
  Run_Writer w{font_bytes, runs};
  const char* end_p = text_p + n_bytes;
  for (const char* p = text_p; p < end_p;) {
    uint8_t c = uint8_t(*p);
    if (c == '\r') {
      // Font text breaks lines with carriage return, line feed.
      ++p;
      int coding = w.open_coding < 0 ? ROMAN_CODING : w.open_coding;
      put_run_byte(w, coding, '\r');
      put_run_byte(w, coding, '\n');
    } else if (c < 0x80 && c != uint8_t(SYMBOL_ESCAPE) && c != uint8_t(CHAR_ESCAPE) &&
               w.open_coding != SYMBOL_CODING && prefer_coding == ROMAN_CODING) {
      // The common case: ASCII in roman text is its own font byte.
      ++p;
      put_run_byte(w, ROMAN_CODING, char(c));
    } else {
      uint32_t cp = take_code_point(p, end_p);
      Font_Pos pos = font_pos_for_runs(cp, prefer_coding);
      if (pos.coding == NO_CODING) {
        put_run_escape(w, cp);
      } else if (pos.coding == SYMBOL_CODING && prefer_coding == EXPORT_CODING) {
        put_run_byte(w, ROMAN_CODING, SYMBOL_ESCAPE);
        put_run_byte(w, ROMAN_CODING, char(pos.b));
      } else {
        put_run_byte(w, pos.coding, char(pos.b));
      }
    }
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
