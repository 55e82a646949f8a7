// The `DblsF` record and its facets: a shared, immutable function from src_dim
// doubles to tgt_dim doubles with four facets, each a function object:
//   value       (the point, tgt_dim results)
//   interval    (a box of src_dim intervals, an enclosure of each output)
//   partial     (input index j, the DblsF of the derivative along input j)
//   smoothness  (a box, SMOOTH where the function is smooth on the whole box,
//                MAY_JUMP where it may be discontinuous, KINK where only its
//                derivative may jump)
#pragma once
#include "core/fun_obj.h"
#include "formula/interval.h"

typedef Hdl DblsF;

struct DblsF_Rec {
  Rec hdr;
  int32_t tgt_dim;
  int32_t src_dim;
  Hdl value;       // apply: void (const Fn_Rec*, const double* xs, double* ys)
  Hdl interval;    // apply: void (const Fn_Rec*, const Interval* box, Interval* out)
  Hdl partial;     // apply: DblsF (const Fn_Rec*, int32_t j), a new use
  Hdl smoothness;  // apply: int32_t (const Fn_Rec*, const Interval* box)
};

typedef void (*Value_Facet)(const Fn_Rec* f, const double* xs, double* ys);
typedef void (*Interval_Facet)(const Fn_Rec* f, const Interval* box, Interval* out);
typedef DblsF (*Partial_Facet)(const Fn_Rec* f, int32_t j);
typedef int32_t (*Smooth_Facet)(const Fn_Rec* f, const Interval* box);

template <> struct Fn_Sig<Value_Facet> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 3; };
template <> struct Fn_Sig<Interval_Facet> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 4; };
template <> struct Fn_Sig<Partial_Facet> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 5; };
template <> struct Fn_Sig<Smooth_Facet> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 6; };

// A facet that evaluates a tree of nodes (its one capture).
constexpr uint32_t FACET_TREE = 1;

uint32_t dblsf_kind();
inline bool dblsf_q(Hdl h) { return kind_q(h, dblsf_kind()); }
inline const DblsF_Rec& dblsf_rec(DblsF f) { return *rec_as<DblsF_Rec>(f); }
inline int32_t src_dim(const DblsF_Rec& r) { return r.src_dim; }
inline int32_t tgt_dim(const DblsF_Rec& r) { return r.tgt_dim; }
inline int32_t src_dim(DblsF f) { return dblsf_rec(f).src_dim; }
inline int32_t tgt_dim(DblsF f) { return dblsf_rec(f).tgt_dim; }

// A new DblsF; it takes over the four function objects' uses.
DblsF dblsf_new(int32_t tgt_dim, int32_t src_dim, Hdl value, Hdl interval, Hdl partial, Hdl smoothness);

// The facets. xs and box hold src_dim entries, ys and out tgt_dim.
inline void dblsf_evaluate(DblsF f, const double* xs, double* ys) {
  const Fn_Rec* r = fn_rec(dblsf_rec(f).value);
  fn_apply_of<Value_Facet>(r)(r, xs, ys);
}
inline void dblsf_enclose(DblsF f, const Interval* box, Interval* out) {
  const Fn_Rec* r = fn_rec(dblsf_rec(f).interval);
  fn_apply_of<Interval_Facet>(r)(r, box, out);
}
inline int32_t dblsf_smoothness(DblsF f, const Interval* box) {
  const Fn_Rec* r = fn_rec(dblsf_rec(f).smoothness);
  return fn_apply_of<Smooth_Facet>(r)(r, box);
}
// A new DblsF, rebuilt on every call: callers that need it again keep it.
DblsF dblsf_derive(DblsF f, int32_t j);

// One-output shorthands.
inline double dblsf_value1(DblsF f, const double* xs) {
  double y;
  dblsf_evaluate(f, xs, &y);
  return y;
}
inline Interval dblsf_enclose1(DblsF f, const Interval* box) {
  Interval out;
  dblsf_enclose(f, box, &out);
  return out;
}

// c everywhere on n inputs; every partial is the constant 0. A NaN c raises
// Misc_Static_Err "Numeric overflow".
DblsF dblsf_constant(int32_t n, double c);
// Input i of n; partial j is the constant 1 for j = i, else 0.
DblsF dblsf_projection(int32_t n, int32_t i);
// For g and h of one input and m outputs: h below the threshold t, g from t
// on; a NaN input gives NaN outputs. A NaN t raises "Numeric overflow".
DblsF dblsf_split(double t, DblsF g, DblsF h);
// A one-output f of two inputs along the line where input fixed_i is
// fixed_value: a function of the other input alone.
DblsF dblsf_restrict(DblsF f, int32_t fixed_i, double fixed_value);
