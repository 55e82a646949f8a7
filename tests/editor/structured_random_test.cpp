// Random sessions on composites and element lists. After every step the
// selection is valid at every level and no check failed; Undo brings back
// the text from before the change it undoes and Redo the one before its
// Undo; at the end undoing everything gives the oldest text the undo list
// can reach and redoing everything the final one. A failure prints the seed
// and the steps.
#include <random>

#include "tests/editor/structured_test_util.h"

namespace {

const Gui_Kind* const KINDS[] = {&ROW3.kind, &COL3.kind, &WHOLE3.kind, &NEST.kind, &LINES.kind, &ITEMS.kind};
const char* const STARTS[] = {"ab|+|cd", "a|b|c", "x|y|z", "q|ab|+|cd", "ab|cd|ef", "a|b"};
const char* const PIECES[] = {"a", "b", "\xB1\x07", "\t", "\r", " "};

std::string random_code(std::mt19937& rng) {
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  int roll = pick(100);
  std::string text;
  for (int i = 1 + pick(3); i > 0; --i) text += PIECES[pick(roll < 25 ? 3 : 6)];
  if (roll < 32) return (roll < 28 ? "+" : "*") + text;
  if (roll < 36) return "+\r";
  if (roll < 50) return roll < 43 ? "<" : ">";
  if (roll < 72) return std::string(1, "LRDUT"[pick(5)]) + std::to_string(pick(8));
  if (roll < 82)
    return "PGE"[pick(3)] + std::to_string(pick(16000) - 2000) + "," + std::to_string(pick(12000) - 9000) + "/" +
           "0128"[pick(4)];
  if (roll < 87) return std::string(1, "AMC"[pick(3)]);
  return roll < 94 ? "Z" : "Y";
}

std::string sel_fault(const Gui_Kind& k, const void* e, const Sel& s) {
  bool list_q = k.query == ELT_LIST_OPS.query;
  if (k.query != COMPOSITE_OPS.query && !list_q) {
    const Byte_Str& t = *static_cast<const Byte_Str*>(e);
    for (int32_t i : {s.anchor_i, s.gen_i})
      if (i < 0 || i > n_elts(t) || (i > 0 && uint8_t(t[i - 1]) >= 0x80) || s.e_sel_mp) return "text selection";
    return "";
  }
  int32_t n = list_q ? n_elts(*static_cast<const Elt_List*>(e)) : comp_kind(k).n_parts;
  if (s.e_sel_mp) {
    if (s.anchor_i != s.gen_i || s.gen_i < 0 || s.gen_i >= n) return "nested selection off the parts";
    if (list_q)
      return sel_fault(*list_kind(k).elt_kind_p, static_cast<const Elt_List*>(e)->elts[size_t(s.gen_i)], *s.e_sel_mp);
    Sub_Elt p = comp_part(comp_kind(k), e, s.gen_i);
    return sel_fault(*p.kind_p, p.e, *s.e_sel_mp);
  }
  if (range_j(s) < 0 || range_k(s) > n || (!list_q && s.anchor_i == s.gen_i)) return "range off the parts";
  if (!list_q && !comp_kind(k).range_q && !comp_all_q(comp_kind(k), s)) return "a range of some parts only";
  return "";
}

std::string run_session(uint32_t seed, std::string& codes) {
  std::mt19937 rng(seed);
  int32_t kind_i = int32_t(rng() % 6);
  const Gui_Kind& kind = *KINDS[kind_i];
  Session s(kind, content_of(kind, rng() % 5 ? STARTS[kind_i] : kind_i >= 4 ? "" : "||||"));
  auto check = [&](const std::string&, const std::string&, const Sel&) {
    return sel_fault(*s.con.kind_p, s.con.content_p, s.con.sel);
  };
  return drive_session(s, 1 + int(rng() % 30), [&] { return random_code(rng); }, shown_text, check, codes);
}

}  // namespace

TEST(Structured, RandomSessionsKeepSelectionsValidAndUndoConsistent) { run_random_sessions(run_session); }
