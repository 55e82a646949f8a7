#include "core/byte_str.h"

#include <utility>

#include "core/growth.h"

void put_bytes(Out_Stream& s, const char* bytes_p, int32_t n) {
  CHECK(n >= 0);
  while (n > 0) {
    if (s.write_p == s.last_p) s.overflow();
    int32_t room = int32_t(s.last_p - s.write_p);
    int32_t n_now = n < room ? n : room;
    std::memcpy(s.write_p, bytes_p, size_t(n_now));
    s.write_p += n_now;
    bytes_p += n_now;
    n -= n_now;
  }
}

void put_text(Out_Stream& s, const char* text) { put_bytes(s, text, text_length(text)); }

namespace {

void take_block(Byte_Str& s, int32_t n_bytes) {
  s.first_p = static_cast<char*>(pool_alloc(n_bytes));
  s.write_p = s.first_p;
  s.last_p = s.first_p + pool_block_size(s.first_p) - 1;
}

bool inside_q(const Byte_Str& s, const char* p) { return s.first_p && p >= s.first_p && p <= s.last_p; }

}  // namespace

Byte_Str::Byte_Str() { take_block(*this, 4); }

Byte_Str::Byte_Str(const char* text) : Byte_Str() { assign(*this, text); }

Byte_Str::Byte_Str(const char* bytes_p, int32_t n) : Byte_Str() { append(*this, bytes_p, n); }

Byte_Str::Byte_Str(const Byte_Str& o) : Byte_Str() { copy(*this, o); }

Byte_Str& Byte_Str::operator=(const Byte_Str& o) {
  copy(*this, o);
  return *this;
}

Byte_Str::Byte_Str(Byte_Str&& o) noexcept {
  first_p = std::exchange(o.first_p, nullptr);
  write_p = std::exchange(o.write_p, nullptr);
  last_p = std::exchange(o.last_p, nullptr);
}

Byte_Str& Byte_Str::operator=(Byte_Str&& o) noexcept {
  std::swap(first_p, o.first_p);
  std::swap(write_p, o.write_p);
  std::swap(last_p, o.last_p);
  return *this;
}

Byte_Str::~Byte_Str() { pool_return(first_p); }

void Byte_Str::overflow() { reserve(*this, n_elts(*this) + 1); }

void reserve(Byte_Str& s, int64_t n) {
  int32_t c = block_size(s);
  int32_t a_n = seq_new_capacity(c, n + 1, 1);  // one byte more for the NUL
  if (a_n == c) return;
  int32_t nc = n_elts(s);
  CHECK(a_n > nc);
  char* old_p = s.first_p;
  take_block(s, a_n);
  if (nc > 0) std::memcpy(s.first_p, old_p, size_t(nc));
  s.write_p = s.first_p + nc;
  pool_return(old_p);
}

void append(Byte_Str& s, const char* bytes_p, int32_t n) {
  CHECK(n >= 0);
  if (n > s.last_p - s.write_p) {
    // The bytes may be the string's own, which the reserve moves.
    bool own_q = inside_q(s, bytes_p);
    ptrdiff_t off = bytes_p - s.first_p;
    reserve(s, int64_t(n_elts(s)) + n);
    if (own_q) bytes_p = s.first_p + off;
  }
  if (n > 0) std::memmove(s.write_p, bytes_p, size_t(n));
  s.write_p += n;
}

void append(Byte_Str& s, const Byte_Str& t) { append(s, t.first_p, n_elts(t)); }

void assign(Byte_Str& s, const char* text) {
  int32_t n = text_length(text);
  if (inside_q(s, text)) {
    std::memmove(s.first_p, text, size_t(n));
    s.write_p = s.first_p + n;
    return;
  }
  s.write_p = s.first_p;
  reserve(s, n);
  std::memcpy(s.first_p, text, size_t(n));
  s.write_p = s.first_p + n;
}

void copy(Byte_Str& to, const Byte_Str& from) {
  if (&to == &from) return;
  int32_t n = n_elts(from);
  to.write_p = to.first_p;
  reserve(to, n);
  if (n > 0) std::memcpy(to.first_p, from.first_p, size_t(n));
  to.write_p = to.first_p + n;
}

void set_length(Byte_Str& s, int32_t a_len, char fill) {
  CHECK(0 <= a_len);
  int32_t n_old = n_elts(s);
  if (a_len < n_old) s.write_p = s.first_p + a_len;
  reserve(s, a_len);
  if (a_len > n_old) std::memset(s.first_p + n_old, fill, size_t(a_len - n_old));
  s.write_p = s.first_p + a_len;
}

void insert(Byte_Str& s, int32_t ind, const Byte_Str& to_insert) {
  CHECK(&s != &to_insert && 0 <= ind && ind <= n_elts(s));
  int32_t n = n_elts(to_insert);
  if (n > s.last_p - s.write_p) reserve(s, int64_t(n_elts(s)) + n);
  char* at_p = s.first_p + ind;
  std::memmove(at_p + n, at_p, size_t(s.write_p - at_p));
  if (n > 0) std::memcpy(at_p, to_insert.first_p, size_t(n));
  s.write_p += n;
}

void erase(Byte_Str& s, int32_t start, int32_t end) {
  CHECK(0 <= start && start <= end && end <= n_elts(s));
  if (start == end) return;
  char* from_p = s.first_p + end;
  std::memmove(s.first_p + start, from_p, size_t(s.write_p - from_p));
  s.write_p -= end - start;
}

const char* c_str(Byte_Str& s) {
  if (!s.first_p) reserve(s, 0);
  *s.write_p = 0;
  return s.first_p;
}

int32_t text_length(const char* text) { return int32_t(std::strlen(text)); }

int compare_bytes(const char* a, int32_t n_a, const char* b, int32_t n_b) {
  int32_t n = n_a < n_b ? n_a : n_b;
  int d = n > 0 ? std::memcmp(a, b, size_t(n)) : 0;  // memcmp compares as unsigned char
  if (d != 0) return d;
  return n_a < n_b ? -1 : n_a > n_b ? 1 : 0;
}

int compare_text(const char* a, const char* b) { return compare_bytes(a, text_length(a), b, text_length(b)); }

const char* char_start_before(const char* a, const char* p) {
  CHECK(p > a);
  --p;  // the last byte of the previous character
  while (p > a && static_cast<unsigned char>(p[-1]) >= 0x80) --p;
  return p;
}
