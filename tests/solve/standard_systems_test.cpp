// The Katsura systems and the mechanisms with four parameters, solved once
// and checked by substituting known solutions exactly: the Katsura systems'
// two rational ones, and random rational configurations of each mechanism
// (angles from rational points of the unit circle). The result holds for
// every parameter value, so it must hold at every configuration.
#include <algorithm>
#include <random>

#include "tests/solve/rational_eval.h"
#include "tests/solve/solve_test_util.h"
#include "tests/solve/standard_systems.h"

namespace {

typedef std::map<std::string, Ref> Config;

// The equations Solve gives for the system.
std::vector<wff> solved_outputs(const Standard_System& s, Ref& keep) {
  std::string names;
  for (const std::string& v : s.vars) names += v + " ";
  keep = solved_formula(rd(s.equations.c_str()).get(), names.c_str());
  std::vector<wff> out;
  equations_of(keep.get(), out);
  return out;
}

// Every output holds at the solution c; and, so that a result saying too
// little is caught, some output fails once the last unknown moves off it.
void expect_holds(const Standard_System& s, const std::vector<wff>& outputs, Rational_Point& p, Config c) {
  p.values.clear();
  for (const auto& [name, value] : c) p.values[sym(name.c_str())] = value;
  for (wff eq : outputs) EXPECT_TRUE(p.holds_q(eq)) << s.name << " misses a solution at " << prefix_text(eq);
  Ref one = p.rational(1, 1);
  wff last = sym(s.vars.back().c_str());
  p.values[last] = Ref::adopt(ring_add(p.ring(), p.values[last].get(), one.get()));
  EXPECT_FALSE(std::all_of(outputs.begin(), outputs.end(), [&](wff eq) { return p.holds_q(eq); })) << s.name;
}

// Rational arithmetic on the point's field, and random angles.
struct Configs {
  Rational_Point& p;
  std::mt19937 rng{20261207};
  Ref add(const Ref& a, const Ref& b) { return Ref::adopt(ring_add(p.ring(), a.get(), b.get())); }
  Ref sub(const Ref& a, const Ref& b) { return Ref::adopt(ring_subtract(p.ring(), a.get(), b.get())); }
  Ref mul(const Ref& a, const Ref& b) { return Ref::adopt(ring_multiply(p.ring(), a.get(), b.get())); }
  Ref div(const Ref& a, const Ref& b) { return Ref::adopt(ring_exact_divide(p.ring(), a.get(), b.get())); }
  int draw(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  Ref length() { return p.rational(draw(1, 20), draw(1, 5)); }
  // The cosine and sine of a random angle: ((1 - t^2), 2t) / (1 + t^2).
  std::pair<Ref, Ref> angle() {
    Ref t = p.rational(draw(-9, 9), draw(1, 7)), one = p.rational(1, 1), tt = mul(t, t);
    Ref den = add(one, tt);
    return {div(sub(one, tt), den), div(add(t, t), den)};
  }
  // Crank end A = a·(cos, sin), rocker end B = A + b·(cos, sin), and the
  // ground pivot D = (d, 0) reached from B by a rocker of length c.
  Config four_bar() {
    Config c{{"a", length()}, {"b", length()}};
    auto [c1, s1] = angle();
    auto [c2, s2] = angle();
    c["x1"] = mul(c["a"], c1), c["x2"] = mul(c["a"], s1);
    c["x3"] = add(c["x1"], mul(c["b"], c2)), c["x4"] = add(c["x2"], mul(c["b"], s2));
    std::pair<Ref, Ref> r;
    do r = angle();
    while (ring_zero_q(p.ring(), r.second.get()));
    c["c"] = div(c["x4"], r.second);
    c["d"] = sub(c["x3"], mul(c["c"], r.first));
    return c;
  }
  Config coupler_point() {
    Config c = four_bar();
    Ref half = p.rational(1, 2);
    c["x"] = mul(half, add(c["x1"], c["x3"])), c["y"] = mul(half, add(c["x2"], c["x4"]));
    return c;
  }
  Config two_link_arm() {
    Config c{{"a", length()}, {"b", length()}};
    std::tie(c["x1"], c["x2"]) = angle();
    std::tie(c["x3"], c["x4"]) = angle();
    Ref c12 = sub(mul(c["x1"], c["x3"]), mul(c["x2"], c["x4"])), s12 = add(mul(c["x2"], c["x3"]), mul(c["x1"], c["x4"]));
    c["c"] = add(mul(c["a"], c["x1"]), mul(c["b"], c12));
    c["d"] = add(mul(c["a"], c["x2"]), mul(c["b"], s12));
    return c;
  }
};

TEST(SolveStandard, KatsuraResultsHoldAtTheirRationalSolutions) {
  for (int n : {2, 3}) {
    Standard_System s = katsura(n);
    Ref keep;
    std::vector<wff> outputs = solved_outputs(s, keep);
    Rational_Point p;
    for (int third = 0; third < 2; ++third) {
      Config c;
      for (int i = 0; i <= n; ++i) c["x" + std::to_string(i + 1)] = p.rational(0, 1);
      c["x1"] = p.rational(1, third ? 3 : 1);
      if (third) c["x" + std::to_string(n + 1)] = p.rational(1, 3);
      expect_holds(s, outputs, p, c);
    }
  }
}

TEST(SolveStandard, MechanismResultsHoldAtRandomConfigurations) {
  Rational_Point p;
  Configs configs{p};
  const std::vector<std::pair<Standard_System, Config (Configs::*)()>> mechanisms = {
      {four_bar(), &Configs::four_bar}, {coupler_point(), &Configs::coupler_point}, {two_link_arm(), &Configs::two_link_arm}};
  for (const auto& [s, make] : mechanisms) {
    Ref keep;
    std::vector<wff> outputs = solved_outputs(s, keep);
    for (int k = 0; k < 20; ++k) expect_holds(s, outputs, p, (configs.*make)());
  }
}

}  // namespace
