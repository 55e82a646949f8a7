#include "algebra/solve_fraction.h"

#include <cmath>
#include <vector>

namespace {

// An exact non-negative rational num/den with den > 0.
struct Ratio {
  Ref num;
  Ref den;
};

// A finite double exactly, as m·2^e with an integer mantissa m.
Ratio ratio_of_double(double x) {
  int e = 0;
  double m = std::frexp(x, &e);  // x = m·2^e, 0.5 <= |m| < 1
  Ref mant = Ref::adopt(int_from_int64(int64_t(std::ldexp(m, 53))));
  e -= 53;
  if (e >= 0) return {Ref::adopt(int_shift(mant.get(), e)), Ref::adopt(int_from_int(1))};
  return {mant, Ref::adopt(int_shift(imm_make(1), -e))};
}

// a ± b over the common denominator (both have power-of-two denominators, but
// the general form keeps this independent of that).
Ratio ratio_add(const Ratio& a, const Ratio& b, bool subtract_q) {
  Ref l = Ref::adopt(int_multiply(a.num.get(), b.den.get()));
  Ref r = Ref::adopt(int_multiply(b.num.get(), a.den.get()));
  Ref n = Ref::adopt(subtract_q ? int_subtract(l.get(), r.get()) : int_add(l.get(), r.get()));
  return {n, Ref::adopt(int_multiply(a.den.get(), b.den.get()))};
}

// floor(a) for a >= 0, and a - floor(a) left in rem (numerator over a.den).
Ref floor_of(const Ratio& a, Ref& rem) {
  Integer r = hdl_copy(a.num.get());
  Ref q = Ref::adopt(int_divide(r, a.den.get()));
  rem = Ref::adopt(r);
  return q;
}

bool le_q(Integer an, Integer ad, Integer bn, Integer bd) {
  Ref l = Ref::adopt(int_multiply(an, bd));
  Ref r = Ref::adopt(int_multiply(bn, ad));
  return int_compare(l.get(), r.get()) <= 0;
}

// The simplest fraction in [lo, hi], 0 < lo <= hi: while both ends share their
// integer part n, that part is a continued-fraction term and the search goes on
// in [1/(hi - n), 1/(lo - n)]; it stops at the first interval holding an integer.
Fraction simplest_in(Ratio lo, Ratio hi) {
  std::vector<Ref> terms;
  Ref last;
  for (;;) {
    Ref lo_rem, hi_rem;
    Ref n = floor_of(lo, lo_rem);
    if (int_zero_q(lo_rem.get())) { last = n; break; }
    Ref n1 = Ref::adopt(int_add(n.get(), imm_make(1)));
    if (le_q(n1.get(), imm_make(1), hi.num.get(), hi.den.get())) { last = n1; break; }
    terms.push_back(n);
    floor_of(hi, hi_rem);
    Ratio next_lo{hi.den, hi_rem};  // 1/(hi - n)
    Ratio next_hi{lo.den, lo_rem};  // 1/(lo - n)
    lo = next_lo;
    hi = next_hi;
  }
  // Folds n0 + 1/(n1 + 1/(... + 1/last)) back into p/q.
  Ref p = last, q = Ref::adopt(int_from_int(1));
  for (size_t i = terms.size(); i-- > 0;) {
    Ref np = Ref::adopt(int_multiply(terms[i].get(), p.get()));
    np = Ref::adopt(int_add(np.get(), q.get()));
    q = p;
    p = np;
  }
  return {p, q};
}

}  // namespace

Fraction simplest_fraction(double x) {
  double ax = std::fabs(x);
  double tol = std::fmax(ax * 0x1p-50, 1e-300);
  if (ax <= tol) return {Ref::adopt(int_from_int(0)), Ref::adopt(int_from_int(1))};
  Ratio rx = ratio_of_double(ax), rt = ratio_of_double(tol);
  Fraction f = simplest_in(ratio_add(rx, rt, true), ratio_add(rx, rt, false));
  if (x < 0) f.num = Ref::adopt(int_negate(f.num.get()));
  return f;
}
