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

// What a function object may be applied as: one number per apply signature,
// given by specialising Fn_Sig once for the signature's type, so that a
// function object is built only from an apply function of a known signature
// and applied only as that signature. The core numbers its four families;
// libraries above it number theirs from FN_SIG_FIRST_FREE on.
template <class Apply> struct Fn_Sig;
template <> struct Fn_Sig<Op1_Apply> { static constexpr uint8_t id = 1; };
template <> struct Fn_Sig<Op2_Apply> { static constexpr uint8_t id = 2; };
template <> struct Fn_Sig<Fun1_Apply> { static constexpr uint8_t id = 3; };
template <> struct Fn_Sig<Fun2_Apply> { static constexpr uint8_t id = 4; };
constexpr uint8_t FN_SIG_FIRST_FREE = 5;

// What a function object is, for code that simplifies by it (composition,
// numeric trees). Tags are read together with the signature, so each
// signature numbers its own; 0 is an object with nothing to know about.
enum Op1_Tag : uint32_t { FN_PLAIN = 0, OP1_ADD_CONST, OP1_LOAD_AT, OP1_ELT_ADDR };

struct Fn_Rec {
  Rec hdr;
  void* apply;  // of the signature that sig numbers
  uint8_t n_caps;
  uint8_t hdl_mask;  // bit i set: cap[i] is a handle this record owns
  uint8_t sig;
  uint8_t unused;
  uint32_t tag;
  intptr_t cap[3];
};

inline const Fn_Rec* fn_rec(Hdl f) { return rec_as<Fn_Rec>(f); }

// The apply function of f as the signature Apply; an assertion stop when f
// was built for another one.
template <class Apply>
inline Apply fn_apply_of(const Fn_Rec* r) {
  CHECK(r->sig == Fn_Sig<Apply>::id);
  return reinterpret_cast<Apply>(r->apply);
}
// Whether f is a function object of signature Apply with this tag.
template <class Apply>
inline bool fn_tag_q(Hdl f, uint32_t tag) {
  const Fn_Rec* r = fn_rec(f);
  return r->sig == Fn_Sig<Apply>::id && r->tag == tag;
}

inline intptr_t op1_apply(Op1 f, intptr_t x) {
  const Fn_Rec* r = fn_rec(f);
  return fn_apply_of<Op1_Apply>(r)(r, x);
}
inline intptr_t op2_apply(Op2 f, intptr_t x, intptr_t y) {
  const Fn_Rec* r = fn_rec(f);
  return fn_apply_of<Op2_Apply>(r)(r, x, y);
}
inline Hdl fun1_apply(Fun1 f, Hdl x) {
  const Fn_Rec* r = fn_rec(f);
  return fn_apply_of<Fun1_Apply>(r)(r, x);
}
inline Hdl fun2_apply(Fun2 f, Hdl x, Hdl y) {
  const Fn_Rec* r = fn_rec(f);
  return fn_apply_of<Fun2_Apply>(r)(r, x, y);
}

// The record of every constructor below; static_q: lives for the whole run.
Hdl fn_alloc(bool static_q, uint8_t sig, void* apply, uint32_t tag, uint32_t n_caps, uint32_t hdl_mask, intptr_t c0,
             intptr_t c1, intptr_t c2);

// A fresh function object of apply's signature; handle captures (per
// hdl_mask) are taken over, not copied.
template <class Apply>
Hdl fn_new(Apply apply, uint32_t n_caps = 0, uint32_t hdl_mask = 0, intptr_t c0 = 0, intptr_t c1 = 0, intptr_t c2 = 0) {
  return fn_alloc(false, Fn_Sig<Apply>::id, reinterpret_cast<void*>(apply), FN_PLAIN, n_caps, hdl_mask, c0, c1, c2);
}
// The same with a tag saying what it is.
template <class Apply>
Hdl fn_new_tagged(uint32_t tag, Apply apply, uint32_t n_caps, uint32_t hdl_mask, intptr_t c0 = 0, intptr_t c1 = 0,
                  intptr_t c2 = 0) {
  return fn_alloc(false, Fn_Sig<Apply>::id, reinterpret_cast<void*>(apply), tag, n_caps, hdl_mask, c0, c1, c2);
}
// A function object that lives for the whole run.
template <class Apply>
Hdl fn_new_static(Apply apply, intptr_t c0 = 0, intptr_t c1 = 0, uint32_t tag = FN_PLAIN) {
  return fn_alloc(true, Fn_Sig<Apply>::id, reinterpret_cast<void*>(apply), tag, 2, 0, c0, c1, 0);
}

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
