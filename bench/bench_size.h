// Benchmark sizes: the full ranges on demand, tiny ones when CTest only checks
// that the benchmarks still run (VEZA_BENCH_TINY=1).
#pragma once
#include <cstdlib>

inline bool bench_tiny() {
  const char* v = std::getenv("VEZA_BENCH_TINY");
  return v && *v && *v != '0';
}

inline long bench_size(long full, long tiny) { return bench_tiny() ? tiny : full; }
