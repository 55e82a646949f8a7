// Random polynomial systems built around a known rational point and shaped as
// models are: parameters a, b, c as coefficients, variables in elimination
// order, each equation tending to bring in one new variable on top of the
// earlier ones. What Solve gives must vanish at the point, and points on what
// it gives must satisfy the input. Variants of the same systems check that an
// inconsistent one gives false and a dependent one the same result.
//
// Every solve is timed: the run ends with the time per shape and per variant
// and the slowest systems, and reports at once any solve slower than
// SLOW_SECONDS, without failing: the shapes too slow for the elimination as it
// is are marked slow and left out of the default run, kept as benchmarks.
//
// Environment: VEZA_SOLVE_SYSTEMS the number of systems; VEZA_SOLVE_FIRST the
// number of the first (each system has its own seed, so one replays alone);
// VEZA_SOLVE_SEED the seed; VEZA_SOLVE_SHAPES the shapes and variants, names
// of shapes() and VARIANTS separated by commas, or "all" (for each kind the
// list names none of, those not marked slow); VEZA_SOLVE_VARIANTS the percent
// of systems also solved as a variant; VEZA_SOLVE_TRACE set prints each system
// before solving it, to find one that does not finish.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "tests/solve/rational_eval.h"
#include "tests/solve/solve_test_util.h"

namespace {

constexpr double SLOW_SECONDS = 1.0;

struct Random_System {
  std::string shape;
  std::vector<wff> params, vars;  // elimination order: params first, the last var eliminated first
  std::vector<Ref> inputs;        // the equations, each vanishing at the point
};

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(int percent) { return uniform(1, 100) <= percent; }
  int nonzero(int bound) {
    int v = uniform(1, bound);
    return uniform(0, 1) ? v : -v;
  }
  wff pick(const std::vector<wff>& from) { return from[size_t(uniform(0, int(from.size()) - 1))]; }
  Ref coordinate(const Rational_Point& p) { return p.rational(nonzero(12), uniform(1, 6)); }

  // A product of deg symbols drawn from the pool (1 when deg is 0).
  Ref monomial(const std::vector<wff>& pool, int deg) {
    Ref m = Ref::adopt(imm_make(1));
    for (; deg > 0 && !pool.empty(); --deg) m = Ref::adopt(times(m.get(), pick(pool)));
    return m;
  }
  // A small integer, a third of the time times a parameter: the coefficient
  // of a term, as a model writes one.
  Ref coefficient(const Random_System& s) {
    Ref c = Ref::adopt(imm_make(nonzero(5)));
    if (!s.params.empty() && uniform(0, 2) == 0) c = Ref::adopt(times(c.get(), pick(s.params)));
    return c;
  }
  // n_terms terms, each a coefficient times a monomial of degree up to max_deg.
  Ref polynomial(const Random_System& s, const std::vector<wff>& pool, int max_deg, int n_terms) {
    Ref sum = Ref::adopt(imm_make(0));
    for (int i = 0; i < n_terms; ++i) {
      Ref m = monomial(pool, uniform(0, max_deg)), c = coefficient(s);
      Ref t = Ref::adopt(times(c.get(), m.get()));
      sum = Ref::adopt(plus(sum.get(), t.get()));
    }
    return sum;
  }

  // Adds "lhs = rhs + k", k making it hold at the point; false when that is
  // no equation (both sides constant).
  bool add_equation(Random_System& s, const Rational_Point& p, const Ref& lhs, const Ref& rhs) {
    Ref l, r;
    EXPECT_TRUE(p.eval(lhs.get(), l) && p.eval(rhs.get(), r));
    Ref k = Ref::adopt(ring_subtract(p.ring(), l.get(), r.get()));
    Ref kf = p.formula_of(k.get());
    Ref right = Ref::adopt(plus(rhs.get(), kf.get()));
    Ref eq = Ref::adopt(apply2(SYM_EQ, lhs.get(), right.get()));
    if (!appl_q(eq.get())) return false;
    s.inputs.push_back(eq);
    return true;
  }

