// One step of a slider drag in a model document: the mouse command through
// the controller (the slider, the value text, the update hook), then the
// redraw of the area it reports into an offscreen image; against redrawing
// the whole document. Counters give the pool bytes the model holds.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/bench_size.h"
#include "core/pool.h"
#include "draw/qt/qt_targets.h"
#include "editor/edit_con.h"
#include "model/model_analyze.h"
#include "model/model_env.h"
#include "model/model_kind.h"
#include "model/params_section.h"

namespace {

constexpr int32_t UNITS_PER_PX = 192;  // at 96 dpi

struct Doc {
  Rect redraw_area = EMPTY_RECT;
  Con_Window_Ops ops = {[](Edit_Con& w, const Rect& r) {
                          Doc& d = *static_cast<Doc*>(w.window_mp);
                          d.redraw_area = rect_union(d.redraw_area, rect_shift(r, {-w.origin.x, -w.origin.y}));
                        },
                        [](Edit_Con&) {}, [](Edit_Con&, const Rect&) {}};
  uint64_t free_before = pool_free_bytes();
  Edit_Con con{MODEL_KIND.kind, model_doc_new()};
  int64_t step = 0;

  Doc() {
    con.window_ops_mp = &ops;
    con.window_mp = this;
    Math_Model& m = *static_cast<Math_Model*>(con.content_p);
    m.constraints = expr_typed("y=a*x^2+b*x+c");
    m.flags |= CHANGED_FLAGS;
    Cmd solve(SOLVE_CMD);
    con_perform(con, solve, false);
    mouse(MOUSE_PRESS, 0);
  }
  Math_Model& m() { return *static_cast<Math_Model*>(con.content_p); }
  void mouse(int32_t phase, int32_t dx) {
    Point s = slider_origin(0);
    Mouse_Cmd c({m().pts[PARAMS_MMDLI].x + s.x + dx, m().pts[PARAMS_MMDLI].y + s.y - 300}, 0, phase);
    redraw_area = EMPTY_RECT;
    con_perform(con, c, false);
  }
  void drag_step() { mouse(MOUSE_DRAG, int32_t(++step % 100) * (SLIDER_DEFAULT_W / 100)); }
  void redraw(const Rect& area) {
    int32_t width = (area.x1 - area.x0) / UNITS_PER_PX + 2, height = (area.y1 - area.y0) / UNITS_PER_PX + 2;
    QImage img = qt_draw_image(width, height, 96, [&](Canvas& c) {
      Point o = {-area.x0, -area.y1};
      MODEL_KIND.kind.draw(MODEL_KIND.kind, con.content_p, c, o);
    });
    benchmark::DoNotOptimize(img.constBits());
  }
};

void BM_drag_perform(benchmark::State& st) {
  Doc d;
  for (auto _ : st) d.drag_step();
  st.counters["pool_bytes"] = double(d.free_before - pool_free_bytes());
}

void BM_drag_step(benchmark::State& st) {
  Doc d;
  for (auto _ : st) {
    d.drag_step();
    if (nonempty_q(d.redraw_area)) d.redraw(d.redraw_area);
  }
}

void BM_whole_redraw(benchmark::State& st) {
  Doc d;
  Rect all = MODEL_KIND.kind.bounds(MODEL_KIND.kind, d.con.content_p);
  for (auto _ : st) d.redraw(all);
}

}  // namespace

BENCHMARK(BM_drag_perform);
BENCHMARK(BM_drag_step);
BENCHMARK(BM_whole_redraw);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
