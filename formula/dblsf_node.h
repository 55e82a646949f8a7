// The evaluation trees behind one-output numeric functions.
//
// Each facet of a one-output function is a tree of small function objects
// (nodes) working on the caller's arrays: a value node maps the input point to
// a double, an interval node the input box to an enclosure, a smoothness node
// the box to an enclosure with a smoothness count. Constants and inputs that
// feed a built-in operation are stored in the operation's node itself, so the
// common leaves cost no call of their own.
#pragma once
#include "core/fun_obj.h"
#include "formula/interval.h"

enum Facet { FACET_VALUE, FACET_INTERVAL, FACET_SMOOTH, N_FACETS };

struct Order_Iv {
  Interval iv;
  int32_t order;
};

typedef double (*Val_Apply)(const Fn_Rec* f, const double* xs);
typedef Interval (*Iv_Apply)(const Fn_Rec* f, const Interval* box);
typedef Order_Iv (*Sm_Apply)(const Fn_Rec* f, const Interval* box);

// The node signatures; the facets of DblsF_Rec number theirs after these.
template <> struct Fn_Sig<Val_Apply> { static constexpr uint8_t id = FN_SIG_FIRST_FREE; };
template <> struct Fn_Sig<Iv_Apply> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 1; };
template <> struct Fn_Sig<Sm_Apply> { static constexpr uint8_t id = FN_SIG_FIRST_FREE + 2; };
constexpr uint8_t FN_SIG_AFTER_NODES = FN_SIG_FIRST_FREE + 3;

inline double val_eval(Hdl node, const double* xs) {
  const Fn_Rec* r = fn_rec(node);
  return fn_apply_of<Val_Apply>(r)(r, xs);
}
inline Interval iv_eval(Hdl node, const Interval* box) {
  const Fn_Rec* r = fn_rec(node);
  return fn_apply_of<Iv_Apply>(r)(r, box);
}
inline Order_Iv sm_eval(Hdl node, const Interval* box) {
  const Fn_Rec* r = fn_rec(node);
  return fn_apply_of<Sm_Apply>(r)(r, box);
}

// What a node is (its tag): the leaves, the nodes over numeric functions,
// and from NODE_PRIM on the operation nodes, NODE_PRIM + the operation's id
// * N_LEAF_COMBOS + the kinds of its operands (see Leaf_Kind).
enum Node_Tag : uint32_t { NODE_CONST = 1, NODE_PROJ, NODE_COMPOSE, NODE_WHOLE, NODE_PRIM };

// One apply function per facet, for the node constructors.
struct Node_Applies {
  Val_Apply val;
  Iv_Apply iv;
  Sm_Apply sm;
};
// A new node of the facet; captures as fn_new.
Hdl node_new(Facet facet, const Node_Applies& applies, uint32_t tag, uint32_t n_caps, uint32_t hdl_mask,
             intptr_t c0 = 0, intptr_t c1 = 0, intptr_t c2 = 0);
// The tag of a node of the facet (0 for a node of another facet).
uint32_t node_tag(Facet facet, Hdl node);

// The built-in operations.
enum Prim_Id {
  PRIM_PLUS,
  PRIM_TIMES,
  PRIM_EXP,
  PRIM_LN,
  PRIM_COS,
  PRIM_SIN,
  PRIM_TAN,
  PRIM_ACOS,
  PRIM_ASIN,
  PRIM_ATAN,
  PRIM_ABS,
  PRIM_SIGN,        // abs'
  PRIM_SIGN1,       // abs''
  PRIM_INT_POWER,   // parameter: the exponent k
  PRIM_REAL_POWER,  // parameter: the bits of a constant exponent that is not whole
  N_PRIMS
};

int32_t prim_n_args(Prim_Id id);

// Each result is a new node owned by the caller; child nodes are borrowed.
Hdl const_node(Facet facet, double c);
Hdl proj_node(Facet facet, int32_t i);
// An operation over one or two child nodes (b ignored for one); param as above.
Hdl prim_node(Facet facet, Prim_Id id, Hdl a, Hdl b, intptr_t param);

// The node with every input i replaced by args[i] (borrowed).
Hdl node_subst(Facet facet, Hdl node, const Hdl* args, int32_t n_args);

// Nodes over a numeric function of any kind, for functions that are not
// trees themselves: f (one output) applied to the values of one or two child
// nodes, or to the whole input.
Hdl compose_node(Facet facet, Hdl f, const Hdl* children, int32_t n_children);
Hdl whole_node(Facet facet, Hdl f);

// The three roots of a one-output function, one per facet.
struct Roots {
  Ref node[N_FACETS];
};

Roots const_roots(double c);
Roots proj_roots(int32_t i);
// The roots of a one-output DblsF f: its own trees when it is made of them,
// else nodes that call its facets.
Roots roots_of(Hdl f);
Roots roots_subst(const Roots& f, const Roots* args, int32_t n_args);
// A one-output DblsF of n inputs over these trees; takes over the partial facet.
Hdl dblsf_of_roots(int32_t n, const Roots& roots, Hdl partial);

// ---- For the node files themselves ----

// How an operation node holds each operand: a child node, a constant (its
// bits), an input index, an integer power of an input (the index in the low
// 32 bits, the exponent in the high 32), or, as the first operand of a
// two-operand node only, such a power times a constant kept in the node's
// third word. So c x^k + (...) costs one node.
enum Leaf_Kind { LEAF_NODE, LEAF_CONST, LEAF_PROJ, LEAF_POWER, LEAF_SCALED, N_LEAF_KINDS };
constexpr uint32_t N_LEAF_COMBOS = N_LEAF_KINDS * N_LEAF_KINDS;

inline intptr_t power_leaf(int32_t i, int32_t k) { return intptr_t((uint64_t(uint32_t(k)) << 32) | uint32_t(i)); }
inline int32_t power_leaf_input(intptr_t cap) { return int32_t(uint32_t(uint64_t(cap))); }
inline int32_t power_leaf_exponent(intptr_t cap) { return int32_t(uint32_t(uint64_t(cap) >> 32)); }

// Whether node is an operation node of this facet; if so its id and the kinds
// of its operands.
bool prim_parts(Facet facet, Hdl node, Prim_Id* id_p, Leaf_Kind* kinds_p);
// The constant or input index a leaf node stands for, if it is one.
bool const_node_q(Facet facet, Hdl node, double* c_p);
bool proj_node_q(Facet facet, Hdl node, int32_t* i_p);
