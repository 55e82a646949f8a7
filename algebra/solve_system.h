// The system of Solve: the polynomials eliminated against one another in the
// fixed variable order, so that the last variable is eliminated first.
//
// Terms are ordered by their exponent of x_n, then of x_{n-1}, and so on (the
// order the nested rings give: a leading coefficient is itself a polynomial in
// the lower variables). The system keeps its members closed under that
// elimination: any combination of them reduces to zero by them (a Groebner
// basis). Every step is exact, so the members have exactly the common zeros of
// the polynomials inserted, whatever the values of the symbols; each member is
// non-zero with leading coefficient 1 in the field K. An inconsistent system
// holds the unit alone.
#pragma once
#include <vector>

#include "algebra/solve_ring.h"

struct Tri_Member {
  Ref p;                       // of the outermost level
  std::vector<int32_t> lead;   // exponent of x_L at index L-1 in the leading term
  uint32_t id = 0;             // names the member in the pairs still to treat
};

struct Tri_System {
  std::vector<Tri_Member> members;
  uint32_t next_id = 0;
};

// p of the outermost level reduced by the members: no term of the result is a
// multiple of a member's leading term.
Ref tri_reduce(const Solve_Tower& t, const Tri_System& s, Hdl p);
// Inserts p, of the outermost level, and restores the closure. A member that
// another's leading term divides into goes out and comes back reduced, so the
// members always stay reduced by one another.
void tri_insert(const Solve_Tower& t, Tri_System& s, Hdl p);
// The members, each reduced by the others and none redundant, highest leading
// term first (the highest variable's first); the constant 1 alone when the
// system is inconsistent.
std::vector<Ref> tri_list(const Tri_System& s);
