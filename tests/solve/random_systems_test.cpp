// Random polynomial systems built around a known rational point and shaped as
// models are: parameters a, b, c as coefficients, variables in elimination
// order, each equation tending to bring in one new variable on top of the
// earlier ones. What Solve gives must vanish at the point, and points on what
// it gives must satisfy the input. Variants of the same systems check that an
// inconsistent one gives false and a dependent one the same result.
// VEZA_TEST_SCALE scales the number of systems; each has its own seed, and a
// failure prints its equations.
#include <algorithm>
#include <functional>
#include <random>
#include <string>

#include "tests/solve/rational_eval.h"
#include "tests/solve/solve_test_util.h"
#include "tests/test_scale.h"

namespace {

struct Random_System {
  std::vector<wff> params, vars;  // elimination order: params first, the last var eliminated first
  std::vector<Ref> inputs;        // the equations, each vanishing at the point
};

Ref num(int v) { return Ref::adopt(imm_make(v)); }
Ref mul(const Ref& a, wff b) { return Ref::adopt(times(a.get(), b)); }
Ref add(const Ref& a, const Ref& b) { return Ref::adopt(plus(a.get(), b.get())); }

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
    Ref m = num(1);
    for (; deg > 0 && !pool.empty(); --deg) m = mul(m, pick(pool));
    return m;
  }
  // A small integer, a third of the time times a parameter: the coefficient
  // of a term, as a model writes one.
  Ref coefficient(const Random_System& s) {
    Ref c = num(nonzero(5));
    return !s.params.empty() && uniform(0, 2) == 0 ? mul(c, pick(s.params)) : c;
  }
  // n_terms terms, each a coefficient times a monomial of degree up to max_deg.
  Ref polynomial(const Random_System& s, const std::vector<wff>& pool, int max_deg, int n_terms) {
    Ref sum = num(0);
    for (int i = 0; i < n_terms; ++i) {
      Ref m = monomial(pool, uniform(0, max_deg));
      sum = add(sum, mul(coefficient(s), m.get()));
    }
    return sum;
  }
  // Adds "lhs = rhs + k", k making it hold at the point; false when that is
  // no equation (both sides constant).
  bool add_equation(Random_System& s, const Rational_Point& p, const Ref& lhs, const Ref& rhs) {
    Ref l, r;
    EXPECT_TRUE(p.eval(lhs.get(), l) && p.eval(rhs.get(), r));
    Ref k = Ref::adopt(ring_subtract(p.ring(), l.get(), r.get()));
    Ref eq = Ref::adopt(apply2(SYM_EQ, lhs.get(), add(rhs, p.formula_of(k.get())).get()));
    if (!appl_q(eq.get())) return false;
    s.inputs.push_back(eq);
    return true;
  }
  bool add_zero(Random_System& s, const Rational_Point& p, const Ref& lhs) { return add_equation(s, p, lhs, num(0)); }

  void choose_symbols(Random_System& s, Rational_Point& p, int n_params, int n_vars) {
    for (int i = 0; i < n_params; ++i) s.params.push_back(sym(std::string(1, "abc"[i]).c_str()));
    for (int i = 0; i < n_vars; ++i) s.vars.push_back(sym(std::string(1, "xyzuw"[i]).c_str()));
    for (wff w : s.params) p.values[w] = coordinate(p);
    for (wff w : s.vars) p.values[w] = coordinate(p);
  }
  std::vector<wff> vars_before(const Random_System& s, size_t k) {
    return std::vector<wff>(s.vars.begin(), s.vars.begin() + long(k));
  }
  // For the chains: x first fixed by an equation of its own, or left free
  // (then one more variable than equations); gives the first chained variable.
  size_t start_chain(Random_System& s, Rational_Point& p, int n_eqs) {
    bool fix_x = n_eqs >= 5 || chance(40);
    choose_symbols(s, p, uniform(0, 3), fix_x ? n_eqs : n_eqs + 1);
    if (fix_x) {
      int d = uniform(1, 3);
      Ref lead = Ref::adopt(power(s.vars[0], imm_make(d)));
      lead = Ref::adopt(times(coefficient(s).get(), lead.get()));
      add_zero(s, p, add(lead, polynomial(s, {s.vars[0]}, d - 1, uniform(0, 2))));
    }
    return 1;
  }

 private:
  std::mt19937 rng_;
};

