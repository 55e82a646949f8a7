// Solving f(x) = y for one-input numeric functions inside a bracket.
#pragma once
#include "formula/dblsf_record.h"

// The x in [a, b] where f reaches y, for f with one input and one output, f1
// its derivative and f2 its second. Bisects until the enclosures of f1 and f2
// over the bracket prove that Newton's method converges without leaving it,
// then finishes with Newton steps. Each halving or Newton step uses one of the
// n_iters; with fewer than two left the current midpoint is the answer. Never
// raises for numeric trouble: a NaN step ends at the last good point.
double dbls_solve(DblsF f, DblsF f1, DblsF f2, double a, double b, double y, int32_t n_iters);
