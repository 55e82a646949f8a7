// Measuring text as the editor does on every keystroke: text_width of one
// mixed Latin/Greek line, a million times, against a plain sum over one width
// table of the same bytes. Each call's memory is counted (goal: none): heap
// requests through operator new, and pool requests by measuring with the pool
// full, where any request would fail.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <string>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "draw/font.h"
#include "draw/rec_device.h"
#include "draw/screen.h"
#include "tests/core/internal_text.h"
#include "tests/memory_limits.h"

namespace {

long n_heap_requests_ = 0;

const std::string& line() {
  static const std::string text = [] {
    std::string out;
    for (char32_t cp : U"y = \u03B1\u00B7x\u00B2 + \u03B2\u00B7sin(\u03C9t + \u03C6) \u2264 \u03A3 c\u03C0") out += internal(cp);
    out.pop_back();  // the string literal's terminating zero
    return out;
  }();
  return text;
}

const Styl& style() {
  static Rec_Device* screen_mp = nullptr;
  static Styl* s_mp = nullptr;
  if (!s_mp) {
    screen_mp = new Rec_Device(rec_device_new(96, 1024, 768));
    screen_device_install(rec_device(*screen_mp));
    s_mp = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 12), ROMAN_CODING));
  }
  return *s_mp;
}

long n_calls() { return bench_size(1000000, 1000); }

void BM_width_ours(benchmark::State& st) {
  const Styl& s = style();
  const std::string& text = line();
  text_width(text.data(), int32_t(text.size()), 0, s);  // the width tables are made on first use
  long n_pool_requests = 0, heap_before;
  {
    Pool_Filler full(0);
    heap_before = n_heap_requests_;
    for (auto _ : st) {
      try {
        benchmark::DoNotOptimize(text_width(text.data(), int32_t(text.size()), 0, s));
      } catch (const Err&) {
        ++n_pool_requests;
      }
    }
  }
  long n_heap = n_heap_requests_ - heap_before;
  st.counters["heap_per_call"] = double(n_heap) / double(st.iterations());
  st.counters["pool_per_call"] = double(n_pool_requests) / double(st.iterations());
}

void BM_width_table(benchmark::State& st) {
  const Width_Table& widths = font_widths(*style().fonts[ROMAN_CODING], 0);
  const std::string& text = line();
  for (auto _ : st) {
    int32_t w = 0;
    for (char b : text) w += widths[uint8_t(b)];
    benchmark::DoNotOptimize(w);
  }
}

}  // namespace

[[gnu::noinline]] void* operator new(size_t n) {
  ++n_heap_requests_;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, size_t) noexcept { std::free(p); }

BENCHMARK(BM_width_ours)->Arg(1)->Iterations(n_calls());
BENCHMARK(BM_width_table)->Arg(1)->Iterations(n_calls());

int main(int argc, char** argv) { return run_with_ratios(argc, argv, "table", "text"); }
