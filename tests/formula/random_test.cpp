// Property tests over random formulas: simplification, the reorder switch and
// derivatives never change values; the formula order is a total order.
#include <algorithm>
#include <vector>

#include "tests/formula/random_formulas.h"

namespace {

constexpr double REL_TOL = 1e-8;

// A value worth comparing: finite and not so large that rounding dominates.
bool usable_q(double v) { return std::isfinite(v) && std::fabs(v) < 1e8; }

}  // namespace

// Simplified as read, and as written with the reorder switch off.
TEST(RandomFormulas, SimplifiedOrWrittenFormulasKeepTheirValues) {
  std::mt19937_64 rng(1);
  int n_compared = 0;
  for (int i = 0; i < test_iterations(3000); ++i) {
    std::string text = random_formula(rng, DIRECT, 4);
    Ref ordered = rd(text.c_str());
    Ref written;
    {
      Reorder_Off off;
      written = rd(text.c_str());
    }
    Point at = random_point(rng);
    double want = direct_value(text, at);
    if (!usable_q(want)) continue;
    for (const Ref* w : {&ordered, &written}) {
      double got = formula_value(w->get(), at);
      ASSERT_TRUE(close_q(got, want, REL_TOL)) << text << "\n=> " << text_of(*w) << "\nat x=" << at.x << " y=" << at.y
                                               << " a=" << at.a << ": " << got << " vs " << want;
    }
    ++n_compared;
  }
  EXPECT_GT(n_compared, test_iterations(1500));
}

TEST(RandomFormulas, DerivativesAgreeWithCentralDifferences) {
  std::mt19937_64 rng(3);
  Ref rule = Ref::adopt(deriv_var_rule(syms().x.get()));
  int n_compared = 0;
  for (int i = 0; i < test_iterations(2000); ++i) {
    std::string text = random_formula(rng, DIRECT, 3);
    Ref w = rd(text.c_str());
    Ref d = Ref::adopt(derivative(w.get(), rule.get()));
    Point at = random_point(rng);
    double got = formula_value(d.get(), at);
    // Two step sizes that agree mark a smooth neighbourhood; kinks and poles
    // within a step are skipped.
    auto central = [&](double h) {
      Point lo = at, hi = at;
      lo.x -= h;
      hi.x += h;
      return (direct_value(text, hi) - direct_value(text, lo)) / (2 * h);
    };
    double fd1 = central(1e-4), fd2 = central(1e-5);
    if (!usable_q(fd1) || !usable_q(fd2) || !close_q(fd1, fd2, 1e-6) || !usable_q(direct_value(text, at))) continue;
    ASSERT_TRUE(close_q(got, fd2, 1e-5)) << text << "\nd/dx => " << text_of(d) << ": " << got << " vs " << fd2;
    ++n_compared;
  }
  EXPECT_GT(n_compared, test_iterations(1000));
}

TEST(RandomFormulas, CompareIsATotalOrder) {
  std::mt19937_64 rng(4);
  std::vector<Ref> ws;
  for (int i = 0; i < test_iterations(150); ++i) ws.push_back(rd(random_formula(rng, DIRECT, 3).c_str()));
  ws.push_back(rd("x"));
  ws.push_back(rd("(^ x 2)"));
  for (const Ref& a : ws) {
    EXPECT_EQ(compare(a.get(), a.get()), 0);
    for (const Ref& b : ws) {
      int ab = compare(a.get(), b.get());
      ASSERT_EQ(ab, -compare(b.get(), a.get())) << text_of(a) << " vs " << text_of(b);
      // Equal in the order means structurally equal.
      ASSERT_EQ(ab == 0, text_of(a) == text_of(b)) << text_of(a) << " vs " << text_of(b);
    }
  }
  // Transitivity: a sorted sequence is ordered pairwise, not only neighbour by neighbour.
  std::vector<Hdl> hs;
  for (const Ref& r : ws) hs.push_back(r.get());
  std::sort(hs.begin(), hs.end(), [](Hdl a, Hdl b) { return compare(a, b) < 0; });
  for (size_t i = 0; i < hs.size(); ++i)
    for (size_t j = i + 1; j < hs.size(); ++j)
      ASSERT_LE(compare(hs[i], hs[j]), 0) << prefix_text(hs[i]) << " vs " << prefix_text(hs[j]);
}
