// Greatest common divisors in three variables: two random products with a
// known common factor (total degree 6 to 12) in Z[x][y][z], against GiNaC's
// gcd of the same polynomials in the same run. Each gcd is checked against
// GiNaC's before it is timed; the ratios are printed last.
#include <benchmark/benchmark.h>

#include <ginac/ginac.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "algebra/Integer.h"
#include "algebra/UPoly2.h"
#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"

namespace {

struct Monomial {
  int c, i, j, k;  // c·x^i·y^j·z^k
};
typedef std::vector<Monomial> Poly_Spec;

// n_terms monomials of total degree at most deg, one of them of degree deg.
Poly_Spec random_poly(std::mt19937& rng, int deg, int n_terms) {
  Poly_Spec p;
  for (int t = 0; t < n_terms; ++t) {
    int c = int(rng() % 19) - 9;
    int d = t == 0 ? deg : int(rng() % uint32_t(deg + 1));
    int i = int(rng() % uint32_t(d + 1));
    int j = int(rng() % uint32_t(d - i + 1));
    p.push_back({c == 0 ? 1 : c, i, j, d - i - j});
  }
  return p;
}

struct Tower {
  Ref zx = Ref::adopt(upoly2_ring_new(integer_ring()));
  Ref zxy = Ref::adopt(upoly2_ring_new(zx.get()));
  Ref zxyz = Ref::adopt(upoly2_ring_new(zxy.get()));
  const Ring& top() const { return ring_of(zxyz.get()); }
};

Tower& tower() {
  static Tower* t = new Tower;
  return *t;
}

Ref ours_of(const Poly_Spec& spec) {
  const Ring& zx = ring_of(tower().zx.get());
  const Ring& zxy = ring_of(tower().zxy.get());
  const Ring& top = tower().top();
  Ref sum = Ref::adopt(EMPTY_HDL);
  for (const Monomial& m : spec) {
    Hdl xs = make_term(ring_of(integer_ring()), imm_make(m.c), m.i, EMPTY_HDL);
    Hdl ys = make_term(zx, xs, m.j, EMPTY_HDL);
    Ref zs = Ref::adopt(make_term(zxy, ys, m.k, EMPTY_HDL));
    sum = Ref::adopt(ring_add(top, sum.get(), zs.get()));
  }
  return sum;
}

const GiNaC::symbol& gx() { static GiNaC::symbol s("x"); return s; }
const GiNaC::symbol& gy() { static GiNaC::symbol s("y"); return s; }
const GiNaC::symbol& gz() { static GiNaC::symbol s("z"); return s; }

GiNaC::ex ginac_of(const Poly_Spec& spec) {
  GiNaC::ex sum = 0;
  for (const Monomial& m : spec) sum += m.c * pow(gx(), m.i) * pow(gy(), m.j) * pow(gz(), m.k);
  return sum.expand();
}

// Our nested polynomial read back as a GiNaC expression, for the check.
GiNaC::ex ginac_of_ours(Hdl p, int level) {
  if (level == 0) return GiNaC::numeric(int_to_string(p).c_str());
  const GiNaC::symbol& v = level == 3 ? gz() : level == 2 ? gy() : gx();
  GiNaC::ex sum = 0;
  for (; nz_q(p); p = poly_rest(p)) sum += ginac_of_ours(lead_coef(p), level - 1) * pow(v, deg_nz(p));
  return sum;
}

struct Case {
  Ref a, b;
  GiNaC::ex ga, gb;
};

// Products f·g and f·h with the common factor f of total degree 2 to 4.
Case make_case(int total_deg) {
  std::mt19937 rng{unsigned(total_deg)};
  int f_deg = 2 + total_deg % 3;
  Poly_Spec f = random_poly(rng, f_deg, 4), g = random_poly(rng, total_deg - f_deg, 5), h = random_poly(rng, total_deg - f_deg, 5);
  const Ring& top = tower().top();
  Ref of = ours_of(f), og = ours_of(g), oh = ours_of(h);
  Case c;
  c.a = Ref::adopt(ring_multiply(top, of.get(), og.get()));
  c.b = Ref::adopt(ring_multiply(top, of.get(), oh.get()));
  c.ga = (ginac_of(f) * ginac_of(g)).expand();
  c.gb = (ginac_of(f) * ginac_of(h)).expand();
  Ref ours = Ref::adopt(poly_gcd(top, c.a.get(), c.b.get()));
  GiNaC::ex mine = ginac_of_ours(ours.get(), 3), theirs = GiNaC::gcd(c.ga, c.gb);
  if (!(mine - theirs).expand().is_zero() && !(mine + theirs).expand().is_zero()) {
    std::fprintf(stderr, "gcd mismatch at total degree %d\n", total_deg);
    std::abort();
  }
  return c;
}

void BM_gcd_ours(benchmark::State& st) {
  Case c = make_case(int(st.range(0)));
  for (auto _ : st) hdl_release(poly_gcd(tower().top(), c.a.get(), c.b.get()));
}

void BM_gcd_ginac(benchmark::State& st) {
  Case c = make_case(int(st.range(0)));
  for (auto _ : st) benchmark::DoNotOptimize(GiNaC::gcd(c.ga, c.gb));
}

void degrees(benchmark::internal::Benchmark* b) {
  for (int d : {6, 8, 10, 12})
    if (!bench_tiny() || d == 6) b->Arg(d);
  b->Unit(benchmark::kMicrosecond);
}


}  // namespace

BENCHMARK(BM_gcd_ours)->Apply(degrees);
BENCHMARK(BM_gcd_ginac)->Apply(degrees);

int main(int argc, char** argv) { return run_with_ratios(argc, argv, "ginac", "total degree"); }
