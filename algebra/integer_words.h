// Word arrays for the arithmetic of big integers. The chain of word records
// is the stored form; the operations copy it into a flat array of words
// (least significant first), compute there with 64-bit steps, and build the
// result chain once through the canonical constructor. This keeps every
// operation to one allocation per word of its result.
#pragma once
#include <cstdint>
#include <memory>

#include "algebra/Integer.h"

// Each word of a result becomes a word record in the pool, so an array
// longer than the pool could hold that way is "Out of memory" at once.
constexpr uint32_t WORD_REC_BYTES = 16;

// The heap block of a word array; a shortage of the heap is "Out of memory",
// like the pool's.
std::unique_ptr<uint32_t[]> heap_words(int32_t n_words);

// A word array with room for small values inside itself.
struct Words {
  static constexpr int N_INLINE = 40;
  uint32_t* w = inline_;
  int n = 0;  // words in use
  bool neg = false;

  Words() = default;
  Words(const Words&) = delete;
  Words& operator=(const Words&) = delete;

  // Room for n_words words, all zero; the contents are not kept.
  uint32_t* clear(int n_words);
  // Room for n_words words of any content.
  uint32_t* alloc(int n_words);
  // Room for n_words words, keeping the present ones; the new ones are zero.
  // The capacity grows by the rule of every sequence (core/growth.h).
  uint32_t* grow(int n_words);
  int capacity() const { return cap_; }

 private:
  uint32_t inline_[N_INLINE];
  int cap_ = N_INLINE;
  std::unique_ptr<uint32_t[]> heap_;
};

// Number of word records in a's chain (0 for an immediate).
int int_chain_length(Integer a);

// The two's complement words of a (the sign extends beyond the last word,
// which carries it): chain length + 1 words, with n_extra more zero words of
// room after them.
void unpack_twos(Integer a, Words& out, int n_extra = 0);
// |a| in words without leading zero words (n = 0 for 0), sign in neg; n_extra
// words of zero room after them.
void unpack_magnitude(Integer a, Words& out, int n_extra = 0);

// The Integer of n two's complement words whose sign is the top bit of the
// last word.
Integer pack_twos(const uint32_t* w, int n);
// The Integer of magnitude w[0..n) with the given sign. Destroys w.
Integer pack_magnitude(uint32_t* w, int n, bool neg);

// Number of words of w[0..n) without the leading zeros.
inline int trimmed_length(const uint32_t* w, int n) {
  while (n > 0 && w[n - 1] == 0) --n;
  return n;
}
