// Curve sampling against the usual way of drawing a curve, a uniform
// sampler evaluating f at 4 points per pixel and joining them with lines:
// time per curve on 200- and 400-pixel panels for every function of the test
// family, then per curve the evaluations (ours: every value, enclosure and
// smoothness call of f and its derivatives) and the wrongly lit pixels
// (lit, with the true curve farther than a pixel) and missed pixels (on the
// true curve, with nothing drawn within a pixel) of both. Relations: the
// quadtree sampler against evaluating f at every pixel corner.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "tests/graphs/curve_oracle.h"
#include "tests/graphs/relation_oracle.h"

namespace {

std::string bench_name(const char* name) {
  std::string s;
  for (const char* p = name; *p; ++p) s += isalnum(uint8_t(*p)) ? *p : '_';
  return s;
}

// ---- The uniform sampler ----

std::vector<std::vector<Canvas_Pt>> uniform_curve(DblsF f, const Panel_Map& m) {
  std::vector<std::vector<Canvas_Pt>> lines(1);
  int n = 4 * m.n_px;
  for (int i = 0; i <= n; ++i) {
    double x = m.xs.lo + (m.xs.hi - m.xs.lo) * i / n, y = dblsf_value1(f, &x);
    if (!std::isfinite(y)) {
      if (!lines.back().empty()) lines.emplace_back();
      continue;
    }
    lines.back().push_back({m.canvas_x(x), std::clamp(m.canvas_y(y), -2 * m.height(), 3 * m.height())});
  }
  return lines;
}

// ---- Lit pixels ----

struct Pixels {
  int n_px;
  std::vector<uint8_t> lit;
  explicit Pixels(int n) : n_px(n), lit(size_t(n * n)) {}
  void light(Canvas_Pt p) {
    int i = int(std::floor(p.x / PX)), j = int(std::floor(p.y / PX));
    if (i >= 0 && i < n_px && j >= 0 && j < n_px) lit[size_t(j * n_px + i)] = 1;
  }
  void light_line(const std::vector<Canvas_Pt>& line) {
    if (line.size() == 1) light(line[0]);
    for (size_t k = 0; k + 1 < line.size(); ++k) {
      Canvas_Pt a = line[k], b = line[k + 1];
      int n = 1 + int(std::hypot(b.x - a.x, b.y - a.y) / (PX / 8.0));
      for (int s = 0; s <= n; ++s) light({a.x + (b.x - a.x) * s / n, a.y + (b.y - a.y) * s / n});
    }
  }
  bool near_q(int i, int j) const {
    for (int dj = -1; dj <= 1; ++dj)
      for (int di = -1; di <= 1; ++di) {
        int a = i + di, b = j + dj;
        if (a >= 0 && a < n_px && b >= 0 && b < n_px && lit[size_t(b * n_px + a)]) return true;
      }
    return false;
  }
  int count() const { return int(std::count(lit.begin(), lit.end(), 1)); }
};

// Pixels of `drawn` with no pixel of `other` in their 3 × 3 block.
int n_apart(const Pixels& drawn, const Pixels& other) {
  int n = 0;
  for (int j = 0; j < drawn.n_px; ++j)
    for (int i = 0; i < drawn.n_px; ++i) n += drawn.lit[size_t(j * drawn.n_px + i)] && !other.near_q(i, j);
  return n;
}

struct Quality {
  long n_evals;
  int n_wrong, n_missed, n_unresolved;
};

Quality ours_quality(const Curve_Case& c, const Panel_Map& m, const Pixels& truth) {
  Facet_Counts counts;
  Ref f = Ref::adopt(dblsf_counted(compile_x(c.text).get(), &counts));
  Graph_Picture pic = panel_picture(m.n_px);
  sample_curve_on_panel(pic, CURVE_COLOUR, m.xs, m.ys, PX, curve_fns_of(f.get()));
  Pixels curve(m.n_px), all(m.n_px), light(m.n_px);
  for (const auto& s : pic.strands) {
    std::vector<Canvas_Pt> line = drawn_polyline(*s);
    all.light_line(line);
    (s->colour == CURVE_COLOUR ? curve : light).light_line(line);
  }
  return {long(counts.total()), n_apart(curve, truth), n_apart(truth, all), light.count()};
}

Quality uniform_quality(const Curve_Case& c, const Panel_Map& m, const Pixels& truth) {
  Pixels drawn(m.n_px);
  for (const auto& line : uniform_curve(compile_x(c.text).get(), m)) drawn.light_line(line);
  return {4L * m.n_px + 1, n_apart(drawn, truth), n_apart(truth, drawn), 0};
}

void print_curve_quality() {
  std::printf("\n%-14s %5s %9s %9s %7s %7s %7s %7s %7s\n", "curve", "px", "evals", "uniform", "wrong", "uniform",
              "missed", "uniform", "unres.");
  for (int n_px : {200, 400}) {
    const Panel_Map m = {TEN, TEN, n_px};
    for (const Curve_Case& c : curve_family()) {
      Pixels truth(n_px);
      for (const auto& line : true_curve(c, m)) truth.light_line(line);
      Quality o = ours_quality(c, m, truth), u = uniform_quality(c, m, truth);
      std::printf("%-14s %5d %9ld %9ld %7d %7d %7d %7d %7d%s\n", c.name, n_px, o.n_evals, u.n_evals, o.n_wrong, u.n_wrong,
                  o.n_missed, u.n_missed, o.n_unresolved, c.smooth_q ? "  smooth" : "");
    }
  }
}

void print_relation_quality() {
  std::printf("\n%-20s %12s %12s %12s\n", "relation", "far boundary", "outside cell", "missed zero");
  for (const Relation_Case& c : relation_family()) {
    Relation_Fns rf = relation_of(c.text);
    Relation_Result r = check_relation(relation_picture(rf, 400), c, rf, 400);
    std::printf("%-20s %12d %12d %12d\n", c.name, r.n_far_boundary, r.n_outside_cells, r.n_missed);
  }
}

// ---- Timed runs ----

void register_curves() {
  for (const Curve_Case& c : curve_family()) {
    const Curve_Case* cp = &c;
    std::string name = "BM_" + bench_name(c.name);
    benchmark::RegisterBenchmark((name + "_ours").c_str(), [cp](benchmark::State& state) {
      int n_px = int(state.range(0));
      Ref f = compile_x(cp->text);
      Curve_Fns fns = curve_fns_of(f.get());
      for (auto _ : state) {
        Graph_Picture pic = panel_picture(n_px);
        sample_curve_on_panel(pic, CURVE_COLOUR, TEN, TEN, PX, fns);
        benchmark::DoNotOptimize(pic.strands.size());
      }
    })->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond)->MinTime(bench_tiny() ? 0.0001 : 0.05);
    benchmark::RegisterBenchmark((name + "_uniform").c_str(), [cp](benchmark::State& state) {
      const Panel_Map m = {TEN, TEN, int32_t(state.range(0))};
      Ref f = compile_x(cp->text);
      for (auto _ : state) benchmark::DoNotOptimize(uniform_curve(f.get(), m).size());
    })->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond)->MinTime(bench_tiny() ? 0.0001 : 0.05);
  }
}

