#include "formula/dbls_array.h"

#include <algorithm>

#include "core/cpp2.h"
#include "core/growth.h"

Dbls_Array::~Dbls_Array() { pool_return(xs_p); }

int32_t dbls_capacity(const Dbls_Array& a) { return seq_capacity(a.xs_p, sizeof(double)); }

void dbls_reserve(Dbls_Array& a, int32_t n_xs_to_alloc) {
  int32_t n_xs = a.n_xs;
  CHECK(0 <= n_xs && n_xs <= n_xs_to_alloc);
  CHECK(a.xs_p || n_xs == 0);
  a.xs_p = static_cast<double*>(seq_resize_block(a.xs_p, n_xs, n_xs_to_alloc, sizeof(double)));
}

void dbls_resize(Dbls_Array& a, int32_t n) {
  a.n_xs = std::min(a.n_xs, n);
  dbls_reserve(a, n);
  a.n_xs = n;
}

void dbls_fill(Dbls_Array& a, double v) { std::fill_n(a.xs_p, a.n_xs, v); }

void dbls_copy(Dbls_Array& to, const Dbls_Array& from) {
  dbls_resize(to, from.n_xs);
  std::copy_n(from.xs_p, from.n_xs, to.xs_p);
}

void dbls_scale(Dbls_Array& a, double factor) {
  for (int32_t i = 0; i < a.n_xs; ++i) a.xs_p[i] *= factor;
}
