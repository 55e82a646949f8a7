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

void Term_Builder::append(Hdl c, int32_t e) {
  // The cell ends the list until the next one is appended.
  Hdl cell = make_term(coef_, c, e, EMPTY_HDL);
  if (cell == EMPTY_HDL) return;  // c was zero
  *tail_p_ = cell;
  tail_p_ = &rec_as<Pair_Rec>(cell)->rest;
}

UPoly2 Term_Builder::finish(UPoly2 tail) {
  *tail_p_ = tail;
  tail_p_ = &head_;
  return std::exchange(head_, EMPTY_HDL);
}

void terms_of(UPoly2 a, std::vector<Term>& out) {
  for (; nz_q(a); a = poly_rest(a)) out.push_back({Ref::share(lead_coef(a)), deg_nz(a)});
}

UPoly2 poly_of_terms(const Ring& coef, std::vector<Term>& terms, UPoly2 tail) {
  Term_Builder b(coef);
  for (Term& t : terms) b.append(t.c.release(), t.e);
  return b.finish(tail);
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
  Term_Builder sum(coef_ring_of(p));
  while (nz_q(a) && nz_q(b)) {
    int32_t da = deg_nz(a), db = deg_nz(b);
    if (da > db) {
      sum.append(hdl_copy(lead_coef(a)), da);
      a = poly_rest(a);
    } else if (db > da) {
      sum.append(hdl_copy(lead_coef(b)), db);
      b = poly_rest(b);
    } else {
      sum.append(ring_add(coef_ring_of(p), lead_coef(a), lead_coef(b)), da);
      a = poly_rest(a);
      b = poly_rest(b);
    }
  }
  return sum.finish(hdl_copy(nz_q(a) ? a : b));
}

UPoly2 poly_negate(const Ring& p, UPoly2 a) {
  const Ring& coef = coef_ring_of(p);
  Term_Builder neg(coef);
  for (; nz_q(a); a = poly_rest(a)) neg.append(ring_negate(coef, lead_coef(a)), deg_nz(a));
  return neg.finish();
}

UPoly2 poly_multiply_coef(const Ring& p, UPoly2 a, Hdl c) {
  const Ring& coef = coef_ring_of(p);
  if (ring_one_q(coef, c)) return hdl_copy(a);
  Term_Builder prod(coef);
  for (; nz_q(a); a = poly_rest(a)) prod.append(ring_multiply(coef, lead_coef(a), c), deg_nz(a));
  return prod.finish();
}

// Exponents are kept as immediates in the terms.
int32_t exponent_sum(int32_t e, int32_t f) {
  int64_t sum = int64_t(e) + f;
  if (sum > IMM_MAX) raise_static("Numeric overflow");
  return int32_t(sum);
}

UPoly2 poly_multiply_xk(const Ring& p, UPoly2 a, int32_t k) {
  CHECK(k >= 0);
  if (k == 0) return hdl_copy(a);
  Term_Builder shifted(coef_ring_of(p));
  for (; nz_q(a); a = poly_rest(a)) shifted.append(hdl_copy(lead_coef(a)), exponent_sum(deg_nz(a), k));
  return shifted.finish();
}

namespace {

int n_terms(UPoly2 a) {
  int n = 0;
  for (; nz_q(a); a = poly_rest(a)) ++n;
  return n;
}

}  // namespace

// Products summed by exponent: straight into an array indexed by exponent
// when the degrees are few for the number of products, else sorted.
UPoly2 poly_multiply(const Ring& p, UPoly2 a, UPoly2 b) {
  const Ring& coef = coef_ring_of(p);
  if (!nz_q(a) || !nz_q(b)) return EMPTY_HDL;
  int64_t n_products = int64_t(n_terms(a)) * n_terms(b);
  int32_t top = exponent_sum(deg_nz(a), deg_nz(b));  // every other sum is smaller
  Term_Builder prod(coef);
  if (int64_t(top) + 1 <= 4 * n_products) {
    std::vector<Ref> sums(size_t(top) + 1);
    std::vector<bool> used(size_t(top) + 1);
    for (UPoly2 x = a; nz_q(x); x = poly_rest(x)) {
      for (UPoly2 y = b; nz_q(y); y = poly_rest(y)) {
        size_t i = size_t(top - deg_nz(x) - deg_nz(y));
        Ref t = Ref::adopt(ring_multiply(coef, lead_coef(x), lead_coef(y)));
        sums[i] = used[i] ? Ref::adopt(ring_add(coef, sums[i].get(), t.get())) : std::move(t);
        used[i] = true;
      }
    }
    for (int32_t i = 0; i <= top; ++i)
      if (used[size_t(i)]) prod.append(sums[size_t(i)].release(), top - i);
    return prod.finish();
  }
  std::vector<Term> products;
  products.reserve(size_t(n_products));
  for (UPoly2 x = a; nz_q(x); x = poly_rest(x))
    for (UPoly2 y = b; nz_q(y); y = poly_rest(y))
      products.push_back({Ref::adopt(ring_multiply(coef, lead_coef(x), lead_coef(y))), deg_nz(x) + deg_nz(y)});
  std::stable_sort(products.begin(), products.end(), [](const Term& s, const Term& t) { return s.e > t.e; });
  for (size_t i = 0; i < products.size();) {
    Ref c = std::move(products[i].c);
    int32_t e = products[i].e;
    for (++i; i < products.size() && products[i].e == e; ++i) c = Ref::adopt(ring_add(coef, c.get(), products[i].c.get()));
    prod.append(c.release(), e);
  }
  return prod.finish();
}
