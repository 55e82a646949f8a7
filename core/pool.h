// The memory pool: one 5,500,000-byte block carved into power-of-two blocks
// with a free list per size class. Every record of the system lives here, so a
// record is named by its 32-bit byte offset from the pool's start.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr uint32_t POOL_BYTES = 5500000;
constexpr int BLOCK_SIZE_LOG2 = 12;
constexpr int INT_N_BITS = 32;

extern char* pool_base_;  // null until the first request carves the pool

// Size class of a request of s bytes: 0..4 bytes give class 2, 5..8 class 3, ...
constexpr int pool_class_of(int32_t s) {
  uint32_t t = s < 4 ? 4u : uint32_t(s);
  uint32_t v = t - 1;
  int lg = 0;
  while (v >>= 1) ++lg;
  return lg + 1;
}

// Takes a block of size class k (1 << k bytes); raises "Out of memory".
void* pool_take(int k);
// A block of class k if the pool has one, else null; never raises, so code
// that may run in destructors (a sequence shrinking) can use it and keep its
// bigger block when the pool is exhausted.
void* pool_take_spare(int k);
// Returns a block to the list of the class recorded for its page; null is ignored.
void pool_return(void* p);
// Class recorded for the page a pool address lies in.
int pool_class_at(const void* p);
inline uint32_t pool_block_size(const void* p) { return 1u << pool_class_at(p); }

inline void* pool_alloc(int32_t n_bytes) { return pool_take(pool_class_of(n_bytes)); }

// Bytes in blocks on the free lists: for tests and leak checks.
uint64_t pool_free_bytes();
// Checks every free list: each block lies inside the usable region, on a
// boundary of its size, on a page recorded with its list's class, and no list
// holds more blocks than the region could; an assertion stop otherwise.
void pool_check();
// Bytes the carving made available in all.
uint64_t pool_usable_bytes();
// Bytes in blocks handed out and not yet returned, and the most there were
// since the last reset: what a computation needed of the pool at its worst.
uint64_t pool_in_use_bytes();
uint64_t pool_peak_bytes();
void pool_peak_reset();

inline uint32_t pool_offset(const void* p) { return uint32_t(static_cast<const char*>(p) - pool_base_); }
inline void* pool_addr(uint32_t off) { return pool_base_ + off; }

// Class-level new/delete for the system's own C++ objects that live in the pool.
struct Pool_Obj {
  static void* operator new(size_t n) { return pool_alloc(int32_t(n)); }
  static void operator delete(void* p) { pool_return(p); }
};
