#include "algebra/solve_order_change.h"

#include <map>

#include "algebra/fraction_field.h"
#include "algebra/solve_exps.h"
#include "algebra/solve_primitive.h"

namespace {

typedef Tri_Exps Exps;

// A polynomial as its terms, highest first in the order in use.
struct Term {
  Exps e;
  Ref c;  // in K, not zero
};
typedef std::vector<Term> Poly;

// By total degree, then the lower exponent of the lowest variable first
// (reverse lexicographic): the order in which the basis is closed.
bool degree_greater_q(const Exps& a, const Exps& b) {
  int32_t da = exps_degree(a), db = exps_degree(b);
  if (da != db) return da > db;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return a[i] < b[i];
  return false;
}

void collect(const Solve_Tower& t, int level, Hdl p, Exps& e, Poly& out) {
  if (level == 0) return out.push_back({e, Ref::share(p)});
  for (; nz_q(p); p = poly_rest(p)) {
    e[size_t(level) - 1] = deg_nz(p);
    collect(t, level - 1, lead_coef(p), e, out);
  }
  e[size_t(level) - 1] = 0;
}

Poly terms_of(const Solve_Tower& t, Hdl p) {
  Poly out;
  Exps e(size_t(n_vars_of(t)));
  collect(t, n_vars_of(t), p, e, out);
  std::sort(out.begin(), out.end(), [](const Term& a, const Term& b) { return degree_greater_q(a.e, b.e); });
  return out;
}

Exps shifted(const Exps& a, const Exps& q) {
  Exps s(a);
  for (size_t i = 0; i < s.size(); ++i) s[i] += q[i];
  return s;
}

// x^q·g.
Poly shifted(const Poly& g, const Exps& q) {
  Poly out;
  for (const Term& x : g) out.push_back({shifted(x.e, q), x.c});
  return out;
}

// Terms merged so far by this way round, against its budget.
int64_t n_term_steps_ = 0;

// a·p - b·x^q·g, merging the terms.
Poly combination(const Solve_Tower& t, const Poly& p, Hdl a, Hdl b, const Exps& q, const Poly& g) {
  n_term_steps_ += int64_t(p.size() + g.size());
  bool scale_q = !one_q(t, 0, a);
  auto times_a = [&](const Term& x) { return scale_q ? level_mul(t, 0, x.c.get(), a) : x.c; };
  Poly out;
  size_t i = 0, j = 0;
  bool shift_q = std::any_of(q.begin(), q.end(), [](int32_t x) { return x != 0; });
  while (i < p.size() || j < g.size()) {
    Exps eg = j == g.size() ? Exps() : shift_q ? shifted(g[j].e, q) : g[j].e;
    if (j == g.size() || (i < p.size() && degree_greater_q(p[i].e, eg))) {
      out.push_back({p[i].e, times_a(p[i])}), ++i;
      continue;
    }
    Ref c = level_mul(t, 0, g[j].c.get(), b);
    c = i < p.size() && p[i].e == eg ? level_sub(t, 0, times_a(p[i++]).get(), c.get()) : level_sub(t, 0, ring_at(t, 0).zero, c.get());
    if (!zero_q(t, 0, c.get())) out.push_back({eg, c});
    ++j;
  }
  return out;
}

// p with no term a multiple of a leading term of g, up to a constant factor
// (none when the members of g are monic).
Poly reduced(const Solve_Tower& t, Poly p, const std::vector<Poly>& g) {
  for (size_t i = 0; i < p.size();) {
    const Poly* by = nullptr;
    for (const Poly& m : g)
      if (divides_q(m[0].e, p[i].e)) {
        by = &m;
        break;
      }
    if (!by) {
      ++i;
      continue;
    }
    Ref a, b;
    cancelling_factors(t, p[i].c.get(), (*by)[0].c.get(), a, b);
    p = combination(t, p, a.get(), b.get(), difference(p[i].e, (*by)[0].e), *by);
  }
  return p;
}

void scale(const Solve_Tower& t, Poly& p, Hdl f) {
  for (Term& x : p) x.c = level_mul(t, 0, x.c.get(), f);
}

void make_primitive(const Solve_Tower& t, Poly& p) {
  std::vector<Hdl> coefs;
  for (const Term& x : p) coefs.push_back(x.c.get());
  scale(t, p, primitive_factor(t, coefs).get());
}

// ---- Closing the basis in the degree order

struct Pair {
  size_t i, j;
  Exps lcm;
  int32_t sugar;
};

struct Degree_Basis {
  const Solve_Tower& t;
  std::vector<Poly> members;
  std::vector<int32_t> sugars;
  std::vector<Pair> pairs;

