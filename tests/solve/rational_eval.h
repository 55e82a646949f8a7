// Exact evaluation of formulas at rational points, for checking Solve's
// results by substitution.
#pragma once
#include <map>

#include "algebra/fraction_field.h"
#include "formula/wff.h"

struct Rational_Point {
  Ref q = Ref::adopt(fraction_field_new(integer_ring()));  // the rationals
  std::map<wff, Ref> values;                               // symbol -> rational

  const Ring& ring() const { return ring_of(q.get()); }
  Ref rational(int32_t num, int32_t den) const {
    Ref n = Ref::adopt(int_from_int(num)), d = Ref::adopt(int_from_int(den));
    return Ref::adopt(fraction_make(ring(), n.get(), d.get()));
  }
  // The value of w; false when w holds something else than +, *, integer
  // powers, integers and symbols with a value (or a division by zero).
  bool eval(wff w, Ref& out) const {
    if (integer_p(w)) {
      Ref one = Ref::adopt(imm_make(1));
      out = Ref::adopt(fraction_make(ring(), w, one.get()));
      return true;
    }
    if (symbol_p(w)) {
      auto it = values.find(w);
      if (it == values.end()) return false;
      out = it->second;
      return true;
    }
    if (!appl_q(w) || n_elts(w) != 3) return false;
    Ref a;
    if (!eval(arg_of(w, 0), a)) return false;
    if (appl_of_q(w, builtin(SYM_POWER))) {
      wff e = arg_of(w, 1);
      if (!imm_q(e) || (imm_value(e) < 0 && ring_zero_q(ring(), a.get()))) return false;
      out = Ref::adopt(ring_power(ring(), a.get(), imm_value(e)));
      return true;
    }
    Ref b;
    if (!eval(arg_of(w, 1), b)) return false;
    if (appl_of_q(w, builtin(SYM_PLUS))) out = Ref::adopt(ring_add(ring(), a.get(), b.get()));
    else if (appl_of_q(w, builtin(SYM_TIMES))) out = Ref::adopt(ring_multiply(ring(), a.get(), b.get()));
    else return false;
    return true;
  }
  // An equation (= l r) holds exactly; "true" holds, anything else does not.
  bool holds_q(wff eq) const {
    if (eq == builtin(SYM_TRUE)) return true;
    if (!appl_of_q(eq, builtin(SYM_EQ))) return false;
    Ref l, r;
    return eval(arg_of(eq, 0), l) && eval(arg_of(eq, 1), r) && ring_equal_q(ring(), l.get(), r.get());
  }
  // A rational as a formula.
  Ref formula_of(Hdl q_value) const { return Ref::adopt(divide(frac_num(q_value), frac_den(q_value))); }
};

// The equations of a line-break list, in order.
inline void equations_of(wff w, std::vector<wff>& out) {
  if (appl_of_q(w, builtin(SYM_AND))) {
    equations_of(arg_of(w, 0), out);
    equations_of(arg_of(w, 1), out);
  } else {
    out.push_back(w);
  }
}
