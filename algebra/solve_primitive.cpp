#include "algebra/solve_primitive.h"

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

template <class F>
void each_coef(Hdl p, int level, const F& f) {
  if (level == 0) return f(p);
  for (; nz_q(p); p = poly_rest(p)) each_coef(lead_coef(p), level - 1, f);
}

const Ring& base_of(const Solve_Tower& t) { return coef_ring_of(ring_at(t, 0)); }

Ref base_gcd(const Ring& base, Hdl a, Hdl b) {
  if (ring_one_q(base, a) || ring_one_q(base, b)) return Ref::share(base.one);
  return Ref::adopt(ring_gcd(base, a, b));
}

// The constant c of the base ring of K as an element of K.
Ref of_base(const Solve_Tower& t, Hdl c) { return Ref::adopt(fraction_from_base(ring_at(t, 0), c)); }

}  // namespace

Ref scaled(const Solve_Tower& t, int level, Hdl p, Hdl c) {
  if (one_q(t, 0, c)) return Ref::share(p);
  const Ring& k = ring_at(t, 0);
  return mapped(t, level, p, [&](Hdl a) { return Ref::adopt(ring_multiply(k, a, c)); });
}

Ref primitive_of(const Solve_Tower& t, Hdl p) {
  const Ring& base = base_of(t);
  int n = n_vars_of(t);
  if (zero_q(t, n, p)) return Ref::share(p);
  // The lcm of the denominators clears them.
  Ref den = Ref::share(base.one);
  each_coef(p, n, [&](Hdl c) {
    if (ring_one_q(base, frac_den(c))) return;
    Ref g = base_gcd(base, den.get(), frac_den(c));
    Ref part = Ref::adopt(ring_exact_divide(base, frac_den(c), g.get()));
    den = Ref::adopt(ring_multiply(base, den.get(), part.get()));
  });
  Ref cleared = scaled(t, n, p, of_base(t, den.get()).get());
  // Then the gcd of the numerators, with the unit that makes the leading one normal.
  Ref content = Ref::share(base.zero);
  each_coef(cleared.get(), n, [&](Hdl c) {
    if (!ring_one_q(base, content.get())) content = Ref::adopt(ring_gcd(base, content.get(), frac_num(c)));
  });
  Hdl lead = cleared.get();
  for (int level = n; level > 0; --level) lead = lead_coef(lead);
  Ref unit = Ref::adopt(ring_unit_part(base, frac_num(lead)));
  Ref divisor = Ref::adopt(ring_multiply(base, content.get(), unit.get()));
  if (ring_one_q(base, divisor.get())) return cleared;
  return mapped(t, n, cleared.get(), [&](Hdl c) {
    Ref q = Ref::adopt(ring_exact_divide(base, frac_num(c), divisor.get()));
    return of_base(t, q.get());
  });
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
