#include "core/pool.h"

#include <cstdlib>

#include "core/err.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POISON(p, n) ((void)(p), (void)(n))
#define UNPOISON(p, n) ((void)(p), (void)(n))
#endif

char* pool_base_ = nullptr;

namespace {

constexpr uint32_t PAGE = 1u << BLOCK_SIZE_LOG2;
constexpr uint32_t NIL = 0;  // offset 0 is the page table, never a block

uint32_t* page_table_ = nullptr;  // class per page of the usable region
char* region_p_ = nullptr;        // start of the usable region, page aligned
uint32_t n_pages_ = 0;
uint32_t frees_[INT_N_BITS + 1];  // heads of the free lists, as offsets
uint64_t in_use_ = 0, peak_ = 0;   // bytes handed out, now and at most

void* counted(void* p, int k) {
  in_use_ += uint64_t(1) << k;
  if (in_use_ > peak_) peak_ = in_use_;
  return p;
}

uint32_t page_index(const void* p) { return uint32_t((static_cast<const char*>(p) - region_p_) >> BLOCK_SIZE_LOG2); }

// A free block holds the offset of the next free block of its class in its
// first word; under AddressSanitizer the whole block stays poisoned while free.
void push_free(int k, char* p) {
  UNPOISON(p, 4);
  *reinterpret_cast<uint32_t*>(p) = frees_[k];
  POISON(p, 1u << k);
  frees_[k] = pool_offset(p);
}

char* pop_free(int k) {
  char* p = pool_base_ + frees_[k];
  UNPOISON(p, 1u << k);
  frees_[k] = *reinterpret_cast<uint32_t*>(p);
  return p;
}

int lowest_bit(uint64_t v) {
  int i = 0;
  while (!(v & 1)) { v >>= 1; ++i; }
  return i;
}

void carve_pool() {
  char* pool_start_p = static_cast<char*>(std::malloc(POOL_BYTES));
  CHECK(pool_start_p);
  pool_base_ = pool_start_p;
  uintptr_t start = reinterpret_cast<uintptr_t>(pool_base_);
  uintptr_t end = (start + POOL_BYTES) & ~uintptr_t(PAGE - 1);
  n_pages_ = uint32_t((end - start) / (PAGE + 4));
  region_p_ = reinterpret_cast<char*>(end - uintptr_t(n_pages_) * PAGE);
  page_table_ = reinterpret_cast<uint32_t*>(region_p_) - n_pages_;
  for (auto& f : frees_) f = NIL;
  POISON(region_p_, size_t(n_pages_) * PAGE);
  char* p = region_p_;
  uint64_t remaining = uint64_t(n_pages_) * PAGE;
  while (remaining) {
    int ind = lowest_bit(remaining);
    CHECK(ind >= BLOCK_SIZE_LOG2);
    page_table_[page_index(p)] = uint32_t(ind);
    push_free(ind, p);
    p += uint64_t(1) << ind;
    remaining -= uint64_t(1) << ind;
  }
}

void* take(int k);

void refill(int ind) {
  CHECK(unsigned(ind) <= INT_N_BITS);
  if (ind == INT_N_BITS) raise_static("Out of memory");
  if (ind < BLOCK_SIZE_LOG2) {
    char* page = static_cast<char*>(take(BLOCK_SIZE_LOG2));
    page_table_[page_index(page)] = uint32_t(ind);
    CHECK_AS(frees_[ind] == NIL, "frees_p == NULL");
    // Pushed from the top down so the list runs in ascending address order.
    uint32_t size = 1u << ind;
    for (uint32_t off = PAGE; off > 0; off -= size) push_free(ind, page + off - size);
    return;
  }
  char* lower = static_cast<char*>(take(ind + 1));
  char* upper = lower + (uint64_t(1) << ind);
  page_table_[page_index(lower)] = uint32_t(ind);
  page_table_[page_index(upper)] = uint32_t(ind);
  push_free(ind, upper);
  push_free(ind, lower);
}

void* take(int k) {
  if (!pool_base_) carve_pool();
  if (frees_[k] == NIL) refill(k);
  return pop_free(k);
}

}  // namespace

void* pool_take(int k) {
  raise_deferred();  // any request may raise, so every caller is a safe point
  return counted(take(k), k);
}

void* pool_take_spare(int k) {
  if (!pool_base_) return nullptr;
  // A refill splits a block of a higher class, a page at least.
  bool some_q = frees_[k] != NIL;
  for (int j = k > BLOCK_SIZE_LOG2 ? k : BLOCK_SIZE_LOG2; j < INT_N_BITS && !some_q; ++j) some_q = frees_[j] != NIL;
  return some_q ? counted(take(k), k) : nullptr;
}

void pool_return(void* p) {
  if (!p) return;
  int k = pool_class_at(p);
  in_use_ -= uint64_t(1) << k;
  push_free(k, static_cast<char*>(p));
}

int pool_class_at(const void* p) { return int(page_table_[page_index(p)]); }

uint64_t pool_free_bytes() {
  uint64_t total = 0;
  for (int k = 0; k <= INT_N_BITS; ++k) {
    uint32_t off = frees_[k];
    while (off != NIL) {
      char* p = pool_base_ + off;
      UNPOISON(p, 4);
      off = *reinterpret_cast<uint32_t*>(p);
      POISON(p, 4);
      total += uint64_t(1) << k;
    }
  }
  return total;
}

void pool_check() {
  if (!pool_base_) return;
  char* end_p = region_p_ + uint64_t(n_pages_) * PAGE;
  for (int k = 0; k <= INT_N_BITS; ++k) {
    uint64_t size = uint64_t(1) << k, n_left = uint64_t(n_pages_) * PAGE / size;
    for (uint32_t off = frees_[k]; off != NIL;) {
      char* p = pool_base_ + off;
      CHECK(p >= region_p_ && p + size <= end_p && uint64_t(end_p - p) % size == 0);
      CHECK(pool_class_at(p) == k && n_left-- > 0);
      UNPOISON(p, 4);
      off = *reinterpret_cast<uint32_t*>(p);
      POISON(p, 4);
    }
  }
}

uint64_t pool_usable_bytes() {
  if (!pool_base_) carve_pool();
  return uint64_t(n_pages_) * PAGE;
}

uint64_t pool_in_use_bytes() { return in_use_; }
uint64_t pool_peak_bytes() { return peak_; }
void pool_peak_reset() { peak_ = in_use_; }
