// The field of fractions of a ring.
#include "algebra/fraction_field.h"

namespace {

void release_fraction(Rec* rec) noexcept {
  Fraction_Rec* f = reinterpret_cast<Fraction_Rec*>(rec);
  hdl_release(f->num);
  hdl_release(f->den);
  pool_return(f);
}

uint32_t fraction_kind() {
  static const uint32_t kind_i = register_kind(release_fraction, "fraction");
  return kind_i;
}

// The record of num / den, taking over both uses.
Hdl fraction_adopt(Hdl num, Hdl den) {
  Ref n = Ref::adopt(num), d = Ref::adopt(den);  // released when the pool has no room
  Fraction_Rec* f = reinterpret_cast<Fraction_Rec*>(rec_new(fraction_kind(), sizeof(Fraction_Rec)));
  f->num = n.release();
  f->den = d.release();
  return hdl_of(f);
}

// num / den reduced by their gcd, with a unit-normal denominator.
Hdl normalised(const Ring& base, Hdl num, Hdl den) {
  CHECK(!ring_zero_q(base, den));
  if (ring_zero_q(base, num)) return fraction_adopt(hdl_copy(base.zero), hdl_copy(base.one));
  Ref n = Ref::share(num), d = Ref::share(den);
  if (base.gcd && !ring_one_q(base, den)) {
    Ref g = Ref::adopt(ring_gcd(base, num, den));
    if (!ring_one_q(base, g.get())) {
      n = Ref::adopt(ring_exact_divide(base, num, g.get()));
      d = Ref::adopt(ring_exact_divide(base, den, g.get()));
    }
  }
  Ref u = Ref::adopt(ring_unit_part(base, d.get()));
  if (!ring_one_q(base, u.get())) {
    n = Ref::adopt(ring_exact_divide(base, n.get(), u.get()));
    d = Ref::adopt(ring_exact_divide(base, d.get(), u.get()));
  }
  return fraction_adopt(n.release(), d.release());
}

// num / den known to share no factor: only den's unit part moves over.
Hdl coprime_fraction(const Ring& base, Hdl num, Hdl den) {
  Ref u = Ref::adopt(ring_unit_part(base, den));
  if (ring_one_q(base, u.get())) return fraction_adopt(hdl_copy(num), hdl_copy(den));
  return fraction_adopt(ring_exact_divide(base, num, u.get()), ring_exact_divide(base, den, u.get()));
}

// a / g, or a itself when g is one.
Ref divided(const Ring& base, Hdl a, Hdl g) {
  return ring_one_q(base, g) ? Ref::share(a) : Ref::adopt(ring_exact_divide(base, a, g));
}

// gcd(a, b), at no cost when either is one (a denominator of a whole number).
Ref base_gcd(const Ring& base, Hdl a, Hdl b) {
  if (ring_one_q(base, a) || ring_one_q(base, b)) return Ref::share(base.one);
  return Ref::adopt(ring_gcd(base, a, b));
}

// Reduced fractions are equal exactly when their parts are, so the parts
// give the order; without a gcd the cross products decide equality.
int compare(const Ring& r, Hdl a, Hdl b) {
  if (a == b) return 0;
  const Ring& base = coef_ring_of(r);
  if (base.gcd) {
    int c = ring_compare(base, frac_num(a), frac_num(b));
    return c != 0 ? c : ring_compare(base, frac_den(a), frac_den(b));
  }
  Ref x = Ref::adopt(ring_multiply(base, frac_num(a), frac_den(b)));
  Ref y = Ref::adopt(ring_multiply(base, frac_num(b), frac_den(a)));
  return ring_compare(base, x.get(), y.get());
}

// Over a base with a gcd the sum is reduced by gcds of the denominators
// alone, smaller numbers than the sum's parts, and often by none.
Hdl add(const Ring& r, Hdl a, Hdl b) {
  const Ring& base = coef_ring_of(r);
  if (ring_equal_q(base, frac_den(a), frac_den(b))) {
    Ref n = Ref::adopt(ring_add(base, frac_num(a), frac_num(b)));
    return normalised(base, n.get(), frac_den(a));
  }
  if (!base.gcd) {
    Ref x = Ref::adopt(ring_multiply(base, frac_num(a), frac_den(b)));
    Ref y = Ref::adopt(ring_multiply(base, frac_num(b), frac_den(a)));
    Ref n = Ref::adopt(ring_add(base, x.get(), y.get()));
    Ref d = Ref::adopt(ring_multiply(base, frac_den(a), frac_den(b)));
    return normalised(base, n.get(), d.get());
  }
  Ref g = base_gcd(base, frac_den(a), frac_den(b));
  Ref da = divided(base, frac_den(a), g.get()), db = divided(base, frac_den(b), g.get());
  Ref x = Ref::adopt(ring_multiply(base, frac_num(a), db.get()));
  Ref y = Ref::adopt(ring_multiply(base, frac_num(b), da.get()));
  Ref t = Ref::adopt(ring_add(base, x.get(), y.get()));
  if (ring_zero_q(base, t.get())) return hdl_copy(r.zero);
  Ref g2 = base_gcd(base, t.get(), g.get());
  Ref n = divided(base, t.get(), g2.get());
  Ref d = Ref::adopt(ring_multiply(base, da.get(), divided(base, frac_den(b), g2.get()).get()));
  return coprime_fraction(base, n.get(), d.get());
}

Hdl negate(const Ring& r, Hdl a) {
  return fraction_adopt(ring_negate(coef_ring_of(r), frac_num(a)), hdl_copy(frac_den(a)));
}

// Over a base with a gcd each numerator is first reduced against the other
// denominator, so that the product needs no gcd of its own.
Hdl multiply(const Ring& r, Hdl a, Hdl b) {
  const Ring& base = coef_ring_of(r);
  if (!base.gcd) {
    Ref n = Ref::adopt(ring_multiply(base, frac_num(a), frac_num(b)));
    Ref d = Ref::adopt(ring_multiply(base, frac_den(a), frac_den(b)));
    return normalised(base, n.get(), d.get());
  }
  if (ring_zero_q(base, frac_num(a)) || ring_zero_q(base, frac_num(b))) return hdl_copy(r.zero);
  Ref g1 = base_gcd(base, frac_num(a), frac_den(b));
  Ref g2 = base_gcd(base, frac_num(b), frac_den(a));
  Ref n = Ref::adopt(ring_multiply(base, divided(base, frac_num(a), g1.get()).get(), divided(base, frac_num(b), g2.get()).get()));
  Ref d = Ref::adopt(ring_multiply(base, divided(base, frac_den(a), g2.get()).get(), divided(base, frac_den(b), g1.get()).get()));
  return coprime_fraction(base, n.get(), d.get());
}

Hdl inverse(const Ring& r, Hdl a) {
  const Ring& base = coef_ring_of(r);
  CHECK(!ring_zero_q(base, frac_num(a)));
  return normalised(base, frac_den(a), frac_num(a));
}

// A field divides exactly: the remainder is always zero.
Hdl divide(const Ring& r, Hdl a, Hdl b, Hdl* rem_p) {
  Ref inv = Ref::adopt(inverse(r, b));
  *rem_p = hdl_copy(r.zero);
  return multiply(r, a, inv.get());
}

// Every non-zero element is a unit, and one is the normal form.
Hdl unit_part(const Ring& r, Hdl a) { return hdl_copy(ring_zero_q(r, a) ? r.one : a); }

Hdl gcd(const Ring& r, Hdl a, Hdl b) {
  return hdl_copy(ring_zero_q(r, a) && ring_zero_q(r, b) ? r.zero : r.one);
}

// Writes a part in parentheses when it is a sum or quotient, or a product
// below the line, so that the text reads back as the same fraction.
void write_part(const Ring& base, Out_Stream& s, Hdl part, const char* grouping_chars) {
  std::string t = ring_to_string(base, part);
  bool group = t.find_first_of(grouping_chars) != std::string::npos;
  if (group) put_byte(s, '(');
  put_text(s, t.c_str());
  if (group) put_byte(s, ')');
}

void write(const Ring& r, Out_Stream& s, Hdl a) {
  const Ring& base = coef_ring_of(r);
  if (ring_one_q(base, frac_den(a))) {
    ring_write(base, s, frac_num(a));
    return;
  }
  write_part(base, s, frac_num(a), " /");
  put_byte(s, '/');
  write_part(base, s, frac_den(a), " /*");
}

}  // namespace

Hdl fraction_make(const Ring& field, Hdl num, Hdl den) { return normalised(coef_ring_of(field), num, den); }

Hdl fraction_from_base(const Ring& field, Hdl a) {
  return fraction_adopt(hdl_copy(a), hdl_copy(coef_ring_of(field).one));
}

Hdl fraction_field_new(Hdl base) {
  const Ring& b = ring_of(base);
  Ring m{};
  m.compare = compare;
  m.add = add;
  Ref zero = Ref::adopt(fraction_adopt(hdl_copy(b.zero), hdl_copy(b.one)));
  m.one = fraction_adopt(hdl_copy(b.one), hdl_copy(b.one));
  m.zero = zero.release();
  m.negate = negate;
  m.multiply = multiply;
  m.divide = divide;
  m.unit_part = unit_part;
  m.coef_ring = hdl_copy(base);
  m.gcd = gcd;
  m.inverse = inverse;
  m.write = write;
  m.ring_case = RING_FRACTIONS;
  m.n_vars = b.n_vars;
  return ring_new(m);
}
