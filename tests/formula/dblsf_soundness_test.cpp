// Randomized checks against sampling: enclosures contain every computed value
// in their box, smoothness claims hold up, partials match finite differences.
#include <algorithm>
#include <numbers>
#include <sstream>

#include "tests/formula/dblsf_test_util.h"
#include "tests/formula/random_formulas.h"

namespace {

constexpr int N_FORMULAS = 1500;
constexpr int N_BOXES = 3;
constexpr int N_POINTS = 40;

const Grammar ANY = {
    {"exp", "ln", "sin", "cos", "tan", "acos", "asin", "atan", "abs", "abs'", "sqrt", "log10", "sec"},
    {"+", "-", "*", "/", "^", "log"}, {"x", "y", "a", "0", "1", "2", "-3", "0.5", "2.5", "-1.25", "_π"},
};

// As ANY, in x alone.
const Grammar ANY_X = {ANY.unary, ANY.binary, {"x", "x", "a", "0", "1", "2", "-3", "0.5", "2.5", "-1.25", "_π"}};

// Smooth everywhere and of moderate size on [-2, 2]^2.
const Grammar SMOOTH_ONLY = {
    {"sin", "cos", "atan", "exp"}, {"+", "-", "*"}, {"x", "y", "a", "1", "2", "-3", "0.5"},
};

// Boxes of every scale, often starting or ending on a pole or a domain edge.
Interval random_side(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  constexpr double SPECIAL[] = {0, 0, 1, -1, std::numbers::pi / 2, -std::numbers::pi / 2, 3};
  double width = std::pow(10.0, -14 + 17 * unit(rng));
  if (rng() % 16 == 0) width = 1e12;
  double lo = rng() % 3 == 0 ? SPECIAL[rng() % 7] - (rng() % 2) * width : -8 + 16 * unit(rng);
  return {lo, lo + width};
}

// The box's corners first, then random interior points.
void sample_point(std::mt19937_64& rng, const Interval* box, int k, double* xs) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 2; ++i) {
    double t = k < 4 ? double((k >> i) & 1) : unit(rng);
    xs[i] = std::min(box[i].hi, box[i].lo + t * (box[i].hi - box[i].lo));
  }
}

std::string describe(const std::string& text, const Interval* box) {
  std::ostringstream s;
  s.precision(17);
  s << text << " over x [" << box[0].lo << ", " << box[0].hi << "], y [" << box[1].lo << ", " << box[1].hi << "]";
  return s.str();
}

struct Sampled {
  int n_defined = 0;
  bool all_finite = true;
};

// Checks that every computed value at sample points lies in the enclosure.
Sampled check_enclosure(std::mt19937_64& rng, DblsF f, const Interval* box, const std::string& what) {
  Interval e = dblsf_enclose1(f, box);
  EXPECT_FALSE(std::isnan(e.lo) || std::isnan(e.hi)) << what;
  Sampled s;
  for (int k = 0; k < N_POINTS; ++k) {
    double xs[2];
    sample_point(rng, box, k, xs);
    double v = dblsf_value1(f, xs);
    s.all_finite = s.all_finite && std::isfinite(v);
    if (std::isnan(v)) continue;
    ++s.n_defined;
    EXPECT_TRUE(e.lo <= v && v <= e.hi) << what << ": value " << v << " at (" << xs[0] << ", " << xs[1]
                                          << ") outside [" << e.lo << ", " << e.hi << "]";
  }
  if (empty_q(e)) {
    EXPECT_EQ(s.n_defined, 0) << what << ": empty enclosure, defined values";
  }
  return s;
}

// Formulas whose numbers fold to NaN (asin 2.5) cannot be compiled: those
// give an empty Ref, and with their derivative it is the same.
template <class F>
Ref unless_overflow(F make) {
  try {
    return make();
  } catch (const Misc_Static_Err& e) {
    if (std::string(e.message()) != "Numeric overflow") throw;
    return Ref();
  }
}

Ref compile_xy(const std::string& text) {
  return unless_overflow([&] { return compile_text(text.c_str(), {syms().x.get(), syms().y.get()}); });
}
Ref compile_1(const std::string& text) {
  return unless_overflow([&] { return compile_x(text.c_str()); });
}
Ref derive_of(const Ref& f, int32_t j) {
  return unless_overflow([&] { return Ref::adopt(dblsf_derive(f.get(), j)); });
}

}  // namespace

TEST(Soundness, EnclosuresOfRandomFormulasAndTheirPartials) {
  std::mt19937_64 rng(20261206);
  int n_empty = 0, n_nonsmooth = 0;
  for (int n = 0; n < N_FORMULAS; ++n) {
    std::string text = random_formula(rng, ANY, 4);
    Ref f = compile_xy(text);
    if (!dblsf_q(f.get())) continue;
    Ref dx = derive_of(f, 0);
    for (int b = 0; b < N_BOXES; ++b) {
      Interval box[2] = {random_side(rng), random_side(rng)};
      std::string what = describe(text, box);
      Sampled s = check_enclosure(rng, f.get(), box, what);
      if (dblsf_q(dx.get())) check_enclosure(rng, dx.get(), box, "d/dx of " + what);
      n_empty += empty_q(dblsf_enclose1(f.get(), box));
      // A function that is not declared jumping and has a finite enclosure is
      // defined and finite throughout.
      Interval e = dblsf_enclose1(f.get(), box);
      int32_t order = dblsf_smoothness(f.get(), box);
      n_nonsmooth += order < 0;
      if (order >= 0 && std::isfinite(e.lo) && std::isfinite(e.hi)) {
        EXPECT_TRUE(s.all_finite) << what << " claims smoothness " << order;
      }
    }
  }
  // The suite must reach the interesting cases, not only easy ones.
  EXPECT_GT(n_empty, N_FORMULAS / 50);
  EXPECT_GT(n_nonsmooth, N_FORMULAS / 10);
}

