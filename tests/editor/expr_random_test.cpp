// Random keystroke sessions on expressions. After every key the selection is
// valid, every node is as rebalancing leaves it, and Undo and
// Redo bring back the trees a model of the lists expects; at the end
// everything is undone, then redone. A failure prints the seed and keys.
#include <cstring>
#include <random>
#include <vector>

#include "tests/editor/expr_test_util.h"

namespace {

const char* const KEYS[] = {"a", "b", "1", ".", "+", "-", "*", "/", "^", "(", ")", "[", "]", "`N", "`V", "`B",
                            "`D", "`L", "`R", "`l", "`r", "`H", "`E", "`h", "`e", "`K", "`J", "`k",
                            "`j", "`T", "`t", "`M", "`A", "`Z", "`Y", "{a+b}", "m"};
constexpr int N_KEYS = sizeof(KEYS) / sizeof(KEYS[0]);

// "" when every node is as rebalancing leaves it: operands bind as tightly as
// their places need, and no two strings stand side by side.
std::string balance_fault(const Expr& e) {
  if (e.case_i == EXPR_STYLED_STR1) return "";
  int32_t rp = right_prec(expr_part(e, 0)), lp = left_prec(expr_part(e, last_pos(e)));
  if ((rp < lp && rp < left_prec(e)) || (rp >= lp && lp <= right_prec(e))) return "unbalanced " + debug_form(e);
  if (e.case_i == EXPR_INFIX && infix_of(e).op_p == &juxt_op() && rp == STR_PREC && lp == STR_PREC) return "juxtaposed " + debug_form(e);
  for (int32_t pos = 0; pos <= last_pos(e); pos += 2)
    if (std::string f = balance_fault(expr_part(e, pos)); !f.empty()) return f;
  return "";
}

// A paste of a few characters, operators and brackets among them.
std::string random_paste(std::mt19937& rng) {
  static const char* const CHARS[] = {"1", "x", ".", "+", "-", "*", "/", "^", "(", ")", "[", "]", "\r", "\x93" "C", ",", "\t", " "};
  std::string k = "{";
  for (int i = 1 + int(rng() % 4); i > 0; --i) k += CHARS[rng() % 17];
  return k + "}";
}

// A click anywhere near the expression, as the key "m x,y": m a press, s with
// Shift, d a drag, x a double click.
std::string random_key(std::mt19937& rng, bool paste_q) {
  if (paste_q && rng() % 2) return random_paste(rng);
  std::string k = KEYS[rng() % N_KEYS];
  if (k != "m") return k;
  return std::string(1, "msdx"[rng() % 4]) + std::to_string(int(rng() % 12000) - 2000) + "," + std::to_string(int(rng() % 8000) - 4000);
}

void press(Expr_Session& s, const std::string& k) {
  if (!strchr("msdx", k[0])) return expr_key(s, k);
  size_t comma = k.find(',');
  Mouse_Cmd m({std::stoi(k.substr(1, comma - 1)), std::stoi(k.substr(comma + 1))}, k[0] == 's' ? SHIFT_MOD : k[0] == 'x' ? DOUBLE_MOD : 0, k[0] == 'd' ? MOUSE_DRAG : MOUSE_PRESS);
  con_perform(s.con, m, false);
}

std::string step_fault(Expr_Session& s, const std::string& k, Undo_Model& m) {
  std::string before = debug_form(s.expr());
  int32_t n = n_elts(s.con.undo_list);
  const Undo_Rec* newest_mp = n ? &s.con.undo_list[n - 1] : nullptr;
  press(s, k);
  if (!expr_sel_valid_q(s.expr(), s.con.sel)) return "invalid selection";
  if (std::string f = balance_fault(s.expr()); !f.empty()) return f;
  if (!quiet_q(s.log.said)) return s.log.said;
  s.log.said = "";
  return undo_fault(m, s.con, k == "`Z" ? "Z" : k == "`Y" ? "Y" : k, before, debug_form(s.expr()), newest_mp);
}

std::string session_fault(uint32_t seed, std::string& keys, bool paste_q) {
  std::mt19937 rng(seed);
  const Expr_Kind* kinds[] = {&MATH_EXPR, &SOURCE_EXPR, &FREE_EXPR};
  Expr_Session s(*kinds[rng() % 3]);
  Undo_Model m;
  for (int i = 0, n = 4 + int(rng() % 14); i < n; ++i) {
    std::string k = random_key(rng, paste_q);
    keys += escaped(k) + " ";
    if (std::string f = step_fault(s, k, m); !f.empty()) return f;
  }
  std::string end = debug_form(s.expr());
  size_t n_undo = m.undo.size();
  for (size_t i = 0; i < n_undo; ++i)
    if (std::string f = step_fault(s, "`Z", m); !f.empty()) return "undoing all: " + f;
  for (size_t i = 0; i < n_undo; ++i)
    if (std::string f = step_fault(s, "`Y", m); !f.empty()) return "redoing all: " + f;
  return debug_form(s.expr()) == end ? "" : "redo all ended at " + debug_form(s.expr());
}

TEST(ExprRandom, SessionsWithAndWithoutPastes) {
  run_random_sessions([](uint32_t seed, std::string& keys) { return session_fault(seed, keys, false); });
  run_random_sessions([](uint32_t seed, std::string& keys) { return session_fault(seed, keys, true); });
}

}  // namespace