  void choose_symbols(Random_System& s, Rational_Point& p, int n_params, int n_vars) {
    const char* params[] = {"a", "b", "c"};
    const char* vars[] = {"x", "y", "z", "u", "w"};
    for (int i = 0; i < n_params; ++i) s.params.push_back(sym(params[i]));
    for (int i = 0; i < n_vars; ++i) s.vars.push_back(sym(vars[i]));
    for (wff w : s.params) p.values[w] = coordinate(p);
    for (wff w : s.vars) p.values[w] = coordinate(p);
  }
  std::vector<wff> vars_before(const Random_System& s, size_t k) {
    return std::vector<wff>(s.vars.begin(), s.vars.begin() + long(k));
  }
  // For the chains: x first fixed by an equation of its own, or left free
  // (then one more variable than equations).
  size_t start_chain(Random_System& s, Rational_Point& p, int n_eqs, int max_vars = 5) {
    bool fix_x = n_eqs >= max_vars || chance(40);
    choose_symbols(s, p, uniform(0, 3), fix_x ? n_eqs : n_eqs + 1);
    if (!fix_x) return 1;
    std::vector<wff> x{s.vars[0]};
    int d = uniform(1, 3);
    Ref lead = Ref::adopt(power(s.vars[0], imm_make(d)));
    Ref c = coefficient(s);
    lead = Ref::adopt(times(c.get(), lead.get()));
    Ref rest = polynomial(s, x, d - 1, uniform(0, 2));
    Ref lhs = Ref::adopt(plus(lead.get(), rest.get()));
    Ref zero = Ref::adopt(imm_make(0));
    add_equation(s, p, lhs, zero);
    return 1;
  }

 private:
  std::mt19937 rng_;
};

// ---- The shapes ----

// y = a x^2 + b x + c, then z = y x - ...: each new variable, times a small
// integer, equals a polynomial of degree up to 3 in the earlier ones.
void explicit_chain(Generator& g, Random_System& s, Rational_Point& p) {
  int n_eqs = g.uniform(2, 5);
  for (size_t k = g.start_chain(s, p, n_eqs); k < s.vars.size(); ++k) {
    Ref lhs = Ref::adopt(times(imm_make(g.nonzero(3)), s.vars[k]));
    Ref rhs = g.polynomial(s, g.vars_before(s, k), g.uniform(1, 3), g.uniform(1, 4));
    g.add_equation(s, p, lhs, rhs);
  }
}

// The new variable enters squared or cubed with a constant coefficient, and
// at a lower power times earlier variables: y^2 + x y = ..., z^3 = ...; total
// degree up to 3.
void power_chain(Generator& g, Random_System& s, Rational_Point& p) {
  int n_eqs = g.uniform(2, 5);
  for (size_t k = g.start_chain(s, p, n_eqs); k < s.vars.size(); ++k) {
    std::vector<wff> before = g.vars_before(s, k);
    int e = g.uniform(2, 3);
    Ref lhs = Ref::adopt(power(s.vars[k], imm_make(e)));
    lhs = Ref::adopt(times(imm_make(g.nonzero(3)), lhs.get()));
    if (e > 1 && g.chance(60)) {
      int lower = g.uniform(1, e - 1);
      Ref t = Ref::adopt(power(s.vars[k], imm_make(lower)));
      Ref m = g.monomial(before, g.uniform(0, std::min(3 - lower, 1)));
      Ref c = g.coefficient(s);
      t = Ref::adopt(times(t.get(), m.get()));
      t = Ref::adopt(times(t.get(), c.get()));
      lhs = Ref::adopt(plus(lhs.get(), t.get()));
    }
    Ref rhs = g.polynomial(s, before, g.uniform(1, 3), g.uniform(1, 3));
    g.add_equation(s, p, lhs, rhs);
  }
}