  // Adds h; pairs that h shows to be chains of others are dropped, and none
  // is made with a member whose leading term shares no variable with h's.
  void add(Poly h, int32_t sugar) {
    const Exps& lh = h[0].e;
    std::erase_if(pairs, [&](const Pair& p) {
      return divides_q(lh, p.lcm) && lcm_of(members[p.i][0].e, lh) != p.lcm && lcm_of(members[p.j][0].e, lh) != p.lcm;
    });
    for (size_t k = 0; k < members.size(); ++k) {
      const Exps& lk = members[k][0].e;
      if (coprime_q(lk, lh)) continue;
      Exps l = lcm_of(lk, lh);
      int32_t d = exps_degree(l);
      pairs.push_back({k, members.size(), l, std::max(sugars[k] + d - exps_degree(lk), sugar + d - exps_degree(lh))});
    }
    members.push_back(std::move(h));
    sugars.push_back(sugar);
  }

  enum Outcome { CLOSED, UNIT, OVER_BUDGET };

  // Closes the basis, unless that takes more than max_steps term steps.
  Outcome close(int64_t max_steps) {
    while (!pairs.empty()) {
      if (n_term_steps_ > max_steps) return OVER_BUDGET;
      auto next = std::min_element(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
        return a.sugar != b.sugar ? a.sugar < b.sugar : degree_greater_q(b.lcm, a.lcm);
      });
      Pair pr = *next;
      pairs.erase(next);
      const Poly &f = members[pr.i], &g = members[pr.j];
      Ref a, b;
      cancelling_factors(t, f[0].c.get(), g[0].c.get(), a, b);
      Poly s = combination(t, shifted(f, difference(pr.lcm, f[0].e)), a.get(), b.get(), difference(pr.lcm, g[0].e), g);
      s = reduced(t, std::move(s), members);
      if (s.empty()) continue;
      make_primitive(t, s);
      if (exps_degree(s[0].e) == 0) return UNIT;
      add(std::move(s), pr.sugar);
    }
    return CLOSED;
  }

  // The members no other's leading term divides, monic; empty when some
  // variable has no pure power among the leading terms (infinitely many
  // solutions).
  std::vector<Poly> monic_minimal() const {
    std::vector<Poly> out;
    for (size_t k = 0; k < members.size(); ++k) {
      bool redundant_q = false;
      for (size_t j = 0; j < members.size() && !redundant_q; ++j)
        redundant_q = j != k && divides_q(members[j][0].e, members[k][0].e) && (members[j][0].e != members[k][0].e || j < k);
      if (redundant_q) continue;
      Poly m = members[k];
      Ref inverse = k_divide(t, ring_at(t, 0).one, m[0].c.get());
      scale(t, m, inverse.get());
      out.push_back(std::move(m));
    }
    for (size_t v = 0; v < size_t(n_vars_of(t)); ++v) {
      bool pure_q = std::any_of(out.begin(), out.end(), [v](const Poly& m) { return exps_degree(m[0].e) == m[0].e[v]; });
      if (!pure_q) return {};
    }
    return out;
  }
};

// ---- From the degree order to the elimination order

// The monomials below the leading terms of the system being found, lowest in
// the elimination order first, each with its normal form by the degree
// basis; and the rows of the normal forms in echelon form, each a
// combination (comb) of the normal forms of those monomials.
struct Order_Change {
  const Solve_Tower& t;
  const std::vector<Poly>& basis;
  struct Below {
    Exps m;
    Poly normal;
  };
  struct Row {
    Poly v;  // monic
    std::vector<Ref> comb;
  };
  std::vector<Below> below;
  std::vector<Row> rows;
  std::map<Exps, size_t> pivots;  // the row of each leading monomial
  std::vector<Ref> system;
  std::vector<Exps> system_leads;

