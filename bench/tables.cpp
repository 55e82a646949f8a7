// A data table of 1,000 rows of 5 columns (x, t, y, ~y, Notes): pasting its
// rows as a spreadsheet's text (the shell's query and perform, the layout,
// and the redraw of one screen into an offscreen image), and one keystroke
// in a cell in its middle (typing a digit and deleting it, each laying out
// only its row and column again), against laying the whole table out.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <string>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "draw/qt/qt_targets.h"
#include "editor/edit_con.h"
#include "tables/math_tables.h"

namespace {

constexpr int32_t UNITS_PER_PX = 192;  // at 96 dpi
constexpr int32_t SCREEN_W = 1200, SCREEN_H = 800;

long n_rows() { return bench_size(1000, 20); }

Small_Table* empty_table() {
  return data_table_new({Byte_Str("x"), Byte_Str("t"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")}, 0, 1);
}

Byte_Str sheet_text(long n) {
  std::string text;
  for (long i = 0; i < n; ++i)
    text += std::to_string(i) + ".25\t" + std::to_string(i % 60) + "\t-" + std::to_string(3 * i) + ".5\t\ttrial " +
            std::to_string(i) + "\r\n";
  return Byte_Str(text.c_str());
}

// One screen from the top of the table into an image.
void redraw_screen(const Edit_Con& w) {
  QImage img = qt_draw_image(SCREEN_W, SCREEN_H, 96, [&](Canvas& c) {
    const Small_Table& t = *static_cast<const Small_Table*>(w.content_p);
    Rect b = table_bounds(t);
    Point o = {-b.x0, -b.y1};
    table_draw(t, c, o, {0, SCREEN_W * UNITS_PER_PX, -SCREEN_H * UNITS_PER_PX, 0});
  });
  benchmark::DoNotOptimize(img.constBits());
}

void BM_paste_ours(benchmark::State& st) {
  Byte_Str text = sheet_text(n_rows());
  for (auto _ : st) {
    st.PauseTiming();
    Edit_Con* w = new Edit_Con(TABLE_OPS, empty_table());
    st.ResumeTiming();
    if (!con_type(*w, text)) st.SkipWithError("paste refused");
    redraw_screen(*w);
    st.PauseTiming();
    delete w;
    st.ResumeTiming();
  }
}

Edit_Con* full_table() {
  Edit_Con* w = new Edit_Con(TABLE_OPS, empty_table());
  con_type(*w, sheet_text(n_rows()));
  return w;
}

void BM_edit_ours(benchmark::State& st) {
  Edit_Con* w = full_table();
  Small_Table& t = *static_cast<Small_Table*>(w->content_p);
  w->sel = table_cell_sel(t, int32_t(n_rows() / 2), 2);
  Arrow_Cmd end(Arrow_Cmd::RIGHT, CTRL_MOD);
  con_perform(*w, end, false);
  for (auto _ : st) {
    con_type(*w, Byte_Str("7"));
    con_delete(*w, true);
  }
  delete w;
}

void whole_layout(benchmark::State& st) {
  Edit_Con* w = full_table();
  for (auto _ : st) table_layout(*static_cast<Small_Table*>(w->content_p));
  delete w;
}

void BM_paste_layout(benchmark::State& st) { whole_layout(st); }
void BM_edit_layout(benchmark::State& st) { whole_layout(st); }

}  // namespace

BENCHMARK(BM_paste_ours)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_layout)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_edit_ours)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_edit_layout)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter("layout", "rows");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
