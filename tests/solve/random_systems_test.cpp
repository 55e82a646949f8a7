// Random polynomial systems built around a known rational point: what Solve
// gives must vanish there, and points on what it gives must satisfy the input.
// VEZA_SOLVE_SYSTEMS sets the number of systems.
#include <cstdlib>
#include <random>

#include "tests/solve/rational_eval.h"
#include "tests/solve/solve_test_util.h"

namespace {

struct Random_System {
  std::vector<wff> params, vars;  // vars in elimination order after the params
  Ref equations;
  std::vector<Ref> inputs;
};

constexpr int MAX_DEGREE_PRODUCT = 3;

int n_systems() {
  const char* v = std::getenv("VEZA_SOLVE_SYSTEMS");
  return v ? std::atoi(v) : 5000;
}

bool occurs_q(wff w, wff sym) {
  if (w == sym) return true;
  if (!appl_q(w)) return false;
  for (Hdl l = w; pair_q(l); l = pair_rest(l))
    if (occurs_q(pair_first(l), sym)) return true;
  return false;
}

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  int nonzero(int bound) {
    int v = uniform(1, bound);
    return uniform(0, 1) ? v : -v;
  }
  Ref coordinate(const Rational_Point& p) { return p.rational(nonzero(12), uniform(1, 6)); }

  // A small integer, sometimes times a parameter, times a monomial of degree
  // at most max_deg.
  Ref term(const Random_System& s, int max_deg) {
    Ref t = Ref::adopt(imm_make(nonzero(5)));
    if (!s.params.empty() && uniform(0, 2) == 0)
      t = Ref::adopt(times(t.get(), s.params[size_t(uniform(0, int(s.params.size()) - 1))]));
    for (int d = uniform(0, max_deg); d > 0; --d) t = Ref::adopt(times(t.get(), s.vars[size_t(uniform(0, int(s.vars.size()) - 1))]));
    return t;
  }

  Random_System system(Rational_Point& p) {
    Random_System s;
    const char* params[] = {"a", "b", "c"};
    const char* vars[] = {"x", "y", "z", "u", "w"};
    for (int i = 0, n = uniform(0, 2); i < n; ++i) s.params.push_back(sym(params[i]));
    for (int i = 0, n = uniform(2, 5); i < n; ++i) s.vars.push_back(sym(vars[i]));
    for (wff w : s.params) p.values[w] = coordinate(p);
    for (wff w : s.vars) p.values[w] = coordinate(p);
    s.equations = Ref::share(builtin(SYM_TRUE));
    // The product of the degrees is kept small: it bounds the degree the
    // elimination reaches, and with it the time.
    int degree_budget = MAX_DEGREE_PRODUCT;
    for (int n_eqs = uniform(2, std::max(2, int(s.vars.size()))); int(s.inputs.size()) < n_eqs;) {
      int max_deg = uniform(1, std::min(3, degree_budget));
      Ref lhs = term(s, max_deg);
      for (int i = uniform(1, 3); i > 0; --i) lhs = Ref::adopt(plus(lhs.get(), term(s, max_deg).get()));
      Ref value;
      EXPECT_TRUE(p.eval(lhs.get(), value));
      Ref eq = Ref::adopt(apply2(SYM_EQ, lhs.get(), p.formula_of(value.get()).get()));
      if (!appl_q(eq.get())) continue;  // a constant: no equation
      s.equations = Ref::adopt(apply2(SYM_AND, s.equations.get(), eq.get()));
      s.inputs.push_back(eq);
      degree_budget = std::max(1, degree_budget / max_deg);
    }
    // More equations than variables would fix the parameters too; such
    // systems are left to the textbook tests, as their elimination is slow.
    int n_used = 0;
    for (wff v : s.vars) n_used += occurs_q(s.equations.get(), v);
    if (n_used < int(s.inputs.size())) return system(p);
    return s;
  }

 private:
  std::mt19937 rng_;
};

Ref list_of(const std::vector<wff>& a, const std::vector<wff>& b) {
  Ref list;
  for (size_t i = b.size(); i-- > 0;) list = Ref::adopt(pair_new(b[i], list.get()));
  for (size_t i = a.size(); i-- > 0;) list = Ref::adopt(pair_new(a[i], list.get()));
  return list;
}

// When every output equation is "v = e" with a variable v solved once, picks
// random values for the other symbols and computes the solved ones from the
// lowest level up; gives false when the output is not of that shape.
bool point_on_output(Generator& g, const Random_System& s, const std::vector<wff>& outputs, Rational_Point& q) {
  std::map<wff, wff> solved;
  for (wff eq : outputs) {
    if (eq == builtin(SYM_TRUE)) continue;
    if (!appl_of_q(eq, builtin(SYM_EQ)) || !symbol_p(arg_of(eq, 0)) || solved.count(arg_of(eq, 0))) return false;
    solved[arg_of(eq, 0)] = arg_of(eq, 1);
  }
  std::vector<wff> order = s.params;
  order.insert(order.end(), s.vars.begin(), s.vars.end());
  for (wff v : order) {
    auto it = solved.find(v);
    if (it == solved.end()) {
      q.values[v] = g.coordinate(q);
    } else if (!q.eval(it->second, q.values[v])) {
      return false;  // a division by zero at this point: try no other
    }
  }
  return true;
}

TEST(SolveRandom, SolutionsVanishAtTheKnownPointAndSatisfyTheInput) {
  Generator g(20261206);
  int n_back_substituted = 0, n = n_systems();
  Ref pi_list = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL));
  for (int i = 0; i < n; ++i) {
    Rational_Point p;
    Random_System s = g.system(p);
    Ref result;
    try {
      result = Ref::adopt(solve_equations(s.equations.get(), pi_list.get(), list_of(s.params, s.vars).get(), false));
    } catch (const Err& e) {
      FAIL() << "system " << i << ": " << prefix_text(s.equations.get()) << "\nfails with " << e.message();
    }
    std::vector<wff> outputs;
    equations_of(result.get(), outputs);
    for (wff eq : outputs)
      ASSERT_TRUE(p.holds_q(eq)) << "system " << i << ": " << prefix_text(s.equations.get()) << "\nresult "
                                 << prefix_text(result.get()) << "\nfails at the point: " << prefix_text(eq);
    Rational_Point q;
    if (!point_on_output(g, s, outputs, q)) continue;
    ++n_back_substituted;
    for (const Ref& eq : s.inputs)
      ASSERT_TRUE(q.holds_q(eq.get())) << "system " << i << ": " << prefix_text(s.equations.get()) << "\nresult "
                                 << prefix_text(result.get()) << "\ninput fails on the result: " << prefix_text(eq.get());
  }
  // The triangular linear shape must be common, or the second check tests little.
  EXPECT_GT(n_back_substituted, n / 10);
  std::printf("%d of %d systems solved into linear triangular form\n", n_back_substituted, n);
}

}  // namespace