// The new variable times a non-constant factor in the earlier variables and
// the parameters: (x + a) y = x^2 + 1, (y - 2) z = x y + b; total degree up to 3.
void implicit_chain(Generator& g, Random_System& s, Rational_Point& p, int max_eqs) {
  int n_eqs = g.uniform(2, max_eqs);
  for (size_t k = g.start_chain(s, p, n_eqs); k < s.vars.size(); ++k) {
    std::vector<wff> before = g.vars_before(s, k), factor_pool = before;
    factor_pool.insert(factor_pool.end(), s.params.begin(), s.params.end());
    Ref factor = Ref::adopt(times(imm_make(g.nonzero(3)), g.pick(factor_pool)));
    if (g.chance(60)) factor = Ref::adopt(plus(factor.get(), imm_make(g.nonzero(4))));
    Ref lhs = Ref::adopt(times(factor.get(), s.vars[k]));
    Ref rhs = g.polynomial(s, before, g.uniform(1, 2), g.uniform(1, 3));
    g.add_equation(s, p, lhs, rhs);
  }
}

// Every equation may hold every variable: circles, lines, conics (max_deg 2)
// or cubic curves in up to max_vars unknowns, as many equations as variables
// or one fewer.
void dense(Generator& g, Random_System& s, Rational_Point& p, int max_vars, int max_params, int max_deg) {
  int n_vars = g.uniform(2, max_vars);
  g.choose_symbols(s, p, g.uniform(0, max_params), n_vars);
  for (int n_eqs = g.uniform(std::max(2, n_vars - 1), n_vars); int(s.inputs.size()) < n_eqs;) {
    Ref lhs = g.polynomial(s, s.vars, max_deg, g.uniform(2, 4)), zero = Ref::adopt(imm_make(0));
    g.add_equation(s, p, lhs, zero);
  }
}

// Linear in the variables, with the parameters among the coefficients:
// a x + b y = 1, c x + y = 2.
void linear(Generator& g, Random_System& s, Rational_Point& p, int max_vars) {
  int n_vars = g.uniform(2, max_vars);
  g.choose_symbols(s, p, g.uniform(1, 3), n_vars);
  for (int n_eqs = g.uniform(2, n_vars); int(s.inputs.size()) < n_eqs;) {
    Ref lhs = g.polynomial(s, s.vars, 1, g.uniform(2, n_vars + 1)), zero = Ref::adopt(imm_make(0));
    g.add_equation(s, p, lhs, zero);
  }
}

// An explicit chain, the product of its degrees at most budget, and one or
// two more equations of degree up to extra_deg in variables it already has, so
// the parameters get fixed too, as for the line through two points given by
// parameters.
void overdetermined(Generator& g, Random_System& s, Rational_Point& p, int budget, int extra_deg) {
  int n_chain = g.uniform(1, 3);
  g.choose_symbols(s, p, g.uniform(1, 3), n_chain + 1);
  for (size_t k = 1; k < s.vars.size(); ++k) {
    int d = g.uniform(1, std::min(3, budget));
    budget = std::max(1, budget / d);
    Ref lhs = Ref::adopt(times(imm_make(g.nonzero(3)), s.vars[k]));
    Ref rhs = g.polynomial(s, g.vars_before(s, k), d, g.uniform(1, 3));
    g.add_equation(s, p, lhs, rhs);
  }
  for (int extra = g.uniform(1, std::min(2, 5 - int(s.inputs.size()))); extra > 0; --extra) {
    Ref lhs = g.polynomial(s, s.vars, extra_deg, g.uniform(1, 3));
    Ref rhs = Ref::adopt(imm_make(0));
    g.add_equation(s, p, lhs, rhs);
  }
}

