#include "algebra/solve_system.h"

#include "algebra/solve_exps.h"
#include "algebra/solve_primitive.h"

#include <algorithm>
#include <string_view>

namespace {

typedef Tri_Exps Exps;

// The exponents of the leading term of a non-zero p, and its coefficient in K.
Exps lead_exps(const Solve_Tower& t, Hdl p, Hdl* coef_p = nullptr) {
  Exps e(size_t(n_vars_of(t)));
  for (int level = n_vars_of(t); level > 0; --level, p = lead_coef(p)) e[size_t(level) - 1] = deg_nz(p);
  if (coef_p) *coef_p = p;
  return e;
}

// ---- The levels

// The member whose leading term divides the term with exponents e: at each
// level the highest entry not above the term's degree holds every member
// that can, so the walk never turns back.
const Tri_Member* reducer_of(const Tri_Level& s, int level, const Exps& e) {
  if (level == 0) return s.unit;
  for (const Tri_Entry& entry : s.entries)
    if (entry.degree <= e[size_t(level) - 1]) return reducer_of(entry.sub, level - 1, e);
  return nullptr;
}

// Puts m into the system over `level`: into the entry of its degree, made
// when missing as a copy of the entry below it (whatever reaches degree d-1
// reaches d), and into every entry above, where it counts multiplied by x_L.
// A unit already there stays: its member divides the same terms.
void place(Tri_Level& s, int level, const Tri_Member* m) {
  if (level == 0) {
    if (!s.unit) s.unit = m;
    return;
  }
  int32_t d = m->lead[size_t(level) - 1];
  auto own = std::find_if(s.entries.begin(), s.entries.end(), [d](const Tri_Entry& e) { return e.degree <= d; });
  if (own == s.entries.end() || own->degree != d) own = s.entries.insert(own, {d, own == s.entries.end() ? Tri_Level{} : own->sub});
  for (auto e = s.entries.begin();; ++e) {
    place(e->sub, level - 1, m);
    if (e == own) break;
  }
}

// Each member at the place its own leading term spells, in entry order.
void list_level(const Tri_Level& s, int level, Exps& path, std::vector<Ref>& out) {
  if (level == 0) {
    if (s.unit && s.unit->lead == path) out.push_back(s.unit->p);
    return;
  }
  for (const Tri_Entry& entry : s.entries) {
    path[size_t(level) - 1] = entry.degree;
    list_level(entry.sub, level - 1, path, out);
  }
}

void rebuild_levels(Tri_System& s) {
  s.top = Tri_Level{};
  for (const auto& m : s.members) place(s.top, n_vars_of(s.tower), m.get());
}

// ---- The merge

int64_t n_terms_of(int level, Hdl p) {
  if (level == 0) return 1;
  int64_t n = 0;
  for (; nz_q(p); p = poly_rest(p)) n += n_terms_of(level - 1, lead_coef(p));
  return n;
}

std::unique_ptr<Tri_Member> member_of(const Solve_Tower& t, Hdl p, uint32_t id) {
  Ref primitive = primitive_of(t, p);
  Exps e = lead_exps(t, primitive.get());
  int64_t n_terms = n_terms_of(n_vars_of(t), primitive.get());
  return std::unique_ptr<Tri_Member>(new Tri_Member{primitive, e, id, n_terms});
}

Hdl lead_coef_of(const Solve_Tower& t, Hdl p) {
  for (int level = n_vars_of(t); level > 0; --level) p = lead_coef(p);
  return p;
}

// A constant member: then it is the only one, since it divides every other.
bool unit_q(const Tri_System& s) {
  return s.members.size() == 1 && std::all_of(s.members[0]->lead.begin(), s.members[0]->lead.end(), [](int32_t e) { return e == 0; });
}

// a·x^(lcm - lead f)·f - b·x^(lcm - lead g)·g, with the smallest constants
// a, b of K that make the leading terms cancel.
Ref s_polynomial(const Solve_Tower& t, const Tri_Member& f, const Tri_Member& g) {
  Exps lcm = lcm_of(f.lead, g.lead);
  int n = n_vars_of(t);
  Ref a, b;
  cancelling_factors(t, lead_coef_of(t, f.p.get()), lead_coef_of(t, g.p.get()), a, b);
  Ref minus_b = level_sub(t, 0, ring_at(t, 0).zero, b.get());
  Ref fa = term_times(t, a.get(), difference(lcm, f.lead), f.p.get());
  Ref gb = term_times(t, minus_b.get(), difference(lcm, g.lead), g.p.get());
  return level_add(t, n, fa.get(), gb.get());
}

struct Pair {
  uint32_t id_i, id_j;  // members by id: a pair dies with either member
  Exps lcm;             // of the leading terms: the lowest first, so that
                        // polynomials in fewer variables come early and keep
                        // the others small
};

// True when some term of p is a multiple of the leading term e.
bool has_multiple_q(Hdl p, const Exps& e, int level) {
  if (level == 0) return true;
  for (; nz_q(p); p = poly_rest(p)) {
    if (deg_nz(p) < e[size_t(level) - 1]) return false;
    if (has_multiple_q(lead_coef(p), e, level - 1)) return true;
  }
  return false;
}

const Tri_Member* member_by_id(const Tri_System& s, uint32_t id) {
  for (const auto& m : s.members)
    if (m->id == id) return m.get();
  return nullptr;
}

// p without its leading term: only the chain of leading coefficients is rebuilt.
Ref without_lead(const Solve_Tower& t, int level, Hdl p) {
  if (level == 0) return zero_of(t, 0);
  Ref c = without_lead(t, level - 1, lead_coef(p));
  return term_new(t, level, c.get(), deg_nz(p), poly_rest(p));
}

// m's terms after the leading one reduced by the system. None of them is a
// multiple of m's own leading term, so the walk down the levels never
// reaches m itself; the leading term and with it the pairs stay as they were.
void reduce_tail(const Tri_System& s, Tri_Member& m) {
  const Solve_Tower& t = s.tower;
  int n = n_vars_of(t);
  Ref tail = without_lead(t, n, m.p.get());
  Ref scale;
  Ref reduced = tri_reduce(s, tail.get(), &scale);
  Ref lead = tri_monomial(t, scaled(t, 0, lead_coef_of(t, m.p.get()), scale.get()).get(), m.lead);
  m.p = primitive_of(t, level_add(t, n, lead.get(), reduced.get()).get());
  m.n_terms = n_terms_of(n, m.p.get());
}

// Adds m with the pairs it makes. A member whose leading term m's divides is
// redundant: it leaves and comes back reduced, as a pending polynomial. The
// other members with a term that m's leading term divides are reduced in place.
void add_member(Tri_System& s, std::unique_ptr<Tri_Member> m, std::vector<Pair>& pairs, std::vector<Ref>& pending) {
  int n = n_vars_of(s.tower);
  bool left_q = false;
  std::vector<Tri_Member*> shrink;
  std::vector<std::unique_ptr<Tri_Member>> kept;
  for (auto& old : s.members) {
    if (divides_q(m->lead, old->lead)) {
      pending.push_back(old->p);
      left_q = true;
      continue;
    }
    if (!coprime_q(old->lead, m->lead)) pairs.push_back({old->id, m->id, lcm_of(old->lead, m->lead)});
    if (has_multiple_q(old->p.get(), m->lead, n)) shrink.push_back(old.get());
    kept.push_back(std::move(old));
  }
  kept.push_back(std::move(m));
  s.members = std::move(kept);
  if (left_q) rebuild_levels(s);
  else place(s.top, n, s.members.back().get());
  for (Tri_Member* old : shrink) reduce_tail(s, *old);
}

// Terms of members taken in reductions so far, against the budget of an attempt.
int64_t n_term_steps_ = 0;

// Closes the system over the inputs: each in turn, lowest leading term first,
// when no combination is lower. False when that takes more than max_steps.
bool insert_within(Tri_System& s, std::vector<Ref> inputs, int64_t max_steps) {
  const Solve_Tower& t = s.tower;
  int n = n_vars_of(t);
  std::vector<Pair> pairs;
  std::vector<Ref> pending;
  std::erase_if(inputs, [&](const Ref& p) { return zero_q(t, n, p.get()); });
  // The lowest leading term last, where it is taken.
  std::stable_sort(inputs.begin(), inputs.end(), [&](const Ref& a, const Ref& b) {
    return lex_less_q(lead_exps(t, b.get()), lead_exps(t, a.get()));
  });
  auto lower_pair = [](const Pair& a, const Pair& b) { return lex_less_q(a.lcm, b.lcm); };
  while (!unit_q(s) && (!pending.empty() || !pairs.empty() || !inputs.empty())) {
    if (n_term_steps_ > max_steps) return false;
    Ref r;
    auto next = std::min_element(pairs.begin(), pairs.end(), lower_pair);
    if (!pending.empty()) {
      r = std::move(pending.back());
      pending.pop_back();
    } else if (!inputs.empty() && (pairs.empty() || !lex_less_q(next->lcm, lead_exps(t, inputs.back().get())))) {
      r = std::move(inputs.back());
      inputs.pop_back();
    } else {
      Pair pr = *next;
      pairs.erase(next);
      const Tri_Member* f = member_by_id(s, pr.id_i);
      const Tri_Member* g = member_by_id(s, pr.id_j);
      if (!f || !g) continue;
      r = s_polynomial(t, *f, *g);
    }
    r = tri_reduce(s, r.get());
    if (!zero_q(t, n, r.get())) add_member(s, member_of(t, r.get(), s.next_id++), pairs, pending);
  }
  return true;
}

// One attempt from the empty system: the inputs one by one in order, each
// closed before the next, or all of them together.
bool attempt(Tri_System& s, const std::vector<Ref>& polys, bool together_q, int64_t max_steps) {
  s.members.clear();
  s.top = Tri_Level{};
  s.next_id = 0;
  n_term_steps_ = 0;
  if (together_q) return insert_within(s, polys, max_steps);
  for (const Ref& p : polys)
    if (!insert_within(s, {p}, max_steps)) return false;
  return true;
}

}  // namespace

