// Random sessions on fields with and without a validity test. After every
// step the selection lies on character boundaries inside the text, and the
// lists match a model of the texts they bring back: an Undo the text from
// before its change, a Redo the text from before its Undo. At the end
// everything is undone, then redone. A failure prints the seed and steps.
#include <random>

#include "tests/editor/editor_test_util.h"

namespace {

const char* const PIECES[] = {"a", "b", "!", "\xB1\x07", "\xE4\x44"};  // alpha and less-or-equal: two bytes each

std::string random_code(std::mt19937& rng) {
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  int roll = pick(100);
  std::string text;
  for (int i = 1 + pick(roll < 30 ? 2 : 4); i > 0; --i) text += PIECES[pick(5)];
  if (roll < 40) return (roll < 30 ? "+" : roll < 36 ? "*" : "!") + text;
  if (roll < 56) return roll < 50 ? "<" : ">";
  if (roll < 70) return std::string(1, "LRDUT"[pick(5)]) + std::to_string(pick(8));
  if (roll < 80) return "PGE"[pick(3)] + std::to_string(pick(18000) - 3000) + "/" + "0128"[pick(4)];
  if (roll < 84) return std::string(1, "AMC"[pick(3)]);
  return roll < 93 ? "Z" : "Y";
}

// What is wrong after one step besides its undo records, or "".
std::string fault(Session& s, const Text_Field_Kind& kind, const std::string& code, const std::string& before,
                  const Sel& sel_before) {
  std::string text = field_text(s);
  const Sel& sel = s.con.sel;
  for (int32_t i : {sel.anchor_i, sel.gen_i})
    if (i < 0 || i > int32_t(text.size()) || (i > 0 && uint8_t(text[size_t(i) - 1]) >= 0x80)) return "selection off a boundary";
  if (kind.opts.valid_q && !kind.opts.valid_q(text.data(), int32_t(text.size()))) return "invalid text";
  int32_t j = std::min(sel.anchor_i, sel.gen_i), k = std::max(sel.anchor_i, sel.gen_i);
  if (code == "C" && s.log.said != text.substr(size_t(j), size_t(k - j))) return "copied " + escaped(s.log.said);
  bool failed_q = s.log.said == "Illegal text string";
  if (failed_q && (code[0] != '!' || text != before || sel.anchor_i != sel_before.anchor_i || sel.gen_i != sel_before.gen_i))
    return "a failed edit changed the field";
  return "";
}

std::string run_session(uint32_t seed, std::string& codes) {
  std::mt19937 rng(seed);
  const Text_Field_Kind& kind = rng() % 2 ? SHORT_FIELD : FREE_FIELD;
  const char* const STARTS[] = {"", "ab", "a\xB1\x07", "\xE4\x44" "b!"};
  Session s(kind, STARTS[rng() % (&kind == &SHORT_FIELD ? 3 : 4)]);
  auto check = [&](const std::string& code, const std::string& before, const Sel& sel_before) {
    return fault(s, kind, code, before, sel_before);
  };
  return drive_session(s, 1 + int(rng() % 30), [&] { return random_code(rng); }, field_text, check, codes);
}

}  // namespace

TEST(TextField, RandomSessionsKeepSelectionAndUndoConsistent) { run_random_sessions(run_session); }