// Terms on random variables with the product of the degrees at most 3, never
// more equations than variables held.
bool occurs_q(wff w, wff sym) {
  if (w == sym) return true;
  if (!appl_q(w)) return false;
  for (Hdl l = w; pair_q(l); l = pair_rest(l))
    if (occurs_q(pair_first(l), sym)) return true;
  return false;
}
void scattered(Generator& g, Random_System& s, Rational_Point& p) {
  for (;;) {
    s.params.clear(), s.vars.clear(), s.inputs.clear(), p.values.clear();
    g.choose_symbols(s, p, g.uniform(0, 2), g.uniform(2, 5));
    int budget = 3;
    for (int n_eqs = g.uniform(2, int(s.vars.size())); int(s.inputs.size()) < n_eqs;) {
      int d = g.uniform(1, budget);
      Ref lhs = g.polynomial(s, s.vars, d, g.uniform(2, 4)), zero = Ref::adopt(imm_make(0));
      if (g.add_equation(s, p, lhs, zero)) budget = std::max(1, budget / d);
    }
    int n_used = 0;
    for (wff v : s.vars)
      for (const Ref& eq : s.inputs)
        if (occurs_q(eq.get(), v)) {
          ++n_used;
          break;
        }
    if (n_used >= int(s.inputs.size())) return;
  }
}

struct Shape {
  const char* name;
  bool slow;  // left out of the default mix: too slow for the elimination as it is
  int weight;
  std::function<void(Generator&, Random_System&, Rational_Point&)> make;
};

// Marked slow, each with systems taking from seconds to minutes or running
// out of memory: implicit chains of four or five equations, cubic curves and
// three-unknown conics with parameters among the coefficients, and chains
// that fix the parameters through equations of degree 2.
const std::vector<Shape>& shapes() {
  using G = Generator;
  using S = Random_System;
  using P = Rational_Point;
  static const std::vector<Shape> all = {
      {"explicit", false, 3, explicit_chain}, {"power", false, 2, power_chain},
      {"implicit", false, 2, [](G& g, S& s, P& p) { implicit_chain(g, s, p, 3); }},
      {"implicit-deep", true, 1, [](G& g, S& s, P& p) { implicit_chain(g, s, p, 5); }},
      {"dense2", false, 2, [](G& g, S& s, P& p) { dense(g, s, p, 2, 2, 2); }},
      {"dense2-cubic", false, 1, [](G& g, S& s, P& p) { dense(g, s, p, 2, 0, 3); }},
      {"dense2-cubic-params", true, 1, [](G& g, S& s, P& p) { dense(g, s, p, 2, 2, 3); }},
      {"dense3", false, 1, [](G& g, S& s, P& p) { dense(g, s, p, 3, 0, 2); }},
      {"dense3-params", true, 1, [](G& g, S& s, P& p) { dense(g, s, p, 3, 2, 2); }},
      {"linear", false, 1, [](G& g, S& s, P& p) { linear(g, s, p, 4); }},
      {"overdetermined", false, 1, [](G& g, S& s, P& p) { overdetermined(g, s, p, 3, 1); }},
      {"overdetermined-9", true, 1, [](G& g, S& s, P& p) { overdetermined(g, s, p, 9, 2); }},
      {"scattered", false, 2, scattered},
  };
  return all;
}

// ---- Variants: one extra equation that makes the system inconsistent, or
// that its equations already imply, or the same equations in the reverse
// order: the elimination's result does not depend on the order ----

enum class Expect { FALSE, SAME };

struct Variant {
  const char* name;
  Expect expect;
  bool slow;  // left out of the default mix, as the slow shapes
};

// The combinations take small integer multipliers; the polynomial ones also
// symbols, which make the extra equation one degree higher.
const Variant VARIANTS[] = {
    {"shifted-copy", Expect::FALSE, false}, {"combination+k", Expect::FALSE, false},
    {"polynomial-combination+k", Expect::FALSE, true}, {"repeated", Expect::SAME, false},
    {"scaled-copy", Expect::SAME, false}, {"sum-of-two", Expect::SAME, false}, {"combination", Expect::SAME, false},
    {"polynomial-combination", Expect::SAME, true}, {"zero-equation", Expect::SAME, false},
    {"reversed-order", Expect::SAME, false},
};

