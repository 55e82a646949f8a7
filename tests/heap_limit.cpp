// The heap of a test program that runs code with the heap failing.
#include <cstdlib>
#include <new>

#include "tests/memory_limits.h"

int64_t heap_budget_ = -1;

void* operator new(size_t n) {
  if (heap_budget_ == 0) throw std::bad_alloc();
  if (heap_budget_ > 0) --heap_budget_;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
// Every form that our delete may free must come from here too.
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  try {
    return operator new(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
