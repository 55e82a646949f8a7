// A way round the elimination's worst case. When the equations have finitely
// many common solutions, their system (the reduced basis in the elimination
// order) is usually small, while eliminating towards it directly meets
// polynomials with enormous coefficients on the way. Then it is cheaper to
// close the equations in the order by total degree, where the polynomials
// stay small, and to find the system from there by linear algebra on the
// finitely many monomials that basis leaves: the system is the same, since
// it depends only on the equations and the order.
#pragma once
#include <vector>

#include "algebra/solve_ring.h"

// The polynomials of the system of polys (of the outermost level) in
// `system`, when they have finitely many common solutions whatever the
// parameters, and the coefficients are rationals; false, and nothing, when
// the way round does not apply.
bool system_by_order_change(const Solve_Tower& t, const std::vector<Ref>& polys, std::vector<Ref>& system);