// Where f is smooth with a finite derivative enclosure [m, M], neighbouring
// samples differ by at most max(|m|, |M|) times their distance: no jump hides
// between them.
TEST(Soundness, SmoothClaimsHoldAlongSampledLines) {
  std::mt19937_64 rng(7);
  int n_checked = 0;
  for (int n = 0; n < N_FORMULAS / 3; ++n) {
    std::string text = random_formula(rng, ANY_X, 3);
    Ref f = compile_1(text);
    if (!dblsf_q(f.get())) continue;
    Ref d = derive_of(f, 0);
    Interval box = random_side(rng);
    if (!dblsf_q(d.get())) continue;
    Interval range = dblsf_enclose1(f.get(), &box);
    if (dblsf_smoothness(f.get(), &box) < 1 || !std::isfinite(range.lo) || !std::isfinite(range.hi)) continue;
    Interval slope = dblsf_enclose1(d.get(), &box);
    double bound = std::max(std::fabs(slope.lo), std::fabs(slope.hi));
    if (!std::isfinite(bound)) continue;
    ++n_checked;
    constexpr int N = 400;
    double prev = value_at(f, box.lo), prev_x = box.lo;
    for (int k = 1; k <= N; ++k) {
      double x = k == N ? box.hi : box.lo + (box.hi - box.lo) * k / N;
      double v = value_at(f, x);
      ASSERT_TRUE(std::isfinite(v)) << text << " at " << x;
      double slack = 1e-9 * (1 + std::fabs(v));
      ASSERT_LE(std::fabs(v - prev), bound * (x - prev_x) + slack) << text << " between " << prev_x << " and " << x;
      prev = v, prev_x = x;
    }
  }
  EXPECT_GT(n_checked, N_FORMULAS / 30);
}

TEST(Soundness, PolesDomainEdgesAndExtremeWidths) {
  struct Case {
    const char* text;
    double lo, hi;
    int32_t order;
  } cases[] = {
      {"(/ 1 x)", 0, 1, -1}, {"(/ 1 x)", -1, 0, -1}, {"(/ 1 x)", -1e-300, 1e-300, -1}, {"(^ x -2)", 0, 1e-3, -1},
      {"(tan x)", 1, std::numbers::pi / 2, -1}, {"(tan x)", std::numbers::pi / 2, 2, -1},
      {"(tan x)", 1e6, 1e6 + 1e-9, 2147483647}, {"(ln x)", 0, 1, -1}, {"(ln x)", -1, 0, -1},
      {"(ln x)", 1e-300, 1e300, -1}, {"(sqrt x)", -1, 0, -1}, {"(acos x)", 0.5, 1, -1},
      {"(asin x)", -0.5, 0.5, 2147483647}, {"(exp x)", -1e308, 1e308, 2147483647},
      {"(* x (sin x))", 1e15, 1e15 + 1, 2147483647}, {"(cos x)", 1, 1 + 1e-15, 2147483647},
  };
  std::mt19937_64 rng(3);
  for (const Case& c : cases) {
    Ref f = compile_x(c.text);
    Interval box[2] = {{c.lo, c.hi}, {0, 0}};
    check_enclosure(rng, f.get(), box, describe(c.text, box));
    EXPECT_EQ(dblsf_smoothness(f.get(), box), c.order) << describe(c.text, box);
  }
}

TEST(Soundness, PartialsAgreeWithCentralDifferences) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> coord(-2, 2);
  for (int n = 0; n < N_FORMULAS / 3; ++n) {
    std::string text = random_formula(rng, SMOOTH_ONLY, 4);
    Ref f = compile_xy(text);
    double xs[2] = {coord(rng), coord(rng)};
    double v = dblsf_value1(f.get(), xs);
    for (int j = 0; j < 2; ++j) {
      Ref d = Ref::adopt(dblsf_derive(f.get(), j));
      constexpr double H = 1e-5;
      double up[2] = {xs[0], xs[1]}, down[2] = {xs[0], xs[1]};
      up[j] += H;
      down[j] -= H;
      double central = (dblsf_value1(f.get(), up) - dblsf_value1(f.get(), down)) / (2 * H);
      double exact = dblsf_value1(d.get(), xs);
      EXPECT_NEAR(exact, central, 1e-6 * (1 + std::fabs(exact) + std::fabs(v)))
          << text << " d/d" << "xy"[j] << " at (" << xs[0] << ", " << xs[1] << ")";
    }
  }
}
