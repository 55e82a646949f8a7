#include <cmath>

#include "formula/calculus.h"
#include "formula/builtins.h"

namespace {

bool zero_number_q(wff w) { return zero_q(w) || (real_p(w) && real_value(w) == 0.0); }
bool negative_number_q(wff w) {
  return (integer_p(w) && int_neg_q(w)) || (real_p(w) && real_value(w) < 0.0);
}
bool non_positive_number_q(wff w) { return zero_number_q(w) || negative_number_q(w); }

// An approximate exponent that is not within 1e-6 of a whole number, for
// exponents small enough for that to be seen.
bool fractional_q(wff e) {
  if (!real_p(e)) return false;
  double b = real_value(e);
  if (!(std::fabs(b) < 1e9)) return false;
  double nearest = std::trunc(b >= 0 ? b + 0.5 : b - 0.5);
  return std::fabs(b - nearest) > 1e-6;
}

bool undefined_power_q(wff a, wff b) {
  if (zero_number_q(a) && negative_number_q(b)) return true;
  return negative_number_q(a) && fractional_q(b);
}

bool undefined_log_q(wff w) {
  if (appl_of_q(w, builtin(SYM_LN)) && n_elts(args_of(w)) == 1) return non_positive_number_q(arg_of(w, 0));
  if (!appl_of_q(w, builtin(SYM_LOG)) || n_elts(args_of(w)) != 2) return false;
  wff b = arg_of(w, 0), x = arg_of(w, 1);
  bool bad_base = non_positive_number_q(b) || b == imm_make(1) || (real_p(b) && real_value(b) == 1.0);
  return bad_base || non_positive_number_q(x);
}

}  // namespace

bool undefined_q(wff w) {
  if (const double* x = real_p(w)) return !std::isfinite(*x);
  if (!appl_q(w)) return false;
  for (Hdl e = w; pair_q(e); e = pair_rest(e))
    if (undefined_q(pair_first(e))) return true;
  if (appl_of_q(w, builtin(SYM_POWER)) && n_elts(args_of(w)) == 2 && undefined_power_q(arg_of(w, 0), arg_of(w, 1)))
    return true;
  return undefined_log_q(w);
}
