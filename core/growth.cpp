#include "core/growth.h"

#include <cstring>

#include "core/err.h"
#include "core/pool.h"

int32_t seq_new_capacity(int32_t c, int64_t n, uint32_t elt_bytes) {
  CHECK(0 <= n);
  int64_t cap = n > c ? (n > 2 * int64_t(c) ? n : 2 * int64_t(c)) : n < c / 4 ? n : c;
  if (cap * elt_bytes > int64_t(POOL_BYTES)) raise_static("Out of memory");
  return int32_t(cap);
}

int32_t seq_capacity(const void* block_mp, uint32_t elt_bytes) {
  return block_mp ? int32_t(pool_block_size(block_mp) / elt_bytes) : 0;
}

void* seq_resize_block(void* block_mp, int32_t n_old, int64_t n, uint32_t elt_bytes) {
  int32_t c = seq_capacity(block_mp, elt_bytes);
  int32_t cap = seq_new_capacity(c, n, elt_bytes);
  if (cap == c) return block_mp;
  int k = pool_class_of(int32_t(uint32_t(cap) * elt_bytes));
  // Shrinking never fails: without a smaller block the bigger one stays.
  void* new_p = cap > c ? pool_take(k) : pool_take_spare(k);
  if (!new_p) return block_mp;
  int64_t n_kept = n_old < n ? n_old : n;
  if (n_kept > 0) std::memcpy(new_p, block_mp, size_t(n_kept) * elt_bytes);
  pool_return(block_mp);
  return new_p;
}
