// A slider drag over a model-sized Graphs section: three independent
// variables (three panels), two dependent variables with two explicit
// curves each, a hundred data rows. One refresh binds the parameter's new
// value into the statements, sorts them into formula sets, compiles and
// samples every curve in every panel, and draws the section into an
// offscreen image. The reference recompiles the same formulas and evaluates
// each at 400 points per panel. Also timed alone: the sorting, the sampling
// and the drawing, to show where the time goes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "draw/qt/qt_targets.h"
#include "tests/graphs/graph_test_util.h"

namespace {

constexpr int32_t PX = 192, N_PLAIN_POINTS = 400;
const char* const STATEMENTS[] = {"(= y (+ (* a x) (* t (sin x))))", "(= y (+ (* a (^ x 2)) (* -1 w)))",
                                  "(= z (+ (* a (exp (* 0.1 x))) t))", "(= z (* (+ w 2) (cos (* a x))))"};

struct Drag {
  Graph_Holder g;
  Ref a = Ref::adopt(symbol_new("a"));
  std::vector<Ref> statements;
  QImage image;
  double value = 0.5;

  explicit Drag(bool large_q) : g((large_graphs_ = large_q, spec())) {
    large_graphs_ = false;
    std::vector<Ref> all = syms_of((*g).indep_sym_vs), deps = syms_of((*g).dep_sym_vs);
    all.insert(all.end(), deps.begin(), deps.end());
    all.push_back(a);
    Ref names = sym_list(all);
    for (const char* s : STATEMENTS) statements.push_back(Ref::adopt(prefix_read(s, names.get())));
    Rect b = GRAPH_SECTION_OPS.bounds(GRAPH_SECTION_OPS, &*g);
    image = QImage((b.x1 - b.x0) / PX + 1, (b.y1 - b.y0) / PX + 1, QImage::Format_RGB32);
  }
  static Graph_Spec spec() {
    Graph_Spec s;
    s.indeps = {{"x", -10, 10, 0x000000}, {"t", 0, 3, 0x996600}, {"w", -1, 1, 0x336699}};
    s.deps = {{"y", -10, 10, 0xFF0000}, {"z", -5, 20, 0x0000FF}};
    for (int i = 0; i < 100; ++i) s.rows.push_back({-10 + 0.2 * i, 0.03 * i, -1 + 0.02 * i, 0.1 * i - 5, 0.2 * i - 5});
    return s;
  }
  // The statements with the parameter at its next value, as formula sets.
  void next_sets() {
    value = value > 1.5 ? 0.5 : value + 0.01;
    Ref list;
    for (size_t i = statements.size(); i-- > 0;) {
      Ref w = bind_values(statements[i].get(), {a}, {value});
      list = Ref::adopt(pair_new(w.get(), list.get()));
    }
    (*g).sets = formula_sets_of(list.get(), EMPTY_HDL, syms_of((*g).dep_sym_vs));
  }
  void draw() {
    Rect b = GRAPH_SECTION_OPS.bounds(GRAPH_SECTION_OPS, &*g);
    qt_draw_on(image, 18432 / PX, [&](Canvas& c) {
      GRAPH_SECTION_OPS.draw(GRAPH_SECTION_OPS, &*g, c, {-b.x0, -b.y1});
    });
  }
};

Drag& drag(bool large_q) {
  static Drag* d[2] = {nullptr, nullptr};
  if (!d[large_q]) d[large_q] = new Drag(large_q);
  return *d[large_q];
}
bool large_q(const benchmark::State& st) { return st.range(0) == 400; }

void BM_refresh_ours(benchmark::State& st) {
  Drag& d = drag(large_q(st));
  for (auto _ : st) {
    d.next_sets();
    refresh_graphs(*d.g, true);
    d.draw();
  }
}

// Every explicit formula of every panel bound, compiled and evaluated at 400 points.
void BM_refresh_plain(benchmark::State& st) {
  Drag& d = drag(large_q(st));
  Graph_Set& fws = *d.g;
  std::vector<double> trace = trace_values(fws);
  double sum = 0;
  for (auto _ : st) {
    d.next_sets();
    for (int32_t j = 0; j < n_indep(fws); ++j) {
      const Var_Range& xv = fws.indep_sym_vs[size_t(j)];
      Ref vars = sym_list({xv.sym});
      for (const std::vector<Ref>& fs : fws.sets.f_wff1vs_s)
        for (const Ref& w : fs) {
          Ref bound = bind_trace(fws, w.get(), trace, {j});
          Ref f = Ref::adopt(dblsf_compile(vars.get(), bound.get(), fws.rules));
          for (int i = 0; i < N_PLAIN_POINTS; ++i) {
            double x = xv.low + width_of(xv) * i / (N_PLAIN_POINTS - 1);
            sum += dblsf_value1(f.get(), &x);
          }
        }
    }
  }
  benchmark::DoNotOptimize(sum);
}

void BM_parts_sets(benchmark::State& st) {
  Drag& d = drag(large_q(st));
  for (auto _ : st) d.next_sets();
}
void BM_parts_sampling(benchmark::State& st) {
  Drag& d = drag(large_q(st));
  for (auto _ : st) refresh_graphs(*d.g, true);
}
void BM_parts_drawing(benchmark::State& st) {
  Drag& d = drag(large_q(st));
  refresh_graphs(*d.g, true);
  for (auto _ : st) d.draw();
}

}  // namespace

BENCHMARK(BM_refresh_ours)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_refresh_plain)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_parts_sets)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_parts_sampling)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_parts_drawing)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  return run_with_ratios(argc, argv, "plain", "panel px");
}