// lhs - rhs of an input equation.
Ref difference(wff eq) { return Ref::adopt(minus(arg_of(eq, 0), arg_of(eq, 1))); }

// A multiplier for a combination: a small integer, for a polynomial one half
// the time times a symbol of the system.
Ref multiplier(Generator& g, const Random_System& s, bool polynomial_q) {
  Ref m = Ref::adopt(imm_make(g.nonzero(3)));
  std::vector<wff> pool = s.params;
  pool.insert(pool.end(), s.vars.begin(), s.vars.end());
  if (polynomial_q && g.chance(50)) m = Ref::adopt(times(m.get(), g.pick(pool)));
  return m;
}

// The extra equation of the variant; the empty Ref when this draw gives none
// (the formula folded into a constant).
Ref variant_equation(Generator& g, const Random_System& s, const Rational_Point& p, const Variant& v) {
  const std::string name = v.name;
  wff eq = s.inputs[size_t(g.uniform(0, int(s.inputs.size()) - 1))].get();
  Ref zero = Ref::adopt(imm_make(0));
  Ref extra;
  if (name == "shifted-copy") {
    Ref k = p.rational(g.nonzero(9), g.uniform(1, 4));
    Ref kf = p.formula_of(k.get());
    Ref rhs = Ref::adopt(plus(arg_of(eq, 1), kf.get()));
    extra = Ref::adopt(apply2(SYM_EQ, arg_of(eq, 0), rhs.get()));
  } else if (name.find("combination") != std::string::npos) {
    Ref sum = Ref::adopt(imm_make(0));
    for (const Ref& in : s.inputs) {
      if (g.chance(30)) continue;
      Ref d = difference(in.get()), m = multiplier(g, s, name.find("polynomial") == 0);
      Ref t = Ref::adopt(times(m.get(), d.get()));
      sum = Ref::adopt(plus(sum.get(), t.get()));
    }
    Ref k = Ref::adopt(imm_make(v.expect == Expect::SAME ? 0 : g.nonzero(7)));
    extra = Ref::adopt(apply2(SYM_EQ, sum.get(), k.get()));
  } else if (name == "repeated") {
    extra = Ref::share(eq);
  } else if (name == "scaled-copy") {
    Ref k = p.rational(g.nonzero(9), g.uniform(1, 4));
    Ref kf = p.formula_of(k.get());
    Ref l = Ref::adopt(times(kf.get(), arg_of(eq, 0))), r = Ref::adopt(times(kf.get(), arg_of(eq, 1)));
    extra = Ref::adopt(apply2(SYM_EQ, l.get(), r.get()));
  } else if (name == "sum-of-two") {
    wff other = s.inputs[size_t(g.uniform(0, int(s.inputs.size()) - 1))].get();
    Ref l = Ref::adopt(plus(arg_of(eq, 0), arg_of(other, 0))), r = Ref::adopt(plus(arg_of(eq, 1), arg_of(other, 1)));
    extra = Ref::adopt(apply2(SYM_EQ, l.get(), r.get()));
  } else if (name == "zero-equation") {  // 0 = 0 as such: the equation constructor would fold it
    extra = Ref::adopt(appl_raw2(builtin(SYM_EQ), zero.get(), zero.get()));
  }
  if (!appl_of_q(extra.get(), builtin(SYM_EQ))) return Ref();
  return extra;
}

// The equations as the line-break list the formula constructors give.
Ref conjunction(const std::vector<Ref>& eqs) {
  Ref all = Ref::share(builtin(SYM_TRUE));
  for (const Ref& eq : eqs) all = Ref::adopt(apply2(SYM_AND, all.get(), eq.get()));
  return all;
}
// Left as written: the constructors would drop a repeated equation.
Ref raw_conjunction(const std::vector<Ref>& eqs) {
  Ref all = eqs[0];
  for (size_t i = 1; i < eqs.size(); ++i) all = Ref::adopt(appl_raw2(builtin(SYM_AND), all.get(), eqs[i].get()));
  return all;
}

