// Solve on textbook systems, on growing systems of n equations of degree 2 in
// n unknowns, on the Katsura systems and on mechanisms with four parameters.
// The reference is the cheapest solve there is, y = x: the ratio "x_ref"
// shows what the elimination costs over converting and writing. "pool_KB" is
// the most of the pool a solve had in use at once, beyond what it started with.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "algebra/solve.h"
#include "bench/bench_size.h"
#include "formula/wff.h"
#include "tests/solve/standard_systems.h"

namespace {

// The symbols, made once: parameters first, then the unknowns, as a model orders them.
struct Bench_Syms {
  std::vector<Ref> all;
  Ref list;
  Bench_Syms() {
    const char* names[] = {"a", "b", "c", "d", "m", "r", "s", "g", "v0", "t", "v",
                           "x", "y", "z", "x1", "x2", "x3", "x4", "x5", "x6", "x7"};
    int32_t i = 0;
    for (const char* n : names) {
      all.push_back(Ref::adopt(symbol_new(n)));
      Ref index = Ref::adopt(imm_make(i++));
      prop_set(all.back().get(), VAR_INDEX, index.get());
      list = Ref::adopt(pair_new(all.back().get(), list.get()));
    }
  }
  Ref vars(const std::vector<std::string>& names) const {
    Ref l;
    for (size_t i = names.size(); i-- > 0;)
      for (const Ref& s : all)
        if (names[i] == symbol_name(s.get())) l = Ref::adopt(pair_new(s.get(), l.get()));
    return l;
  }
};

const Bench_Syms& syms() {
  static Bench_Syms* s = new Bench_Syms;
  return *s;
}

typedef std::chrono::steady_clock Clock;

void solve_once(Hdl eqs, Hdl var_list) {
  Ref coef = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL));
  Ref r = Ref::adopt(solve_equations(eqs, coef.get(), var_list, false));
  benchmark::DoNotOptimize(r.get());
}

// Seconds per solve of y = x, measured once per program.
double reference_seconds() {
  static double seconds = [] {
    Ref eqs = Ref::adopt(prefix_read("(= y x)", syms().list.get()));
    Ref vars = syms().vars({"x", "y"});
    const int n = 2000;
    auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) solve_once(eqs.get(), vars.get());
    return std::chrono::duration<double>(Clock::now() - t0).count() / n;
  }();
  return seconds;
}

// Times the solve and reports its ratio to the reference as "x_ref", and the
// pool's high-water mark of one solve.
void run_solve(benchmark::State& state, const std::string& equations, const std::vector<std::string>& vars) {
  Ref eqs = Ref::adopt(prefix_read(equations.c_str(), syms().list.get()));
  Ref var_list = syms().vars(vars);
  double reference = reference_seconds();
  uint64_t base = pool_in_use_bytes();
  pool_peak_reset();
  auto t0 = Clock::now();
  try {
    for (auto _ : state) solve_once(eqs.get(), var_list.get());
    double per_solve = std::chrono::duration<double>(Clock::now() - t0).count() / double(state.iterations());
    state.counters["x_ref"] = per_solve / reference;
    state.counters["pool_KB"] = double(pool_peak_bytes() - base) / 1024;
  } catch (const Err& e) {
    double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    state.SkipWithError((std::string(e.message()) + " after " + std::to_string(seconds) + " s").c_str());
  }
}

struct Bench_System {
  Standard_System system;
  bool heavy;  // left out of the tiny run
};

const std::vector<Bench_System>& systems() {
  static const std::vector<Bench_System> all = {
      {{"line", "(= y (+ (* m x) b))", {"b", "m", "x", "y"}}, false},
      {{"parabola", "(= y (+ (* a (^ x 2)) (+ (* b x) c)))", {"a", "b", "c", "x", "y"}}, false},
      {{"circle_with_line", "(\r (= (+ (^ x 2) (^ y 2)) (^ r 2)) (= y (+ (* m x) b)))", {"b", "m", "r", "x", "y"}},
       false},
      {{"two_dependent_variables", "(\r (= (+ x y) a) (= (- x y) b))", {"a", "b", "x", "y"}}, false},
      {{"kinematics", "(\r (= s (+ (* v0 t) (* (/ 1 2) (* g (^ t 2))))) (= v (+ v0 (* g t))))",
        {"g", "v0", "t", "s", "v"}},
       false},
      {{"three_unknowns", "(\r (= (+ x (+ y z)) 6) (\r (= (- (* 2 x) y) z) (= (+ x (* 3 z)) (+ y 7))))",
        {"x", "y", "z"}},
       false},
      {{"two_circles",
        "(\r (= (+ (^ (- x a) 2) (^ (- y b) 2)) (^ r 2)) (= (+ (^ (- x c) 2) (^ (- y d) 2)) (^ s 2)))",
        {"a", "b", "c", "d", "r", "s", "x", "y"}},
       false},
      {{"quartic_chain", "(\r (= y (+ (* a (^ x 2)) b)) (= (+ (^ z 2) (* x z)) (+ (^ y 2) c)))",
        {"a", "b", "c", "x", "y", "z"}},
       false},
      {katsura(2), false},
      {katsura(3), true},
      {katsura(4), true},
      {katsura(5), true},
      {four_bar(), false},
      {coupler_point(), true},
      {two_link_arm(), true},
  };
  return all;
}

// x_i^2 + x_{i+1} = i + 1 for i = 1..n, cyclically: n equations of degree 2
// whose solutions number 2^n.
void BM_degree2_system(benchmark::State& state) {
  int n = int(state.range(0));
  std::string eqs;
  std::vector<std::string> vars;
  for (int i = 1; i <= n; ++i) {
    std::string xi = "x" + std::to_string(i), next = "x" + std::to_string(i % n + 1);
    std::string eq = "(= (+ (^ " + xi + " 2) " + next + ") " + std::to_string(i + 1) + ")";
    eqs = i == 1 ? eq : "(\r " + eq + " " + eqs + ")";
    vars.push_back(xi);
  }
  run_solve(state, eqs, vars);
}

// x_i^2 + x_1 + ... + x_n = i for i = 1..n: every equation holds every
// unknown, so the elimination meets all 2^n solutions at once.
constexpr int DENSE_MAX_N = 6;

void BM_dense_degree2_system(benchmark::State& state) {
  int n = int(state.range(0));
  std::string sum = "x1", eqs;
  std::vector<std::string> vars{"x1"};
  for (int i = 2; i <= n; ++i) {
    vars.push_back("x" + std::to_string(i));
    sum = "(+ " + vars.back() + " " + sum + ")";
  }
  for (int i = 1; i <= n; ++i) {
    std::string eq = "(= (+ (^ x" + std::to_string(i) + " 2) " + sum + ") " + std::to_string(i) + ")";
    eqs = i == 1 ? eq : "(\r " + eq + " " + eqs + ")";
  }
  run_solve(state, eqs, vars);
}

}  // namespace

BENCHMARK(BM_degree2_system)->DenseRange(2, bench_size(6, 3))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_dense_degree2_system)->DenseRange(2, bench_size(DENSE_MAX_N, 3))->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  for (const Bench_System& b : systems()) {
    if (b.heavy && bench_tiny()) continue;
    const Standard_System& s = b.system;
    benchmark::RegisterBenchmark(("BM_" + s.name).c_str(), [s](benchmark::State& st) { run_solve(st, s.equations, s.vars); })
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
