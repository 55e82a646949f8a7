// Compiled numeric functions against the same formulas written in C++:
// ns per value, the ratio to native code, allocations per evaluation (pool
// bytes and malloc calls), ns per interval enclosure, and compilation time.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/bench_size.h"
#include "formula/DblsF.h"
#include "formula/wff.h"

extern "C" void* __libc_malloc(size_t n);

namespace {

// malloc calls while counting is on; operator new goes through malloc too.
bool counting_ = false;
long n_mallocs_ = 0;

}  // namespace

extern "C" void* malloc(size_t n) {
  if (counting_) ++n_mallocs_;
  return __libc_malloc(n);
}

namespace {

constexpr double A = 1.5, B = -2.25, C = 0.75;

struct Bench_Formula {
  const char* text;
  int n_inputs;
  double (*native)(const double* xs);
};

const Bench_Formula FORMULAS[] = {
    {"(+ (* a (^ x 2)) (+ (* b x) c))", 1, [](const double* xs) { return A * xs[0] * xs[0] + B * xs[0] + C; }},
    {"(* (sin x) (exp (/ (* x -1) 5)))", 1, [](const double* xs) { return std::sin(xs[0]) * std::exp(-xs[0] / 5); }},
    {"(/ 1 (+ 1 (^ x 2)))", 1, [](const double* xs) { return 1 / (1 + xs[0] * xs[0]); }},
    {"(sqrt (+ (^ x 2) (^ y 2)))", 2, [](const double* xs) { return std::sqrt(xs[0] * xs[0] + xs[1] * xs[1]); }},
    {"(+ (* 3 (^ x 6)) (+ (* -2 (^ x 5)) (+ (^ x 4) (+ (* 7 (^ x 3)) (+ (* -4 (^ x 2)) (+ (* 5 x) -1))))))", 1,
     [](const double* xs) {
       double x = xs[0];
       return (((((3 * x - 2) * x + 1) * x + 7) * x - 4) * x + 5) * x - 1;
     }},
};

struct Syms {
  Ref x = Ref::adopt(symbol_new("x")), y = Ref::adopt(symbol_new("y"));
  Ref a = Ref::adopt(symbol_new("a")), b = Ref::adopt(symbol_new("b")), c = Ref::adopt(symbol_new("c"));
  Ref all = Ref::adopt(pair_new(x.get(), EMPTY_HDL));
  Syms() {
    for (const Ref* s : {&y, &a, &b, &c}) all = Ref::adopt(pair_new(s->get(), all.get()));
  }
};

Syms& syms() {
  static Syms* s = new Syms;
  return *s;
}

// The parameters a, b and c as constants of n inputs.
Hdl param_rule_apply(const Fn_Rec* f, Hdl sym) {
  int32_t n = int32_t(f->cap[0]);
  if (sym == syms().a.get()) return dblsf_constant(n, A);
  if (sym == syms().b.get()) return dblsf_constant(n, B);
  if (sym == syms().c.get()) return dblsf_constant(n, C);
  return fun1_apply(illegal_symbol_rule(), sym);
}

Ref compile_formula(const Bench_Formula& bf) {
  Ref w = Ref::adopt(prefix_read(bf.text, syms().all.get()));
  Ref vars = Ref::adopt(pair_new(syms().x.get(), EMPTY_HDL));
  if (bf.n_inputs == 2) vars = Ref::adopt(pair_new(syms().x.get(), Ref::adopt(pair_new(syms().y.get(), EMPTY_HDL)).get()));
  Ref rule = Ref::adopt(fn_new(param_rule_apply, 1, 0, bf.n_inputs));
  Symbol_Rules rules = {rule.get(), rule.get(), rule.get()};
  return Ref::adopt(dblsf_compile(vars.get(), w.get(), rules));
}

constexpr int N_POINTS = 1024;

std::vector<double> random_points(int n_inputs) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> u(-3, 3);
  std::vector<double> xs(size_t(N_POINTS * n_inputs));
  for (double& x : xs) x = u(rng);
  return xs;
}

// Thread CPU time: the machine is shared, so wall time would count waiting.
double cpu_ns() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

template <class F>
double ns_per_value(int n_inputs, const std::vector<double>& xs, F eval) {
  constexpr long ROUNDS = 16;
  double start = cpu_ns();
  for (long r = 0; r < ROUNDS; ++r) {
    double sum = 0;
    for (int i = 0; i < N_POINTS; ++i) sum += eval(&xs[size_t(i * n_inputs)]);
    benchmark::DoNotOptimize(sum);
  }
  return (cpu_ns() - start) / double(ROUNDS * N_POINTS);
}

// The value facet in the benchmark loop, with the allocations it makes. The
// ratio to native code comes from short alternating runs of both, taking the
// fastest of each, so that other load on the machine cancels out.
void BM_value(benchmark::State& state) {
  const Bench_Formula& bf = FORMULAS[state.range(0)];
  Ref f = compile_formula(bf);
  std::vector<double> xs = random_points(bf.n_inputs);
  DblsF fh = f.get();
  auto compiled = [fh](const double* p) { return dblsf_value1(fh, p); };
  uint64_t free_before = pool_free_bytes();
  n_mallocs_ = 0;
  counting_ = true;
  long n_rounds = 0;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < N_POINTS; ++i) sum += compiled(&xs[size_t(i * bf.n_inputs)]);
    benchmark::DoNotOptimize(sum);
    ++n_rounds;
  }
  counting_ = false;
  double compiled_ns = 1e300, native_ns = 1e300;
  for (int k = 0; k < bench_size(40, 2); ++k) {
    compiled_ns = std::min(compiled_ns, ns_per_value(bf.n_inputs, xs, compiled));
    native_ns = std::min(native_ns, ns_per_value(bf.n_inputs, xs, bf.native));
  }
  state.SetLabel(bf.text);
  state.SetItemsProcessed(n_rounds * N_POINTS);
  state.counters["compiled_ns"] = compiled_ns;
  state.counters["native_ns"] = native_ns;
  state.counters["ratio"] = compiled_ns / native_ns;
  state.counters["mallocs"] = double(n_mallocs_);
  state.counters["pool_bytes"] = double(int64_t(free_before) - int64_t(pool_free_bytes()));
}

void BM_enclose(benchmark::State& state) {
  const Bench_Formula& bf = FORMULAS[state.range(0)];
  Ref f = compile_formula(bf);
  std::vector<double> xs = random_points(bf.n_inputs);
  std::vector<Interval> boxes(xs.size());
  for (size_t i = 0; i < xs.size(); ++i) boxes[i] = {xs[i], xs[i] + 0.01 * double(i % 7)};
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < N_POINTS; ++i) sum += dblsf_enclose1(f.get(), &boxes[size_t(i * bf.n_inputs)]).hi;
    benchmark::DoNotOptimize(sum);
  }
  state.SetLabel(bf.text);
  state.SetItemsProcessed(state.iterations() * N_POINTS);
}

void BM_compile(benchmark::State& state) {
  const Bench_Formula& bf = FORMULAS[state.range(0)];
  compile_formula(bf);  // attaches the built-in implementations outside the timing
  for (auto _ : state) benchmark::DoNotOptimize(compile_formula(bf).get());
  state.SetLabel(bf.text);
}

void formulas(benchmark::internal::Benchmark* b) {
  for (int i = 0; i < int(std::size(FORMULAS)); ++i) b->Arg(i);
}

}  // namespace

BENCHMARK(BM_value)->Apply(formulas);
BENCHMARK(BM_enclose)->Apply(formulas);
BENCHMARK(BM_compile)->Apply(formulas);
BENCHMARK_MAIN();
