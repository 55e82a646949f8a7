// Ordering of arrays in place: the quicksort and the binary search that Tuple
// and the typed Tuple share. Comparisons are three-way: negative, 0, positive.
#pragma once
#include <cstdint>
#include <utility>

#include "core/err.h"

// Sorts a[0..n) with cmp(x, y). The middle element is the pivot; the smaller
// side is sorted by recursion and the larger one by the loop, so the recursion
// depth stays below log2(n) on any input. The scans stop at keys equal to the
// pivot, so a run of equal keys splits in the middle instead of costing n^2.
// Equal elements may be reordered.
template <class W, class Cmp>
void quick_sort(W* a, int32_t n, Cmp& cmp) {
  while (n > 1) {
    std::swap(a[0], a[n / 2]);
    const W pivot = a[0];
    int32_t i = 0, j = n;
    for (;;) {
      do ++i; while (i < n && cmp(a[i], pivot) < 0);
      do --j; while (cmp(a[j], pivot) > 0);  // a[0] is the pivot: the scan stops there
      if (i >= j) break;
      std::swap(a[i], a[j]);
    }
    std::swap(a[0], a[j]);
    // Now a[0..j) <= pivot == a[j] <= a(j..n).
    int32_t n_left = j, n_right = n - j - 1;
    if (n_left < n_right) {
      quick_sort(a, n_left, cmp);
      a += j + 1;
      n = n_right;
    } else {
      quick_sort(a + j + 1, n_right, cmp);
      n = n_left;
    }
  }
}

// The index of the first element of the sorted a[0..n) that is not less than
// the key: cmp_key(key, element) > 0 means the key is greater. 0 for an empty array.
template <class W, class K, class Cmp_Key>
int32_t binary_search(const W* a, int32_t n, const K& key, Cmp_Key& cmp_key) {
  int32_t low = 0, high = n;
  while (low < high) {
    int32_t mid = int32_t((uint32_t(low) + uint32_t(high)) / 2);
    if (cmp_key(key, a[mid]) > 0)
      low = mid + 1;
    else
      high = mid;
  }
  CHECK(low == high);
  return low;
}
