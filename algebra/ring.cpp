// The ring record and the operations every ring has through it.
#include "algebra/ring.h"

namespace {

void release_ring(Rec* rec) noexcept {
  Ring* r = reinterpret_cast<Ring*>(rec);
  hdl_release(r->zero);
  hdl_release(r->one);
  hdl_release(r->coef_ring);
  pool_return(r);
}

uint32_t ring_kind() {
  static const uint32_t kind_i = register_kind(release_ring, "ring");
  return kind_i;
}

}  // namespace

Hdl ring_new(const Ring& members) {
  // The members' uses are taken over even when the pool has no room for the record.
  Ref zero = Ref::adopt(members.zero), one = Ref::adopt(members.one), coef_ring = Ref::adopt(members.coef_ring);
  Ring* r = reinterpret_cast<Ring*>(rec_new(ring_kind(), sizeof(Ring)));
  Rec hdr = r->hdr;
  *r = members;
  r->hdr = hdr;
  zero.release(), one.release(), coef_ring.release();
  return hdl_of(r);
}

Hdl ring_subtract(const Ring& r, Hdl a, Hdl b) {
  Ref nb = Ref::adopt(ring_negate(r, b));
  return ring_add(r, a, nb.get());
}

Hdl ring_exact_divide(const Ring& r, Hdl a, Hdl b) {
  Hdl rem;
  Ref q = Ref::adopt(ring_divide(r, a, b, &rem));
  Ref rem_ref = Ref::adopt(rem);
  if (!ring_zero_q(r, rem)) raise_static("Nonzero remainder");
  return q.release();
}

Hdl ring_power(const Ring& r, Hdl x, int32_t n) {
  if (n < 0) {
    Ref p = Ref::adopt(ring_power(r, x, n == INT32_MIN ? INT32_MAX : -n));
    if (n == INT32_MIN) p = Ref::adopt(ring_multiply(r, p.get(), x));
    return field_q(r) ? r.inverse(r, p.get()) : ring_exact_divide(r, r.one, p.get());
  }
  Ref result = Ref::share(r.one);
  Ref base = Ref::share(x);
  for (uint32_t k = uint32_t(n); k > 0; k >>= 1) {
    if (k & 1) result = Ref::adopt(ring_multiply(r, result.get(), base.get()));
    if (k > 1) base = Ref::adopt(ring_multiply(r, base.get(), base.get()));
  }
  return result.release();
}

Hdl ring_gcd(const Ring& r, Hdl a, Hdl b) {
  CHECK(r.gcd != nullptr);
  return r.gcd(r, a, b);
}

Hdl ring_unit_normal(const Ring& r, Hdl a) {
  Ref u = Ref::adopt(ring_unit_part(r, a));
  if (ring_one_q(r, u.get())) return hdl_copy(a);
  return ring_exact_divide(r, a, u.get());
}

void ring_write(const Ring& r, Out_Stream& s, Hdl a) { r.write(r, s, a); }

std::string ring_to_string(const Ring& r, Hdl a) {
  Byte_Str s;
  ring_write(r, s, a);
  return std::string(s.first_p, size_t(n_elts(s)));
}
