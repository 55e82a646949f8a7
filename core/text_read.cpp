#include "core/text_read.h"

#include "core/c_numeric.h"

#include <cstdio>
#include <limits>
#include <string>

namespace {

bool digit_q(int c) { return c >= '0' && c <= '9'; }

int hex_value(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Moves the digits at the stream's front into to; gives how many.
int collect_digits(In_Stream& s, Byte_Str& to) {
  int n = 0;
  for (; digit_q(peek_byte(s)); ++n) put_byte(to, char(get_byte(s)));
  return n;
}

[[noreturn]] void raise_illegal_real(In_Stream& s, Byte_Str& text) {
  raise_syntax(s, std::string("Illegal decimal number:  ") + c_str(text));
}

}  // namespace

void skip_white(In_Stream& s) {
  while (white_space_q(peek_byte(s))) ++s.pos_p;
}

void expect_text(In_Stream& s, const char* text) {
  skip_white(s);
  const char* p = text;
  while (white_space_q(static_cast<unsigned char>(*p))) ++p;
  for (; *p; ++p) {
    if (peek_byte(s) != static_cast<unsigned char>(*p)) raise_syntax(s, std::string("Expected:  ") + text);
    ++s.pos_p;
  }
}

int32_t read_decimal_int(In_Stream& s) {
  skip_white(s);
  bool neg_q = peek_byte(s) == '-';
  if (neg_q) ++s.pos_p;
  if (!digit_q(peek_byte(s))) raise_syntax(s, "Illegal integer");
  const int64_t limit = neg_q ? int64_t(INT32_MAX) + 1 : INT32_MAX;
  int64_t v = 0;
  while (digit_q(peek_byte(s))) {
    v = v * 10 + (*s.pos_p - '0');
    if (v > limit) raise_syntax(s, "Illegal integer");
    ++s.pos_p;
  }
  return int32_t(neg_q ? -v : v);
}

uint32_t read_hex(In_Stream& s, const char* prefix) {
  skip_white(s);
  for (const char* p = prefix; *p; ++p) {
    if (peek_byte(s) != static_cast<unsigned char>(*p)) raise_syntax(s, "Illegal hex prefix");
    ++s.pos_p;
  }
  uint32_t v = 0;
  int n_digits = 0;
  for (int d; (d = hex_value(peek_byte(s))) >= 0; ++s.pos_p) {
    if (++n_digits > 8) raise_syntax(s, "Illegal unsigned (hexadecimal)");
    v = v << 4 | uint32_t(d);
  }
  if (n_digits == 0) raise_syntax(s, "Illegal unsigned (hexadecimal)");
  return v;
}

int32_t read_number_field(In_Stream& s) {
  for (;;) {
    int c = peek_byte(s);
    if (c == ' ' || c == '\t') {
      ++s.pos_p;
    } else if (c == '\\') {
      ++s.pos_p;
      if (peek_byte(s) != '\r') raise_syntax(s, "Illegal \\");
      ++s.pos_p;
      if (peek_byte(s) == '\n') ++s.pos_p;  // a continued line may end in return, line feed
    } else {
      break;
    }
  }
  if (white_space_q(peek_byte(s))) raise_syntax(s, "Expected a number");
  int32_t v = read_decimal_int(s);
  int c = peek_byte(s);
  if (c >= 0 && !white_space_q(c)) raise_syntax(s, "Expected white space");
  return v;
}

double read_real(In_Stream& s) {
  skip_white(s);
  Byte_Str text;
  int c = peek_byte(s);
  bool neg_q = c == '-';
  if (c == '+' || c == '-') put_byte(text, char(get_byte(s)));
  c = peek_byte(s);
  if (c == '#') {
    ++s.pos_p;
    return std::numeric_limits<double>::quiet_NaN();
  }
  if (c == static_cast<unsigned char>(INFINITY_SIGN[0])) {
    put_byte(text, char(get_byte(s)));
    if (peek_byte(s) != static_cast<unsigned char>(INFINITY_SIGN[1])) raise_illegal_real(s, text);
    ++s.pos_p;
    return neg_q ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  int n_digits = collect_digits(s, text);
  if (peek_byte(s) == '.') {
    put_byte(text, char(get_byte(s)));
    n_digits += collect_digits(s, text);
  }
  if (n_digits == 0) raise_illegal_real(s, text);
  c = peek_byte(s);
  if (c == 'E' || c == 'e') {
    put_byte(text, char(get_byte(s)));
    c = peek_byte(s);
    if (c == '+' || c == '-') put_byte(text, char(get_byte(s)));
    if (collect_digits(s, text) == 0) raise_illegal_real(s, text);
  }
  double x = 0.0;
  int n_used = 0;
  const char* t = c_str(text);
  C_Numeric_Scope c_numeric;
  if (std::sscanf(t, "%lf%n", &x, &n_used) != 1 || n_used != n_elts(text)) raise_illegal_real(s, text);
  return x;
}

void read_until(In_Stream& s, char sep_cn, Byte_Str& to, int flags) {
  CHECK(unsigned(sep_cn) <= 0x7F);
  set_length(to, 0);
  if (flags & READ_TRIM)
    for (int c; (c = peek_byte(s)) != sep_cn && white_space_q(c);) ++s.pos_p;
  for (;;) {
    int c = get_byte(s);
    if (c < 0) {
      if (flags & READ_SEP_REQUIRED) raise_syntax(s, std::string("Missing '") + sep_cn + "'");
      break;
    }
    if (c == sep_cn) break;
    put_byte(to, char(c));
    // The rest of a character of several bytes, up to its last byte (below 0x80).
    while (c >= 0x80) {
      c = get_byte(s);
      if (c < 0) raise_syntax(s, "Illegal EOF inside a character code");
      put_byte(to, char(c));
    }
  }
  if (flags & READ_TRIM)
    while (n_elts(to) > 0 && to.write_p[-1] == ' ') --to.write_p;
}
