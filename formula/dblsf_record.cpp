#include "formula/dblsf_record.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "formula/dblsf_node.h"
#include "formula/guarded.h"

namespace {

void release_dblsf(Rec* r) noexcept {
  DblsF_Rec* f = reinterpret_cast<DblsF_Rec*>(r);
  hdl_release(f->value);
  hdl_release(f->interval);
  hdl_release(f->partial);
  hdl_release(f->smoothness);
  pool_return(f);
}

double bits_double(intptr_t c) { return std::bit_cast<double>(int64_t(c)); }
intptr_t double_bits(double x) { return intptr_t(std::bit_cast<int64_t>(x)); }

// ---- The facets of a function made of trees ----

void tree_value(const Fn_Rec* f, const double* xs, double* ys) { ys[0] = val_eval(Hdl(f->cap[0]), xs); }
void tree_interval(const Fn_Rec* f, const Interval* box, Interval* out) { out[0] = iv_eval(Hdl(f->cap[0]), box); }
int32_t tree_smooth(const Fn_Rec* f, const Interval* box) { return sm_eval(Hdl(f->cap[0]), box).order; }

// The facet over tree k, and whether a facet is one.
Hdl tree_facet(Facet k, Hdl root) {
  intptr_t c = intptr_t(hdl_copy(root));
  if (k == FACET_VALUE) return fn_new_tagged(FACET_TREE, tree_value, 1, 1, c);
  if (k == FACET_INTERVAL) return fn_new_tagged(FACET_TREE, tree_interval, 1, 1, c);
  return fn_new_tagged(FACET_TREE, tree_smooth, 1, 1, c);
}

bool tree_facet_q(Facet k, Hdl facet) {
  if (k == FACET_VALUE) return fn_tag_q<Value_Facet>(facet, FACET_TREE);
  if (k == FACET_INTERVAL) return fn_tag_q<Interval_Facet>(facet, FACET_TREE);
  return fn_tag_q<Smooth_Facet>(facet, FACET_TREE);
}

Hdl facet_of(DblsF f, Facet facet) {
  const DblsF_Rec& r = dblsf_rec(f);
  return facet == FACET_VALUE ? r.value : facet == FACET_INTERVAL ? r.interval : r.smoothness;
}

// ---- Partials of the basic functions ----

DblsF constant_partial(const Fn_Rec* f, int32_t) { return dblsf_constant(int32_t(f->cap[0]), 0.0); }

DblsF projection_partial(const Fn_Rec* f, int32_t j) {
  return dblsf_constant(int32_t(f->cap[0]), j == f->cap[1] ? 1.0 : 0.0);
}

// ---- Split ----

DblsF split_g(const Fn_Rec* f) { return Hdl(f->cap[1]); }
DblsF split_h(const Fn_Rec* f) { return Hdl(f->cap[2]); }

void split_value(const Fn_Rec* f, const double* xs, double* ys) {
  if (std::isnan(xs[0])) {
    std::fill_n(ys, tgt_dim(split_g(f)), GUARD_NAN);
    return;
  }
  dblsf_evaluate(xs[0] < bits_double(f->cap[0]) ? split_h(f) : split_g(f), xs, ys);
}

void split_interval(const Fn_Rec* f, const Interval* box, Interval* out) {
  double t = bits_double(f->cap[0]);
  int32_t m = tgt_dim(split_g(f));
  Interval b = widen_nan(box[0]);
  if (empty_q(b)) {
    std::fill_n(out, m, EMPTY_INTERVAL);
  } else if (b.hi < t) {
    dblsf_enclose(split_h(f), &b, out);
  } else if (b.lo >= t) {
    dblsf_enclose(split_g(f), &b, out);
  } else {
    // Both sides meet the box: the hull of h below t and g from t on.
    Interval below = {b.lo, t}, above = {t, b.hi};
    dblsf_enclose(split_g(f), &above, out);
    constexpr int32_t ON_STACK = 4;
    Interval stack_out[ON_STACK];
    std::vector<Interval> heap_out(size_t(m > ON_STACK ? m : 0));
    Interval* h_out = m > ON_STACK ? heap_out.data() : stack_out;
    dblsf_enclose(split_h(f), &below, h_out);
    for (int32_t i = 0; i < m; ++i) out[i] = hull(out[i], h_out[i]);
  }
}

int32_t split_smooth(const Fn_Rec* f, const Interval* box) {
  double t = bits_double(f->cap[0]);
  Interval b = widen_nan(box[0]);
  if (empty_q(b)) return SMOOTH;
  if (b.hi < t) return dblsf_smoothness(split_h(f), &b);
  if (b.lo >= t) return dblsf_smoothness(split_g(f), &b);
  return MAY_JUMP;
}

DblsF split_partial(const Fn_Rec* f, int32_t) {
  Ref g1 = Ref::adopt(dblsf_derive(split_g(f), 0));
  Ref h1 = Ref::adopt(dblsf_derive(split_h(f), 0));
  return dblsf_split(bits_double(f->cap[0]), g1.get(), h1.get());
}

// ---- Restriction to a line ----

DblsF restrict_partial(const Fn_Rec* f, int32_t) {
  int32_t fixed_i = int32_t(f->cap[1]);
  Ref along = Ref::adopt(dblsf_derive(Hdl(f->cap[0]), 1 - fixed_i));
  return dblsf_restrict(along.get(), fixed_i, bits_double(f->cap[2]));
}

}  // namespace

