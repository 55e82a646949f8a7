// Numeric functions that count their use, for measuring what an algorithm
// built on them costs (tests and benchmarks of the samplers).
#pragma once
#include "formula/dblsf_record.h"

struct Facet_Counts {
  int64_t n_values = 0, n_intervals = 0, n_smooths = 0;
  int64_t total() const { return n_values + n_intervals + n_smooths; }
};

// f, with every call of its value, interval and smoothness facets, and of
// those of the derivatives taken from it, counted in *counts_p, which must
// outlive the function and its derivatives.
DblsF dblsf_counted(DblsF f, Facet_Counts* counts_p);
