#include "core/fun_obj.h"

#include <cstring>

void release_fn_rec(Rec* r) noexcept {
  Fn_Rec* f = reinterpret_cast<Fn_Rec*>(r);
  for (uint32_t i = 0; i < f->n_caps; ++i)
    if (f->hdl_mask & (1u << i)) hdl_release(Hdl(f->cap[i]));
  pool_return(f);
}

// Releases a chain of pairs iteratively, so that long lists cannot exhaust the stack.
void release_pair_rec(Rec* r) noexcept {
  for (;;) {
    Pair_Rec* p = reinterpret_cast<Pair_Rec*>(r);
    Hdl rest = p->rest;
    hdl_release(p->first);
    pool_return(p);
    if (imm_q(rest)) return;
    Rec* next = rec_of(rest);
    if (next->n_uses != 1 || next->kind_i != PAIR_KIND) return hdl_release(rest);
    next->n_uses = 0;
    r = next;
  }
}

namespace {

intptr_t cap(const Fn_Rec* f, int i) { return f->cap[i]; }

intptr_t op1_default(const Fn_Rec*, intptr_t) { raise_static("Internal Error - Op1"); }
intptr_t op2_default(const Fn_Rec*, intptr_t, intptr_t) { raise_static("Internal Error - Op2"); }
Hdl fun1_default(const Fn_Rec*, Hdl) { raise_static("Internal Error - Fun1"); }
Hdl fun2_default(const Fn_Rec*, Hdl, Hdl) { raise_static("Internal Error - Fun2"); }

intptr_t op1_identity(const Fn_Rec*, intptr_t x) { return x; }
intptr_t op1_load(const Fn_Rec*, intptr_t x) { return *reinterpret_cast<const uint32_t*>(x); }
intptr_t op1_negate(const Fn_Rec*, intptr_t x) { return intptr_t(0 - uintptr_t(x)); }
intptr_t op1_not(const Fn_Rec*, intptr_t x) { return x == 0; }
intptr_t op1_sign_bit(const Fn_Rec*, intptr_t x) { return intptr_t(uintptr_t(x) & (uintptr_t(1) << (sizeof(intptr_t) * 8 - 1))); }
intptr_t op1_complement(const Fn_Rec*, intptr_t x) { return ~x; }

intptr_t op2_sum(const Fn_Rec*, intptr_t x, intptr_t y) { return intptr_t(uintptr_t(x) + uintptr_t(y)); }
intptr_t op2_difference(const Fn_Rec*, intptr_t x, intptr_t y) { return intptr_t(uintptr_t(x) - uintptr_t(y)); }
intptr_t op2_product(const Fn_Rec*, intptr_t x, intptr_t y) { return intptr_t(uintptr_t(x) * uintptr_t(y)); }
intptr_t op2_and(const Fn_Rec*, intptr_t x, intptr_t y) { return x & y; }
intptr_t op2_or(const Fn_Rec*, intptr_t x, intptr_t y) { return x | y; }

template <class T>
intptr_t op2_cmp_real(const Fn_Rec*, intptr_t x, intptr_t y) {
  T a, b;
  std::memcpy(&a, reinterpret_cast<const void*>(x), sizeof a);
  std::memcpy(&b, reinterpret_cast<const void*>(y), sizeof b);
  return a < b ? -1 : a > b ? 1 : 0;  // unordered counts as equal
}
intptr_t op2_cmp_unsigned_apply(const Fn_Rec*, intptr_t x, intptr_t y) {
  uintptr_t a = uintptr_t(x), b = uintptr_t(y);
  return a < b ? -1 : a > b ? 1 : 0;
}

Hdl fun1_identity(const Fn_Rec*, Hdl x) { return hdl_copy(x); }
Hdl fun2_pair(const Fn_Rec*, Hdl x, Hdl y) { return pair_new(x, y); }
Hdl fun1_const_apply(const Fn_Rec* f, Hdl) { return hdl_copy(Hdl(cap(f, 0))); }
Hdl fun2_const_apply(const Fn_Rec* f, Hdl, Hdl) { return hdl_copy(Hdl(cap(f, 0))); }

intptr_t op1_add_const_apply(const Fn_Rec* f, intptr_t x) { return intptr_t(uintptr_t(x) + uintptr_t(cap(f, 0))); }
intptr_t op1_load_at_apply(const Fn_Rec* f, intptr_t x) { return *reinterpret_cast<const uint32_t*>(x + cap(f, 0)); }
intptr_t op1_elt_addr_apply(const Fn_Rec* f, intptr_t x) { return 4 * x + cap(f, 0); }
intptr_t op1_array_elt_apply(const Fn_Rec* f, intptr_t x) { return reinterpret_cast<const uint32_t*>(cap(f, 0))[x]; }

intptr_t op1_chain_apply(const Fn_Rec* f, intptr_t x) { return op1_apply(Hdl(cap(f, 1)), op1_apply(Hdl(cap(f, 0)), x)); }
intptr_t op1_after_op2_apply(const Fn_Rec* f, intptr_t x, intptr_t y) {
  return op1_apply(Hdl(cap(f, 1)), op2_apply(Hdl(cap(f, 0)), x, y));
}
intptr_t op2_after_op1_apply(const Fn_Rec* f, intptr_t x, intptr_t y) {
  Op1 pre = Hdl(cap(f, 0));
  return op2_apply(Hdl(cap(f, 1)), op1_apply(pre, x), op1_apply(pre, y));
}
Hdl fun1_chain_apply(const Fn_Rec* f, Hdl x) {
  Ref mid = Ref::adopt(fun1_apply(Hdl(cap(f, 0)), x));
  return fun1_apply(Hdl(cap(f, 1)), mid.get());
}

// Shared objects for the most common constants, built on first use.
constexpr intptr_t ADD_CONST_MIN = -4, ADD_CONST_MAX = 20;
Hdl add_const_cache_[ADD_CONST_MAX - ADD_CONST_MIN + 1];
Hdl load_at_cache_[8];

}  // namespace