using Shape = std::function<void(Generator&, Random_System&, Rational_Point&)>;

// Each new variable, in the form lhs_of gives, equals a polynomial in the
// earlier ones of degree up to max_deg with up to most_terms terms.
typedef Ref (*Chain_Lhs)(Generator&, const Random_System&, size_t k);
Shape chain(int max_eqs, int max_deg, int most_terms, Chain_Lhs lhs_of) {
  return [=](Generator& g, Random_System& s, Rational_Point& p) {
    int n_eqs = g.uniform(2, max_eqs);
    for (size_t k = g.start_chain(s, p, n_eqs); k < s.vars.size(); ++k) {
      Ref lhs = lhs_of(g, s, k);
      g.add_equation(s, p, lhs, g.polynomial(s, g.vars_before(s, k), g.uniform(1, max_deg), g.uniform(1, most_terms)));
    }
  };
}

// y = a x^2 + b x + c, then z = y x - ...: the new variable times a small integer.
Ref explicit_lhs(Generator& g, const Random_System& s, size_t k) { return mul(num(g.nonzero(3)), s.vars[k]); }

// The new variable squared or cubed with a constant coefficient, and at a
// lower power times earlier variables: y^2 + x y = ..., z^3 = ...; total
// degree up to 3.
Ref power_lhs(Generator& g, const Random_System& s, size_t k) {
  int e = g.uniform(2, 3);
  Ref lhs = Ref::adopt(power(s.vars[k], imm_make(e)));
  lhs = Ref::adopt(times(imm_make(g.nonzero(3)), lhs.get()));
  if (!g.chance(60)) return lhs;
  int lower = g.uniform(1, e - 1);
  Ref t = Ref::adopt(power(s.vars[k], imm_make(lower)));
  Ref m = g.monomial(g.vars_before(s, k), g.uniform(0, std::min(3 - lower, 1)));
  t = Ref::adopt(times(t.get(), m.get()));
  return add(lhs, Ref::adopt(times(t.get(), g.coefficient(s).get())));
}

// The new variable times a non-constant factor in the earlier variables and
// the parameters: (x + a) y = x^2 + 1, (y - 2) z = x y + b.
Ref implicit_lhs(Generator& g, const Random_System& s, size_t k) {
  std::vector<wff> factor_pool = g.vars_before(s, k);
  factor_pool.insert(factor_pool.end(), s.params.begin(), s.params.end());
  Ref factor = Ref::adopt(times(imm_make(g.nonzero(3)), g.pick(factor_pool)));
  if (g.chance(60)) factor = add(factor, num(g.nonzero(4)));
  return mul(factor, s.vars[k]);
}

// Every equation may hold every variable: circles, lines, conics (max_deg 2)
// or cubic curves in up to max_vars unknowns, as many equations as variables
// or one fewer. Linear systems (max_deg 1) have a parameter or more and from
// two equations up.
Shape dense(int max_vars, int max_params, int max_deg) {
  return [=](Generator& g, Random_System& s, Rational_Point& p) {
    int n_vars = g.uniform(2, max_vars);
    g.choose_symbols(s, p, max_deg == 1 ? g.uniform(1, 3) : g.uniform(0, max_params), n_vars);
    int n_eqs = max_deg == 1 ? g.uniform(2, n_vars) : g.uniform(std::max(2, n_vars - 1), n_vars);
    int most_terms = max_deg == 1 ? n_vars + 1 : 4;
    while (int(s.inputs.size()) < n_eqs) g.add_zero(s, p, g.polynomial(s, s.vars, max_deg, g.uniform(2, most_terms)));
  };
}

