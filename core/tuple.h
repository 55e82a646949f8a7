// Tuple: a growable array of 32-bit words (handles, pool offsets or numbers)
// in a pool block. Only the block and the count are stored: the capacity is
// the block's size, so growth doubles and shrinking happens only below a
// quarter of the capacity.
//
// Three shapes: Tuple (plain words), Hdl_Tuple (each slot owns one use of a
// handle; new slots hold EMPTY_HDL) and Rec_Tuple<T> (owned records made and
// destroyed through two function pointers).
#pragma once
#include <cstdint>
#include <cstring>
#include <utility>

#include "core/fun_obj.h"
#include "core/growth.h"
#include "core/sort.h"

struct Tuple {
  uint32_t* elts_p = nullptr;  // null until the first length change
  int32_t n_elts = 0;

  Tuple() = default;
  Tuple(const Tuple&) = delete;
  Tuple& operator=(const Tuple&) = delete;
  Tuple(Tuple&& o) noexcept : elts_p(std::exchange(o.elts_p, nullptr)), n_elts(std::exchange(o.n_elts, 0)) {}
  Tuple& operator=(Tuple&& o) noexcept {
    std::swap(elts_p, o.elts_p);
    std::swap(n_elts, o.n_elts);
    return *this;
  }
  ~Tuple() { pool_return(elts_p); }
  uint32_t& operator[](int32_t i) { return elts_p[i]; }
  uint32_t operator[](int32_t i) const { return elts_p[i]; }
};

inline int32_t n_elts(const Tuple& t) { return t.n_elts; }
inline int32_t capacity(const Tuple& t) { return seq_capacity(t.elts_p, 4); }

// New elements are left as they were in the block (not cleared); "0 <= n".
void set_length(Tuple& t, int32_t n);
// The capacity is a power of two and never below n_elts, so there is room
// whenever n_elts is not a power of two itself: only then is the block's size
// looked up.
inline void append(Tuple& t, uint32_t v) {
  if ((t.n_elts & (t.n_elts - 1)) != 0 || t.n_elts < capacity(t)) {
    t.elts_p[t.n_elts++] = v;
    return;
  }
  set_length(t, t.n_elts + 1);
  t.elts_p[t.n_elts - 1] = v;
}
// Later elements move up; ind == n_elts(t) appends.
void insert(Tuple& t, int32_t ind, uint32_t v);
// Appends the elements of y to x; "&x != &y".
void append(Tuple& x, const Tuple& y);
void fill(Tuple& t, uint32_t v);
// The first index holding v, or -1.
int32_t find(const Tuple& t, uint32_t v);
// Sorts by cmp(x, y) -> negative, 0, positive (an Op2 over the words).
void sort(Tuple& t, Op2 cmp);
typedef int (*Word_Cmp)(uint32_t x, uint32_t y);
void sort(Tuple& t, Word_Cmp cmp);
// The first index whose element is not less than key, comparing
// cmp(key, key_of(element)); key_of defaults to the element itself.
int32_t binary_search(const Tuple& t, intptr_t key, Op2 cmp, Op1 key_of = OP1_IDENTITY);
// The element whose key compares equal to key, or null.
const uint32_t* look_up(const Tuple& t, intptr_t key, Op2 cmp, Op1 key_of = OP1_IDENTITY);

// A Tuple whose every slot owns one use of its handle. Reading, finding,
// sorting and searching go through .words; the operations below keep the
// uses right. Handles passed in are copied (a new use), as pair_new does.
struct Hdl_Tuple {
  Tuple words;

  Hdl_Tuple() = default;
  Hdl_Tuple(Hdl_Tuple&&) noexcept = default;
  Hdl_Tuple& operator=(Hdl_Tuple&& o) noexcept {
    std::swap(words, o.words);
    return *this;
  }
  ~Hdl_Tuple();
  Hdl operator[](int32_t i) const { return words[i]; }
};

