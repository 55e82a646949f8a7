// Leaf nodes, nodes over arbitrary numeric functions, and substitution of
// inputs, which is how numeric functions are composed.
#include <algorithm>
#include <bit>

#include "formula/dblsf_record.h"
#include "formula/dblsf_node.h"

namespace {

double const_of(const Fn_Rec* f) { return std::bit_cast<double>(int64_t(f->cap[0])); }

double const_val(const Fn_Rec* f, const double*) { return const_of(f); }
Interval const_iv(const Fn_Rec* f, const Interval*) { return {const_of(f), const_of(f)}; }
Order_Iv const_sm(const Fn_Rec* f, const Interval*) { return {{const_of(f), const_of(f)}, SMOOTH}; }

double proj_val(const Fn_Rec* f, const double* xs) { return xs[f->cap[0]]; }
Interval proj_iv(const Fn_Rec* f, const Interval* box) { return widen_nan(box[f->cap[0]]); }
Order_Iv proj_sm(const Fn_Rec* f, const Interval* box) { return {widen_nan(box[f->cap[0]]), SMOOTH}; }

DblsF fn_of(const Fn_Rec* r) { return Hdl(r->cap[0]); }
Hdl child_of(const Fn_Rec* r, int k) { return Hdl(r->cap[1 + k]); }

// Two children at most: heads of formulas take one or two arguments.
constexpr int32_t MAX_CHILDREN = 2;

double compose_val(const Fn_Rec* r, const double* xs) {
  double ts[MAX_CHILDREN];
  DblsF f = fn_of(r);
  for (int32_t k = 0; k < src_dim(f); ++k) ts[k] = val_eval(child_of(r, k), xs);
  return dblsf_value1(f, ts);
}

Interval compose_iv(const Fn_Rec* r, const Interval* box) {
  Interval sub[MAX_CHILDREN];
  DblsF f = fn_of(r);
  for (int32_t k = 0; k < src_dim(f); ++k) sub[k] = iv_eval(child_of(r, k), box);
  return dblsf_enclose1(f, sub);
}

Order_Iv compose_sm(const Fn_Rec* r, const Interval* box) {
  Interval sub[MAX_CHILDREN];
  DblsF f = fn_of(r);
  int32_t order = SMOOTH;
  for (int32_t k = 0; k < src_dim(f); ++k) {
    Order_Iv c = sm_eval(child_of(r, k), box);
    sub[k] = c.iv;
    order = std::min(order, c.order);
  }
  return {dblsf_enclose1(f, sub), std::min(order, dblsf_smoothness(f, sub))};
}

double whole_val(const Fn_Rec* r, const double* xs) { return dblsf_value1(fn_of(r), xs); }
Interval whole_iv(const Fn_Rec* r, const Interval* box) { return dblsf_enclose1(fn_of(r), box); }
Order_Iv whole_sm(const Fn_Rec* r, const Interval* box) {
  return {dblsf_enclose1(fn_of(r), box), dblsf_smoothness(fn_of(r), box)};
}

void* const CONST_APPLY[N_FACETS] = {reinterpret_cast<void*>(const_val), reinterpret_cast<void*>(const_iv),
                                     reinterpret_cast<void*>(const_sm)};
void* const PROJ_APPLY[N_FACETS] = {reinterpret_cast<void*>(proj_val), reinterpret_cast<void*>(proj_iv),
                                    reinterpret_cast<void*>(proj_sm)};
void* const COMPOSE_APPLY[N_FACETS] = {reinterpret_cast<void*>(compose_val), reinterpret_cast<void*>(compose_iv),
                                       reinterpret_cast<void*>(compose_sm)};
void* const WHOLE_APPLY[N_FACETS] = {reinterpret_cast<void*>(whole_val), reinterpret_cast<void*>(whole_iv),
                                     reinterpret_cast<void*>(whole_sm)};

bool apply_q(Hdl node, void* apply) { return fn_rec(node)->apply == apply; }

// An operand of an operation node, substituted, as a node of its own; factor
// is the node's third word.
Hdl operand_subst(Facet facet, Leaf_Kind kind, intptr_t cap, intptr_t factor, const Hdl* args, int32_t n_args) {
  if (kind == LEAF_NODE) return node_subst(facet, Hdl(cap), args, n_args);
  if (kind == LEAF_CONST) return const_node(facet, std::bit_cast<double>(int64_t(cap)));
  if (kind == LEAF_POWER || kind == LEAF_SCALED) {
    int32_t i = power_leaf_input(cap);
    CHECK(i < n_args);
    Ref power = Ref::adopt(prim_node(facet, PRIM_INT_POWER, args[i], 0, power_leaf_exponent(cap)));
    if (kind == LEAF_POWER) return power.release();
    Ref c = Ref::adopt(const_node(facet, std::bit_cast<double>(int64_t(factor))));
    return prim_node(facet, PRIM_TIMES, power.get(), c.get(), 0);
  }
  CHECK(cap < n_args);
  return hdl_copy(args[cap]);
}

}  // namespace

