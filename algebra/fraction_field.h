// Fields of fractions: elements are (numerator, denominator) records over a
// base ring. When the base ring has a gcd, fractions are kept reduced with a
// unit-normal denominator, so equal values have equal parts.
#pragma once
#include "algebra/ring.h"

struct Fraction_Rec {
  Rec hdr;
  Hdl num;
  Hdl den;
};

inline Hdl frac_num(Hdl a) { return rec_as<Fraction_Rec>(a)->num; }
inline Hdl frac_den(Hdl a) { return rec_as<Fraction_Rec>(a)->den; }

// num / den in the field (den not zero); the parts are borrowed.
Hdl fraction_make(const Ring& field, Hdl num, Hdl den);
// a of the base ring as the fraction a / 1.
Hdl fraction_from_base(const Ring& field, Hdl a);
