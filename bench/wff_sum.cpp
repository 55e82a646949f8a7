// Building canonical sums: n random terms c·x^i·y^j (small coefficients, like
// terms meeting) added one at a time, and the derivative of the sum by x.
// GiNaC builds the same sums in the same run; the ratios are printed last.
#include <benchmark/benchmark.h>

#include <ginac/ginac.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_size.h"
#include "formula/wff.h"

namespace {

constexpr int MAX_EXPONENT = 15;

struct Term_Spec {
  int c, i, j;
};

std::vector<Term_Spec> term_specs(long n) {
  std::mt19937 rng{unsigned(n)};
  std::vector<Term_Spec> specs;
  for (long k = 0; k < n; ++k) {
    int c = int(rng() % 7) - 3;
    specs.push_back({c == 0 ? 1 : c, int(rng() % (MAX_EXPONENT + 1)), int(rng() % (MAX_EXPONENT + 1))});
  }
  return specs;
}

struct Wff_Syms {
  Ref x = Ref::adopt(symbol_new("x"));
  Ref y = Ref::adopt(symbol_new("y"));
};

Wff_Syms& wff_syms() {
  static Wff_Syms* s = new Wff_Syms;
  return *s;
}

std::vector<Ref> wff_terms(long n) {
  std::vector<Ref> terms;
  for (const Term_Spec& t : term_specs(n)) {
    Ref xi = Ref::adopt(power(wff_syms().x.get(), imm_make(t.i)));
    Ref yj = Ref::adopt(power(wff_syms().y.get(), imm_make(t.j)));
    Ref m = Ref::adopt(times(xi.get(), yj.get()));
    terms.push_back(Ref::adopt(times(imm_make(t.c), m.get())));
  }
  return terms;
}

Ref wff_sum(const std::vector<Ref>& terms) {
  Ref sum = Ref::adopt(imm_make(0));
  for (const Ref& t : terms) sum = Ref::adopt(plus(sum.get(), t.get()));
  return sum;
}

const GiNaC::symbol& ginac_x() {
  static GiNaC::symbol x("x");
  return x;
}
const GiNaC::symbol& ginac_y() {
  static GiNaC::symbol y("y");
  return y;
}

std::vector<GiNaC::ex> ginac_terms(long n) {
  std::vector<GiNaC::ex> terms;
  for (const Term_Spec& t : term_specs(n)) terms.push_back(t.c * pow(ginac_x(), t.i) * pow(ginac_y(), t.j));
  return terms;
}

GiNaC::ex ginac_sum(const std::vector<GiNaC::ex>& terms) {
  GiNaC::ex sum = 0;
  for (const GiNaC::ex& t : terms) sum += t;
  return sum;
}

void BM_wff_sum(benchmark::State& state) {
  std::vector<Ref> terms = wff_terms(state.range(0));
  for (auto _ : state) {
    Ref sum = wff_sum(terms);
    benchmark::DoNotOptimize(sum.get());
  }
}

void BM_ginac_sum(benchmark::State& state) {
  std::vector<GiNaC::ex> terms = ginac_terms(state.range(0));
  for (auto _ : state) {
    GiNaC::ex sum = ginac_sum(terms);
    benchmark::DoNotOptimize(sum);
  }
}

void BM_wff_derivative(benchmark::State& state) {
  Ref sum = wff_sum(wff_terms(state.range(0)));
  Ref rule = Ref::adopt(deriv_var_rule(wff_syms().x.get()));
  for (auto _ : state) {
    Ref d = Ref::adopt(derivative(sum.get(), rule.get()));
    benchmark::DoNotOptimize(d.get());
  }
}

void BM_ginac_derivative(benchmark::State& state) {
  GiNaC::ex sum = ginac_sum(ginac_terms(state.range(0)));
  for (auto _ : state) {
    GiNaC::ex d = sum.diff(ginac_x());
    benchmark::DoNotOptimize(d);
  }
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(bench_size(10, 3))->Arg(bench_size(100, 5))->Arg(bench_size(1000, 8))->Unit(benchmark::kMicrosecond);
}

// Collects the times of every run so that ours can be set against GiNaC's.
struct Ratio_Reporter : benchmark::ConsoleReporter {
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void print_ratios() {
    std::printf("\nours / GiNaC (CPU time ratio; below 1 means faster)\n");
    for (const auto& [name, t] : times) {
      if (name.rfind("BM_wff_", 0) != 0) continue;
      auto other = times.find("BM_ginac_" + name.substr(7));
      if (other != times.end()) std::printf("  %-28s %8.3f\n", name.substr(7).c_str(), t / other->second);
    }
  }
};

}  // namespace

BENCHMARK(BM_wff_sum)->Apply(sizes);
BENCHMARK(BM_ginac_sum)->Apply(sizes);
BENCHMARK(BM_wff_derivative)->Apply(sizes);
BENCHMARK(BM_ginac_derivative)->Apply(sizes);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratios();
  benchmark::Shutdown();
  return 0;
}
