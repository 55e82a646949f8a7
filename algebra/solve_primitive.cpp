#include "algebra/solve_primitive.h"

#include <vector>

#include "algebra/upoly2_terms.h"

namespace {

// p with every coefficient in K mapped. Templates, not function objects on
// the heap: Solve runs with the heap counted.
template <class F>
Ref mapped(const Solve_Tower& t, int level, Hdl p, const F& f) {
  if (level == 0) return f(p);
  Term_Builder b(ring_at(t, level - 1));
  for (; nz_q(p); p = poly_rest(p)) b.append(mapped(t, level - 1, lead_coef(p), f).release(), deg_nz(p));
  return Ref::adopt(b.finish());
}

const Ring& base_of(const Solve_Tower& t) { return coef_ring_of(ring_at(t, 0)); }

Ref base_gcd(const Ring& base, Hdl a, Hdl b) {
  if (ring_one_q(base, a) || ring_one_q(base, b)) return Ref::share(base.one);
  return Ref::adopt(ring_gcd(base, a, b));
}

// The constant c of the base ring of K as an element of K.
Ref of_base(const Solve_Tower& t, Hdl c) { return Ref::adopt(fraction_from_base(ring_at(t, 0), c)); }

}  // namespace

namespace {

Ref times_term(const Solve_Tower& t, int level, Hdl p, Hdl c, const Tri_Exps& e) {
  if (level == 0) return level_mul(t, 0, p, c);
  Term_Builder b(ring_at(t, level - 1));
  for (; nz_q(p); p = poly_rest(p))
    b.append(times_term(t, level - 1, lead_coef(p), c, e).release(), exponent_sum(deg_nz(p), e[size_t(level) - 1]));
  return Ref::adopt(b.finish());
}

}  // namespace

Ref term_times(const Solve_Tower& t, Hdl c, const Tri_Exps& e, Hdl p) { return times_term(t, n_vars_of(t), p, c, e); }

Ref scaled(const Solve_Tower& t, int level, Hdl p, Hdl c) {
  if (one_q(t, 0, c)) return Ref::share(p);
  const Ring& k = ring_at(t, 0);
  return mapped(t, level, p, [&](Hdl a) { return Ref::adopt(ring_multiply(k, a, c)); });
}

Ref fraction_free_factor(const Ring& field, const std::vector<Hdl>& coefs) {
  const Ring& base = coef_ring_of(field);
  // The lcm of the denominators clears them.
  Ref den = Ref::share(base.one);
  for (Hdl c : coefs) {
    if (ring_one_q(base, frac_den(c))) continue;
    Ref g = base_gcd(base, den.get(), frac_den(c));
    Ref part = Ref::adopt(ring_exact_divide(base, frac_den(c), g.get()));
    den = Ref::adopt(ring_multiply(base, den.get(), part.get()));
  }
  // Then the gcd of the numerators cleared, with the unit that makes the leading one normal.
  Ref content = Ref::share(base.zero);
  for (size_t i = 0; i < coefs.size() && !ring_one_q(base, content.get()); ++i) {
    Ref cleared = Ref::adopt(ring_multiply(base, frac_num(coefs[i]), den.get()));
    if (!ring_one_q(base, frac_den(coefs[i]))) cleared = Ref::adopt(ring_exact_divide(base, cleared.get(), frac_den(coefs[i])));
    content = Ref::adopt(ring_gcd(base, content.get(), cleared.get()));
  }
  Ref unit = Ref::adopt(ring_unit_part(base, frac_num(coefs[0])));
  Ref divisor = Ref::adopt(ring_multiply(base, content.get(), unit.get()));
  return Ref::adopt(fraction_make(field, den.get(), divisor.get()));
}

Ref primitive_factor(const Solve_Tower& t, const std::vector<Hdl>& coefs) { return fraction_free_factor(ring_at(t, 0), coefs); }

Ref primitive_of(const Solve_Tower& t, Hdl p) {
  int n = n_vars_of(t);
  if (zero_q(t, n, p)) return Ref::share(p);
  std::vector<Hdl> coefs;
  each_coef(p, n, [&](Hdl c) { coefs.push_back(c); });
  return scaled(t, n, p, primitive_factor(t, coefs).get());
}

Ref monic_of(const Solve_Tower& t, Hdl p) {
  Hdl lead = p;
  for (int level = n_vars_of(t); level > 0; --level) lead = lead_coef(lead);
  Ref inverse = k_divide(t, ring_at(t, 0).one, lead);
  return scaled(t, n_vars_of(t), p, inverse.get());
}

void cancelling_factors(const Solve_Tower& t, Hdl x, Hdl y, Ref& a, Ref& b) {
  const Ring& base = base_of(t);
  Ref g = base_gcd(base, frac_num(x), frac_num(y));
  if (ring_one_q(base, g.get())) {
    a = Ref::share(y), b = Ref::share(x);
    return;
  }
  Ref gk = of_base(t, g.get());
  a = k_divide(t, y, gk.get());
  b = k_divide(t, x, gk.get());
}
