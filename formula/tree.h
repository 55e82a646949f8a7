// Formula trees: the four kinds of `wff` and the record views behind them.
//
// A `wff` is a value handle: an exact integer (an immediate or an Integer
// record), an approximate real (a record holding one double), a symbol (a
// record with a name and a property list), or an application (a list of pairs:
// element 0 the head, elements 1..n the arguments).
//
// Ownership: functions that return a `wff` give the caller a new use, except
// the accessors marked "borrowed", whose result lives as long as its source.
#pragma once
#include <cstdint>

#include "algebra/Integer.h"
#include "core/cpp2.h"
#include "core/list.h"
#include "core/tuple.h"

using wff = Hdl;

// Never a handle of anything: offset 0 of the pool is its page table and even,
// so neither an immediate nor a record. Marks "nothing" in look-ups.
constexpr Hdl NO_HDL = 0;

// ---- Exact integers ----
inline bool integer_p(wff w) { return int_q(w); }
inline bool zero_q(wff w) { return w == imm_make(0); }

// ---- Approximate reals ----
struct Real_Rec {
  Rec hdr;
  double value;
};
wff real_new(double x);
// The double of an approximate real, or null for any other kind.
inline const double* real_p(wff w) { return kind_q(w, REAL_KIND) ? &rec_as<Real_Rec>(w)->value : nullptr; }
inline double real_value(wff w) { return rec_as<Real_Rec>(w)->value; }

// ---- Symbols and their properties ----

// A property key: a static record, one per property, named for debugging.
// Declare keys as `const Prop_Key NAME{"NAME"};`.
struct Prop_Key {
  const char* name;
  mutable uint32_t id = 0;  // a small number standing for the key, given on first use
};

struct Symbol {
  Rec hdr;
  char* name_p;     // internal character coding, NUL-terminated, in the pool
  Hdl_Tuple props;  // (key id as an immediate, value) pairs, oldest first
};

// A symbol with a use count of 1 (model variables and parameters).
wff symbol_new(const char* internal_name);
// A symbol that lives for the whole run (built-in symbols).
wff symbol_new_static(const char* internal_name);
inline Symbol* symbol_p(wff w) { return kind_q(w, SYMBOL_KIND) ? rec_as<Symbol>(w) : nullptr; }
inline const char* symbol_name(wff s) { return rec_as<Symbol>(s)->name_p; }

// The most recently set value of key, borrowed, or NO_HDL.
Hdl prop_get(wff sym, const Prop_Key& key);
// Appends (key, value) without looking for an earlier pair; value is copied.
void prop_set(wff sym, const Prop_Key& key, Hdl value);
// Removes the pair that prop_get would find; absent keys are ignored.
void prop_remove(wff sym, const Prop_Key& key);

extern const Prop_Key LITERAL_Q, NUMBER_KIND, VAR_INDEX, APPROX1, N_ARGS, FUN2_FLAGS, APPLY_FUN1_ARGS,
    DERIV_F_ARGS_J, IMP_FUN;

// ---- Applications (lists) ----
inline bool nonempty_q(Hdl list) { return pair_q(list); }
// n_elts of a list (core/list.h) counts the head of an application too.
// Element i of a list (borrowed); i must be below n_elts.
wff elt(Hdl list, int32_t i);
inline bool appl_q(wff w) { return pair_q(w); }
// The head of an application (borrowed).
inline wff head_of(wff w) { return pair_first(w); }
// The argument list of an application (borrowed).
inline Hdl args_of(wff w) { return pair_rest(w); }
// True when w is an application whose head is the symbol op.
inline bool appl_of_q(wff w, wff op) { return pair_q(w) && pair_first(w) == op; }
// Argument i (0-based) of an application (borrowed).
inline wff arg_of(wff w, int32_t i) { return elt(pair_rest(w), i); }

// Lists of one and two elements, and an unsimplified application.
Hdl list1(Hdl a);
Hdl list2(Hdl a, Hdl b);
wff appl_raw(wff head, Hdl args);
wff appl_raw2(wff head, wff a, wff b);

// An integer, an approximate real, or a symbol marked LITERAL_Q.
bool literal_q(wff w);