Hdl const_node(Facet facet, double c) {
  return fn_new(CONST_APPLY[facet], 1, 0, intptr_t(std::bit_cast<int64_t>(c)));
}

Hdl proj_node(Facet facet, int32_t i) { return fn_new(PROJ_APPLY[facet], 1, 0, i); }

bool const_node_q(Facet facet, Hdl node, double* c_p) {
  if (!apply_q(node, CONST_APPLY[facet])) return false;
  *c_p = const_of(fn_rec(node));
  return true;
}

bool proj_node_q(Facet facet, Hdl node, int32_t* i_p) {
  if (!apply_q(node, PROJ_APPLY[facet])) return false;
  *i_p = int32_t(fn_rec(node)->cap[0]);
  return true;
}

Hdl compose_node(Facet facet, Hdl f, const Hdl* children, int32_t n_children) {
  CHECK(tgt_dim(f) == 1 && src_dim(f) == n_children && n_children <= MAX_CHILDREN);
  intptr_t c1 = n_children > 0 ? intptr_t(hdl_copy(children[0])) : 0;
  intptr_t c2 = n_children > 1 ? intptr_t(hdl_copy(children[1])) : 0;
  uint32_t mask = 1u | (n_children > 0 ? 2u : 0u) | (n_children > 1 ? 4u : 0u);
  return fn_new(COMPOSE_APPLY[facet], 3, mask, intptr_t(hdl_copy(f)), c1, c2);
}

Hdl whole_node(Facet facet, Hdl f) {
  CHECK(tgt_dim(f) == 1);
  return fn_new(WHOLE_APPLY[facet], 1, 1, intptr_t(hdl_copy(f)));
}

Hdl node_subst(Facet facet, Hdl node, const Hdl* args, int32_t n_args) {
  double c;
  int32_t i;
  Prim_Id id;
  Leaf_Kind kinds[2];
  const Fn_Rec* r = fn_rec(node);
  if (const_node_q(facet, node, &c)) return hdl_copy(node);
  if (proj_node_q(facet, node, &i)) {
    CHECK(i < n_args);
    return hdl_copy(args[i]);
  }
  if (prim_parts(facet, node, &id, kinds)) {
    int32_t n = prim_n_args(id);
    Ref a = Ref::adopt(operand_subst(facet, kinds[0], r->cap[0], r->cap[2], args, n_args));
    if (n == 1) return prim_node(facet, id, a.get(), 0, r->cap[1]);
    Ref b = Ref::adopt(operand_subst(facet, kinds[1], r->cap[1], 0, args, n_args));
    return prim_node(facet, id, a.get(), b.get(), 0);
  }
  if (apply_q(node, COMPOSE_APPLY[facet])) {
    DblsF f = fn_of(r);
    Ref kids[MAX_CHILDREN];
    Hdl kid_hdls[MAX_CHILDREN] = {};
    for (int32_t k = 0; k < src_dim(f); ++k) {
      kids[k] = Ref::adopt(node_subst(facet, child_of(r, k), args, n_args));
      kid_hdls[k] = kids[k].get();
    }
    return compose_node(facet, f, kid_hdls, src_dim(f));
  }
  CHECK(apply_q(node, WHOLE_APPLY[facet]));
  return compose_node(facet, fn_of(r), args, n_args);
}