  // m with its normal form: a new member of the system when the form is a
  // combination of those of the monomials below, else a new monomial below.
  void take(const Exps& m, Poly normal) {
    Poly v = normal;
    std::vector<Ref> comb(below.size(), zero_of(t, 0));
    for (size_t i = 0; i < v.size();) {
      auto found = pivots.find(v[i].e);
      if (found == pivots.end()) {
        ++i;
        continue;
      }
      const Row& row = rows[found->second];
      Ref c = v[i].c;
      v = combination(t, v, ring_at(t, 0).one, c.get(), Exps(m.size()), row.v);
      for (size_t j = 0; j < row.comb.size(); ++j)
        if (!zero_q(t, 0, row.comb[j].get())) comb[j] = level_sub(t, 0, comb[j].get(), level_mul(t, 0, c.get(), row.comb[j].get()).get());
    }
    if (v.empty()) {
      Ref p = tri_monomial(t, ring_at(t, 0).one, m);
      for (size_t j = 0; j < comb.size(); ++j)
        if (!zero_q(t, 0, comb[j].get())) p = level_add(t, n_vars_of(t), p.get(), tri_monomial(t, comb[j].get(), below[j].m).get());
      system.push_back(p);
      system_leads.push_back(m);
      return;
    }
    comb.push_back(one_of(t, 0));
    Ref inverse = k_divide(t, ring_at(t, 0).one, v[0].c.get());
    scale(t, v, inverse.get());
    for (Ref& c : comb) c = level_mul(t, 0, c.get(), inverse.get());
    pivots[v[0].e] = rows.size();
    rows.push_back({std::move(v), std::move(comb)});
    below.push_back({m, std::move(normal)});
  }

  void run() {
    struct Candidate {
      Exps m;
      size_t from;  // the monomial below that it is x_v times
      size_t v;
    };
    size_t n = size_t(n_vars_of(t));
    take(Exps(n), reduced(t, Poly{{Exps(n), one_of(t, 0)}}, basis));
    std::vector<Candidate> next;
    for (size_t done = 0;;) {
      for (; done < below.size(); ++done)
        for (size_t v = 0; v < n; ++v) {
          Exps m = below[done].m;
          ++m[v];
          next.push_back({m, done, v});
        }
      std::erase_if(next, [&](const Candidate& c) {
        return std::any_of(system_leads.begin(), system_leads.end(), [&](const Exps& l) { return divides_q(l, c.m); });
      });
      if (next.empty()) return;
      auto lowest = std::min_element(next.begin(), next.end(), [](const Candidate& a, const Candidate& b) { return lex_less_q(a.m, b.m); });
      Candidate c = *lowest;
      std::erase_if(next, [&](const Candidate& d) { return d.m == c.m; });
      Exps x(n);
      x[c.v] = 1;
      take(c.m, reduced(t, shifted(below[c.from].normal, x), basis));
    }
  }
};

}  // namespace

// The degree basis of a system with infinitely many solutions can grow
// large before that shows; past this many term steps (twice what Katsura-5
// takes) the elimination goes on directly.
constexpr int64_t MAX_TERM_STEPS = 2000000;

bool system_by_order_change(const Solve_Tower& t, const std::vector<Ref>& polys, std::vector<Ref>& system) {
  int n = n_vars_of(t);
  // Finitely many solutions need as many equations as unknowns.
  if (n == 0 || t.coef_rings.size() != 1 || int(polys.size()) < n) return false;
  Degree_Basis d{t, {}, {}, {}};
  for (const Ref& p : polys) {
    Poly h = terms_of(t, p.get());
    if (h.empty()) continue;
    make_primitive(t, h);
    int32_t sugar = exps_degree(h[0].e);
    if (sugar == 0) {
      system = {one_of(t, n)};
      return true;
    }
    d.add(std::move(h), sugar);
  }
  n_term_steps_ = 0;
  Degree_Basis::Outcome closed = d.close(MAX_TERM_STEPS);
  if (closed == Degree_Basis::OVER_BUDGET) return false;
  if (closed == Degree_Basis::UNIT) {
    system = {one_of(t, n)};
    return true;
  }
  std::vector<Poly> basis = d.monic_minimal();
  if (basis.empty()) return false;
  Order_Change o{t, basis, {}, {}, {}, {}};
  o.run();
  system = std::move(o.system);
  return true;
}
