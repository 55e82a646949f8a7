#include "formula/construct.h"

// Each is made by its first use and never released.

wff i_pi_const() {
  static const Hdl I_PI = times(builtin(SYM_I), builtin(SYM_PI));
  return I_PI;
}

wff half_const() {
  static const Hdl HALF = power(imm_make(2), imm_make(-1));
  return HALF;
}

wff e_const() {
  static const Hdl E = apply1(SYM_EXP, imm_make(1));
  return E;
}
