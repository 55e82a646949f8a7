#include "formula/dbls_array.h"

#include <algorithm>

#include "core/cpp2.h"

namespace {

double* take_block(int32_t n) { return static_cast<double*>(pool_alloc(int32_t(n * sizeof(double)))); }

void move_to_block(Dbls_Array& a, int32_t n) {
  double* fresh = n > 0 ? take_block(n) : nullptr;
  std::copy_n(a.xs_p, a.n_xs, fresh);
  pool_return(a.xs_p);
  a.xs_p = fresh;
}

}  // namespace

Dbls_Array::~Dbls_Array() { pool_return(xs_p); }

int32_t dbls_capacity(const Dbls_Array& a) {
  return a.xs_p ? int32_t(pool_block_size(a.xs_p) / sizeof(double)) : 0;
}

void dbls_reserve(Dbls_Array& a, int32_t n_xs_to_alloc) {
  int32_t n_xs = a.n_xs;
  CHECK(0 <= n_xs && n_xs <= n_xs_to_alloc);
  if (!a.xs_p) {
    CHECK(n_xs == 0);
    if (n_xs_to_alloc > 0) a.xs_p = take_block(n_xs_to_alloc);
    return;
  }
  int32_t capacity = dbls_capacity(a);
  if (n_xs_to_alloc > capacity) move_to_block(a, std::max(2 * capacity, n_xs_to_alloc));
  else if (n_xs_to_alloc < capacity / 4) move_to_block(a, n_xs_to_alloc);
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
