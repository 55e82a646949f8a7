// One keystroke in a 50-line constraint block (typing a character, then
// Backspace: perform, the relayout it causes and the redraw of the area it
// reports into an offscreen image), at the end of the block and in its
// middle, against drawing the whole block from scratch twice.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <string>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "core/code_point.h"
#include "draw/font.h"
#include "draw/qt/qt_targets.h"
#include "editor/Expr.h"
#include "editor/edit_con.h"

namespace {

bool open_q(uint32_t cp) { return cp == '('; }
bool close_q(uint32_t cp) { return cp == ')'; }
uint32_t partner(uint32_t) { return ')'; }
const Styl& style(const char*, int32_t, int32_t depth) {
  static const Styl* styles[2];
  int32_t i = depth > 0;
  if (!styles[i]) styles[i] = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), i ? 9 : 12), ROMAN_CODING));
  return *styles[i];
}
const void* format_info(const Format& f, int32_t) { return &f; }
const Expr_Env ENV = {std_op_lookup, open_q, close_q, partner, nullptr, style, format_info, 0, false};
const Expr_Kind KIND = {EXPR_OPS, &ENV, 1};

constexpr int32_t UNITS_PER_PX = 192;  // at 96 dpi

// Draws the area of the content (content coordinates) into an image of its size.
void redraw(const Edit_Con& w, const Rect& area) {
  int32_t width = (area.x1 - area.x0) / UNITS_PER_PX + 2, height = (area.y1 - area.y0) / UNITS_PER_PX + 2;
  QImage img = qt_draw_image(width, height, 96, [&](Canvas& c) {
    Point o = {-area.x0, -area.y1};
    const Expr& e = *static_cast<const Expr*>(w.content_p);
    Point origin = {o.x - expr_align_x(e), o.y};
    expr_draw(e, c, origin, rect_shift(area, o));
  });
  benchmark::DoNotOptimize(img.constBits());
}

struct Block {
  Rect redraw_area = EMPTY_RECT;
  Con_Window_Ops ops = {[](Edit_Con& w, const Rect& r) {
                          Block& b = *static_cast<Block*>(w.window_mp);
                          b.redraw_area = rect_union(b.redraw_area, rect_shift(r, {-w.origin.x, -w.origin.y}));
                        },
                        [](Edit_Con&) {}, [](Edit_Con&, const Rect&) {}};
  Edit_Con con{KIND.kind, expr_new(ENV)};

  explicit Block(long n_lines) {
    con.window_ops_mp = &ops;
    con.window_mp = this;
    for (long i = 0; i < n_lines; ++i) {
      std::string n = std::to_string(i);
      type(std::string(i ? "\r" : "") + "x" + n + "^2+3*y" + n + "-(z" + n + "+1)/2=12.5");
    }
  }
  void type(const std::string& text) {
    for (char ch : text) perform(std::string(1, ch));
  }
  void perform(const std::string& text) {
    Text_Partial_Cmd c{Byte_Str(text.c_str())};
    con_query(con, c);
    c.n_consumed = 0;
    redraw_area = EMPTY_RECT;
    con_perform(con, c, false);
    if (nonempty_q(redraw_area)) redraw(con, redraw_area);
  }
  // The caret at the end of line i (from 0), inside its last string.
  void caret_at_line_end(long i, long n_lines) {
    const Expr* e = static_cast<const Expr*>(con.content_p);
    Sel s = sel_of(0, 0);
    Sel* p = &s;
    for (long k = n_lines - 1; k > i; --k) {
      *p = sel_in(0, sel_of(0, 0));
      e = &expr_part(*e, 0);
      p = p->e_sel_mp.get();
    }
    int32_t pos = i == 0 ? 0 : 2;
    *p = sel_in(pos, edge_sel(expr_part(*e, pos), true));
    con.sel = std::move(s);
  }
};

long n_lines() { return bench_size(50, 3); }

void keystroke(benchmark::State& st, bool middle_q) {
  Block b(n_lines());
  if (middle_q) b.caret_at_line_end(n_lines() / 2, n_lines());
  for (auto _ : st) {
    b.perform("7");
    Arrow_Cmd left(Arrow_Cmd::LEFT, SHIFT_MOD);
    con_perform(b.con, left, false);
    b.perform("");
  }
}

void full_redraw(benchmark::State& st) {
  Block b(n_lines());
  Rect all = b.con.kind_p->bounds(*b.con.kind_p, b.con.content_p);
  for (auto _ : st)
    for (int i = 0; i < 2; ++i) redraw(b.con, all);
}

void BM_keyend_ours(benchmark::State& st) { keystroke(st, false); }
void BM_keyend_full(benchmark::State& st) { full_redraw(st); }
void BM_keymid_ours(benchmark::State& st) { keystroke(st, true); }
void BM_keymid_full(benchmark::State& st) { full_redraw(st); }

}  // namespace

BENCHMARK(BM_keyend_ours)->Arg(50);
BENCHMARK(BM_keyend_full)->Arg(50);
BENCHMARK(BM_keymid_ours)->Arg(50);
BENCHMARK(BM_keymid_full)->Arg(50);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qt_install_screen();
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter("full", "lines");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