// An explicit chain, the product of its degrees at most 3, and one or two
// linear equations in variables it already has, so the parameters get fixed
// too, as for the line through two points given by parameters.
void overdetermined(Generator& g, Random_System& s, Rational_Point& p) {
  int budget = 3;
  int n_chain = g.uniform(1, 3);
  g.choose_symbols(s, p, g.uniform(1, 3), n_chain + 1);
  for (size_t k = 1; k < s.vars.size(); ++k) {
    int d = g.uniform(1, std::min(3, budget));
    budget = std::max(1, budget / d);
    Ref lhs = mul(num(g.nonzero(3)), s.vars[k]);
    g.add_equation(s, p, lhs, g.polynomial(s, g.vars_before(s, k), d, g.uniform(1, 3)));
  }
  for (int extra = g.uniform(1, std::min(2, 5 - int(s.inputs.size()))); extra > 0; --extra)
    g.add_zero(s, p, g.polynomial(s, s.vars, 1, g.uniform(1, 3)));
}

bool occurs_q(wff w, wff sym) {
  if (w == sym) return true;
  if (!appl_q(w)) return false;
  for (Hdl l = w; pair_q(l); l = pair_rest(l))
    if (occurs_q(pair_first(l), sym)) return true;
  return false;
}

// Terms on random variables with the product of the degrees at most 3, never
// more equations than variables held.
void scattered(Generator& g, Random_System& s, Rational_Point& p) {
  for (;;) {
    s = {}, p.values.clear();
    g.choose_symbols(s, p, g.uniform(0, 2), g.uniform(2, 5));
    int budget = 3;
    for (int n_eqs = g.uniform(2, int(s.vars.size())); int(s.inputs.size()) < n_eqs;) {
      int d = g.uniform(1, budget);
      if (g.add_zero(s, p, g.polynomial(s, s.vars, d, g.uniform(2, 4)))) budget = std::max(1, budget / d);
    }
    long n_used = std::count_if(s.vars.begin(), s.vars.end(), [&](wff v) {
      return std::any_of(s.inputs.begin(), s.inputs.end(), [&](const Ref& eq) { return occurs_q(eq.get(), v); });
    });
    if (n_used >= long(s.inputs.size())) return;
  }
}

// Each shape as often as its weight.
const std::vector<std::pair<const char*, Shape>> SHAPES = {
    {"explicit", chain(5, 3, 4, explicit_lhs)}, {"explicit", chain(5, 3, 4, explicit_lhs)},
    {"explicit", chain(5, 3, 4, explicit_lhs)}, {"power", chain(5, 3, 3, power_lhs)},
    {"power", chain(5, 3, 3, power_lhs)},       {"implicit", chain(3, 2, 3, implicit_lhs)},
    {"implicit", chain(3, 2, 3, implicit_lhs)}, {"dense2", dense(2, 2, 2)},   {"dense2", dense(2, 2, 2)},
    {"dense2-cubic", dense(2, 0, 3)}, {"dense3", dense(3, 0, 2)}, {"linear", dense(4, 3, 1)},
    {"overdetermined", overdetermined}, {"scattered", scattered}, {"scattered", scattered},
};

// ---- Variants: one extra equation that makes the system inconsistent, or
// that its equations already imply, or the same equations in the reverse
// order: the elimination's result does not depend on the order ----

const char* const VARIANTS[] = {"shifted-copy", "combination+k", "repeated",      "scaled-copy",
                                "sum-of-two",   "combination",   "zero-equation", "reversed-order"};
bool inconsistent_q(const std::string& variant) { return variant == "shifted-copy" || variant == "combination+k"; }

// lhs - rhs of an input equation.
Ref difference(wff eq) { return Ref::adopt(minus(arg_of(eq, 0), arg_of(eq, 1))); }

