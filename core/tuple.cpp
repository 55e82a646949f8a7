#include "core/tuple.h"

void set_length(Tuple& t, int32_t n) {
  CHECK(0 <= n);
  t.elts_p = static_cast<uint32_t*>(seq_resize_block(t.elts_p, t.n_elts, n, 4));
  t.n_elts = n;
}

void insert(Tuple& t, int32_t ind, uint32_t v) {
  CHECK(0 <= ind && ind <= n_elts(t));
  set_length(t, t.n_elts + 1);
  std::memmove(t.elts_p + ind + 1, t.elts_p + ind, size_t(t.n_elts - 1 - ind) * 4);
  t.elts_p[ind] = v;
}

void append(Tuple& x, const Tuple& y) {
  CHECK(&x != &y);
  int32_t n_x = x.n_elts;
  set_length(x, n_x + y.n_elts);
  if (y.n_elts > 0) std::memcpy(x.elts_p + n_x, y.elts_p, size_t(y.n_elts) * 4);
}

void fill(Tuple& t, uint32_t v) {
  for (int32_t i = 0; i < t.n_elts; ++i) t.elts_p[i] = v;
}

int32_t find(const Tuple& t, uint32_t v) {
  for (int32_t i = 0; i < t.n_elts; ++i)
    if (t.elts_p[i] == v) return i;
  return -1;
}

void sort(Tuple& t, Op2 cmp) {
  auto by_op = [cmp](uint32_t x, uint32_t y) { return op2_apply(cmp, intptr_t(x), intptr_t(y)); };
  quick_sort(t.elts_p, t.n_elts, by_op);
}

void sort(Tuple& t, Word_Cmp cmp) { quick_sort(t.elts_p, t.n_elts, cmp); }

int32_t binary_search(const Tuple& t, intptr_t key, Op2 cmp, Op1 key_of) {
  if (key_of == OP1_IDENTITY) {
    auto by_elt = [cmp](intptr_t k, uint32_t e) { return op2_apply(cmp, k, intptr_t(e)); };
    return binary_search(t.elts_p, t.n_elts, key, by_elt);
  }
  auto by_key = [cmp, key_of](intptr_t k, uint32_t e) { return op2_apply(cmp, k, op1_apply(key_of, intptr_t(e))); };
  return binary_search(t.elts_p, t.n_elts, key, by_key);
}

const uint32_t* look_up(const Tuple& t, intptr_t key, Op2 cmp, Op1 key_of) {
  int32_t i = binary_search(t, key, cmp, key_of);
  if (i == t.n_elts) return nullptr;
  if (op2_apply(cmp, key, op1_apply(key_of, intptr_t(t.elts_p[i]))) != 0) return nullptr;
  return t.elts_p + i;
}

Hdl_Tuple::~Hdl_Tuple() {
  for (int32_t i = 0; i < words.n_elts; ++i) hdl_release(words.elts_p[i]);
}

void set_length(Hdl_Tuple& t, int32_t n) {
  CHECK(0 <= n);
  Tuple& w = t.words;
  // Release from the end, keeping the count right if a release raises.
  while (w.n_elts > n) hdl_release(w.elts_p[--w.n_elts]);
  int32_t n_old = w.n_elts;
  set_length(w, n);
  for (int32_t i = n_old; i < n; ++i) w.elts_p[i] = EMPTY_HDL;
}

void append(Hdl_Tuple& t, Hdl h) {
  append(t.words, h);  // the use is added only once the slot exists
  hdl_copy(h);
}

void insert(Hdl_Tuple& t, int32_t ind, Hdl h) {
  insert(t.words, ind, h);
  hdl_copy(h);
}

void append(Hdl_Tuple& x, const Hdl_Tuple& y) {
  append(x.words, y.words);
  for (int32_t i = 0; i < y.words.n_elts; ++i) hdl_copy(y.words.elts_p[i]);
}

void fill(Hdl_Tuple& t, Hdl h) {
  for (int32_t i = 0; i < t.words.n_elts; ++i) set_elt(t, i, h);
}

void set_elt(Hdl_Tuple& t, int32_t ind, Hdl h) {
  CHECK(0 <= ind && ind < n_elts(t));
  Hdl old = t.words.elts_p[ind];
  t.words.elts_p[ind] = hdl_copy(h);  // copy first: old may be the only holder of h
  hdl_release(old);
}
