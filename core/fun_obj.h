// Function objects: use-counted records holding an apply function and up to
// three captured words or handles. Op1/Op2 map machine words to a machine
// word; Fun1/Fun2 map handles to a new handle.
#pragma once
#include <cstdint>

#include "core/handle.h"

typedef Hdl Op1;
typedef Hdl Op2;
typedef Hdl Fun1;
typedef Hdl Fun2;

struct Fn_Rec;
typedef intptr_t (*Op1_Apply)(const Fn_Rec* f, intptr_t x);
typedef intptr_t (*Op2_Apply)(const Fn_Rec* f, intptr_t x, intptr_t y);
// Fun1/Fun2 return a new handle owned by the caller.
typedef Hdl (*Fun1_Apply)(const Fn_Rec* f, Hdl x);
typedef Hdl (*Fun2_Apply)(const Fn_Rec* f, Hdl x, Hdl y);

struct Fn_Rec {
  Rec hdr;
  void* apply;
  uint32_t n_caps;
  uint32_t hdl_mask;  // bit i set: cap[i] is a handle this record owns
  intptr_t cap[3];
};

inline const Fn_Rec* fn_rec(Hdl f) { return rec_as<Fn_Rec>(f); }

inline intptr_t op1_apply(Op1 f, intptr_t x) {
  const Fn_Rec* r = fn_rec(f);
  return reinterpret_cast<Op1_Apply>(r->apply)(r, x);
}
inline intptr_t op2_apply(Op2 f, intptr_t x, intptr_t y) {
  const Fn_Rec* r = fn_rec(f);
  return reinterpret_cast<Op2_Apply>(r->apply)(r, x, y);
}
inline Hdl fun1_apply(Fun1 f, Hdl x) {
  const Fn_Rec* r = fn_rec(f);
  return reinterpret_cast<Fun1_Apply>(r->apply)(r, x);
}
inline Hdl fun2_apply(Fun2 f, Hdl x, Hdl y) {
  const Fn_Rec* r = fn_rec(f);
  return reinterpret_cast<Fun2_Apply>(r->apply)(r, x, y);
}

// A fresh function object; handle captures (per hdl_mask) are taken over, not copied.
Hdl fn_new(void* apply, uint32_t n_caps, uint32_t hdl_mask, intptr_t c0 = 0, intptr_t c1 = 0, intptr_t c2 = 0);
// A function object that lives for the whole run.
Hdl fn_new_static(void* apply, intptr_t c0 = 0, intptr_t c1 = 0);

// The static objects of the core library.
extern const Op1 OP1_DEFAULT, OP1_IDENTITY, OP1_LOAD, OP1_NEGATE, OP1_NOT, OP1_SIGN_BIT, OP1_COMPLEMENT;
extern const Op2 OP2_DEFAULT, OP2_SUM, OP2_DIFFERENCE, OP2_PRODUCT, OP2_AND, OP2_OR;
extern const Op2 OP2_CMP_FLOAT, OP2_CMP_DOUBLE;
extern const Fun1 FUN1_DEFAULT, FUN1_IDENTITY;
extern const Fun2 FUN2_DEFAULT, FUN2_PAIR;
Op2 op2_cmp_unsigned();  // built on first use

// Made at run time; each result is a new use owned by the caller.
Op1 op1_add_const(intptr_t c);      // x + c
Op1 op1_load_at(intptr_t c);        // the word at x + c
Op1 op1_elt_addr(intptr_t c);       // 4x + c
Op1 op1_array_elt(intptr_t c);      // word x of the array at c
Fun1 fun1_const(Hdl value);         // takes over the use of value
Fun2 fun2_const(Hdl value);

// Compositions: first f, then g. The operands' uses are copied, not taken over.
Op1 op1_compose(Op1 f, Op1 g);            // g(f(x))
Op2 op1_after_op2(Op2 f, Op1 g);          // g(f(x, y))
Op2 op2_after_op1(Op1 f, Op2 g);          // g(f(x), f(y))
Fun1 fun1_compose(Fun1 f, Fun1 g);        // g(f(x))

// The pair record Fun2 pair builds: (count, kind, first, rest).
struct Pair_Rec {
  Rec hdr;
  Hdl first;
  Hdl rest;
};
// A new pair holding new uses of both.
inline Hdl pair_new(Hdl first, Hdl rest) {
  Pair_Rec* p = reinterpret_cast<Pair_Rec*>(rec_new(PAIR_KIND, sizeof(Pair_Rec)));
  p->first = hdl_copy(first);
  p->rest = hdl_copy(rest);
  return hdl_of(p);
}
inline bool pair_q(Hdl h) { return kind_q(h, PAIR_KIND); }
inline Hdl pair_first(Hdl h) { return rec_as<Pair_Rec>(h)->first; }
inline Hdl pair_rest(Hdl h) { return rec_as<Pair_Rec>(h)->rest; }
