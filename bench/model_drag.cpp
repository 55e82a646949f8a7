// A slider drag in a graphed model document: three independent and two
// dependent variables, equations already solved, a hundred Table rows,
// panels of 200 pixels. One step end to end is the mouse command through
// the controller (the slider, the value text, the refresh of the dots, the
// computed columns and the curves) and the redraw of the Graphs section
// into an offscreen image; the redraw of all the area the step reports is
// timed too. The stages are also timed alone to show their
// shares, and Graph itself; counters give the pool bytes the model holds.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/bench_size.h"
#include "core/pool.h"
#include "draw/qt/qt_targets.h"
#include "graphs/graph_section.h"
#include "model/model_graph.h"
#include "tests/model/model_test_util.h"

namespace {

constexpr int32_t UNITS_PER_PX = 192;  // at 96 dpi

// Rows of x t w y z: the data the curves are drawn through.
std::string table_rows() {
  std::string rows;
  for (int32_t i = 0; i < bench_size(100, 5); ++i) {
    char row[96];
    std::snprintf(row, sizeof row, "%s%.2f %.2f %.2f %.2f %.2f", i ? ";" : "", -10 + 0.2 * i, 0.03 * i, -1 + 0.02 * i,
                  0.1 * i - 5, 0.2 * i - 5);
    rows += row;
  }
  return rows;
}

struct Drag {
  uint64_t free_before = pool_free_bytes();
  Test_Doc d;
  int64_t step = 0;
  Rect redraw_area = EMPTY_RECT;
  Con_Window_Ops ops = {[](Edit_Con& w, const Rect& r) {
                          Drag& g = *static_cast<Drag*>(w.window_mp);
                          g.redraw_area = rect_union(g.redraw_area, rect_shift(r, {-w.origin.x, -w.origin.y}));
                        },
                        [](Edit_Con&) {}, [](Edit_Con&, const Rect&) {}};

  Drag() {
    d.con.window_ops_mp = &ops;
    d.con.window_mp = this;
    set_vars(d.m(), "x t w | y z");
    set_constraints(d.m(), "y=a*x+b*sin(t)+c*w\nz=a*x^2/10+b*t-c*w");
    set_rows(d, table_rows());
    graph();
    click_param(d, 0, 1);
    mouse(MOUSE_PRESS, 0);
  }
  Math_Model& m() { return d.m(); }
  void graph() {
    m().flags |= CHANGED_FLAGS;
    d.run(GRAPH_CMD);
  }
  // The mouse over row 0's slider; gives the area the controller reports.
  Rect mouse(int32_t phase, int32_t dx) {
    Point s = slider_origin(0);
    Mouse_Cmd c({m().pts[PARAMS_MMDLI].x + s.x + dx, m().pts[PARAMS_MMDLI].y + s.y - 300}, 0, phase);
    redraw_area = EMPTY_RECT;
    con_perform(d.con, c, false);
    return redraw_area;
  }
  Rect mouse_step() { return mouse(MOUSE_DRAG, SLIDER_DEFAULT_W / 4 + int32_t(++step % 50) * (SLIDER_DEFAULT_W / 100)); }
  void redraw(const Rect& area) {
    int32_t width = (area.x1 - area.x0) / UNITS_PER_PX + 2, height = (area.y1 - area.y0) / UNITS_PER_PX + 2;
    QImage img = qt_draw_image(width, height, 96, [&](Canvas& c) {
      MODEL_KIND.kind.draw(MODEL_KIND.kind, &m(), c, {-area.x0, -area.y1});
    });
    benchmark::DoNotOptimize(img.constBits());
  }
};

Drag& drag() {
  static Drag* d_mp = nullptr;
  if (!d_mp) d_mp = new Drag();
  return *d_mp;
}

void BM_drag_step(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) {
    g.mouse_step();
    g.redraw(section_area(g.m(), GRAPHS_MMDLI));
  }
  st.counters["pool_bytes"] = double(g.free_before - pool_free_bytes());
  st.counters["panel_px"] = double(g.m().graphs_p->s / g.m().graphs_p->k);
}

void BM_drag_step_reported(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) g.redraw(g.mouse_step());
}

// The stages alone: the controller's perform (slider, value text, refresh)...
void BM_perform(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) benchmark::DoNotOptimize(g.mouse_step());
}

// ...of which the dots from the Table's rows, the computed columns with the
// curves, and the curves alone...
void BM_refresh_points(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) {
    Cmd_Args args(g.d.con.sel, *std::make_unique<Cmd>(0));
    refresh_points(g.m(), args);
  }
}
void BM_refresh(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) {
    Cmd_Args args(g.d.con.sel, *std::make_unique<Cmd>(0));
    refresh_model(g.m(), args);
  }
}
void BM_curves(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) refresh_graphs(*g.m().graphs_p, true);
}

// ...and the redraw of the Graphs section.
void BM_redraw_graphs(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) g.redraw(section_area(g.m(), GRAPHS_MMDLI));
}

// Graph from scratch: the silent Solve, the new graph set, its first refresh.
void BM_graph(benchmark::State& st) {
  Drag& g = drag();
  for (auto _ : st) g.graph();
}

}  // namespace

BENCHMARK(BM_drag_step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_drag_step_reported)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_perform)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_refresh_points)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_refresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_curves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_redraw_graphs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_graph)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
