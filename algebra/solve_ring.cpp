#include "algebra/solve_ring.h"

namespace {

int n_coef_syms_of(const Solve_Tower& t) { return int(t.coef_rings.size()) - 1; }

// An element of the top coefficient ring Q[s_1]...[s_m] as an element of F.
Ref field_of_coefficient(const Solve_Tower& t, Hdl c) {
  Ref k = n_coef_syms_of(t) == 0 ? Ref::share(c) : Ref::adopt(fraction_from_base(ring_at(t, 0), c));
  Ref top = lift(t, 0, n_vars_of(t), k.get());
  return Ref::adopt(fraction_from_base(field_ring(t), top.get()));
}

// c of coefficient ring i as an element of the top one.
Ref lift_coefficient(const Solve_Tower& t, int i, Hdl c) {
  Ref a = Ref::share(c);
  for (int j = i + 1; j <= n_coef_syms_of(t); ++j) a = Ref::adopt(poly_constant(ring_of(t.coef_rings[size_t(j)].get()), a.get()));
  return a;
}

}  // namespace

Solve_Tower tower_new(int n_coef_syms, int n_vars) {
  Solve_Tower t;
  t.coef_rings.push_back(Ref::adopt(fraction_field_new(integer_ring())));
  for (int i = 0; i < n_coef_syms; ++i) t.coef_rings.push_back(Ref::adopt(upoly2_ring_new(t.coef_rings.back().get())));
  t.levels.push_back(n_coef_syms == 0 ? t.coef_rings[0] : Ref::adopt(fraction_field_new(t.coef_rings.back().get())));
  for (int i = 0; i < n_vars; ++i) t.levels.push_back(Ref::adopt(upoly2_ring_new(t.levels.back().get())));
  t.field = Ref::adopt(fraction_field_new(t.levels.back().get()));
  return t;
}

Ref k_divide(const Solve_Tower& t, Hdl a, Hdl b) {
  Hdl rem;
  Ref q = Ref::adopt(ring_divide(ring_at(t, 0), a, b, &rem));
  hdl_release(rem);
  return q;
}

Ref lift(const Solve_Tower& t, int from, int to, Hdl a) {
  Ref r = Ref::share(a);
  for (int level = from + 1; level <= to; ++level) r = Ref::adopt(poly_constant(ring_at(t, level), r.get()));
  return r;
}

Ref field_variable(const Solve_Tower& t, int level) {
  Ref x = Ref::adopt(poly_x(ring_at(t, level)));
  Ref top = lift(t, level, n_vars_of(t), x.get());
  return Ref::adopt(fraction_from_base(field_ring(t), top.get()));
}

Ref field_coef_symbol(const Solve_Tower& t, int coef_i) {
  Ref s = Ref::adopt(poly_x(ring_of(t.coef_rings[size_t(coef_i) + 1].get())));
  return field_of_coefficient(t, lift_coefficient(t, coef_i + 1, s.get()).get());
}

Ref field_rational(const Solve_Tower& t, Integer num, Integer den) {
  Ref q = Ref::adopt(fraction_make(ring_of(t.coef_rings[0].get()), num, den));
  return field_of_coefficient(t, lift_coefficient(t, 0, q.get()).get());
}