// The extra equation of the variant; the empty Ref when this draw gives none
// (the formula folded into a constant).
Ref variant_equation(Generator& g, const Random_System& s, const Rational_Point& p, const std::string& name) {
  wff eq = s.inputs[size_t(g.uniform(0, int(s.inputs.size()) - 1))].get();
  auto both = [&](auto side) { return Ref::adopt(apply2(SYM_EQ, side(0).get(), side(1).get())); };
  Ref extra;
  if (name == "shifted-copy" || name == "scaled-copy") {
    Ref k = p.rational(g.nonzero(9), g.uniform(1, 4));
    Ref kf = p.formula_of(k.get());
    if (name == "shifted-copy")
      extra = both([&](int i) { return i ? add(Ref::share(arg_of(eq, 1)), kf) : Ref::share(arg_of(eq, 0)); });
    else
      extra = both([&](int i) { return mul(kf, arg_of(eq, i)); });
  } else if (name.find("combination") == 0) {
    Ref sum = num(0);
    for (const Ref& in : s.inputs)
      if (!g.chance(30)) sum = add(sum, mul(num(g.nonzero(3)), difference(in.get()).get()));
    Ref k = num(inconsistent_q(name) ? g.nonzero(7) : 0);
    extra = both([&](int i) { return i ? k : sum; });
  } else if (name == "repeated") {
    extra = Ref::share(eq);
  } else if (name == "sum-of-two") {
    wff other = s.inputs[size_t(g.uniform(0, int(s.inputs.size()) - 1))].get();
    extra = both([&](int i) { return Ref::adopt(plus(arg_of(eq, i), arg_of(other, i))); });
  } else if (name == "zero-equation") {  // 0 = 0 as such: the equation constructor would fold it
    extra = Ref::adopt(appl_raw2(builtin(SYM_EQ), imm_make(0), imm_make(0)));
  }
  return appl_of_q(extra.get(), builtin(SYM_EQ)) ? extra : Ref();
}

// The equations as the line-break list the formula constructors give, or
// left as written (the constructors would drop a repeated equation).
Ref conjunction(const std::vector<Ref>& eqs, bool raw_q) {
  Ref all = raw_q ? eqs[0] : Ref::share(builtin(SYM_TRUE));
  for (size_t i = raw_q ? 1 : 0; i < eqs.size(); ++i)
    all = Ref::adopt(raw_q ? appl_raw2(builtin(SYM_AND), all.get(), eqs[i].get())
                           : apply2(SYM_AND, all.get(), eqs[i].get()));
  return all;
}

// ---- Points on the output ----

