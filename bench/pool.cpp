// The pool against malloc/free for the small blocks formula building takes:
// bursts of 4- to 32-byte records, freed in a different order than taken.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "bench/bench_size.h"
#include "core/cpp2.h"

namespace {

constexpr int SIZES[] = {4, 8, 12, 16, 24, 32, 16, 8};

template <class Take, class Give>
void churn(benchmark::State& state, Take take, Give give) {
  const long n = state.range(0);
  std::vector<void*> live(size_t(n), nullptr);
  for (auto _ : state) {
    for (long i = 0; i < n; ++i) live[size_t(i)] = take(SIZES[i & 7]);
    // Free every other block first, then the rest, as trees release out of order.
    for (long i = 0; i < n; i += 2) give(live[size_t(i)]);
    for (long i = 1; i < n; i += 2) give(live[size_t(i)]);
    benchmark::DoNotOptimize(live.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_pool(benchmark::State& state) {
  churn(state, [](int s) { return pool_alloc(s); }, [](void* p) { pool_return(p); });
}

void BM_malloc(benchmark::State& state) {
  churn(state, [](int s) { return std::malloc(size_t(s)); }, [](void* p) { std::free(p); });
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(bench_size(1000, 8))->Arg(bench_size(100000, 16)); }

}  // namespace

BENCHMARK(BM_pool)->Apply(sizes);
BENCHMARK(BM_malloc)->Apply(sizes);
BENCHMARK_MAIN();
