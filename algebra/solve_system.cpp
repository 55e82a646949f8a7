#include "algebra/solve_system.h"

#include <algorithm>

namespace {

typedef std::vector<int32_t> Exps;

// The exponents of the leading term of a non-zero p, and its coefficient in K.
Exps lead_exps(const Solve_Tower& t, Hdl p, Hdl* coef_p = nullptr) {
  Exps e(size_t(n_vars_of(t)));
  for (int level = n_vars_of(t); level > 0; --level, p = lead_coef(p)) e[size_t(level) - 1] = deg_nz(p);
  if (coef_p) *coef_p = p;
  return e;
}

// c·x_1^e_1···x_n^e_n for c in K, as an element of the outermost level.
Ref monomial(const Solve_Tower& t, Hdl c, const Exps& e) {
  Ref m = Ref::share(c);
  for (int level = 1; level <= n_vars_of(t); ++level) m = term_new(t, level, m.get(), e[size_t(level) - 1], EMPTY_HDL);
  return m;
}

bool divides_q(const Exps& a, const Exps& b) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] > b[i]) return false;
  return true;
}

// Lexicographic from the highest variable: the order of the terms.
bool lex_less_q(const Exps& a, const Exps& b) {
  for (size_t i = a.size(); i-- > 0;)
    if (a[i] != b[i]) return a[i] < b[i];
  return false;
}

Exps difference(const Exps& a, const Exps& b) {
  Exps d(a.size());
  for (size_t i = 0; i < a.size(); ++i) d[i] = a[i] - b[i];
  return d;
}

const Tri_Member* divisor_of(const Tri_System& s, const Exps& e) {
  for (const Tri_Member& m : s.members)
    if (divides_q(m.lead, e)) return &m;
  return nullptr;
}

// p with leading coefficient 1 in K: dividing by a constant keeps the zeros.
Tri_Member monic(const Solve_Tower& t, Hdl p) {
  Hdl c;
  Exps e = lead_exps(t, p, &c);
  Ref inverse = k_divide(t, ring_at(t, 0).one, c);
  Ref scale = lift(t, 0, n_vars_of(t), inverse.get());
  return {level_mul(t, n_vars_of(t), p, scale.get()), e};
}

// A constant member: then it is the only one, since it divides every other.
bool unit_q(const Tri_System& s) {
  return s.members.size() == 1 && std::all_of(s.members[0].lead.begin(), s.members[0].lead.end(), [](int32_t e) { return e == 0; });
}

// x^(lcm - a)·f - x^(lcm - b)·g for monic f, g: their leading terms cancel.
Ref s_polynomial(const Solve_Tower& t, const Tri_Member& f, const Tri_Member& g) {
  Exps lcm(f.lead.size());
  for (size_t i = 0; i < lcm.size(); ++i) lcm[i] = std::max(f.lead[i], g.lead[i]);
  Hdl one = ring_at(t, 0).one;
  int n = n_vars_of(t);
  Ref a = level_mul(t, n, monomial(t, one, difference(lcm, f.lead)).get(), f.p.get());
  Ref b = level_mul(t, n, monomial(t, one, difference(lcm, g.lead)).get(), g.p.get());
  return level_sub(t, n, a.get(), b.get());
}

// Leading terms that share no variable make an S-polynomial that reduces to
// zero by the two alone.
bool coprime_q(const Exps& a, const Exps& b) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] > 0 && b[i] > 0) return false;
  return true;
}

struct Pair {
  uint32_t id_i, id_j;  // members by id: a pair dies with either member
  Exps lcm;             // of the leading terms: the lowest first, so that
                        // polynomials in fewer variables come early and keep
                        // the others small
};

Exps lcm_of(const Exps& a, const Exps& b) {
  Exps l(a.size());
  for (size_t i = 0; i < a.size(); ++i) l[i] = std::max(a[i], b[i]);
  return l;
}