Ref list_of(const std::vector<wff>& a, const std::vector<wff>& b) {
  Ref list;
  for (size_t i = b.size(); i-- > 0;) list = Ref::adopt(pair_new(b[i], list.get()));
  for (size_t i = a.size(); i-- > 0;) list = Ref::adopt(pair_new(a[i], list.get()));
  return list;
}

// ---- Points on the output ----

// The degree of a polynomial formula in v; -1 when v is under a negative
// power or anything else than +, * and integer powers.
int degree_in(wff w, wff v) {
  if (w == v) return 1;
  if (!appl_q(w)) return 0;
  if (appl_of_q(w, builtin(SYM_POWER)) && imm_q(arg_of(w, 1))) {
    int d = degree_in(arg_of(w, 0), v), e = imm_value(arg_of(w, 1));
    if (d < 0 || (d > 0 && e < 0)) return -1;
    return d * e;
  }
  bool sum_q = appl_of_q(w, builtin(SYM_PLUS));
  if (!sum_q && !appl_of_q(w, builtin(SYM_TIMES))) return occurs_q(w, v) ? -1 : 0;
  int a = degree_in(arg_of(w, 0), v), b = degree_in(arg_of(w, 1), v);
  if (a < 0 || b < 0) return -1;
  return sum_q ? std::max(a, b) : a + b;
}

enum class Back { DONE, NOT_TRIANGULAR, DEGENERATE };

// When the output is triangular (one equation per main variable, the highest
// one it holds) and each equation is linear in its main variable, picks random
// values for the free symbols and solves for the others from the lowest up.
// DEGENERATE when a leading coefficient vanishes at the values picked.
Back point_on_output(Generator& g, const Random_System& s, const std::vector<wff>& outputs, Rational_Point& q) {
  std::vector<wff> order = s.params;
  order.insert(order.end(), s.vars.begin(), s.vars.end());
  std::map<wff, wff> eq_of;
  for (wff eq : outputs) {
    if (eq == builtin(SYM_TRUE)) continue;
    if (!appl_of_q(eq, builtin(SYM_EQ))) return Back::NOT_TRIANGULAR;
    wff main = NO_HDL;
    for (wff v : order)
      if (occurs_q(eq, v)) main = v;
    if (main == NO_HDL || eq_of.count(main)) return Back::NOT_TRIANGULAR;
    int dl = degree_in(arg_of(eq, 0), main), dr = degree_in(arg_of(eq, 1), main);
    if (dl < 0 || dr < 0 || std::max(dl, dr) != 1) return Back::NOT_TRIANGULAR;
    eq_of[main] = eq;
  }
  Ref zero = q.rational(0, 1), one = q.rational(1, 1);
  for (wff v : order) {
    auto it = eq_of.find(v);
    if (it == eq_of.end()) {
      q.values[v] = g.coordinate(q);
      continue;
    }
    // f(v) = c v + d: f(0) gives d and f(1) - f(0) gives c.
    Ref f0, f1;
    q.values[v] = zero;
    Ref d = difference(it->second);
    if (!q.eval(d.get(), f0)) return Back::DEGENERATE;
    q.values[v] = one;
    if (!q.eval(d.get(), f1)) return Back::DEGENERATE;
    Ref c = Ref::adopt(ring_subtract(q.ring(), f1.get(), f0.get()));
    if (ring_zero_q(q.ring(), c.get())) return Back::DEGENERATE;
    Ref minus_d = Ref::adopt(ring_negate(q.ring(), f0.get()));
    q.values[v] = Ref::adopt(ring_exact_divide(q.ring(), minus_d.get(), c.get()));
  }
  return Back::DONE;
}

// ---- Timing ----

struct Shape_Time {
  int count = 0;
  double total = 0, worst = 0;
};

struct Timings {
  std::map<std::string, Shape_Time> by_category;
  std::vector<std::pair<double, std::string>> slowest;  // the few slowest, with their system

