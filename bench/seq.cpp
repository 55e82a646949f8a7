// Appending to the pool-backed sequences against the standard containers:
// Tuple against std::vector<uint32_t>, the byte string against std::string,
// one element or byte at a time from empty, as readers and builders do.
// Each benchmark times both in the same iteration; the counter
// "ratio_vs_std" is our time over the standard container's (below 1: faster).
#include <benchmark/benchmark.h>

#include <time.h>

#include <string>
#include <vector>

#include "bench/bench_size.h"
#include "core/byte_str.h"
#include "core/tuple.h"

namespace {

// Thread CPU time: the machine is shared, so wall time would count others' work.
double cpu_seconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}

template <class Ours, class Ref>
void compare(benchmark::State& state, Ours ours, Ref ref) {
  const long n = state.range(0);
  const long n_reps = n < 100000 ? 100000 / n : 1;  // so the clock's own cost is small
  double ours_s = 0, ref_s = 0;
  for (auto _ : state) {
    double t0 = cpu_seconds();
    for (long r = 0; r < n_reps; ++r) ours(n);
    double t1 = cpu_seconds();
    for (long r = 0; r < n_reps; ++r) ref(n);
    double t2 = cpu_seconds();
    ours_s += t1 - t0;
    ref_s += t2 - t1;
    state.SetIterationTime(t1 - t0);
  }
  state.SetItemsProcessed(state.iterations() * n * n_reps);
  state.counters["ratio_vs_std"] = ref_s > 0 ? ours_s / ref_s : 0;
}

void BM_tuple_append(benchmark::State& state) {
  compare(
      state,
      [](long n) {
        Tuple t;
        for (long i = 0; i < n; ++i) append(t, uint32_t(i));
        benchmark::DoNotOptimize(t.elts_p);
      },
      [](long n) {
        std::vector<uint32_t> v;
        for (long i = 0; i < n; ++i) v.push_back(uint32_t(i));
        benchmark::DoNotOptimize(v.data());
      });
}

void BM_byte_str_append(benchmark::State& state) {
  compare(
      state,
      [](long n) {
        Byte_Str s;
        for (long i = 0; i < n; ++i) put_byte(s, char('a' + i % 26));
        benchmark::DoNotOptimize(s.first_p);
      },
      [](long n) {
        std::string s;
        for (long i = 0; i < n; ++i) s.push_back(char('a' + i % 26));
        benchmark::DoNotOptimize(s.data());
      });
}

// Sizes stay well inside the 5,500,000-byte pool, which must hold the old
// and the new block while a sequence grows.
void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(bench_size(10, 10))->Arg(bench_size(1000, 100))->Arg(bench_size(200000, 1000))->UseManualTime();
}

}  // namespace

BENCHMARK(BM_tuple_append)->Apply(sizes);
BENCHMARK(BM_byte_str_append)->Apply(sizes);
BENCHMARK_MAIN();
