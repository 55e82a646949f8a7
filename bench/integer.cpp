// Integer against GMP's mpz, in the same run: add, multiply, gcd, divide
// with remainder and decimal write at sizes from one word to 4096 bits. Ends with
// a table of ns per operation for both and their ratio.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <string>
#include <vector>

#include "algebra/Integer.h"
#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"

namespace {

const int SIZES[] = {30, 64, 128, 256, 1024, 4096};

// Operands: a and b of n_bits each, and for division a 2·n_bits dividend.
struct Operands {
  mpz_t a, b, wide;
  Integer ia, ib, iwide;
  explicit Operands(int n_bits) {
    gmp_randstate_t st;
    gmp_randinit_default(st);
    gmp_randseed_ui(st, unsigned(n_bits));
    mpz_inits(a, b, wide, nullptr);
    mpz_rrandomb(a, st, mp_bitcnt_t(n_bits));
    mpz_urandomb(b, st, mp_bitcnt_t(n_bits - 1));
    mpz_setbit(b, mp_bitcnt_t(n_bits - 1));
    mpz_urandomb(wide, st, mp_bitcnt_t(2 * n_bits));
    gmp_randclear(st);
    ia = from_mpz(a);
    ib = from_mpz(b);
    iwide = from_mpz(wide);
  }
  ~Operands() {
    mpz_clears(a, b, wide, nullptr);
    hdl_release(ia);
    hdl_release(ib);
    hdl_release(iwide);
  }
  static Integer from_mpz(const mpz_t x) {
    char* s = mpz_get_str(nullptr, 10, x);
    Integer r = int_from_string(s);
    void (*free_fn)(void*, size_t);
    mp_get_memory_functions(nullptr, nullptr, &free_fn);
    free_fn(s, std::strlen(s) + 1);
    return r;
  }
};

// a op b on operands of st.range(0) bits, ours and GMP's.
void run_ours(benchmark::State& st, Integer (*op)(Integer, Integer)) {
  Operands o(int(st.range(0)));
  for (auto _ : st) hdl_release(op(o.ia, o.ib));
}
void run_gmp(benchmark::State& st, void (*op)(mpz_ptr, mpz_srcptr, mpz_srcptr)) {
  Operands o(int(st.range(0)));
  mpz_t r;
  mpz_init(r);
  for (auto _ : st) op(r, o.a, o.b);
  mpz_clear(r);
}

void BM_add_ours(benchmark::State& st) { run_ours(st, int_add); }
void BM_add_gmp(benchmark::State& st) { run_gmp(st, mpz_add); }
void BM_multiply_ours(benchmark::State& st) { run_ours(st, int_multiply); }
void BM_multiply_gmp(benchmark::State& st) { run_gmp(st, mpz_mul); }
void BM_gcd_ours(benchmark::State& st) { run_ours(st, int_gcd); }
void BM_gcd_gmp(benchmark::State& st) { run_gmp(st, mpz_gcd); }
void BM_divide_ours(benchmark::State& st) {
  Operands o(int(st.range(0)));
  for (auto _ : st) {
    Integer rem = hdl_copy(o.iwide);
    hdl_release(int_divide(rem, o.ib));
    hdl_release(rem);
  }
}
void BM_divide_gmp(benchmark::State& st) {
  Operands o(int(st.range(0)));
  mpz_t q, r;
  mpz_inits(q, r, nullptr);
  for (auto _ : st) mpz_tdiv_qr(q, r, o.wide, o.b);
  mpz_clears(q, r, nullptr);
}
void BM_write_ours(benchmark::State& st) {
  Operands o(int(st.range(0)));
  Byte_Str s;
  for (auto _ : st) {
    s.write_p = s.first_p;
    int_write(s, o.ia);
  }
}
void BM_write_gmp(benchmark::State& st) {
  Operands o(int(st.range(0)));
  std::vector<char> buf(mpz_sizeinbase(o.a, 10) + 2);
  for (auto _ : st) benchmark::DoNotOptimize(mpz_get_str(buf.data(), 10, o.a));
}

void sizes(benchmark::internal::Benchmark* b) {
  for (int n : SIZES)
    if (!bench_tiny() || n <= 64) b->Arg(n);
}


}  // namespace

BENCHMARK(BM_add_ours)->Apply(sizes);
BENCHMARK(BM_add_gmp)->Apply(sizes);
BENCHMARK(BM_multiply_ours)->Apply(sizes);
BENCHMARK(BM_multiply_gmp)->Apply(sizes);
BENCHMARK(BM_divide_ours)->Apply(sizes);
BENCHMARK(BM_divide_gmp)->Apply(sizes);
BENCHMARK(BM_gcd_ours)->Apply(sizes);
BENCHMARK(BM_gcd_gmp)->Apply(sizes);
BENCHMARK(BM_write_ours)->Apply(sizes);
BENCHMARK(BM_write_gmp)->Apply(sizes);

int main(int argc, char** argv) { return run_with_ratios(argc, argv, "gmp", "bits"); }
