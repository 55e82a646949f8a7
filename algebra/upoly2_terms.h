// Term lists as arrays, for operations that gather terms before building.
#pragma once
#include <vector>

#include "algebra/UPoly2.h"

struct Term {
  Ref c;
  int32_t e;
};

// Appends the terms of a, highest exponent first.
void terms_of(UPoly2 a, std::vector<Term>& out);
// The polynomial of terms in decreasing order of exponent above tail (whose
// use is taken over); zero coefficients are dropped.
UPoly2 poly_of_terms(const Ring& coef, std::vector<Term>& terms, UPoly2 tail = EMPTY_HDL);