Tri_System::Tri_System(const Solve_Tower& t) : tower(t) {}

Ref tri_reduce(const Tri_System& s, Hdl p0, Ref* scale_p) {
  const Solve_Tower& t = s.tower;
  int n = n_vars_of(t);
  Ref p = Ref::share(p0);
  // The terms no member divides, highest first, each with the number of
  // scales p had been multiplied by when it was set aside.
  std::vector<std::pair<Ref, size_t>> kept;
  std::vector<Ref> scales;
  while (!zero_q(t, n, p.get())) {
    Hdl c;
    Exps e = lead_exps(t, p.get(), &c);
    if (const Tri_Member* m = reducer_of(s.top, n, e)) {
      n_term_steps_ += m->n_terms;
      // a·p - b·x^(e - lead m)·m, fraction-free: a·c = b·(leading coefficient of m).
      Ref a, b;
      cancelling_factors(t, c, lead_coef_of(t, m->p.get()), a, b);
      Ref pa = scaled(t, n, p.get(), a.get());
      Ref minus_b = level_sub(t, 0, ring_at(t, 0).zero, b.get());
      p = level_add(t, n, pa.get(), term_times(t, minus_b.get(), difference(e, m->lead), m->p.get()).get());
      if (!one_q(t, 0, a.get())) scales.push_back(a);
    } else {
      kept.push_back({tri_monomial(t, c, e), scales.size()});
      p = without_lead(t, n, p.get());
    }
  }
  // Summed from the lowest up, each term goes in front of the sum so far,
  // multiplied by the scales p took after it was set aside.
  Ref done = zero_of(t, n), scale = one_of(t, 0);
  size_t n_scaled = scales.size();
  for (size_t i = kept.size(); i-- > 0;) {
    for (; n_scaled > kept[i].second; --n_scaled) scale = level_mul(t, 0, scale.get(), scales[n_scaled - 1].get());
    done = level_add(t, n, scaled(t, n, kept[i].first.get(), scale.get()).get(), done.get());
  }
  if (scale_p) {
    for (; n_scaled > 0; --n_scaled) scale = level_mul(t, 0, scale.get(), scales[n_scaled - 1].get());
    *scale_p = scale;
  }
  return done;
}

