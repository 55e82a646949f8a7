// How every sequence sizes its block: Tuples, byte strings, arrays of
// doubles, and the word arrays of big integers. Growing doubles the capacity,
// so appends cost amortised constant time; shrinking waits until a quarter is
// used, so a length that oscillates does not move the block each time.
#pragma once
#include <cstdint>

// The capacity, in elements of elt_bytes, for n elements in a block of
// capacity c: max(2c, n) when n > c, n when n < c / 4, else c (the block is
// kept). Raises "Out of memory" when that many elements would not fit in the
// pool, before any byte count can wrap; "0 <= n".
int32_t seq_new_capacity(int32_t c, int64_t n, uint32_t elt_bytes);

// Capacity in elements of a pool block of elements of elt_bytes; 0 for no block.
int32_t seq_capacity(const void* block_mp, uint32_t elt_bytes);
// The block that holds n elements after a length change from n_old, by the
// rule above; the kept elements are copied and a replaced block is returned
// to the pool. Shrinking never raises (it may run in destructors): when the
// pool has no smaller block, the block is kept.
void* seq_resize_block(void* block_mp, int32_t n_old, int64_t n, uint32_t elt_bytes);
