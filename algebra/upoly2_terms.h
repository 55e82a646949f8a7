// Building term lists: front to back with a builder, or from an array.
#pragma once
#include <vector>

#include "algebra/UPoly2.h"

// Builds a polynomial front to back: terms come in decreasing order of
// exponent and zero coefficients are dropped. What was built is released
// when the building stops by an error.
class Term_Builder {
 public:
  explicit Term_Builder(const Ring& coef) : coef_(coef) {}
  Term_Builder(const Term_Builder&) = delete;
  Term_Builder& operator=(const Term_Builder&) = delete;
  ~Term_Builder() { hdl_release(head_); }
  // Appends c·x^e, taking over the use of c.
  void append(Hdl c, int32_t e);
  // The list, ending in tail (whose use is taken over).
  UPoly2 finish(UPoly2 tail = EMPTY_HDL);

 private:
  const Ring& coef_;
  Hdl head_ = EMPTY_HDL;
  Hdl* tail_p_ = &head_;  // the rest field of the last cell, or head_
};

struct Term {
  Ref c;
  int32_t e;
};

// Appends the terms of a, highest exponent first.
void terms_of(UPoly2 a, std::vector<Term>& out);
// The polynomial of terms in decreasing order of exponent above tail (whose
// use is taken over); zero coefficients are dropped.
UPoly2 poly_of_terms(const Ring& coef, std::vector<Term>& terms, UPoly2 tail = EMPTY_HDL);
