// The drawing surface against Qt doing the same work directly: text widths
// from our width tables against QFontMetricsF measuring the same strings, and
// Bézier segments drawn through the canvas into a 1000x1000 image against the
// same path handed to QPainter. Ends with the ratios.
#include <benchmark/benchmark.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_size.h"
#include "core/code_point.h"
#include "draw/Canvas_os.h"
#include "draw/font.h"
#include "draw/qt/qt_device.h"
#include "draw/qt/qt_targets.h"

namespace {

struct Mixed_String {
  std::string internal;
  QString unicode;
};

// Latin letters and digits with Greek letters and mathematical signs mixed in.
std::vector<Mixed_String> mixed_strings(long n) {
  const std::u32string pool = U"abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 +-=()\u03B1\u03B2\u03B3\u03C0\u03A3\u2264\u2265\u2260";
  std::mt19937 rng(7);
  std::vector<Mixed_String> out;
  for (long i = 0; i < n; ++i) {
    Mixed_String m;
    int len = 5 + int(rng() % 26);
    for (int k = 0; k < len; ++k) {
      char32_t cp = pool[rng() % pool.size()];
      char buf[CODE_POINT_MAX_BYTES];
      m.internal.append(buf, size_t(put_code_point(buf, uint32_t(cp)) - buf));
      m.unicode += QChar(char16_t(cp));
    }
    out.push_back(std::move(m));
  }
  return out;
}

long n_strings() { return bench_size(1000, 10); }
long n_segments() { return bench_size(10000, 10); }

Styl bench_style() { return make_style(make_font(font_family_resolve("Times", SERIF_KIND), 12), ROMAN_CODING); }

void BM_text_width_tables(benchmark::State& st) {
  std::vector<Mixed_String> strings = mixed_strings(n_strings());
  Styl s = bench_style();
  for (auto _ : st)
    for (const Mixed_String& m : strings) benchmark::DoNotOptimize(text_width(m.internal.data(), int32_t(m.internal.size()), 0, s));
  st.SetItemsProcessed(st.iterations() * long(strings.size()));
}

void BM_text_width_qt(benchmark::State& st) {
  std::vector<Mixed_String> strings = mixed_strings(n_strings());
  QFont f(QString::fromStdString(bench_style().fonts[0]->family.name));
  f.setPixelSize(16);
  QFontMetricsF fm(f);
  for (auto _ : st)
    for (const Mixed_String& m : strings) benchmark::DoNotOptimize(fm.horizontalAdvance(m.unicode));
  st.SetItemsProcessed(st.iterations() * long(strings.size()));
}

// 3n + 1 points of a wandering curve inside the image, in canvas units at 96 dpi.
std::vector<Point> bezier_points(long n_segs) {
  std::mt19937 rng(11);
  auto coord = [&] { return int32_t(rng() % 1000) * 192 + 96; };
  std::vector<Point> pts;
  for (long i = 0; i < 3 * n_segs + 1; ++i) pts.push_back({coord(), -coord()});
  return pts;
}

void BM_bezier_canvas(benchmark::State& st) {
  std::vector<Point> pts = bezier_points(n_segments());
  QImage img(1000, 1000, QImage::Format_RGB32);
  for (auto _ : st) {
    img.fill(Qt::white);
    qt_draw_on(img, 96, [&](Canvas& c) { canvas_bezier_path(c, pts); });
  }
  st.SetItemsProcessed(st.iterations() * n_segments());
}

void BM_bezier_qpainter(benchmark::State& st) {
  std::vector<Point> pts = bezier_points(n_segments());
  QImage img(1000, 1000, QImage::Format_RGB32);
  for (auto _ : st) {
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5);
    p.setPen(QPen(Qt::black, 1));
    auto dev = [](Point q) { return QPointF(q.x / 192, (-q.y - 1) / 192); };
    QPainterPath path(dev(pts[0]));
    for (size_t i = 1; i + 2 < pts.size(); i += 3) path.cubicTo(dev(pts[i]), dev(pts[i + 1]), dev(pts[i + 2]));
    p.drawPath(path);
  }
  st.SetItemsProcessed(st.iterations() * n_segments());
}

// CPU time per run by name, for the ratios at the end.
class Ratio_Reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) ns_[r.benchmark_name()] = r.GetAdjustedCPUTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    ratio("text width, tables / QFontMetricsF", "BM_text_width_tables", "BM_text_width_qt");
    ratio("Bezier segments, canvas / QPainter", "BM_bezier_canvas", "BM_bezier_qpainter");
  }

 private:
  void ratio(const char* what, const char* ours, const char* ref) {
    if (ns_.count(ours) && ns_.count(ref))
      std::printf("%-40s %12.0f ns %12.0f ns  ratio %.3f\n", what, ns_[ours], ns_[ref], ns_[ours] / ns_[ref]);
  }
  std::map<std::string, double> ns_;
};

}  // namespace

BENCHMARK(BM_text_width_tables);
BENCHMARK(BM_text_width_qt);
BENCHMARK(BM_bezier_canvas);
BENCHMARK(BM_bezier_qpainter);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