inline int32_t n_elts(const Hdl_Tuple& t) { return t.words.n_elts; }
// Removed slots are released; new slots hold EMPTY_HDL.
void set_length(Hdl_Tuple& t, int32_t n);
void append(Hdl_Tuple& t, Hdl h);
void insert(Hdl_Tuple& t, int32_t ind, Hdl h);
void append(Hdl_Tuple& x, const Hdl_Tuple& y);
void fill(Hdl_Tuple& t, Hdl h);
// Replaces slot ind, releasing the handle it held.
void set_elt(Hdl_Tuple& t, int32_t ind, Hdl h);

// A Tuple of owned records: make builds the record of a new slot, destroy
// ends a removed one. The slots are pointers, so the capacity counts 8-byte
// words of the block.
template <class T>
struct Rec_Tuple {
  typedef T* (*Make_Fn)();
  typedef void (*Destroy_Fn)(T*);

  T** elts_p = nullptr;
  int32_t n_elts = 0;
  Make_Fn make;
  Destroy_Fn destroy;

  Rec_Tuple(Make_Fn m, Destroy_Fn d) : make(m), destroy(d) {}
  Rec_Tuple(const Rec_Tuple&) = delete;
  Rec_Tuple& operator=(const Rec_Tuple&) = delete;
  ~Rec_Tuple() {
    for (int32_t i = 0; i < n_elts; ++i) destroy(elts_p[i]);
    pool_return(elts_p);
  }
  T& operator[](int32_t i) const { return *elts_p[i]; }
};

template <class T>
inline int32_t n_elts(const Rec_Tuple<T>& t) { return t.n_elts; }
template <class T>
inline int32_t capacity(const Rec_Tuple<T>& t) { return seq_capacity(t.elts_p, sizeof(T*)); }

// Removed records are destroyed (last first); new ones come from make. If a
// make raises, the Tuple keeps the records made so far.
template <class T>
void set_length(Rec_Tuple<T>& t, int32_t n) {
  CHECK(0 <= n);
  while (t.n_elts > n) t.destroy(t.elts_p[--t.n_elts]);
  int32_t n_old = t.n_elts;
  t.elts_p = static_cast<T**>(seq_resize_block(t.elts_p, n_old, n, sizeof(T*)));
  while (t.n_elts < n) {
    t.elts_p[t.n_elts] = t.make();
    ++t.n_elts;
  }
}

// Takes over the record.
template <class T>
void insert(Rec_Tuple<T>& t, int32_t ind, T* rec_p) {
  CHECK(0 <= ind && ind <= n_elts(t));
  t.elts_p = static_cast<T**>(seq_resize_block(t.elts_p, t.n_elts, t.n_elts + 1, sizeof(T*)));
  std::memmove(t.elts_p + ind + 1, t.elts_p + ind, size_t(t.n_elts - ind) * sizeof(T*));
  t.elts_p[ind] = rec_p;
  ++t.n_elts;
}
template <class T>
void append(Rec_Tuple<T>& t, T* rec_p) { insert(t, t.n_elts, rec_p); }

// Removes and destroys the record at ind; later records move down.
template <class T>
void erase(Rec_Tuple<T>& t, int32_t ind) {
  CHECK(0 <= ind && ind < n_elts(t));
  T* gone_p = t.elts_p[ind];
  std::memmove(t.elts_p + ind, t.elts_p + ind + 1, size_t(t.n_elts - ind - 1) * sizeof(T*));
  --t.n_elts;
  t.elts_p = static_cast<T**>(seq_resize_block(t.elts_p, t.n_elts + 1, t.n_elts, sizeof(T*)));
  t.destroy(gone_p);
}

// Sorts by cmp(const T&, const T&) -> negative, 0, positive.
template <class T, class Cmp>
void sort(Rec_Tuple<T>& t, Cmp cmp) {
  auto by_rec = [&](const T* x, const T* y) { return cmp(*x, *y); };
  quick_sort(t.elts_p, t.n_elts, by_rec);
}