// True when some term of p is a multiple of the leading term e.
bool has_multiple_q(const Solve_Tower& t, Hdl p, const Exps& e, int level) {
  if (level == 0) return true;
  for (; nz_q(p); p = poly_rest(p)) {
    if (deg_nz(p) < e[size_t(level) - 1]) return false;
    if (has_multiple_q(t, lead_coef(p), e, level - 1)) return true;
  }
  return false;
}

const Tri_Member* member_by_id(const Tri_System& s, uint32_t id) {
  for (const Tri_Member& m : s.members)
    if (m.id == id) return &m;
  return nullptr;
}

// Adds m with the pairs it makes. Members with a term that m's leading term
// divides leave and come back reduced, as pending polynomials: a member whose
// leading term goes is redundant, and the others shrink.
void add_member(const Solve_Tower& t, Tri_System& s, Tri_Member m, std::vector<Pair>& pairs, std::vector<Ref>& pending) {
  m.id = s.next_id++;
  std::vector<Tri_Member> kept;
  for (Tri_Member& old : s.members) {
    if (has_multiple_q(t, old.p.get(), m.lead, n_vars_of(t))) {
      pending.push_back(old.p);
      continue;
    }
    if (!coprime_q(old.lead, m.lead)) pairs.push_back({old.id, m.id, lcm_of(old.lead, m.lead)});
    kept.push_back(std::move(old));
  }
  kept.push_back(std::move(m));
  s.members = std::move(kept);
}

}  // namespace

// p without its leading term: only the chain of leading coefficients is rebuilt.
Ref without_lead(const Solve_Tower& t, int level, Hdl p) {
  if (level == 0) return zero_of(t, 0);
  Ref c = without_lead(t, level - 1, lead_coef(p));
  return term_new(t, level, c.get(), deg_nz(p), poly_rest(p));
}

Ref tri_reduce(const Solve_Tower& t, const Tri_System& s, Hdl p0) {
  int n = n_vars_of(t);
  Ref p = Ref::share(p0);
  std::vector<Ref> kept;  // the terms no member divides, highest first
  while (!zero_q(t, n, p.get())) {
    Hdl c;
    Exps e = lead_exps(t, p.get(), &c);
    if (const Tri_Member* m = divisor_of(s, e)) {
      Ref quotient = monomial(t, c, difference(e, m->lead));
      p = level_sub(t, n, p.get(), level_mul(t, n, quotient.get(), m->p.get()).get());
    } else {
      kept.push_back(monomial(t, c, e));
      p = without_lead(t, n, p.get());
    }
  }
  // Summed from the lowest up, each term goes in front of the sum so far.
  Ref done = zero_of(t, n);
  for (size_t i = kept.size(); i-- > 0;) done = level_add(t, n, kept[i].get(), done.get());
  return done;
}

void tri_insert(const Solve_Tower& t, Tri_System& s, Hdl p0) {
  int n = n_vars_of(t);
  std::vector<Pair> pairs;
  std::vector<Ref> pending{Ref::share(p0)};
  while (!unit_q(s) && (!pending.empty() || !pairs.empty())) {
    Ref r;
    if (!pending.empty()) {
      r = std::move(pending.back());
      pending.pop_back();
    } else {
      auto next = std::min_element(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return lex_less_q(a.lcm, b.lcm); });
      Pair pr = *next;
      pairs.erase(next);
      const Tri_Member* f = member_by_id(s, pr.id_i);
      const Tri_Member* g = member_by_id(s, pr.id_j);
      if (!f || !g) continue;
      r = s_polynomial(t, *f, *g);
    }
    r = tri_reduce(t, s, r.get());
    if (!zero_q(t, n, r.get())) add_member(t, s, monic(t, r.get()), pairs, pending);
  }
}

std::vector<Ref> tri_list(const Tri_System& s) {
  // Insertion keeps every member reduced by the others, so listing only orders them.
  std::vector<const Tri_Member*> ms;
  for (const Tri_Member& m : s.members) ms.push_back(&m);
  std::sort(ms.begin(), ms.end(), [](const Tri_Member* a, const Tri_Member* b) { return lex_less_q(b->lead, a->lead); });
  std::vector<Ref> out;
  for (const Tri_Member* m : ms) out.push_back(m->p);
  return out;
}
