// Nodes of the built-in operations, one template per arity and facet,
// instantiated for every way of holding the operands.
#include <algorithm>
#include <bit>

#include "formula/dblsf_node.h"
#include "formula/guarded.h"

namespace {

int32_t always_smooth(Interval) { return SMOOTH; }

// The sign lets NaN through, unlike the guard table's sign: an undefined
// argument must stay undefined, or no enclosure could be sound.
double sign_value(double x) { return std::isnan(x) ? x : guarded_sign(x); }

double sign1_value(double x) { return x == 0.0 || std::isnan(x) ? GUARD_NAN : 0.0; }

// A constant exponent that is not whole: below 0 the logarithm form it stands
// for is NaN, and pow agrees with exp(e ln x) everywhere else.
double real_power_value(double x, double e) {
  if (!(x >= 0.0)) return GUARD_NAN;
  return e == 0.5 ? std::sqrt(x) : std::pow(x, e);
}

// pow is monotone in x for a fixed exponent; widened like the other library functions.
Interval iv_real_power(Interval a, double e) {
  if (empty_q(a) || a.hi < 0.0) return EMPTY_INTERVAL;
  a = widen_nan(a);
  double lo = real_power_value(std::max(a.lo, 0.0), e), hi = real_power_value(a.hi, e);
  if (e < 0) std::swap(lo, hi);
  Interval out = widen_ulps(widen_nan({lo, hi}));
  return {std::max(out.lo, 0.0), out.hi};
}

struct Op_Plus {
  static double value(double a, double b) { return a + b; }
  static Interval interval(Interval a, Interval b) { return iv_add(a, b); }
  static int32_t smooth(Interval, Interval) { return SMOOTH; }
};

struct Op_Times {
  static double value(double a, double b) { return a * b; }
  static Interval interval(Interval a, Interval b) { return iv_mul(a, b); }
  static int32_t smooth(Interval, Interval) { return SMOOTH; }
};

template <double (*V)(double), Interval (*I)(Interval), int32_t (*S)(Interval)>
struct Op_Unary {
  static double value(double a, intptr_t) { return V(a); }
  static Interval interval(Interval a, intptr_t) { return I(a); }
  static int32_t smooth(Interval a, intptr_t) { return S(a); }
};

struct Op_Int_Power {
  static double value(double a, intptr_t k) { return int_power(a, int32_t(k)); }
  static Interval interval(Interval a, intptr_t k) { return iv_int_power(a, int32_t(k)); }
  static int32_t smooth(Interval a, intptr_t k) { return smooth_int_power(a, int32_t(k)); }
};

struct Op_Real_Power {
  static double exponent(intptr_t bits) { return std::bit_cast<double>(int64_t(bits)); }
  static double value(double a, intptr_t e) { return real_power_value(a, exponent(e)); }
  static Interval interval(Interval a, intptr_t e) { return iv_real_power(a, exponent(e)); }
  static int32_t smooth(Interval a, intptr_t) { return smooth_ln(a); }
};

template <int K>
double arg_val(intptr_t c, const double* xs, intptr_t factor = 0) {
  if constexpr (K == LEAF_NODE) return val_eval(Hdl(c), xs);
  else if constexpr (K == LEAF_CONST) return std::bit_cast<double>(int64_t(c));
  else if constexpr (K == LEAF_PROJ) return xs[c];
  else if constexpr (K == LEAF_POWER) return int_power(xs[power_leaf_input(c)], power_leaf_exponent(c));
  else return int_power(xs[power_leaf_input(c)], power_leaf_exponent(c)) * std::bit_cast<double>(int64_t(factor));
}

template <int K>
Interval arg_iv(intptr_t c, const Interval* box, intptr_t factor = 0) {
  if constexpr (K == LEAF_NODE) return iv_eval(Hdl(c), box);
  else if constexpr (K == LEAF_CONST) return {std::bit_cast<double>(int64_t(c)), std::bit_cast<double>(int64_t(c))};
  else if constexpr (K == LEAF_PROJ) return widen_nan(box[c]);
  else if constexpr (K == LEAF_POWER) return iv_int_power(box[power_leaf_input(c)], power_leaf_exponent(c));
  else {
    double f = std::bit_cast<double>(int64_t(factor));
    return iv_mul(iv_int_power(box[power_leaf_input(c)], power_leaf_exponent(c)), {f, f});
  }
}

template <int K>
Order_Iv arg_sm(intptr_t c, const Interval* box, intptr_t factor = 0) {
  if constexpr (K == LEAF_NODE) return sm_eval(Hdl(c), box);
  else if constexpr (K == LEAF_POWER || K == LEAF_SCALED)
    return {arg_iv<K>(c, box, factor), smooth_int_power(box[power_leaf_input(c)], power_leaf_exponent(c))};
  else return {arg_iv<K>(c, box), SMOOTH};
}

template <class Op, int A>
double unary_val(const Fn_Rec* f, const double* xs) {
  return Op::value(arg_val<A>(f->cap[0], xs), f->cap[1]);
}
template <class Op, int A>
Interval unary_iv(const Fn_Rec* f, const Interval* box) {
  return Op::interval(arg_iv<A>(f->cap[0], box), f->cap[1]);
}
template <class Op, int A>
Order_Iv unary_sm(const Fn_Rec* f, const Interval* box) {
  Order_Iv a = arg_sm<A>(f->cap[0], box);
  return {Op::interval(a.iv, f->cap[1]), std::min(a.order, Op::smooth(a.iv, f->cap[1]))};
}

template <class Op, int A, int B>
double binary_val(const Fn_Rec* f, const double* xs) {
  return Op::value(arg_val<A>(f->cap[0], xs, f->cap[2]), arg_val<B>(f->cap[1], xs));
}
template <class Op, int A, int B>
Interval binary_iv(const Fn_Rec* f, const Interval* box) {
  return Op::interval(arg_iv<A>(f->cap[0], box, f->cap[2]), arg_iv<B>(f->cap[1], box));
}
template <class Op, int A, int B>
Order_Iv binary_sm(const Fn_Rec* f, const Interval* box) {
  Order_Iv a = arg_sm<A>(f->cap[0], box, f->cap[2]), b = arg_sm<B>(f->cap[1], box);
  return {Op::interval(a.iv, b.iv), std::min({a.order, b.order, Op::smooth(a.iv, b.iv)})};
}

// The apply functions of one operation: [facet][kind of operand 0 * N_LEAF_KINDS + kind of operand 1].
struct Prim_Op {
  int32_t n_args;
  Node_Applies applies[N_LEAF_COMBOS];
};

template <class Op, int A>
void fill_unary(Prim_Op& p) {
  p.applies[A * N_LEAF_KINDS] = {unary_val<Op, A>, unary_iv<Op, A>, unary_sm<Op, A>};
}

template <class Op>
Prim_Op unary_op() {
  Prim_Op p{1, {}};
  fill_unary<Op, LEAF_NODE>(p);
  fill_unary<Op, LEAF_CONST>(p);
  fill_unary<Op, LEAF_PROJ>(p);
  fill_unary<Op, LEAF_POWER>(p);
  return p;
}

template <class Op, int A, int B>
void fill_binary(Prim_Op& p) {
  p.applies[A * N_LEAF_KINDS + B] = {binary_val<Op, A, B>, binary_iv<Op, A, B>, binary_sm<Op, A, B>};
}

template <class Op, int A>
void fill_binary_row(Prim_Op& p) {
  fill_binary<Op, A, LEAF_NODE>(p);
  fill_binary<Op, A, LEAF_CONST>(p);
  fill_binary<Op, A, LEAF_PROJ>(p);
  fill_binary<Op, A, LEAF_POWER>(p);
}

template <class Op>
Prim_Op binary_op() {
  Prim_Op p{2, {}};
  fill_binary_row<Op, LEAF_NODE>(p);
  fill_binary_row<Op, LEAF_CONST>(p);
  fill_binary_row<Op, LEAF_PROJ>(p);
  fill_binary_row<Op, LEAF_POWER>(p);
  fill_binary_row<Op, LEAF_SCALED>(p);
  return p;
}

const Prim_Op* prim_table() {
  static const Prim_Op table[N_PRIMS] = {
      binary_op<Op_Plus>(),
      binary_op<Op_Times>(),
      unary_op<Op_Unary<guarded_exp, iv_exp, always_smooth>>(),
      unary_op<Op_Unary<guarded_ln, iv_ln, smooth_ln>>(),
      unary_op<Op_Unary<guarded_cos, iv_cos, always_smooth>>(),
      unary_op<Op_Unary<guarded_sin, iv_sin, always_smooth>>(),
      unary_op<Op_Unary<guarded_tan, iv_tan, smooth_tan>>(),
      unary_op<Op_Unary<guarded_acos, iv_acos, smooth_acos_asin>>(),
      unary_op<Op_Unary<guarded_asin, iv_asin, smooth_acos_asin>>(),
      unary_op<Op_Unary<guarded_atan, iv_atan, always_smooth>>(),
      unary_op<Op_Unary<guarded_abs, iv_abs, smooth_abs>>(),
      unary_op<Op_Unary<sign_value, iv_sign, smooth_sign>>(),
      unary_op<Op_Unary<sign1_value, iv_sign1, smooth_sign>>(),
      unary_op<Op_Int_Power>(),
      unary_op<Op_Real_Power>(),
  };
  return table;
}

// How a child is held: its constant, its input index, its input power (with
// its factor in *factor_p when factor_p is given), or a new use of the node.
Leaf_Kind operand_of(Facet facet, Hdl child, intptr_t* cap_p, intptr_t* factor_p = nullptr) {
  double c;
  int32_t i;
  if (const_node_q(facet, child, &c)) {
    *cap_p = intptr_t(std::bit_cast<int64_t>(c));
    return LEAF_CONST;
  }
  if (proj_node_q(facet, child, &i)) {
    *cap_p = i;
    return LEAF_PROJ;
  }
  Prim_Id id;
  Leaf_Kind kinds[2];
  if (prim_parts(facet, child, &id, kinds) && id == PRIM_INT_POWER && kinds[0] == LEAF_PROJ) {
    const Fn_Rec* r = fn_rec(child);
    *cap_p = power_leaf(int32_t(r->cap[0]), int32_t(r->cap[1]));
    return LEAF_POWER;
  }
  // c * x^k with the constant on either side: the product is the same.
  if (factor_p && prim_parts(facet, child, &id, kinds) && id == PRIM_TIMES) {
    const Fn_Rec* r = fn_rec(child);
    for (int c_i = 0; c_i < 2; ++c_i)
      if (kinds[c_i] == LEAF_CONST && (kinds[1 - c_i] == LEAF_POWER || kinds[1 - c_i] == LEAF_PROJ)) {
        intptr_t x = r->cap[1 - c_i];
        *cap_p = kinds[1 - c_i] == LEAF_POWER ? x : power_leaf(int32_t(x), 1);
        *factor_p = r->cap[c_i];
        return LEAF_SCALED;
      }
  }
  *cap_p = intptr_t(hdl_copy(child));
  return LEAF_NODE;
}

}  // namespace

