// Internal text to font bytes for drawing and plain-text export, and font
// bytes back to internal text.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "core/font_tables.h"
#include "core/tuple.h"

// Prefer coding for to_runs: ROMAN_CODING draws from the roman font where it
// has the character, SYMBOL_CODING takes the Symbol font's byte for roman
// characters it also has, and EXPORT_CODING writes plain text: everything in
// the roman run, Symbol characters as 0x1E and their byte.
constexpr int EXPORT_CODING = NO_CODING;

// Introduces a character no font has: 0x1F and at least four upper-case
// hexadecimal digits of its code point.
constexpr char CHAR_ESCAPE = 0x1F;
// Introduces a Symbol font byte inside exported roman text.
constexpr char SYMBOL_ESCAPE = 0x1E;

// The font bytes of internal text, walked in place: each piece is one
// coding's bytes, either a stretch of the text itself (ASCII that is its own
// roman byte) or the bytes of one other character, kept in the walk. Measuring
// and drawing take text this way, without building anything.
struct Font_Piece {
  int coding;
  const char* bytes_p;
  int32_t n_bytes;
};

struct Font_Walk {
  const char* p;
  const char* end_p;
  int prefer_coding;
  int open_coding = -1;  // coding of the last piece; -1 before the first
  char buf[12];          // an escape: 0x1F and up to eight digits (any 32-bit value)
};

// "unsigned(prefer_coding) <= N_CODINGS".
Font_Walk font_walk(const char* text_p, int32_t n_bytes, int prefer_coding);
// The next piece; false at the end of the text.
bool font_walk_next(Font_Walk& w, Font_Piece& piece);

// Writes the font bytes for n_bytes of internal text to font_bytes and sets
// runs to two words per run, its coding and its byte count; consecutive
// characters of one coding form one run. A carriage return becomes carriage
// return, line feed in the current run. "unsigned(prefer_coding) <= N_CODINGS".
void to_runs(const char* text_p, int32_t n_bytes, int prefer_coding, Out_Stream& font_bytes, Tuple& runs);

inline int32_t n_runs(const Tuple& runs) { return n_elts(runs) / 2; }
inline int run_coding(const Tuple& runs, int32_t run_i) { return int(runs[2 * run_i]); }
inline int32_t run_n_bytes(const Tuple& runs, int32_t run_i) { return int32_t(runs[2 * run_i + 1]); }

// Writes the internal text for n_bytes of font bytes of coding (0 or 1) to
// text. Roman text: carriage return with an optional line feed becomes one
// carriage return, and the 0x1F and 0x1E escapes are undone. A character
// U+0000 (an escape without digits, a NUL byte) is dropped, since internal text
// ends at its first zero byte.
void from_font(const char* bytes_p, int32_t n_bytes, int coding, Out_Stream& text);
