#include <cstring>
#include <new>

#include "formula/tree.h"

namespace {

void release_symbol(Rec* r) noexcept {
  Symbol* s = reinterpret_cast<Symbol*>(r);
  s->props.~Hdl_Tuple();
  pool_return(s->name_p);
  pool_return(s);
}

const bool SYMBOL_KIND_REGISTERED_ = register_fixed_kind(SYMBOL_KIND, release_symbol, "symbol");

// Static records keep the symbol kind (so kind tests see a symbol) with a use
// count no formula can bring down to 0.
constexpr uint32_t STATIC_USES = 1u << 31;

uint32_t n_key_ids_ = 0;

// Keys are stored as immediates of their ids, so the property list is a plain
// Tuple of handles and needs no 64-bit addresses.
Hdl key_hdl(const Prop_Key& key) {
  if (key.id == 0) key.id = ++n_key_ids_;
  return imm_make(int32_t(key.id));
}

// Index of the key slot of the most recent pair with the key, or -1.
int32_t prop_index(const Symbol* s, const Prop_Key& key) {
  Hdl k = key_hdl(key);
  for (int32_t i = n_elts(s->props) - 2; i >= 0; i -= 2)
    if (s->props[i] == k) return i;
  return -1;
}

}  // namespace

const Prop_Key LITERAL_Q{"LITERAL_Q"}, NUMBER_KIND{"NUMBER_KIND"}, VAR_INDEX{"VAR_INDEX"}, APPROX1{"APPROX1"},
    N_ARGS{"N_ARGS"}, FUN2_FLAGS{"FUN2_FLAGS"}, APPLY_FUN1_ARGS{"APPLY_FUN1_ARGS"},
    DERIV_F_ARGS_J{"DERIV_F_ARGS_J"}, IMP_FUN{"IMP_FUN"};

wff symbol_new(const char* internal_name) {
  size_t n = std::strlen(internal_name);
  char* name_p = static_cast<char*>(pool_alloc(int32_t(n + 1)));
  std::memcpy(name_p, internal_name, n + 1);
  Symbol* s = reinterpret_cast<Symbol*>(rec_new(SYMBOL_KIND, int32_t(sizeof(Symbol))));
  s->name_p = name_p;
  new (&s->props) Hdl_Tuple();
  return hdl_of(s);
}

wff symbol_new_static(const char* internal_name) {
  wff s = symbol_new(internal_name);
  rec_of(s)->n_uses = STATIC_USES;
  return s;
}

Hdl prop_get(wff sym, const Prop_Key& key) {
  const Symbol* s = rec_as<Symbol>(sym);
  int32_t i = prop_index(s, key);
  return i < 0 ? NO_HDL : s->props[i + 1];
}

void prop_set(wff sym, const Prop_Key& key, Hdl value) {
  Symbol* s = rec_as<Symbol>(sym);
  append(s->props, key_hdl(key));
  append(s->props, value);
}

void prop_remove(wff sym, const Prop_Key& key) {
  Symbol* s = rec_as<Symbol>(sym);
  int32_t i = prop_index(s, key);
  if (i < 0) return;
  // Hold the value: it may own what the later slots refer to.
  Ref gone = Ref::share(s->props[i + 1]);
  int32_t n = n_elts(s->props);
  for (int32_t k = i; k + 2 < n; ++k) set_elt(s->props, k, s->props[k + 2]);
  set_length(s->props, n - 2);
}