  // The time of a solve under its category; label says the shape and the variant.
  void add(const std::string& category, const std::string& label, double seconds,
           const std::function<std::string()>& describe) {
    Shape_Time& t = by_category[category];
    ++t.count, t.total += seconds, t.worst = std::max(t.worst, seconds);
    // Reported at once, so that a run stopped by hand still shows it.
    if (seconds > SLOW_SECONDS)
      std::printf("slow system (%s, %.2f s): %s\n", label.c_str(), seconds, describe().c_str()), std::fflush(stdout);
    if (slowest.size() < 5 || seconds > slowest.back().first) {
      slowest.emplace_back(seconds, label + ": " + describe());
      std::sort(slowest.begin(), slowest.end(), [](auto& a, auto& b) { return a.first > b.first; });
      if (slowest.size() > 5) slowest.pop_back();
    }
  }
  void print() const {
    std::printf("%-26s %7s %10s %10s %10s\n", "solve time per category", "solves", "total ms", "mean ms", "worst ms");
    for (const auto& [name, t] : by_category)
      std::printf("%-26s %7d %10.1f %10.3f %10.1f\n", name.c_str(), t.count, t.total * 1e3, t.total * 1e3 / t.count,
                  t.worst * 1e3);
    std::printf("slowest systems:\n");
    for (const auto& [seconds, text] : slowest) std::printf("  %8.1f ms  %s\n", seconds * 1e3, text.c_str());
  }
};

int env_int(const char* name, int otherwise) {
  const char* v = std::getenv(name);
  return v ? std::atoi(v) : otherwise;
}

// Whether the shape or variant of that name is in the run: the ones that
// VEZA_SOLVE_SHAPES names, all for "all"; when it names none of the kind (or
// is not set), those not marked slow.
template <class Kind>
std::vector<const Kind*> chosen(const Kind* begin, const Kind* end) {
  const char* v = std::getenv("VEZA_SOLVE_SHAPES");
  std::string list = v ? std::string(",") + v + "," : "";
  std::vector<const Kind*> named, fast;
  for (const Kind* k = begin; k != end; ++k) {
    if (list == ",all," || list.find(std::string(",") + k->name + ",") != std::string::npos) named.push_back(k);
    if (!k->slow) fast.push_back(k);
  }
  return named.empty() ? fast : named;
}

