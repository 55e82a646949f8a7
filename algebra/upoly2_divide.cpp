// Division with remainder, division by a coefficient, and the pseudo-remainder.
#include "algebra/UPoly2.h"
#include "algebra/upoly2_terms.h"

namespace {

// r - c·x^d·g, the step that cancels r's leading term, in one merge of the
// terms; the part of r below g's last term is shared.
UPoly2 subtract_scaled(const Ring& p, UPoly2 r, Hdl c, int32_t d, UPoly2 g) {
  const Ring& coef = coef_ring_of(p);
  Ref minus_c = Ref::adopt(ring_negate(coef, c));
  Term_Builder diff(coef);
  while (nz_q(g)) {
    int32_t eg = deg_nz(g) + d;
    if (nz_q(r) && deg_nz(r) > eg) {
      diff.append(hdl_copy(lead_coef(r)), deg_nz(r));
      r = poly_rest(r);
      continue;
    }
    Ref t = Ref::adopt(ring_multiply(coef, minus_c.get(), lead_coef(g)));
    if (nz_q(r) && deg_nz(r) == eg) {
      t = Ref::adopt(ring_add(coef, lead_coef(r), t.get()));
      r = poly_rest(r);
    }
    diff.append(t.release(), eg);
    g = poly_rest(g);
  }
  return diff.finish(hdl_copy(r));
}

}  // namespace

UPoly2 poly_divide(const Ring& p, UPoly2 a, UPoly2 b, UPoly2* rem_p) {
  CHECK(nz_q(b));
  const Ring& coef = coef_ring_of(p);
  Term_Builder quotient(coef);
  Ref r = Ref::share(a);
  while (nz_q(r.get()) && deg_nz(r.get()) >= deg_nz(b)) {
    int32_t d = deg_nz(r.get()) - deg_nz(b);
    Hdl c_rem;
    Ref c = Ref::adopt(ring_divide(coef, lead_coef(r.get()), lead_coef(b), &c_rem));
    Ref c_rem_ref = Ref::adopt(c_rem);
    if (ring_zero_q(coef, c.get())) break;
    r = Ref::adopt(subtract_scaled(p, r.get(), c.get(), d, b));
    quotient.append(c.release(), d);
    // The leading term did not cancel: what is left of it cannot be divided.
    if (!ring_zero_q(coef, c_rem)) break;
  }
  *rem_p = r.release();
  return quotient.finish();
}

UPoly2 poly_divide_coef(const Ring& p, UPoly2 a, Hdl c) {
  const Ring& coef = coef_ring_of(p);
  if (ring_one_q(coef, c)) return hdl_copy(a);
  Term_Builder quotient(coef);
  for (; nz_q(a); a = poly_rest(a)) quotient.append(ring_exact_divide(coef, lead_coef(a), c), deg_nz(a));
  return quotient.finish();
}

UPoly2 poly_prem(const Ring& p, UPoly2 f, UPoly2 g) {
  CHECK(nz_q(f) && nz_q(g));
  if (deg_nz(g) == 0) return EMPTY_HDL;
  Hdl c = lead_coef(g);
  Ref r = Ref::share(f);
  for (int32_t e = deg_nz(f) - deg_nz(g); e >= 0; --e) {
    if (!nz_q(r.get())) return EMPTY_HDL;
    int32_t d = deg_nz(r.get()) - deg_nz(g);
    if (d < 0) {
      r = Ref::adopt(poly_multiply_coef(p, r.get(), c));
    } else {
      Ref cr = Ref::adopt(poly_multiply_coef(p, poly_rest(r.get()), c));
      r = Ref::adopt(subtract_scaled(p, cr.get(), lead_coef(r.get()), d, poly_rest(g)));
    }
  }
  return r.release();
}
