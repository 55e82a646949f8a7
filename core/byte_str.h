// The output byte stream and the byte string, which is its in-memory kind.
//
// An Out_Stream writes at write_p up to last_p, the last byte of its buffer,
// which is kept for a terminating NUL; writing there first calls overflow(),
// the stream's one virtual operation (a string grows, a file flushes).
// Text is in the internal coding: ASCII stands for itself and every other
// character is a run of bytes of 128 or above ended by one below 128.
#pragma once
#include <cstdint>
#include <cstring>

#include "core/err.h"
#include "core/pool.h"

struct Out_Stream {
  char* first_p = nullptr;  // first byte of the buffer
  char* write_p = nullptr;  // one past the last byte written
  char* last_p = nullptr;   // the buffer's last byte, kept for a NUL

  Out_Stream() = default;
  Out_Stream(const Out_Stream&) = delete;
  Out_Stream& operator=(const Out_Stream&) = delete;
  virtual ~Out_Stream() = default;
  // Called when write_p == last_p; makes room for at least one more byte.
  virtual void overflow() = 0;
};

inline void put_byte(Out_Stream& s, char c) {
  if (s.write_p == s.last_p) s.overflow();
  *s.write_p++ = c;
}
// Writes n bytes; "n >= 0".
void put_bytes(Out_Stream& s, const char* bytes_p, int32_t n);
// Writes a NUL-terminated text without its NUL.
void put_text(Out_Stream& s, const char* text);

// The byte string: a pool block of which write_p - first_p bytes are used.
// A new string has a 4-byte block and so holds up to 3 bytes before it grows.
struct Byte_Str final : Out_Stream {
  Byte_Str();
  explicit Byte_Str(const char* text);
  Byte_Str(const char* bytes_p, int32_t n);
  Byte_Str(const Byte_Str& o);
  Byte_Str& operator=(const Byte_Str& o);
  Byte_Str(Byte_Str&& o) noexcept;
  Byte_Str& operator=(Byte_Str&& o) noexcept;
  ~Byte_Str() override;
  // Grows the block by doubling.
  void overflow() override;
  char& operator[](int32_t i) const { return first_p[i]; }
};

inline int32_t n_elts(const Byte_Str& s) { return int32_t(s.write_p - s.first_p); }
// Block size in bytes (one of them kept for the NUL); 0 for a moved-from string.
inline int32_t block_size(const Byte_Str& s) { return s.first_p ? int32_t(pool_block_size(s.first_p)) : 0; }

// Sizes the block for n bytes plus the NUL: grows to max(n + 1, twice the
// block), keeps it while n + 1 is at least a quarter of it, else shrinks to
// n + 1 rounded up by the pool. The string's bytes are kept.
void reserve(Byte_Str& s, int64_t n);
// Appends n bytes; "n >= 0".
void append(Byte_Str& s, const char* bytes_p, int32_t n);
inline void append(Byte_Str& s, char c) { put_byte(s, c); }
void append(Byte_Str& s, const Byte_Str& t);
// Replaces the contents with a NUL-terminated text.
void assign(Byte_Str& s, const char* text);
void copy(Byte_Str& to, const Byte_Str& from);
// Cuts or extends to a_len bytes, new bytes set to fill; "0 <= a_len".
void set_length(Byte_Str& s, int32_t a_len, char fill = 0);
// Inserts to_insert before byte ind.
void insert(Byte_Str& s, int32_t ind, const Byte_Str& to_insert);
// Removes the bytes [start, end).
void erase(Byte_Str& s, int32_t start, int32_t end);
// Writes the NUL after the last byte and gives the text.
const char* c_str(Byte_Str& s);
inline bool equal_q(const Byte_Str& s, const char* text) {
  size_t n = std::strlen(text);
  return size_t(n_elts(s)) == n && std::memcmp(s.first_p, text, n) == 0;
}

// Length of a NUL-terminated text.
int32_t text_length(const char* text);
// Compares byte by byte as unsigned bytes: negative, 0 or positive; at a
// common prefix the shorter orders first.
int compare_bytes(const char* a, int32_t n_a, const char* b, int32_t n_b);
int compare_text(const char* a, const char* b);
inline int compare(const Byte_Str& a, const Byte_Str& b) {
  return compare_bytes(a.first_p, n_elts(a), b.first_p, n_elts(b));
}
// The first byte of the character that ends just before p, in a text that
// starts at a; "p > a".
const char* char_start_before(const char* a, const char* p);
