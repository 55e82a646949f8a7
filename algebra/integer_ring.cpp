// The integers as a ring record.
#include "algebra/Integer.h"
#include "algebra/ring.h"

namespace {

int compare(const Ring&, Hdl a, Hdl b) { return int_compare(a, b); }
Hdl add(const Ring&, Hdl a, Hdl b) { return int_add(a, b); }
Hdl negate(const Ring&, Hdl a) { return int_negate(a); }
Hdl multiply(const Ring&, Hdl a, Hdl b) { return int_multiply(a, b); }
Hdl unit_part(const Ring&, Hdl a) { return int_sign(a); }
Hdl gcd(const Ring&, Hdl a, Hdl b) { return int_gcd(a, b); }
void write(const Ring&, Out_Stream& s, Hdl a) { int_write(s, a); }

Hdl divide(const Ring&, Hdl a, Hdl b, Hdl* rem_p) {
  Integer rem = hdl_copy(a);
  Integer q = int_divide(rem, b);
  *rem_p = rem;
  return q;
}

}  // namespace

Hdl integer_ring() {
  static const Hdl ring_h = [] {
    Ring m{};
    m.compare = compare;
    m.add = add;
    m.zero = z0_;
    m.negate = negate;
    m.multiply = multiply;
    m.one = imm_make(1);
    m.divide = divide;
    m.unit_part = unit_part;
    m.coef_ring = EMPTY_HDL;
    m.gcd = gcd;
    m.write = write;
    m.ring_case = RING_INTEGERS;
    m.n_vars = 0;
    return ring_new(m);  // the one use is never given back: the ring lives for the run
  }();
  return ring_h;
}
