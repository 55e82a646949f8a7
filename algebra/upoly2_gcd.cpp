// Content, the subresultant gcd and the unit-normal gcd of polynomials.
#include <vector>

#include "algebra/UPoly2.h"

namespace {

// lc(s)^(k+1) / h^k with k = d - deg s: the next subresultant scale.
Hdl subresultant_step(const Ring& coef, UPoly2 s, int32_t d, Hdl h) {
  CHECK(nz_q(s) && deg_nz(s) <= d);
  int32_t k = d - deg_nz(s);
  if (k == 0) return hdl_copy(lead_coef(s));
  Ref num = Ref::adopt(ring_power(coef, lead_coef(s), k + 1));
  Ref den = Ref::adopt(ring_power(coef, h, k));
  return ring_exact_divide(coef, num.get(), den.get());
}

}  // namespace

Hdl poly_content(const Ring& p, UPoly2 a) {
  const Ring& coef = coef_ring_of(p);
  std::vector<Hdl> coefs;
  for (; nz_q(a); a = poly_rest(a)) coefs.push_back(lead_coef(a));
  Ref c = Ref::share(coef.zero);
  for (size_t i = coefs.size(); i-- > 0 && !ring_one_q(coef, c.get());) c = Ref::adopt(ring_gcd(coef, coefs[i], c.get()));
  return c.release();
}

UPoly2 poly_sgcd(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  if (!nz_q(a)) return hdl_copy(b);
  if (!nz_q(b)) return hdl_copy(a);
  if (deg_nz(a) < deg_nz(b)) std::swap(a, b);
  if (deg_nz(b) == 0) return hdl_copy(p.one);
  Ref r = Ref::adopt(poly_prem(p, a, b));
  if (!nz_q(r.get())) return hdl_copy(b);
  if (deg_nz(r.get()) == 0) return hdl_copy(p.one);
  Ref h = Ref::adopt(ring_power(coef, lead_coef(b), deg_nz(a) - deg_nz(b)));
  Ref bb = Ref::share(b);
  for (;;) {
    Ref r2 = Ref::adopt(poly_prem(p, bb.get(), r.get()));
    if (!nz_q(r2.get())) return r.release();
    if (deg_nz(r2.get()) == 0) return hdl_copy(p.one);
    Ref hd = Ref::adopt(ring_power(coef, h.get(), deg_nz(bb.get()) - deg_nz(r.get())));
    Ref divisor = Ref::adopt(ring_multiply(coef, lead_coef(bb.get()), hd.get()));
    r2 = Ref::adopt(poly_divide_coef(p, r2.get(), divisor.get()));
    h = Ref::adopt(subresultant_step(coef, r.get(), deg_nz(bb.get()) - 1, h.get()));
    bb = std::move(r);
    r = std::move(r2);
  }
}

UPoly2 poly_gcd(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  if (ring_one_q(p, a) || ring_one_q(p, b)) return hdl_copy(p.one);
  if (!nz_q(a) && !nz_q(b)) return EMPTY_HDL;
  if (!nz_q(a) || !nz_q(b)) return ring_unit_normal(p, nz_q(a) ? a : b);
  Ref ca = Ref::adopt(poly_content(p, a));
  Ref cb = Ref::adopt(poly_content(p, b));
  Ref pa = Ref::adopt(poly_divide_coef(p, a, ca.get()));
  Ref pb = Ref::adopt(poly_divide_coef(p, b, cb.get()));
  Ref g = Ref::adopt(poly_sgcd(p, pa.get(), pb.get()));
  CHECK(nz_q(g.get()));
  Ref cg = Ref::adopt(poly_content(p, g.get()));
  g = Ref::adopt(poly_divide_coef(p, g.get(), cg.get()));
  Ref c = Ref::adopt(ring_gcd(coef, ca.get(), cb.get()));
  Ref u = Ref::adopt(ring_unit_part(coef, lead_coef(g.get())));
  c = Ref::adopt(ring_exact_divide(coef, c.get(), u.get()));
  return poly_multiply_coef(p, g.get(), c.get());
}
