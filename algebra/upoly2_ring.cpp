// The ring record of polynomials over a coefficient ring, and their text.
#include "algebra/UPoly2.h"

namespace {

int compare(const Ring& p, Hdl a, Hdl b) { return poly_compare(p, a, b); }
Hdl add(const Ring& p, Hdl a, Hdl b) { return poly_add(p, a, b); }
Hdl negate(const Ring& p, Hdl a) { return poly_negate(p, a); }
Hdl multiply(const Ring& p, Hdl a, Hdl b) { return poly_multiply(p, a, b); }
Hdl divide(const Ring& p, Hdl a, Hdl b, Hdl* rem_p) { return poly_divide(p, a, b, rem_p); }
Hdl gcd(const Ring& p, Hdl a, Hdl b) { return poly_gcd(p, a, b); }

// The unit part of the leading coefficient, as a constant.
Hdl unit_part(const Ring& p, Hdl a) {
  if (!nz_q(a)) return hdl_copy(p.one);
  Ref u = Ref::adopt(ring_unit_part(coef_ring_of(p), lead_coef(a)));
  return poly_constant(p, u.get());
}

std::string variable_name(int32_t n_vars) {
  static const char NAMES[] = "xyzuvw";
  if (n_vars >= 1 && n_vars <= 6) return std::string(1, NAMES[n_vars - 1]);
  return "x" + std::to_string(n_vars);
}

// Terms as c*x^e joined by " + " or " - "; a coefficient that is a sum or a
// fraction is grouped when a power of x follows it.
void write(const Ring& p, Out_Stream& s, Hdl a) {
  const Ring& coef = coef_ring_of(p);
  if (!nz_q(a)) {
    put_byte(s, '0');
    return;
  }
  std::string var = variable_name(p.n_vars);
  for (bool first = true; nz_q(a); a = poly_rest(a), first = false) {
    std::string c = ring_to_string(coef, lead_coef(a));
    int32_t e = deg_nz(a);
    bool grouped = e > 0 && c.find_first_of(" /") != std::string::npos;
    if (grouped) c = "(" + c + ")";
    bool minus = c[0] == '-';
    if (minus) c.erase(0, 1);
    if (!first) put_text(s, minus ? " - " : " + ");
    else if (minus) put_byte(s, '-');
    std::string t = e == 0 ? c : (c == "1" ? "" : c + "*") + var + (e == 1 ? "" : "^" + std::to_string(e));
    put_text(s, t.c_str());
  }
}

}  // namespace

Hdl upoly2_ring_new(Hdl coef_h) {
  const Ring& coef = ring_of(coef_h);
  Ring m{};
  m.compare = compare;
  m.add = add;
  m.zero = EMPTY_HDL;
  m.negate = negate;
  m.multiply = multiply;
  m.one = make_term(coef, hdl_copy(coef.one), 0, EMPTY_HDL);
  m.divide = divide;
  m.unit_part = unit_part;
  m.coef_ring = hdl_copy(coef_h);
  m.gcd = coef.gcd ? gcd : nullptr;
  m.write = write;
  m.ring_case = RING_UPOLY2;
  m.n_vars = coef.n_vars + 1;
  return ring_new(m);
}
