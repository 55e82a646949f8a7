// The system of Solve: the polynomials eliminated against one another in the
// fixed variable order, so that the last variable is eliminated first.
//
// The system is built level by level, like the rings of the tower. Over the
// field K (level 0) it is empty or holds the unit. Over R_L = R_{L-1}[x_L] it
// keeps, for each degree d of x_L that occurs, an entry holding a system over
// R_{L-1}: the ideal of the leading coefficients of its members of degree at
// most d (a member of lower degree d' counts as x_L^(d-d') times it), in
// decreasing order of d. Following the entries from the top level down to a
// unit spells the leading term of a member, so a term is reduced by walking
// down, at each level into the highest entry not above the term's degree.
//
// Terms are ordered by their exponent of x_n, then of x_{n-1}, and so on (the
// order the nested rings give). The members are kept closed under
// elimination: any combination of them reduces to zero by them. Every step is
// exact, so the members have exactly the common zeros of the polynomials
// inserted, whatever the values of the symbols; each member is non-zero and
// kept fraction-free, and listed with leading coefficient 1 in K. An
// inconsistent system holds the unit alone.
#pragma once
#include <memory>
#include <vector>

#include "algebra/solve_exps.h"

struct Tri_Member {
  Ref p;          // of the outermost level
  Tri_Exps lead;  // of its leading term
  uint32_t id;    // names the member in the pairs still to treat
  int64_t n_terms;
};

struct Tri_Entry;

// The system over one level.
struct Tri_Level {
  const Tri_Member* unit = nullptr;  // level 0: the member that reaches it, or none
  std::vector<Tri_Entry> entries;    // level >= 1: by decreasing degree
};

struct Tri_Entry {
  int32_t degree;
  Tri_Level sub;
};

struct Tri_System {
  // The system's zero: no member, nothing reduced.
  explicit Tri_System(const Solve_Tower& t);
  const Solve_Tower& tower;
  std::vector<std::unique_ptr<Tri_Member>> members;
  Tri_Level top;  // over the outermost level
  uint32_t next_id = 0;
};

// p of the outermost level reduced by the system: no term of the result is a
// multiple of a member's leading term. Fraction-free: the result is
// scale·p minus multiples of members, for a constant scale of K that
// *scale_p receives when given.
Ref tri_reduce(const Tri_System& s, Hdl p, Ref* scale_p = nullptr);
// Inserts the polynomials, of the outermost level (the system's
// multiplication), into the empty system: one by one in order, restoring the
// closure after each, or all together, whichever finishes first. A
// member whose leading term a new one divides goes out and comes back
// reduced; one whose later terms it divides is reduced in place. So the
// members stay reduced by one another.
void tri_insert(Tri_System& s, const std::vector<Ref>& polys);
// For each entry in order, what its system lists: the members, highest
// leading term first (the highest variable's first); the constant 1 alone
// when the system is inconsistent.
std::vector<Ref> tri_list(const Tri_System& s);
