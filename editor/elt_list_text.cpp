// Typing in element lists: text without carriage returns goes into the
// element holding the selection; other text, typing between elements and
// over ranges replace whole elements, with one undo record that puts the old
// elements back.
#include <algorithm>
#include <cstring>

#include "editor/elt_list.h"

namespace {

constexpr char CR = 13;

struct New_Elts {
  const Elt_List_Kind& k;
  std::vector<void*> elts;  // owned until taken
  Sel caret;                // inside the last one, or none
  ~New_Elts() {
    for (void* e : elts) k.elt_kind_p->release(*k.elt_kind_p, e);
  }
};

// An element holding head + tail, with the insertion point between them:
// the tail's element has head typed at its start.
void* elt_with_caret(const Elt_List_Kind& k, const Byte_Str& head, const Byte_Str& tail, Sel& caret) {
  const Gui_Kind& ek = *k.elt_kind_p;
  void* e = k.elt_new(tail);
  if (!e) throw Str_Err("Illegal text string");
  caret = ek.initial_sel(ek, e);
  if (n_elts(head) == 0) return e;
  try {
    Text_Partial_Cmd c{Byte_Str(head)};
    Cmd_Args args(caret, c);
    ek.perform(ek, e, args);
  } catch (...) {
    ek.release(ek, e);
    throw;
  }
  return e;
}

// The elements of text, one per carriage return, plus one for a last piece
// that is not empty or, with keep_last_q, always. The insertion point ends
// split_i bytes into the last piece, or at its end when split_i is -1.
void make_elts(New_Elts& out, const Byte_Str& text, bool keep_last_q, int32_t split_i) {
  const char* p = text.first_p;
  while (p < text.write_p || keep_last_q) {
    const char* cr_p = static_cast<const char*>(std::memchr(p, CR, size_t(text.write_p - p)));
    const char* end_p = cr_p ? cr_p : text.write_p;
    if (!cr_p && p == end_p && !keep_last_q) break;
    Byte_Str piece(p, int32_t(end_p - p));
    int32_t at = cr_p || split_i < 0 ? n_elts(piece) : std::min(split_i, n_elts(piece));
    Byte_Str head(piece.first_p, at), tail(piece.first_p + at, n_elts(piece) - at);
    out.elts.push_back(elt_with_caret(out.k, head, tail, out.caret));
    if (!cr_p) break;
    p = cr_p + 1;
  }
}

// Replaces elements [j, k_end) by the new ones; the record selects the new
// elements and types the old ones back.
void replace_elts(const Elt_List_Kind& k, Elt_List& t, int32_t j, int32_t k_end, New_Elts& made, Cmd_Args& args) {
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  int32_t m = int32_t(made.elts.size());
  if (c.n_consumed == 0) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_of(j, j + m));
    args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(list_range_text(k, t, j, k_end));
  }
  c.n_consumed = n_elts(c.text);
  for (int32_t i = j; i < k_end; ++i) k.elt_kind_p->release(*k.elt_kind_p, t.elts[size_t(i)]);
  t.elts.erase(t.elts.begin() + j, t.elts.begin() + k_end);
  t.elts.insert(t.elts.begin() + j, made.elts.begin(), made.elts.end());
  made.elts.clear();
  Sel caret = std::move(made.caret);
  Sel& s = *args.sel_p;
  s = sel_of(j + std::max(m - 1, 0), j + std::max(m - 1, 0));
  if (m > 0) s.e_sel_mp = std::make_unique<Sel>(std::move(caret));
  list_relayout(k, t, args);
  args.changed_q = true;
}

// The element's text before and after its selection.
Byte_Str text_around(const Sub_Elt& p, const Sel& s, bool after_q) {
  Sel side = sel_copy(s);
  Byte_Str text;
  Copy_Cmd copy(text);
  const Gui_Kind& ek = *p.kind_p;
  Arrow_Cmd collapse(after_q ? Arrow_Cmd::RIGHT : Arrow_Cmd::LEFT, 0);
  Arrow_Cmd out(after_q ? Arrow_Cmd::DOWN : Arrow_Cmd::UP, CTRL_MOD | SHIFT_MOD);
  if (ek.query(ek, p.e, side, copy) > 0) perform_without_effects(ek, p.e, side, collapse);
  if (ek.query(ek, p.e, side, out) <= 0) return text;
  perform_without_effects(ek, p.e, side, out);
  perform_without_effects(ek, p.e, side, copy);
  return text;
}