// The usual way for relations, the uniform one: f at every pixel corner, with the sign
// changes along the pixel edges marked.
long grid_sign_changes(DblsF f, int n_px) {
  long n_changes = 0;
  std::vector<double> row(size_t(n_px + 1)), below(size_t(n_px + 1));
  for (int j = 0; j <= n_px; ++j) {
    for (int i = 0; i <= n_px; ++i) {
      double xs[2] = {THREE.lo + 6.0 * i / n_px, THREE.lo + 6.0 * j / n_px};
      row[size_t(i)] = dblsf_value1(f, xs);
      n_changes += i > 0 && (row[size_t(i)] > 0) != (row[size_t(i - 1)] > 0);
      n_changes += j > 0 && (row[size_t(i)] > 0) != (below[size_t(i)] > 0);
    }
    std::swap(row, below);
  }
  return n_changes;
}

void register_relations() {
  for (int k : {0, 4}) {  // the circle and the elliptic curve y² = x³ - x
    const Relation_Case* cp = &relation_family()[size_t(k)];
    std::string name = k == 0 ? "BM_circle" : "BM_elliptic";
    benchmark::RegisterBenchmark((name + "_ours").c_str(), [cp](benchmark::State& state) {
      Relation_Fns rf = relation_of(cp->text);
      for (auto _ : state) benchmark::DoNotOptimize(relation_picture(rf, int32_t(state.range(0))).fills.size());
    })->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->MinTime(bench_tiny() ? 0.0001 : 0.1);
    benchmark::RegisterBenchmark((name + "_uniform").c_str(), [cp](benchmark::State& state) {
      Relation_Fns rf = relation_of(cp->text);
      for (auto _ : state) benchmark::DoNotOptimize(grid_sign_changes(rf.fns[REL_F].get(), int(state.range(0))));
    })->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->MinTime(bench_tiny() ? 0.0001 : 0.1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  register_curves();
  register_relations();
  run_with_ratios(argc, argv, "uniform", "panel px");
  if (!bench_tiny()) {
    print_curve_quality();
    print_relation_quality();
  }
  return 0;
}