// The degree of a polynomial formula in v; -1 when v is under a negative
// power or anything else than +, * and integer powers.
int degree_in(wff w, wff v) {
  if (w == v) return 1;
  if (!appl_q(w)) return 0;
  if (appl_of_q(w, builtin(SYM_POWER)) && imm_q(arg_of(w, 1))) {
    int d = degree_in(arg_of(w, 0), v), e = imm_value(arg_of(w, 1));
    return d < 0 || (d > 0 && e < 0) ? -1 : d * e;
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
Back point_on_output(Generator& g, const std::vector<wff>& order, const std::vector<wff>& outputs,
                     Rational_Point& q) {
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
  for (wff v : order) {
    auto it = eq_of.find(v);
    if (it == eq_of.end()) {
      q.values[v] = g.coordinate(q);
      continue;
    }
    // f(v) = c v + d: f(0) gives d and f(1) - f(0) gives c.
    Ref f0, f1, d = difference(it->second);
    q.values[v] = q.rational(0, 1);
    if (!q.eval(d.get(), f0)) return Back::DEGENERATE;
    q.values[v] = q.rational(1, 1);
    if (!q.eval(d.get(), f1)) return Back::DEGENERATE;
    Ref c = Ref::adopt(ring_subtract(q.ring(), f1.get(), f0.get()));
    if (ring_zero_q(q.ring(), c.get())) return Back::DEGENERATE;
    Ref minus_d = Ref::adopt(ring_negate(q.ring(), f0.get()));
    q.values[v] = Ref::adopt(ring_exact_divide(q.ring(), minus_d.get(), c.get()));
  }
  return Back::DONE;
}

TEST(SolveRandom, SolutionsVanishAtTheKnownPointAndSatisfyTheInput) {
  const long n = test_iterations(10000);
  Ref pi_list = Ref::adopt(pair_new(builtin(SYM_PI), EMPTY_HDL));
  long n_back = 0;
  for (long i = 0; i < n; ++i) {
    Generator g(20261206u + uint32_t(i) * 7919u);
    const auto& [shape, make] = SHAPES[size_t(g.uniform(0, int(SHAPES.size()) - 1))];
    Rational_Point p;
    Random_System s;
    do s = {}, p.values.clear(), make(g, s, p);
    while (s.inputs.size() < 2);
    std::vector<wff> order = s.params;
    order.insert(order.end(), s.vars.begin(), s.vars.end());
    Ref vars;
    for (size_t k = order.size(); k-- > 0;) vars = Ref::adopt(pair_new(order[k], vars.get()));
    // Solves into result; false when Solve fails. context names the system and its result.
    auto solve = [&](const Ref& eqs, const std::string& label, Ref& result, std::string& context) {
      context = "system " + std::to_string(i) + " (" + label + "): " + prefix_text(eqs.get());
      try {
        result = Ref::adopt(solve_equations(eqs.get(), pi_list.get(), vars.get(), false));
        context += "\nresult " + prefix_text(result.get());
        return true;
      } catch (const Err& e) {
        ADD_FAILURE() << context << "\nfails with " << e.message();
        return false;
      }
    };
    Ref eqs = conjunction(s.inputs, false), result, result2;
    std::string context, context2;
    if (!solve(eqs, shape, result, context)) continue;

    std::vector<wff> outputs;
    equations_of(result.get(), outputs);
    for (wff eq : outputs) ASSERT_TRUE(p.holds_q(eq)) << context << "\nfails at the point: " << prefix_text(eq);
    for (int attempt = 0; attempt < 3; ++attempt) {
      Rational_Point q;
      Back b = point_on_output(g, order, outputs, q);
      if (b == Back::NOT_TRIANGULAR) break;
      if (b == Back::DEGENERATE) continue;
      ++n_back;
      for (wff eq : outputs) ASSERT_TRUE(q.holds_q(eq)) << context << "\nthe point picked misses " << prefix_text(eq);
      for (const Ref& eq : s.inputs)
        ASSERT_TRUE(q.holds_q(eq.get())) << context << "\ninput fails on the result: " << prefix_text(eq.get());
      break;
    }

    if (!g.chance(40)) continue;
    // The equations in the order Solve had them, the extra one among them.
    const std::string variant = VARIANTS[g.uniform(0, int(std::size(VARIANTS)) - 1)];
    std::vector<wff> in_order;
    equations_of(eqs.get(), in_order);
    std::vector<Ref> with;
    for (wff eq : in_order) with.push_back(Ref::share(eq));
    if (variant == "reversed-order") {
      std::reverse(with.begin(), with.end());
    } else {
      Ref extra = variant_equation(g, s, p, variant);
      if (extra.get() == EMPTY_HDL) continue;
      with.insert(with.begin() + g.uniform(0, int(with.size())), extra);
    }
    if (!solve(conjunction(with, true), std::string(shape) + " + " + variant, result2, context2)) continue;
    ASSERT_EQ(prefix_text(result2.get()), inconsistent_q(variant) ? "false" : prefix_text(result.get()))
        << context << "\n" << context2;
  }
  // Back substitution must be common, or the check on points of the output tests little.
  EXPECT_GT(n_back, n / 4);
}

}  // namespace
