// Ring records: a ring as a shared record of its operations and constants,
// so that every algorithm over rings is written once. The tower of exact
// rings is made of the integers, fields of fractions of any ring, and
// univariate polynomial rings over any ring (nested, they give polynomials
// in several variables).
//
// Elements are handles. Operations borrow their arguments and return a new
// use owned by the caller.
#pragma once
#include <cstdint>
#include <string>

#include "core/byte_streams.h"
#include "core/handle.h"

struct Ring;
typedef int (*Ring_Compare_Fn)(const Ring& r, Hdl a, Hdl b);
typedef Hdl (*Ring_Op1_Fn)(const Ring& r, Hdl a);
typedef Hdl (*Ring_Op2_Fn)(const Ring& r, Hdl a, Hdl b);
// The quotient; *rem_p receives the remainder (a new use).
typedef Hdl (*Ring_Divide_Fn)(const Ring& r, Hdl a, Hdl b, Hdl* rem_p);
typedef void (*Ring_Write_Fn)(const Ring& r, Out_Stream& s, Hdl a);

enum Ring_Case : uint32_t { RING_INTEGERS, RING_FRACTIONS, RING_UPOLY2 };

struct Ring {
  Rec hdr;
  Ring_Compare_Fn compare;  // 0 when equal, else the sign of a total order
  Ring_Op2_Fn add;
  Hdl zero;
  Ring_Op1_Fn negate;
  Ring_Op2_Fn multiply;
  Hdl one;
  Ring_Divide_Fn divide;    // divide with remainder; b not zero
  Ring_Op1_Fn unit_part;    // the unit u with a/u normal; one for zero
  Hdl coef_ring;            // the ring below (a Ring record), EMPTY_HDL for the integers
  Ring_Op2_Fn gcd;          // null when the ring offers none
  Ring_Op1_Fn inverse;      // null unless the ring is a field
  Ring_Write_Fn write;      // text for messages and tests
  Ring_Case ring_case;
  int32_t n_vars;           // polynomial variables from the integers up to this ring
};

inline const Ring& ring_of(Hdl ring_h) { return *rec_as<Ring>(ring_h); }
inline const Ring& coef_ring_of(const Ring& r) { return ring_of(r.coef_ring); }

// A new ring record with the constants and the coefficient ring taken over.
Hdl ring_new(const Ring& members);

inline int ring_compare(const Ring& r, Hdl a, Hdl b) { return r.compare(r, a, b); }
inline Hdl ring_add(const Ring& r, Hdl a, Hdl b) { return r.add(r, a, b); }
inline Hdl ring_negate(const Ring& r, Hdl a) { return r.negate(r, a); }
inline Hdl ring_multiply(const Ring& r, Hdl a, Hdl b) { return r.multiply(r, a, b); }
inline Hdl ring_divide(const Ring& r, Hdl a, Hdl b, Hdl* rem_p) { return r.divide(r, a, b, rem_p); }
inline Hdl ring_unit_part(const Ring& r, Hdl a) { return r.unit_part(r, a); }
inline bool ring_zero_q(const Ring& r, Hdl a) { return a == r.zero || r.compare(r, a, r.zero) == 0; }
inline bool ring_one_q(const Ring& r, Hdl a) { return a == r.one || r.compare(r, a, r.one) == 0; }
inline bool ring_equal_q(const Ring& r, Hdl a, Hdl b) { return a == b || r.compare(r, a, b) == 0; }
inline bool field_q(const Ring& r) { return r.inverse != nullptr; }

Hdl ring_subtract(const Ring& r, Hdl a, Hdl b);
// a / b when the division leaves no remainder; else raises "Nonzero remainder".
Hdl ring_exact_divide(const Ring& r, Hdl a, Hdl b);
// x^n; a negative n inverts (in a field) or divides one exactly by x^-n.
Hdl ring_power(const Ring& r, Hdl x, int32_t n);
// The ring's gcd; an assertion stop when it has none.
Hdl ring_gcd(const Ring& r, Hdl a, Hdl b);
// a made unit-normal: a divided by its unit part.
Hdl ring_unit_normal(const Ring& r, Hdl a);

void ring_write(const Ring& r, Out_Stream& s, Hdl a);
std::string ring_to_string(const Ring& r, Hdl a);

// ---- the rings of the tower

// The integers: a record that lives for the run; the handle is borrowed.
Hdl integer_ring();
// The field of fractions of base; the result is a new use, base is shared.
Hdl fraction_field_new(Hdl base);
// Univariate polynomials over coef; the result is a new use, coef is shared.
Hdl upoly2_ring_new(Hdl coef);
