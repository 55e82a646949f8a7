// The input byte stream: a window [pos_p, end_p) of buffered bytes and one
// virtual operation, refill(), called when the window is empty. Readers work
// on the window directly and never look past end_p.
#pragma once
#include <cstdint>

#include "core/err.h"

struct In_Stream {
  const char* pos_p = nullptr;
  const char* end_p = nullptr;

  In_Stream() = default;
  In_Stream(const In_Stream&) = delete;
  In_Stream& operator=(const In_Stream&) = delete;
  virtual ~In_Stream() = default;
  // Called when pos_p == end_p: makes more bytes available, or leaves the
  // window empty at the end of the input.
  virtual void refill() = 0;
};

// True when no byte is left (after trying a refill).
inline bool at_end_q(In_Stream& s) {
  if (s.pos_p != s.end_p) return false;
  s.refill();
  return s.pos_p == s.end_p;
}
// The next byte (0..255) without taking it, or -1 at the end.
inline int peek_byte(In_Stream& s) { return at_end_q(s) ? -1 : static_cast<unsigned char>(*s.pos_p); }
// Takes the next byte (0..255), or gives -1 at the end.
inline int get_byte(In_Stream& s) { return at_end_q(s) ? -1 : static_cast<unsigned char>(*s.pos_p++); }

// Raises Syntax_Err with the message and the stream.
[[noreturn]] void raise_syntax(In_Stream& s, std::string text);

// Reads exactly n bytes into to_p; "n >= 0"; "Not enough input" when the
// input ends first (to_p then holds the bytes that were there).
void read_bytes(In_Stream& s, char* to_p, int32_t n);

// A stream over bytes in memory. Made from a NUL-terminated text it ends at
// the NUL; made from a pointer and a count it may hold any bytes.
struct Mem_In_Stream final : In_Stream {
  const char* first_p;
  explicit Mem_In_Stream(const char* text);
  Mem_In_Stream(const char* bytes_p, int32_t n);
  void refill() override {}
};

// Bytes taken so far from a memory stream: where a reader stopped.
inline int32_t n_read(const Mem_In_Stream& s) { return int32_t(s.pos_p - s.first_p); }
