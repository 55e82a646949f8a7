#include "core/num_format.h"

#include <cmath>
#include <cstdio>

#include "core/c_numeric.h"
#include "core/text_read.h"

namespace {

void put_spaces(Out_Stream& s, int32_t n) {
  for (; n > 0; --n) put_byte(s, ' ');
}

// Characters, not bytes: the infinity sign is two bytes wide in the internal
// coding but one character on the screen.
int32_t n_chars(const char* text) {
  int32_t n = 0;
  for (; *text; ++text)
    if ((static_cast<unsigned char>(*text) & 0x80) == 0) ++n;
  return n;
}

void put_right_aligned(Out_Stream& s, const char* text, int32_t width) {
  put_spaces(s, width - n_chars(text));
  put_text(s, text);
}

void format_non_finite(Out_Stream& s, double x, int32_t n_decs, int32_t width, bool plus_q) {
  Byte_Str text;
  if (std::isnan(x)) {
    put_byte(text, '#');
  } else {
    if (x < 0)
      put_byte(text, '-');
    else if (plus_q)
      put_byte(text, '+');
    put_text(text, INFINITY_SIGN);
  }
  if (n_decs > 0 && width > 1) width += n_decs + 1;
  put_right_aligned(s, c_str(text), width);
}

// Moves x off a binary half so that printf's rounding takes halves away
// from zero, and sends tiny negatives to 0 so no "-0.00" is written.
double nudged(double x, int32_t n_decs) {
  double u = std::pow(0.1, n_decs);
  if (x < 0) return x > -0.4999999995 * u ? 0.0 : x - 1e-9 * u;
  return x + 1e-9 * u;
}

}  // namespace

void format_int(Out_Stream& s, int32_t value, int32_t width, int32_t min_digits) {
  char a[12];
  char* p = a;
  uint32_t m = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
  do {
    *p++ = char('0' + m % 10);
    m /= 10;
  } while (m > 0);
  CHECK(p <= a + 10);
  int32_t n_digits = int32_t(p - a);
  if (min_digits > n_digits) n_digits = min_digits;
  int32_t n = n_digits + (value < 0);
  put_spaces(s, width - n);
  if (value < 0) put_byte(s, '-');
  for (int32_t i = n_digits - int32_t(p - a); i > 0; --i) put_byte(s, '0');
  while (p > a) put_byte(s, *--p);
}

void format_hex(Out_Stream& s, uint32_t value, const char* prefix, int32_t min_digits) {
  static const char DIGITS[] = "0123456789ABCDEF";
  char a[8];
  char* p = a;
  do {
    *p++ = DIGITS[value & 0xF];
    value >>= 4;
  } while (value > 0);
  CHECK(p <= a + 8);
  put_text(s, prefix);
  for (int32_t i = min_digits - int32_t(p - a); i > 0; --i) put_byte(s, '0');
  while (p > a) put_byte(s, *--p);
}

void format_real(Out_Stream& s, double x, int32_t n_decs, int32_t width, bool plus_q) {
  CHECK(n_decs >= 0);
  if (!std::isfinite(x)) return format_non_finite(s, x, n_decs, width, plus_q);
  if (std::fabs(x) > 1e17) {
    n_decs = 16;
    width = -1;
  }
  bool fixed_q = width >= 0;
  if (fixed_q && n_decs < 6) x = nudged(x, n_decs);
  const char* format = fixed_q ? "%.*f" : "%.*e";
  C_Numeric_Scope c_numeric;
  int n = std::snprintf(nullptr, 0, format, int(n_decs), x);
  Byte_Str text;
  set_length(text, n);
  std::snprintf(text.first_p, size_t(n) + 1, format, int(n_decs), x);
  const char* t = c_str(text);
  // Width 0 asks for the shortest text: 0.5 is ".5", and 0 with no decimals
  // is the empty text.
  if (width == 0 && t[0] == '0' && !plus_q) {
    put_text(s, t + 1);
    return;
  }
  if (fixed_q && n_decs > 0) width += n_decs + 1;
  bool plus_here_q = plus_q && t[0] != '-';
  if (plus_here_q) {
    --width;
    put_byte(s, '+');
  }
  put_right_aligned(s, t, width);
}

void format_real_tol(Out_Stream& s, double x, double tol) {
  if (!std::isfinite(x) || !std::isfinite(tol)) return format_real(s, x, 1, 1);
  if (x == 0.0) return put_text(s, "0.0");
  if (tol == 0.0) return format_real(s, x, 16, -1);
  tol = std::fabs(tol);
  double ax = std::fabs(x);
  if (ax <= 0.001 && ax <= 0.001 * tol) return put_text(s, "0.0");
  bool exp_q = false;
  if (tol > 10000) {
    exp_q = true;
    for (; ax > 9.4999; ax *= 0.1) tol *= 0.1;
  } else if (ax < 0.0001 && tol < 0.0001) {
    exp_q = true;
    if (tol < ax)
      for (; ax < 0.94999; ax *= 10) tol *= 10;
    else
      tol = 1.0;
  }
  int32_t k = 1;
  for (; tol < 0.1 && k < 20; ++k) tol *= 10;
  if (exp_q)
    format_real(s, x, k < 16 ? k : 16, -1);
  else
    format_real(s, x, k, 1);
}