int32_t prim_n_args(Prim_Id id) { return prim_table()[id].n_args; }

Hdl prim_node(Facet facet, Prim_Id id, Hdl a, Hdl b, intptr_t param) {
  const Prim_Op& op = prim_table()[id];
  intptr_t cap_a, cap_b = param, cap_c = 0;
  Leaf_Kind kind_a = operand_of(facet, a, &cap_a, op.n_args == 2 ? &cap_c : nullptr), kind_b = LEAF_NODE;
  if (op.n_args == 2) kind_b = operand_of(facet, b, &cap_b);
  uint32_t mask = (kind_a == LEAF_NODE ? 1u : 0u) | (op.n_args == 2 && kind_b == LEAF_NODE ? 2u : 0u);
  int combo = kind_a * N_LEAF_KINDS + (op.n_args == 2 ? kind_b : 0);
  return node_new(facet, op.applies[combo], NODE_PRIM + uint32_t(id) * N_LEAF_COMBOS + uint32_t(combo), 3, mask, cap_a,
                  cap_b, cap_c);
}

bool prim_parts(Facet facet, Hdl node, Prim_Id* id_p, Leaf_Kind* kinds_p) {
  uint32_t tag = node_tag(facet, node);
  if (tag < NODE_PRIM) return false;
  uint32_t combo = (tag - NODE_PRIM) % N_LEAF_COMBOS;
  *id_p = Prim_Id((tag - NODE_PRIM) / N_LEAF_COMBOS);
  kinds_p[0] = Leaf_Kind(combo / N_LEAF_KINDS);
  kinds_p[1] = Leaf_Kind(combo % N_LEAF_KINDS);
  return true;
}
