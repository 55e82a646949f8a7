// Solve on textbook systems and on growing systems of n equations of degree 2
// in n unknowns. The reference is the cheapest solve there is, y = x: the
// ratio "x_ref" shows what the elimination costs over converting and writing.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "algebra/solve.h"
#include "bench/bench_size.h"
#include "formula/wff.h"

namespace {

// The symbols, made once: parameters first, then the unknowns, as a model orders them.
struct Bench_Syms {
  std::vector<Ref> all;
  Ref list;
  Bench_Syms() {
    const char* names[] = {"a", "b", "c", "m", "r", "g", "v0", "t", "s", "v", "x", "y", "z",
                           "x1", "x2", "x3", "x4", "x5", "x6"};
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

// Times the solve and reports its ratio to the reference as "x_ref".
void run_solve(benchmark::State& state, const std::string& equations, const std::vector<std::string>& vars) {
  Ref eqs = Ref::adopt(prefix_read(equations.c_str(), syms().list.get()));
  Ref var_list = syms().vars(vars);
  double reference = reference_seconds();
  try {
    auto t0 = Clock::now();
    for (auto _ : state) solve_once(eqs.get(), var_list.get());
    double per_solve = std::chrono::duration<double>(Clock::now() - t0).count() / double(state.iterations());
    state.counters["x_ref"] = per_solve / reference;
  } catch (const Err& e) {
    state.SkipWithError(e.message());
  }
}

void BM_line(benchmark::State& state) { run_solve(state, "(= y (+ (* m x) b))", {"b", "m", "x", "y"}); }
void BM_parabola(benchmark::State& state) {
  run_solve(state, "(= y (+ (* a (^ x 2)) (+ (* b x) c)))", {"a", "b", "c", "x", "y"});
}
void BM_circle_with_line(benchmark::State& state) {
  run_solve(state, "(\r (= (+ (^ x 2) (^ y 2)) (^ r 2)) (= y (+ (* m x) b)))", {"b", "m", "r", "x", "y"});
}
void BM_two_dependent_variables(benchmark::State& state) {
  run_solve(state, "(\r (= (+ x y) a) (= (- x y) b))", {"a", "b", "x", "y"});
}
void BM_kinematics(benchmark::State& state) {
  run_solve(state, "(\r (= s (+ (* v0 t) (* (/ 1 2) (* g (^ t 2))))) (= v (+ v0 (* g t))))",
            {"g", "v0", "t", "s", "v"});
}
void BM_three_unknowns(benchmark::State& state) {
  run_solve(state, "(\r (= (+ x (+ y z)) 6) (\r (= (- (* 2 x) y) z) (= (+ x (* 3 z)) (+ y 7))))", {"x", "y", "z"});
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

BENCHMARK(BM_line)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_parabola)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_circle_with_line)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_two_dependent_variables)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_kinematics)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_three_unknowns)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_degree2_system)->DenseRange(2, bench_size(6, 3))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_dense_degree2_system)->DenseRange(2, bench_size(DENSE_MAX_N, 3))->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
