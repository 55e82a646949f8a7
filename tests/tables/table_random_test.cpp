// Random editing sessions on a data table: typing, Tab, arrows, Enter,
// Backspace and Delete, mouse presses and drags, Select All, copy and the
// paste of what was copied, Undo and Redo. After every step the selection
// is valid; every Undo gives back exactly the rows from before the change it
// undoes (typing merged into one record counts from its first step), every
// Redo those from before its Undo; undoing all and redoing all
// end where they should. A failure prints the seed and the steps.
#include <random>

#include "tests/tables/table_test_util.h"

namespace {

std::string random_code(std::mt19937& rng, const std::string& copied) {
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  const char* pieces[] = {"1", "x", ".5", "+", "^", "(", ")", "\t", "\r", "\r\n", "#00FF00", " "};
  int roll = pick(100);
  if (roll < 30) {
    std::string text;
    for (int i = 1 + pick(3); i > 0; --i) text += pieces[pick(roll < 20 ? 7 : 12)];
    return "+" + text;
  }
  if (roll < 38) return "+\r";
  if (roll < 48) return roll < 43 ? "<" : ">";
  if (roll < 68) return std::string(1, "LRDUT"[pick(5)]) + std::to_string(pick(4));
  if (roll < 76) return "PG"[pick(2)] + std::to_string(pick(20000) - 2000) + "," + std::to_string(-pick(16000)) + "/" + "02"[pick(2)];
  if (roll < 80) return "A";
  if (roll < 84) return "C";
  if (roll < 88 && !copied.empty()) return "+" + copied;
  return roll < 94 ? "Z" : "Y";
}

// What is wrong with the selection at the table's level and in its row.
std::string sel_fault(const Small_Table& t, const Sel& s) {
  if (range_j(s) < 0 || range_k(s) > n_elts(t)) return "rows off the table";
  if (!s.e_sel_mp) return "";
  if (s.anchor_i != s.gen_i || s.gen_i >= n_elts(t)) return "nested selection off the rows";
  const Sel& r = *s.e_sel_mp;
  int32_t n = n_cols(t.kind_p->env);
  if (range_j(r) < 0 || range_k(r) > n || (inside_q(r) ? r.gen_i >= n : r.anchor_i == r.gen_i)) return "cells off the row";
  return "";
}

std::string run_session(uint32_t seed, std::string& codes) {
  std::mt19937 rng(seed);
  Table_Session s(xy_table(int32_t(rng() % 3)));
  std::string copied;
  auto text_of = [](Session& x) { return table_text(*static_cast<Small_Table*>(x.con.content_p)); };
  auto check = [&](const std::string& code, const std::string&, const Sel&) {
    if (code == "C") copied = s.log.said;
    return sel_fault(s.table(), s.con.sel);
  };
  return drive_session(s, 1 + int(rng() % 25), [&] { return random_code(rng, copied); }, text_of, check, codes);
}

}  // namespace

TEST(Small_Table, RandomSessionsKeepSelectionsValidAndUndoExact) { run_random_sessions(run_session); }