TEST(SolveRandom, SolutionsVanishAtTheKnownPointAndSatisfyTheInput) {
  const int n = env_int("VEZA_SOLVE_SYSTEMS", 10000), first = env_int("VEZA_SOLVE_FIRST", 0);
  const uint32_t seed = uint32_t(env_int("VEZA_SOLVE_SEED", 20261206));
  const int variant_percent = env_int("VEZA_SOLVE_VARIANTS", 40);
  std::vector<const Shape*> mix;  // each shape as many times as its weight
  for (const Shape* sh : chosen(shapes().data(), shapes().data() + shapes().size()))
    for (int k = 0; k < sh->weight; ++k) mix.push_back(sh);
  std::vector<const Variant*> variants = chosen(std::begin(VARIANTS), std::end(VARIANTS));
  Ref pi_list = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL));
  Timings timings;
  std::map<std::string, int> n_back_substituted, n_of_shape;
  int n_variants = 0, n_back_total = 0;

  // Solves the system or its variant, timed under the shape or the variant; a
  // failure names the system.
  auto solve = [&](const Random_System& s, const Variant* v, const Ref& eqs, int i, Ref& result) {
    std::string label = v ? s.shape + " + " + v->name : s.shape;
    std::string category = v ? std::string("variant ") + v->name : s.shape;
    if (std::getenv("VEZA_SOLVE_TRACE"))
      std::printf("solving %d (%s): %s\n", i, label.c_str(), prefix_text(eqs.get()).c_str()), std::fflush(stdout);
    auto start = std::chrono::steady_clock::now();
    bool ok = true;
    try {
      result = Ref::adopt(solve_equations(eqs.get(), pi_list.get(), list_of(s.params, s.vars).get(), false));
    } catch (const Err& e) {
      ADD_FAILURE() << "system " << i << " (" << label << "): " << prefix_text(eqs.get()) << "\nfails with "
                    << e.message();
      ok = false;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    timings.add(category, label, seconds,
                [&] { return "system " + std::to_string(i) + ": " + prefix_text(eqs.get()); });
    return ok;
  };

  for (int i = first; i < first + n; ++i) {
    // Each system from its own seed, so that one can be replayed alone.
    Generator g(seed + uint32_t(i) * 7919u);
    const Shape& shape = *mix[size_t(g.uniform(0, int(mix.size()) - 1))];
    Rational_Point p;
    Random_System s;
    s.shape = shape.name;
    do {
      s.params.clear(), s.vars.clear(), s.inputs.clear(), p.values.clear();
      shape.make(g, s, p);
    } while (s.inputs.size() < 2);
    ++n_of_shape[s.shape];
    Ref eqs = conjunction(s.inputs);
    Ref result;
    if (!solve(s, nullptr, eqs, i, result)) continue;
    std::string context = "system " + std::to_string(i) + " (" + s.shape + "): " + prefix_text(eqs.get()) +
                          "\nresult " + prefix_text(result.get());

    std::vector<wff> outputs;
    equations_of(result.get(), outputs);
    for (wff eq : outputs) ASSERT_TRUE(p.holds_q(eq)) << context << "\nfails at the point: " << prefix_text(eq);

    for (int attempt = 0; attempt < 3; ++attempt) {
      Rational_Point q;
      Back b = point_on_output(g, s, outputs, q);
      if (b == Back::NOT_TRIANGULAR) break;
      if (b == Back::DEGENERATE) continue;
      ++n_back_substituted[s.shape], ++n_back_total;
      for (wff eq : outputs) ASSERT_TRUE(q.holds_q(eq)) << context << "\nthe point picked misses " << prefix_text(eq);
      for (const Ref& eq : s.inputs)
        ASSERT_TRUE(q.holds_q(eq.get())) << context << "\ninput fails on the result: " << prefix_text(eq.get());
      break;
    }

    if (!g.chance(variant_percent)) continue;
    // The equations in the order Solve had them, the extra one among them.
    const Variant& v = *variants[size_t(g.uniform(0, int(variants.size()) - 1))];
    std::vector<wff> in_order;
    equations_of(eqs.get(), in_order);
    std::vector<Ref> with;
    for (wff eq : in_order) with.push_back(Ref::share(eq));
    Ref extra;
    if (v.name == std::string("reversed-order")) {
      std::reverse(with.begin(), with.end());
    } else {
      extra = variant_equation(g, s, p, v);
      if (extra.get() == EMPTY_HDL) continue;
      with.insert(with.begin() + g.uniform(0, int(with.size())), extra);
    }
    Ref eqs2 = raw_conjunction(with);
    Ref result2;
    if (!solve(s, &v, eqs2, i, result2)) continue;
    ++n_variants;
    std::string expected = v.expect == Expect::FALSE ? "false" : prefix_text(result.get());
    ASSERT_EQ(prefix_text(result2.get()), expected)
        << context << "\nas " << v.name << " " << (extra.get() == EMPTY_HDL ? "" : prefix_text(extra.get())) << ": "
        << prefix_text(eqs2.get());
  }
  timings.print();
  std::printf("%d systems, %d variants; solved into triangular form linear in each main variable:\n", n, n_variants);
  for (const auto& [name, count] : n_of_shape)
    std::printf("  %-16s %d of %d\n", name.c_str(), n_back_substituted[name], count);
  // That shape must be common, or the check on points of the output tests little.
  if (!std::getenv("VEZA_SOLVE_SHAPES")) {
    EXPECT_GT(n_back_total, n / 4);
  }
}

}  // namespace
