// Value handles: a 32-bit word that is either an immediate small integer
// (low bit 1, n held as 2n+1) or the pool offset of a use-counted record.
#pragma once
#include <cstdint>
#include <utility>

#include "core/err.h"
#include "core/pool.h"

typedef uint32_t Hdl;

// Every record starts with its use count and the index of its kind; the kind
// index is the record's tag and selects its release function.
struct Rec {
  uint32_t n_uses;
  uint32_t kind_i;
};

// Release functions never raise: they run in destructors (see CHECK_DEFERRED).
typedef void (*Release_Fn)(Rec* r) noexcept;

struct Kind {
  Release_Fn release;
  const char* name;
};

constexpr int MAX_KINDS = 256;
extern Kind kinds_[MAX_KINDS];

// Kinds with a fixed index, so that records of these kinds can be made by any
// start-up initialiser, before the kind's own file has registered its release.
enum Fixed_Kind : uint32_t {
  STATIC_KIND = 0,  // lives for the whole run: releasing to 0 is an assertion stop
  PAIR_KIND,
  FN_KIND,
  INTEGER_KIND,
  REAL_KIND,
  SYMBOL_KIND,
  N_FIXED_KINDS
};

// Sets the release function of a fixed kind (from a static initialiser).
bool register_fixed_kind(uint32_t kind_i, Release_Fn release, const char* name);
// Registers a further kind and gives its index; call it from a function-local
// static so the index exists before its first use.
uint32_t register_kind(Release_Fn release, const char* name);

constexpr int32_t IMM_MIN = -(1 << 30);
constexpr int32_t IMM_MAX = (1 << 30) - 1;

inline bool imm_q(Hdl h) { return h & 1; }
inline Hdl imm_make(int32_t n) { return (uint32_t(n) << 1) | 1u; }
inline int32_t imm_value(Hdl h) { return int32_t(h) >> 1; }
constexpr Hdl EMPTY_HDL = 1;  // the integer 0: also the empty list

inline Rec* rec_of(Hdl h) { return reinterpret_cast<Rec*>(pool_base_ + h); }
template <class T> inline T* rec_as(Hdl h) { return reinterpret_cast<T*>(pool_base_ + h); }
inline Hdl hdl_of(const void* rec_p) { return pool_offset(rec_p); }
inline uint32_t kind_of(Hdl h) { return rec_of(h)->kind_i; }
inline bool kind_q(Hdl h, uint32_t kind_i) { return !imm_q(h) && rec_of(h)->kind_i == kind_i; }

inline Hdl hdl_copy(Hdl h) {
  if (!imm_q(h)) ++rec_of(h)->n_uses;
  return h;
}

// The last use of a record: checks that the record is sound and runs its
// kind's release. Never raises (see CHECK_DEFERRED).
void rec_release_last(Rec* r) noexcept;

inline void hdl_release(Hdl h) noexcept {
  if (imm_q(h)) return;
  Rec* r = rec_of(h);
  if (r->n_uses > 1)
    --r->n_uses;
  else
    rec_release_last(r);
}

// Takes a pool block for a new record of n_bytes with use count 1.
inline Rec* rec_new(uint32_t kind_i, int32_t n_bytes) {
  Rec* r = static_cast<Rec*>(pool_alloc(n_bytes));
  r->n_uses = 1;
  r->kind_i = kind_i;
  return r;
}

// A record that lives for the whole run: its count never reaches 0.
inline Rec* rec_new_static(int32_t n_bytes) { return rec_new(STATIC_KIND, n_bytes); }

// An owning handle: copies add a use, destruction releases. Used wherever C++
// code holds a handle across anything that may raise.
class Ref {
 public:
  Ref() : h_(EMPTY_HDL) {}
  // Takes over one use that the caller already owns.
  static Ref adopt(Hdl h) { Ref r; r.h_ = h; return r; }
  // Adds a use of a handle owned elsewhere.
  static Ref share(Hdl h) { return adopt(hdl_copy(h)); }
  Ref(const Ref& o) : h_(hdl_copy(o.h_)) {}
  Ref(Ref&& o) noexcept : h_(std::exchange(o.h_, EMPTY_HDL)) {}
  // Copy first, then release: the old value may be the only holder of the new one.
  Ref& operator=(const Ref& o) { Hdl n = hdl_copy(o.h_); hdl_release(h_); h_ = n; return *this; }
  Ref& operator=(Ref&& o) noexcept {
    if (this != &o) { Hdl old = h_; h_ = std::exchange(o.h_, EMPTY_HDL); hdl_release(old); }
    return *this;
  }
  ~Ref() { hdl_release(h_); }
  Hdl get() const { return h_; }
  // Gives up ownership of the use to the caller.
  Hdl release() { return std::exchange(h_, EMPTY_HDL); }

 private:
  Hdl h_;
};
