#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "graphs/grid_lines.h"

namespace {

// The values at the grid lines of [lo, hi].
std::vector<double> line_values(double lo, double hi) {
  Axis_Grid g = axis_grid(lo, hi, false);
  std::vector<double> out;
  for (double f : g.fracs) out.push_back(lo + (hi - lo) * f);
  return out;
}

// Ranges that are no range get one span over the whole axis.
TEST(GraphGrid, BadRangesAndPositions) {
  for (auto [lo, hi] : {std::pair{1.0, 1.0}, {2.0, 1.0}, {NAN, 1.0}, {0.0, INFINITY}}) {
    Grid_Span g = grid_span(lo, hi);
    EXPECT_EQ(g.f0, 0);
    EXPECT_EQ(g.f1, 1);
    EXPECT_EQ(g.n, 1);
  }
  EXPECT_EQ(grid_pos(0.5, 38400), 19200);
  EXPECT_EQ(grid_pos(0.1, 10), 1);  // 0.999999... lifted by the tolerance
}

// The reference: the power of ten that makes the width 1.04 to 10.4 units,
// the step by the stated thresholds, every multiple of it inside the range.
TEST(GraphGrid, AgainstBruteForce) {
  std::mt19937_64 rng(20);
  std::uniform_real_distribution<double> u(-1, 1), e(-6, 6);
  int32_t n_checked = 0;
  for (int32_t i = 0; i < 20000; ++i) {
    double scale = std::pow(10, e(rng)), lo = u(rng) * scale * std::pow(10, u(rng) * 2),
           hi = lo + std::fabs(u(rng)) * scale;
    if (!(lo < hi) || (hi - lo) < 1e-7 * std::max(std::fabs(lo), std::fabs(hi))) continue;
    double w = hi - lo, p = std::pow(10, std::floor(std::log10(w / 1.04)));
    double d = w / p;
    bool near_q = false;
    for (double t : {1.04, 2.1, 2.6, 5.2, 10.4}) near_q = near_q || std::fabs(d - t) < 1e-6;
    if (near_q) continue;
    double step = p * (d > 5.2 ? 1 : d > 2.6 ? 0.5 : d > 2.1 ? 0.25 : 0.2);
    std::vector<double> want;
    for (double k = std::ceil(lo / step - 1e-6); k * step <= hi + 1e-6 * step; ++k) want.push_back(k * step);
    std::vector<double> got = line_values(lo, hi);
    ASSERT_EQ(got.size(), want.size()) << lo << " " << hi;
    ASSERT_GE(want.size(), 5u);
    ASSERT_LE(want.size(), 12u);
    for (size_t k = 0; k < got.size(); ++k) ASSERT_NEAR(got[k], want[k], 1e-6 * step) << lo << " " << hi;
    // The zero line's index; the y axis lists the lines from the top down.
    int32_t zero_i = int32_t(std::find(want.begin(), want.end(), 0.0) - want.begin()), n = int32_t(want.size());
    zero_i = zero_i == n ? -1 : zero_i;
    Axis_Grid y = axis_grid(lo, hi, true);
    ASSERT_EQ(axis_grid(lo, hi, false).zero_i, zero_i) << lo << " " << hi;
    ASSERT_EQ(y.zero_i, zero_i < 0 ? -1 : n - 1 - zero_i) << lo << " " << hi;
    ASSERT_NEAR(lo + (hi - lo) * y.fracs[0], want.back(), 1e-6 * step) << lo << " " << hi;
    ++n_checked;
  }
  EXPECT_GT(n_checked, 15000);
}

}  // namespace