Hdl fn_alloc(bool static_q, uint8_t sig, void* apply, uint32_t tag, uint32_t n_caps, uint32_t hdl_mask, intptr_t c0,
             intptr_t c1, intptr_t c2) {
  CHECK(n_caps <= 3 && hdl_mask < (1u << n_caps));
  Rec* r = static_q ? rec_new_static(int32_t(sizeof(Fn_Rec))) : rec_new(FN_KIND, int32_t(sizeof(Fn_Rec)));
  Fn_Rec* f = reinterpret_cast<Fn_Rec*>(r);
  f->apply = apply;
  f->n_caps = uint8_t(n_caps);
  f->hdl_mask = uint8_t(hdl_mask);
  f->sig = sig;
  f->unused = 0;
  f->tag = tag;
  f->cap[0] = c0;
  f->cap[1] = c1;
  f->cap[2] = c2;
  return hdl_of(f);
}

#define STATIC_FN(name, fn) const Hdl name = fn_new_static(fn)
STATIC_FN(OP1_DEFAULT, op1_default);
STATIC_FN(OP1_IDENTITY, op1_identity);
STATIC_FN(OP1_LOAD, op1_load);
STATIC_FN(OP1_NEGATE, op1_negate);
STATIC_FN(OP1_NOT, op1_not);
STATIC_FN(OP1_SIGN_BIT, op1_sign_bit);
STATIC_FN(OP1_COMPLEMENT, op1_complement);
STATIC_FN(OP2_DEFAULT, op2_default);
STATIC_FN(OP2_SUM, op2_sum);
STATIC_FN(OP2_DIFFERENCE, op2_difference);
STATIC_FN(OP2_PRODUCT, op2_product);
STATIC_FN(OP2_AND, op2_and);
STATIC_FN(OP2_OR, op2_or);
STATIC_FN(OP2_CMP_FLOAT, op2_cmp_real<float>);
STATIC_FN(OP2_CMP_DOUBLE, op2_cmp_real<double>);
STATIC_FN(FUN1_DEFAULT, fun1_default);
STATIC_FN(FUN1_IDENTITY, fun1_identity);
STATIC_FN(FUN2_DEFAULT, fun2_default);
STATIC_FN(FUN2_PAIR, fun2_pair);
#undef STATIC_FN

