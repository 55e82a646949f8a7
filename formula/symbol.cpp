#include <cstring>

#include "formula/tree.h"

namespace {

void release_props(Symbol* s) {
  for (uint32_t i = 0; i < s->n_props; ++i) hdl_release(s->props_p[i].value);
  pool_return(s->props_p);
}

void release_symbol(Rec* r) {
  Symbol* s = reinterpret_cast<Symbol*>(r);
  release_props(s);
  pool_return(s->name_p);
  pool_return(s);
}

const bool SYMBOL_KIND_REGISTERED_ = register_fixed_kind(SYMBOL_KIND, release_symbol, "symbol");

// Static records keep the symbol kind (so kind tests see a symbol) with a use
// count no formula can bring down to 0.
constexpr uint32_t STATIC_USES = 1u << 31;

uint32_t props_capacity(const Symbol* s) {
  return s->props_p ? pool_block_size(s->props_p) / uint32_t(sizeof(Prop)) : 0;
}

int32_t prop_index(const Symbol* s, const Prop_Key& key) {
  for (int32_t i = int32_t(s->n_props) - 1; i >= 0; --i)
    if (s->props_p[i].key_p == &key) return i;
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
  s->props_p = nullptr;
  s->n_props = 0;
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
  return i < 0 ? NO_HDL : s->props_p[i].value;
}

void prop_set(wff sym, const Prop_Key& key, Hdl value) {
  Symbol* s = rec_as<Symbol>(sym);
  if (s->n_props == props_capacity(s)) {
    uint32_t n_new = s->n_props ? 2 * s->n_props : 2;
    Prop* p = static_cast<Prop*>(pool_alloc(int32_t(n_new * sizeof(Prop))));
    if (s->n_props) std::memcpy(p, s->props_p, s->n_props * sizeof(Prop));
    pool_return(s->props_p);
    s->props_p = p;
  }
  s->props_p[s->n_props++] = Prop{&key, hdl_copy(value)};
}

void prop_remove(wff sym, const Prop_Key& key) {
  Symbol* s = rec_as<Symbol>(sym);
  int32_t i = prop_index(s, key);
  if (i < 0) return;
  Hdl old = s->props_p[i].value;
  std::memmove(s->props_p + i, s->props_p + i + 1, (s->n_props - uint32_t(i) - 1) * sizeof(Prop));
  --s->n_props;
  hdl_release(old);
}
