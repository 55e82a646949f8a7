#include "formula/tree.h"

namespace {

void release_real(Rec* r) noexcept { pool_return(r); }

// Registered here, beside the only maker of real records, so that linking any
// user of reals links the registration too.
const bool REAL_KIND_REGISTERED_ = register_fixed_kind(REAL_KIND, release_real, "approximate real");

}  // namespace

wff real_new(double x) {
  Real_Rec* r = reinterpret_cast<Real_Rec*>(rec_new(REAL_KIND, int32_t(sizeof(Real_Rec))));
  r->value = x;
  return hdl_of(r);
}
