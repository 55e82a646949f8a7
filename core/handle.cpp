#include "core/handle.h"

namespace {
void release_static(Rec*) noexcept { CHECK_DEFERRED(FALSE); }
uint32_t n_kinds_ = N_FIXED_KINDS;
}  // namespace

void release_pair_rec(Rec* r) noexcept;
void release_fn_rec(Rec* r) noexcept;

// Constant-initialised, so these kinds work in every start-up initialiser.
Kind kinds_[MAX_KINDS] = {{release_static, "static"}, {release_pair_rec, "pair"}, {release_fn_rec, "function object"}};

bool register_fixed_kind(uint32_t kind_i, Release_Fn release, const char* name) {
  CHECK(kind_i < N_FIXED_KINDS && kind_i != STATIC_KIND);
  kinds_[kind_i] = {release, name};
  return true;
}

uint32_t register_kind(Release_Fn release, const char* name) {
  CHECK(n_kinds_ < MAX_KINDS);
  kinds_[n_kinds_] = {release, name};
  return n_kinds_++;
}

void rec_release_last(Rec* r) noexcept {
  // A count already at 0 is a second release; a kind never registered is a
  // record overwritten or a handle that names no record.
  if (!CHECK_DEFERRED(r->n_uses == 1 && r->kind_i < n_kinds_ && kinds_[r->kind_i].release)) return;
  r->n_uses = 0;
  kinds_[r->kind_i].release(r);
}