Op2 op2_cmp_unsigned() {
  static const Hdl f = fn_new_static(op2_cmp_unsigned_apply);
  return f;
}

Op1 op1_add_const(intptr_t c) {
  if (c == 0) return hdl_copy(OP1_IDENTITY);
  if (c < ADD_CONST_MIN || c > ADD_CONST_MAX) return fn_new_tagged(OP1_ADD_CONST, op1_add_const_apply, 1, 0, c);
  Hdl& slot = add_const_cache_[c - ADD_CONST_MIN];
  if (!slot) slot = fn_new_static(op1_add_const_apply, c, 0, OP1_ADD_CONST);
  return hdl_copy(slot);
}

Op1 op1_load_at(intptr_t c) {
  if (c < 0 || c > 28 || c % 4 != 0) return fn_new_tagged(OP1_LOAD_AT, op1_load_at_apply, 1, 0, c);
  Hdl& slot = load_at_cache_[c / 4];
  if (!slot) slot = fn_new_static(op1_load_at_apply, c, 0, OP1_LOAD_AT);
  return hdl_copy(slot);
}

Op1 op1_elt_addr(intptr_t c) { return fn_new_tagged(OP1_ELT_ADDR, op1_elt_addr_apply, 1, 0, c); }
Op1 op1_array_elt(intptr_t c) { return fn_new(op1_array_elt_apply, 1, 0, c); }
Fun1 fun1_const(Hdl value) { return fn_new(fun1_const_apply, 1, 1, intptr_t(value)); }
Fun2 fun2_const(Hdl value) { return fn_new(fun2_const_apply, 1, 1, intptr_t(value)); }

Op1 op1_compose(Op1 f, Op1 g) {
  if (f == OP1_IDENTITY) return hdl_copy(g);
  if (g == OP1_IDENTITY) return hdl_copy(f);
  auto tag_q = [](Op1 h, uint32_t tag) { return fn_tag_q<Op1_Apply>(h, tag); };
  if (tag_q(f, OP1_ADD_CONST) && tag_q(g, OP1_ADD_CONST)) return op1_add_const(fn_rec(f)->cap[0] + fn_rec(g)->cap[0]);
  if (tag_q(f, OP1_ADD_CONST) && tag_q(g, OP1_LOAD_AT)) return op1_load_at(fn_rec(g)->cap[0] + fn_rec(f)->cap[0]);
  if (tag_q(f, OP1_ELT_ADDR) && g == OP1_LOAD) return op1_array_elt(fn_rec(f)->cap[0]);
  return fn_new(op1_chain_apply, 2, 3, intptr_t(hdl_copy(f)), intptr_t(hdl_copy(g)));
}

Op2 op1_after_op2(Op2 f, Op1 g) {
  if (g == OP1_IDENTITY) return hdl_copy(f);
  return fn_new(op1_after_op2_apply, 2, 3, intptr_t(hdl_copy(f)), intptr_t(hdl_copy(g)));
}

Op2 op2_after_op1(Op1 f, Op2 g) {
  if (f == OP1_IDENTITY) return hdl_copy(g);
  return fn_new(op2_after_op1_apply, 2, 3, intptr_t(hdl_copy(f)), intptr_t(hdl_copy(g)));
}

Fun1 fun1_compose(Fun1 f, Fun1 g) {
  if (f == FUN1_IDENTITY) return hdl_copy(g);
  if (g == FUN1_IDENTITY) return hdl_copy(f);
  return fn_new(fun1_chain_apply, 2, 3, intptr_t(hdl_copy(f)), intptr_t(hdl_copy(g)));
}
