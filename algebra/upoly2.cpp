// Terms, comparison, sums and products of polynomials.
#include <algorithm>

#include "algebra/UPoly2.h"
#include "algebra/upoly2_terms.h"

UPoly2 make_term(const Ring& coef, Hdl c, int32_t e, UPoly2 rest) {
  if (ring_zero_q(coef, c)) {
    hdl_release(c);
    return rest;
  }
  Pair_Rec* term = reinterpret_cast<Pair_Rec*>(rec_new(PAIR_KIND, sizeof(Pair_Rec)));
  term->first = c;
  term->rest = imm_make(e);
  Pair_Rec* cell = reinterpret_cast<Pair_Rec*>(rec_new(PAIR_KIND, sizeof(Pair_Rec)));
  cell->first = hdl_of(term);
  cell->rest = rest;
  return hdl_of(cell);
}

UPoly2 poly_constant(const Ring& p, Hdl c) { return make_term(coef_ring_of(p), hdl_copy(c), 0, EMPTY_HDL); }

UPoly2 poly_x(const Ring& p) {
  const Ring& coef = coef_ring_of(p);
  return make_term(coef, hdl_copy(coef.one), 1, EMPTY_HDL);
}

void terms_of(UPoly2 a, std::vector<Term>& out) {
  for (; nz_q(a); a = poly_rest(a)) out.push_back({Ref::share(lead_coef(a)), deg_nz(a)});
}

UPoly2 poly_of_terms(const Ring& coef, std::vector<Term>& terms, UPoly2 tail) {
  Ref res = Ref::adopt(tail);
  for (size_t i = terms.size(); i-- > 0;) res = Ref::adopt(make_term(coef, terms[i].c.release(), terms[i].e, res.release()));
  return res.release();
}

int poly_compare(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  while (a != b) {
    if (!nz_q(a)) return ring_compare(coef, coef.zero, lead_coef(b));
    if (!nz_q(b) || deg_nz(b) < deg_nz(a)) return ring_compare(coef, lead_coef(a), coef.zero);
    if (deg_nz(a) < deg_nz(b)) return ring_compare(coef, coef.zero, lead_coef(b));
    int c = ring_compare(coef, lead_coef(a), lead_coef(b));
    if (c != 0) return c;
    a = poly_rest(a);
    b = poly_rest(b);
  }
  return 0;
}

// Merges the terms; the part of either list left when the other ends is
// shared, not copied.
UPoly2 poly_add(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  std::vector<Term> terms;
  while (nz_q(a) && nz_q(b)) {
    int32_t da = deg_nz(a), db = deg_nz(b);
    if (da > db) {
      terms.push_back({Ref::share(lead_coef(a)), da});
      a = poly_rest(a);
    } else if (db > da) {
      terms.push_back({Ref::share(lead_coef(b)), db});
      b = poly_rest(b);
    } else {
      terms.push_back({Ref::adopt(ring_add(coef, lead_coef(a), lead_coef(b))), da});
      a = poly_rest(a);
      b = poly_rest(b);
    }
  }
  return poly_of_terms(coef, terms, hdl_copy(nz_q(a) ? a : b));
}

UPoly2 poly_negate(const Ring& p, UPoly2 a) {
  const Ring& coef = coef_ring_of(p);
  std::vector<Term> terms;
  for (; nz_q(a); a = poly_rest(a)) terms.push_back({Ref::adopt(ring_negate(coef, lead_coef(a))), deg_nz(a)});
  return poly_of_terms(coef, terms);
}

UPoly2 poly_multiply_coef(const Ring& p, UPoly2 a, Hdl c) {
  const Ring& coef = coef_ring_of(p);
  if (ring_one_q(coef, c)) return hdl_copy(a);
  std::vector<Term> terms;
  for (; nz_q(a); a = poly_rest(a)) terms.push_back({Ref::adopt(ring_multiply(coef, lead_coef(a), c)), deg_nz(a)});
  return poly_of_terms(coef, terms);
}

UPoly2 poly_multiply_xk(const Ring& p, UPoly2 a, int32_t k) {
  CHECK(k >= 0);
  if (k == 0) return hdl_copy(a);
  std::vector<Term> terms;
  terms_of(a, terms);
  for (Term& t : terms) t.e += k;
  return poly_of_terms(coef_ring_of(p), terms);
}

// Products summed by exponent: in an array indexed by exponent when the
// degrees are few for the number of products, else sorted by exponent.
UPoly2 poly_multiply(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  if (!nz_q(a) || !nz_q(b)) return EMPTY_HDL;
  std::vector<Term> products;
  for (UPoly2 x = a; nz_q(x); x = poly_rest(x))
    for (UPoly2 y = b; nz_q(y); y = poly_rest(y))
      products.push_back({Ref::adopt(ring_multiply(coef, lead_coef(x), lead_coef(y))), deg_nz(x) + deg_nz(y)});
  int32_t top = deg_nz(a) + deg_nz(b);
  std::vector<Term> terms;
  if (int64_t(top) + 1 <= 4 * int64_t(products.size())) {
    std::vector<Ref> sums(size_t(top) + 1);
    for (Term& t : products) {
      Ref& s = sums[size_t(top - t.e)];
      s = s.get() == EMPTY_HDL ? std::move(t.c) : Ref::adopt(ring_add(coef, s.get(), t.c.get()));
    }
    for (int32_t i = 0; i <= top; ++i)
      if (sums[size_t(i)].get() != EMPTY_HDL) terms.push_back({std::move(sums[size_t(i)]), top - i});
    return poly_of_terms(coef, terms);
  }
  std::stable_sort(products.begin(), products.end(), [](const Term& s, const Term& t) { return s.e > t.e; });
  for (Term& t : products) {
    if (!terms.empty() && terms.back().e == t.e) terms.back().c = Ref::adopt(ring_add(coef, terms.back().c.get(), t.c.get()));
    else terms.push_back(std::move(t));
  }
  return poly_of_terms(coef, terms);
}
