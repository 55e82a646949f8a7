// The pool against malloc/free for the small blocks formula building takes:
// bursts of 4- to 32-byte records, freed in a different order than taken.
// Both run in the same benchmark, alternating, and the ratio pool/malloc is
// printed as a counter (below 1: the pool is faster).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "bench/bench_size.h"
#include "core/cpp2.h"

namespace {

constexpr int SIZES[] = {4, 8, 12, 16, 24, 32, 16, 8};

// Takes n blocks, then frees every other one and the rest, as trees release
// out of order; gives the seconds it took.
template <class Take, class Give>
double churn(std::vector<void*>& live, Take take, Give give) {
  auto start = std::chrono::steady_clock::now();
  const size_t n = live.size();
  for (size_t i = 0; i < n; ++i) live[i] = take(SIZES[i & 7]);
  for (size_t i = 0; i < n; i += 2) give(live[i]);
  for (size_t i = 1; i < n; i += 2) give(live[i]);
  benchmark::DoNotOptimize(live.data());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_pool_vs_malloc(benchmark::State& state) {
  std::vector<void*> live(size_t(state.range(0)), nullptr);
  double pool_s = 0, malloc_s = 0;
  for (auto _ : state) {
    pool_s += churn(live, [](int s) { return pool_alloc(s); }, [](void* p) { pool_return(p); });
    malloc_s += churn(live, [](int s) { return std::malloc(size_t(s)); }, [](void* p) { std::free(p); });
  }
  double n_ops = double(state.iterations()) * double(live.size());
  state.counters["pool_ns"] = 1e9 * pool_s / n_ops;
  state.counters["malloc_ns"] = 1e9 * malloc_s / n_ops;
  state.counters["ratio"] = pool_s / malloc_s;
}

}  // namespace

BENCHMARK(BM_pool_vs_malloc)->Arg(bench_size(1000, 8))->Arg(bench_size(100000, 16));
BENCHMARK_MAIN();