bool has_cr_q(const Text_Partial_Cmd& c) {
  return std::memchr(c.text.first_p + c.n_consumed, CR, size_t(n_elts(c.text) - c.n_consumed)) != nullptr;
}

// What typing c over the selection replaces: elements [j, k_end) by those made.
struct Plan {
  int32_t j, k_end;
  bool join_q;  // deleting at the point between two elements
};

// Inside an element with a carriage return: the element is rebuilt around
// the typed text, split at its carriage returns.
void make_split(const Elt_List_Kind& k, const Elt_List& t, const Sel& s, const Text_Partial_Cmd& c, New_Elts& out) {
  Sub_Elt p = {k.elt_kind_p, t.elts[size_t(s.gen_i)], t.pts[size_t(s.gen_i)]};
  Byte_Str head = text_around(p, *s.e_sel_mp, false), tail = text_around(p, *s.e_sel_mp, true);
  Byte_Str all(head);
  append(all, c.text.first_p + c.n_consumed, n_elts(c.text) - c.n_consumed);
  int32_t n_last = n_elts(all);
  for (int32_t i = n_elts(all) - 1; i >= 0 && all[i] != CR; --i) n_last = i;
  append(all, tail);
  make_elts(out, all, true, n_elts(all) - n_elts(tail) - n_last);
}

// Joining elements i - 1 and i: the later one gets the earlier one's text
// in front, so that the insertion point lies at the junction.
void make_join(const Elt_List_Kind& k, const Elt_List& t, int32_t i, New_Elts& out) {
  const Gui_Kind& ek = *k.elt_kind_p;
  out.elts.push_back(elt_with_caret(k, elt_text(ek, t.elts[size_t(i - 1)]), elt_text(ek, t.elts[size_t(i)]), out.caret));
}

// The new elements and the range they replace; false when the selection's
// element takes the typing itself or nothing is to be done here.
bool plan(const Elt_List_Kind& k, const Elt_List& t, const Sel& s, const Text_Partial_Cmd& c, New_Elts& out, Plan& pl) {
  if (inside_q(s)) {
    if (!has_cr_q(c)) return false;
    make_split(k, t, s, c, out);
    pl = {s.gen_i, s.gen_i + 1, false};
    return true;
  }
  if (s.anchor_i == s.gen_i && c.n_consumed == n_elts(c.text)) {
    int32_t i = s.gen_i;
    if (i == 0 || i == n_elts(t)) return false;
    make_join(k, t, i, out);
    pl = {i - 1, i + 1, true};
    return true;
  }
  make_elts(out, Byte_Str(c.text.first_p + c.n_consumed, n_elts(c.text) - c.n_consumed), false, -1);
  pl = {range_j(s), range_k(s), false};
  return true;
}

}  // namespace

Byte_Str list_range_text(const Elt_List_Kind& k, const Elt_List& t, int32_t j, int32_t k_end) {
  Byte_Str text;
  for (int32_t i = j; i < k_end; ++i) {
    append(text, elt_text(*k.elt_kind_p, t.elts[size_t(i)]));
    append(text, CR);
  }
  return text;
}

int32_t list_typing_query(const Elt_List_Kind& k, const Elt_List& t, const Sel& s, Text_Partial_Cmd& c) {
  New_Elts made{k, {}, {}};
  Plan pl;
  try {
    if (!plan(k, t, s, c, made, pl)) {
      if (!inside_q(s)) return QUERY_PASSED;
      const Gui_Kind& ek = *k.elt_kind_p;
      return ek.query(ek, t.elts[size_t(s.gen_i)], *s.e_sel_mp, c);
    }
  } catch (const Str_Err&) {
    return QUERY_REFUSED;
  }
  c.n_consumed = n_elts(c.text);
  return 1;
}

void list_type(const Elt_List_Kind& k, Elt_List& t, Cmd_Args& args) {
  const Sel& s = *args.sel_p;
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  New_Elts made{k, {}, {}};
  Plan pl;
  if (plan(k, t, s, c, made, pl)) {
    replace_elts(k, t, pl.j, pl.k_end, made, args);
    return;
  }
  if (inside_q(s) && perform_in_sub({k.elt_kind_p, t.elts[size_t(s.gen_i)], t.pts[size_t(s.gen_i)]}, s.gen_i, args))
    list_relayout(k, t, args);
}
