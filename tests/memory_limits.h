// Running code with memory nearly exhausted: the pool filled up to a given
// number of free bytes, and the C++ heap refusing requests after a budget.
#pragma once
#include <cstdint>
#include <vector>

#include "core/pool.h"

// Heap requests still granted; a negative budget is no limit. Programs that
// use it link tests/heap_limit.cpp, which replaces operator new.
extern int64_t heap_budget_;

struct Heap_Budget {
  explicit Heap_Budget(int64_t n) { heap_budget_ = n; }
  Heap_Budget(const Heap_Budget&) = delete;
  ~Heap_Budget() { heap_budget_ = -1; }
};

// Takes pool blocks, largest first, until about n_free bytes are left; each
// block is stamped so that intact_q can tell that nothing wrote over it.
struct Pool_Filler {
  std::vector<uint32_t*> blocks;
  explicit Pool_Filler(uint64_t n_free) {
    uint64_t free = pool_free_bytes();
    for (int k = 24; k >= 2; --k)
      while (free >= n_free + (uint64_t(1) << k)) {
        try {
          blocks.push_back(static_cast<uint32_t*>(pool_take(k)));
        } catch (...) {
          break;  // no block of this class left
        }
        blocks.back()[0] = uint32_t(blocks.size());
        free -= uint64_t(1) << k;
      }
  }
  bool intact_q() const {
    for (size_t i = 0; i < blocks.size(); ++i)
      if (blocks[i][0] != i + 1) return false;
    return true;
  }
  Pool_Filler(const Pool_Filler&) = delete;
  ~Pool_Filler() {
    for (uint32_t* p : blocks) pool_return(p);
  }
};
