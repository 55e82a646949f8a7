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

const Node_Applies CONST_APPLY = {const_val, const_iv, const_sm};
const Node_Applies PROJ_APPLY = {proj_val, proj_iv, proj_sm};
const Node_Applies COMPOSE_APPLY = {compose_val, compose_iv, compose_sm};
const Node_Applies WHOLE_APPLY = {whole_val, whole_iv, whole_sm};

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

Hdl node_new(Facet facet, const Node_Applies& applies, uint32_t tag, uint32_t n_caps, uint32_t hdl_mask, intptr_t c0,
             intptr_t c1, intptr_t c2) {
  if (facet == FACET_VALUE) return fn_new_tagged(tag, applies.val, n_caps, hdl_mask, c0, c1, c2);
  if (facet == FACET_INTERVAL) return fn_new_tagged(tag, applies.iv, n_caps, hdl_mask, c0, c1, c2);
  return fn_new_tagged(tag, applies.sm, n_caps, hdl_mask, c0, c1, c2);
}

uint32_t node_tag(Facet facet, Hdl node) {
  const Fn_Rec* r = fn_rec(node);
  constexpr uint8_t SIGS[N_FACETS] = {Fn_Sig<Val_Apply>::id, Fn_Sig<Iv_Apply>::id, Fn_Sig<Sm_Apply>::id};
  return r->sig == SIGS[facet] ? r->tag : FN_PLAIN;
}

Hdl const_node(Facet facet, double c) {
  return node_new(facet, CONST_APPLY, NODE_CONST, 1, 0, intptr_t(std::bit_cast<int64_t>(c)));
}

Hdl proj_node(Facet facet, int32_t i) { return node_new(facet, PROJ_APPLY, NODE_PROJ, 1, 0, i); }

bool const_node_q(Facet facet, Hdl node, double* c_p) {
  if (node_tag(facet, node) != NODE_CONST) return false;
  *c_p = const_of(fn_rec(node));
  return true;
}

bool proj_node_q(Facet facet, Hdl node, int32_t* i_p) {
  if (node_tag(facet, node) != NODE_PROJ) return false;
  *i_p = int32_t(fn_rec(node)->cap[0]);
  return true;
}

Hdl compose_node(Facet facet, Hdl f, const Hdl* children, int32_t n_children) {
  CHECK(tgt_dim(f) == 1 && src_dim(f) == n_children && n_children <= MAX_CHILDREN);
  intptr_t c1 = n_children > 0 ? intptr_t(hdl_copy(children[0])) : 0;
  intptr_t c2 = n_children > 1 ? intptr_t(hdl_copy(children[1])) : 0;
  uint32_t mask = 1u | (n_children > 0 ? 2u : 0u) | (n_children > 1 ? 4u : 0u);
  return node_new(facet, COMPOSE_APPLY, NODE_COMPOSE, 3, mask, intptr_t(hdl_copy(f)), c1, c2);
}

Hdl whole_node(Facet facet, Hdl f) {
  CHECK(tgt_dim(f) == 1);
  return node_new(facet, WHOLE_APPLY, NODE_WHOLE, 1, 1, intptr_t(hdl_copy(f)));
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
  if (node_tag(facet, node) == NODE_COMPOSE) {
    DblsF f = fn_of(r);
    Ref kids[MAX_CHILDREN];
    Hdl kid_hdls[MAX_CHILDREN] = {};
    for (int32_t k = 0; k < src_dim(f); ++k) {
      kids[k] = Ref::adopt(node_subst(facet, child_of(r, k), args, n_args));
      kid_hdls[k] = kids[k].get();
    }
    return compose_node(facet, f, kid_hdls, src_dim(f));
  }
  CHECK(node_tag(facet, node) == NODE_WHOLE);
  return compose_node(facet, fn_of(r), args, n_args);
}