// Closing the system after each polynomial is usually the fastest way; but on
// some systems the systems of the first few grow enormous, or too large for
// memory, where all of them together stay small, and on others the other way
// round. The two take turns with growing budgets, so the faster one finishes at
// a few times its cost; one that runs out of memory is not tried again.
constexpr int64_t FIRST_TERM_STEPS = 200000;

void tri_insert(Tri_System& s, const std::vector<Ref>& polys) {
  CHECK(s.members.empty());
  // The ways still in the race; two polynomials go the same way both ways.
  bool open_q[2] = {true, polys.size() > 2};
  for (int64_t max_steps = FIRST_TERM_STEPS;; max_steps = max_steps > INT64_MAX / 4 ? INT64_MAX : max_steps * 4)
    for (int way : {0, 1}) {
      if (!open_q[way]) continue;
      try {
        // Alone in the race, a way has no budget.
        int64_t budget = open_q[1 - way] ? max_steps : INT64_MAX;
        if (heap_guarded([&] { return attempt(s, polys, way == 1, budget); })) return;
      } catch (const Misc_Static_Err& e) {
        if (std::string_view(e.message()) != "Out of memory" || !open_q[1 - way]) throw;
        open_q[way] = false;
      }
    }
}

namespace {

// Whether p's leading coefficient in the highest variable it holds is a
// constant of K.
bool number_lead_q(const Solve_Tower& t, Hdl p) {
  int level = n_vars_of(t);
  for (; level > 0 && deg_nz(p) == 0; --level) p = lead_coef(p);
  for (; level > 1; --level)
    if (deg_nz(p = lead_coef(p)) != 0) return false;
  return true;
}

}  // namespace

std::vector<Ref> tri_list(const Tri_System& s) {
  std::vector<Ref> out;
  Exps path(size_t(n_vars_of(s.tower)));
  list_level(s.top, n_vars_of(s.tower), path, out);
  // Monic where that makes the leading coefficient 1, so a linear member
  // reads v = ...; otherwise kept with whole numbers: 2*a*y-x=0, not a*y-x/2=0.
  for (Ref& p : out)
    if (number_lead_q(s.tower, p.get())) p = monic_of(s.tower, p.get());
  return out;
}
