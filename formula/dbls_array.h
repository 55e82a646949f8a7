// Arrays of doubles for points and boxes (a box of n intervals is 2n doubles,
// low then high for each input). The block comes from the pool, and the
// capacity is what the block holds: its size / 8.
#pragma once
#include <cstdint>

#include "formula/interval.h"

struct Dbls_Array {
  double* xs_p = nullptr;  // pool block, or null before the first reserve
  int32_t n_xs = 0;

  Dbls_Array() = default;
  Dbls_Array(const Dbls_Array&) = delete;
  Dbls_Array& operator=(const Dbls_Array&) = delete;
  ~Dbls_Array();

  Interval* box_p() { return reinterpret_cast<Interval*>(xs_p); }
};

int32_t dbls_capacity(const Dbls_Array& a);
// Makes room for n_xs_to_alloc values, keeping the first n_xs: the capacity
// doubles when it must grow and shrinks only when it would be used below a
// quarter; the count stays.
void dbls_reserve(Dbls_Array& a, int32_t n_xs_to_alloc);
// Reserves and sets the count.
void dbls_resize(Dbls_Array& a, int32_t n);

void dbls_fill(Dbls_Array& a, double v);
// to takes from's count and values.
void dbls_copy(Dbls_Array& to, const Dbls_Array& from);
void dbls_scale(Dbls_Array& a, double factor);