uint32_t dblsf_kind() {
  static const uint32_t kind = register_kind(release_dblsf, "numeric function");
  return kind;
}

DblsF dblsf_new(int32_t tgt_dim, int32_t src_dim, Hdl value, Hdl interval, Hdl partial, Hdl smoothness) {
  CHECK(tgt_dim > 0 && src_dim >= 0);
  DblsF_Rec* f = reinterpret_cast<DblsF_Rec*>(rec_new(dblsf_kind(), int32_t(sizeof(DblsF_Rec))));
  f->tgt_dim = tgt_dim;
  f->src_dim = src_dim;
  f->value = value;
  f->interval = interval;
  f->partial = partial;
  f->smoothness = smoothness;
  return hdl_of(f);
}

DblsF dblsf_derive(DblsF f, int32_t j) {
  CHECK(unsigned(j) < unsigned(src_dim(f)));
  const Fn_Rec* r = fn_rec(dblsf_rec(f).partial);
  return fn_apply_of<Partial_Facet>(r)(r, j);
}

Roots const_roots(double c) {
  Roots roots;
  for (int k = 0; k < N_FACETS; ++k) roots.node[k] = Ref::adopt(const_node(Facet(k), c));
  return roots;
}

Roots proj_roots(int32_t i) {
  Roots roots;
  for (int k = 0; k < N_FACETS; ++k) roots.node[k] = Ref::adopt(proj_node(Facet(k), i));
  return roots;
}

Roots roots_of(Hdl f) {
  Roots roots;
  for (int k = 0; k < N_FACETS; ++k) {
    Hdl facet = facet_of(f, Facet(k));
    roots.node[k] = tree_facet_q(Facet(k), facet) ? Ref::share(Hdl(fn_rec(facet)->cap[0])) : Ref::adopt(whole_node(Facet(k), f));
  }
  return roots;
}

Roots roots_subst(const Roots& f, const Roots* args, int32_t n_args) {
  constexpr int32_t MAX_ARGS = 2;
  CHECK(n_args <= MAX_ARGS);
  Roots out;
  for (int k = 0; k < N_FACETS; ++k) {
    Hdl arg_nodes[MAX_ARGS] = {};
    for (int32_t i = 0; i < n_args; ++i) arg_nodes[i] = args[i].node[k].get();
    out.node[k] = Ref::adopt(node_subst(Facet(k), f.node[k].get(), arg_nodes, n_args));
  }
  return out;
}

Hdl dblsf_of_roots(int32_t n, const Roots& roots, Hdl partial) {
  Ref partial_ref = Ref::adopt(partial);
  Ref facets[N_FACETS];
  for (int k = 0; k < N_FACETS; ++k)
    facets[k] = Ref::adopt(tree_facet(Facet(k), roots.node[k].get()));
  return dblsf_new(1, n, facets[FACET_VALUE].release(), facets[FACET_INTERVAL].release(), partial_ref.release(),
                   facets[FACET_SMOOTH].release());
}

DblsF dblsf_constant(int32_t n, double c) {
  if (std::isnan(c)) raise_static("Numeric overflow");
  return dblsf_of_roots(n, const_roots(c), fn_new(constant_partial, 1, 0, n));
}

DblsF dblsf_projection(int32_t n, int32_t i) {
  CHECK(0 <= i && i < n);
  return dblsf_of_roots(n, proj_roots(i), fn_new(projection_partial, 2, 0, n, i));
}

DblsF dblsf_split(double t, DblsF g, DblsF h) {
  int32_t m = tgt_dim(g);
  CHECK(m > 0);
  CHECK(src_dim(g) == 1 && tgt_dim(h) == m && src_dim(h) == 1);
  if (std::isnan(t)) raise_static("Numeric overflow");
  auto split_fn = [&](auto apply) { return fn_new(apply, 3, 6, double_bits(t), intptr_t(hdl_copy(g)), intptr_t(hdl_copy(h))); };
  Ref value = Ref::adopt(split_fn(split_value));
  Ref interval = Ref::adopt(split_fn(split_interval));
  Ref partial = Ref::adopt(split_fn(split_partial));
  Ref smooth = Ref::adopt(split_fn(split_smooth));
  return dblsf_new(m, 1, value.release(), interval.release(), partial.release(), smooth.release());
}

DblsF dblsf_restrict(DblsF f, int32_t fixed_i, double fixed_value) {
  CHECK(src_dim(f) == 2 && tgt_dim(f) == 1 && unsigned(fixed_i) < 2);
  Roots args[2];
  args[fixed_i] = const_roots(fixed_value);
  args[1 - fixed_i] = proj_roots(0);
  Roots line = roots_subst(roots_of(f), args, 2);
  Hdl partial = fn_new(restrict_partial, 3, 1, intptr_t(hdl_copy(f)), fixed_i, double_bits(fixed_value));
  return dblsf_of_roots(1, line, partial);
}
