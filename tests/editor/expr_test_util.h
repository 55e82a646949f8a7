// Expressions for tests: two environments (operators shown by their own text,
// or as mathematics with hidden parentheses), a bracketed debug form of the
// tree and its selection, and a driver that sends keys as the keyboard does.
//   a character types itself; `L `R `l `r Left, Right, Shift+Left, Shift+Right;
//   `H `E `h `e Ctrl+Left, Ctrl+Right and with Shift; `K `J `k `j Up, Down and
//   with Shift; `T `t Tab, Shift+Tab; `M Select More; `B `D Backspace, Delete; `N Enter; `V Alt+Enter;
//   `A Select All; `Z `Y Undo, Redo; {text} a paste
#pragma once
#include <string>

#include "core/code_point.h"
#include "editor/Expr.h"
#include "editor/expr_parts.h"
#include "tests/editor/editor_test_util.h"

inline bool test_open_q(uint32_t cp) { return cp == '(' || cp == '['; }
inline bool test_close_q(uint32_t cp) { return cp == ')' || cp == ']'; }
inline uint32_t test_partner(uint32_t cp) { return cp == '(' ? ')' : ']'; }
// Names and numbers: letters, digits, points and other characters that are
// neither operators nor brackets.
inline bool test_valid_q(const char* t, int32_t n) {
  for (const char* p = t; p < t + n;) {
    const char* q = p;
    uint32_t cp = take_code_point(q, t + n);
    if (cp < 0x80 && !isalnum(int(cp)) && cp != '.') return false;
    if (std_op_lookup(p, int32_t(q - p))) return false;
    p = q;
  }
  return true;
}
inline const Styl& test_expr_style(const char*, int32_t, int32_t) { return test_style(); }
inline const void* test_format_info(const Format& f, int32_t) { return &f; }
inline Expr_Env test_env(bool source_q, bool (*valid_q)(const char*, int32_t) = test_valid_q) {
  return {std_op_lookup, test_open_q, test_close_q, test_partner, valid_q,
          test_expr_style, test_format_info, 0, source_q};
}
// FREE_EXPR's strings take any character, as the model's do.
inline const Expr_Env SOURCE_ENV = test_env(true), MATH_ENV = test_env(false), FREE_ENV = test_env(false, nullptr);
inline const Expr_Kind SOURCE_EXPR = {EXPR_OPS, &SOURCE_ENV, ACCEPT_N};
inline const Expr_Kind MATH_EXPR = {EXPR_OPS, &MATH_ENV, ACCEPT_N};
inline const Expr_Kind FREE_EXPR = {EXPR_OPS, &FREE_ENV, ACCEPT_N};

// Operators the way they are written here: Enter as \n, the subscript arrow
// as v, juxtaposition as _.
inline std::string op_form(const Op& op) {
  std::string t(op.text.first_p, size_t(n_elts(op.text)));
  if (t == "\r") return "\\n";
  if (t.empty()) return "_";
  const char* p = op.text.first_p;
  return take_code_point(p, op.text.write_p) == SUBSCRIPT_CP ? "v" : t;
}

// Infix operands in parentheses, hidden delimiters as { }; with a selection,
// the caret as |, a selected range in [ ], a selected operator or delimiter
// after @.
inline std::string debug_form(const Expr& e, const Sel* s_mp = nullptr, bool top_q = true) {
  auto part = [&](int32_t pos, bool top) {
    const Sel* n = s_mp && s_mp->anchor_i == pos && s_mp->gen_i == pos ? s_mp->e_sel_mp.get() : nullptr;
    return debug_form(expr_part(e, pos), n, top);
  };
  auto mark = [&](int32_t pos, std::string text) {
    if (!s_mp) return text;
    int32_t j = std::min(s_mp->anchor_i, s_mp->gen_i), k = std::max(s_mp->anchor_i, s_mp->gen_i);
    if (j == k) return (j == pos && pos % 2 ? "@" : "") + text;
    return (pos == j ? "[" : "") + text + (pos == k - 1 ? "]" : "");
  };
  if (e.case_i == EXPR_STYLED_STR1) {
    std::string t(str_of(e).text.first_p, size_t(n_elts(str_of(e).text)));
    if (!s_mp) return t;
    size_t j = size_t(std::min(s_mp->anchor_i, s_mp->gen_i)), k = size_t(std::max(s_mp->anchor_i, s_mp->gen_i));
    return j == k ? t.insert(j, "|") : t.substr(0, j) + "[" + t.substr(j, k - j) + "]" + t.substr(k);
  }
  if (e.case_i == EXPR_INFIX) {
    std::string t = mark(0, part(0, false)) + mark(1, op_form(*infix_of(e).op_p)) + mark(2, part(2, false));
    return top_q ? t : "(" + t + ")";
  }
  const Group_Node& g = group_of(e);
  auto delim = [](const Delim& d, char hidden) { return d.shown_q ? std::string(1, char(d.cp)) : std::string(1, hidden); };
  return mark(0, part(0, true)) + mark(1, delim(g.open, '{')) + mark(2, part(2, true)) + mark(3, delim(g.close, '}')) +
         mark(4, part(4, true));
}

struct Expr_Session : Session {
  explicit Expr_Session(const Expr_Kind& k) : Session(k.kind, expr_new(*k.env_p)) {}
  const Expr& expr() const { return *static_cast<const Expr*>(con.content_p); }
  std::string form() const { return debug_form(expr(), &con.sel); }
};

// Typing that is refused is not performed; errors go to the log.
inline void expr_key_type(Expr_Session& s, const std::string& text) {
  Text_Partial_Cmd c{Byte_Str(text.c_str())};
  if (con_query(s.con, c) < 0) {
    s.log.said += "<beep>";
    return;
  }
  c.n_consumed = 0;
  con_perform(s.con, c, true);
}

inline void expr_key(Expr_Session& s, const std::string& key) {
  try {
    if (key[0] == '{') return expr_key_type(s, key.substr(1, key.size() - 2));
    if (key[0] != '`') return expr_key_type(s, key);
    char k = key[1];
    if (k == 'Z' || k == 'Y') {
      if (n_elts(k == 'Z' ? s.con.undo_list : s.con.redo_list) > 0) k == 'Z' ? con_undo(s.con) : con_redo(s.con);
    } else if (k == 'B' || k == 'D') {
      con_delete(s.con, k == 'B');
    } else if (k == 'N' || k == 'V') {
      char buf[CODE_POINT_MAX_BYTES + 1] = {};
      put_code_point(buf, k == 'N' ? '\r' : SUBSCRIPT_CP);
      expr_key_type(s, buf);
    } else if (k == 'A' || k == 'M') {
      Cmd all(k == 'A' ? SELECT_ALL_CMD : SELECT_MORE_CMD);
      if (con_query(s.con, all) > 0) con_perform(s.con, all, true);
    } else {
      // Upper case plain, lower case with Shift; H E with Ctrl.
      size_t i = std::string("LRJKTHE").find(char(toupper(k)));
      int32_t dir = i < 4 ? int32_t(i) : i == 4 ? int32_t(Arrow_Cmd::TAB) : int32_t(i - 5);
      int32_t mods = (islower(k) ? SHIFT_MOD : 0) | (i >= 5 ? CTRL_MOD : 0);
      Arrow_Cmd a(dir, mods);
      if (con_query(s.con, a) > 0) con_perform(s.con, a, true);
    }
  } catch (const Err& e) {
    s.log.said += e.message();
  }
}

// Splits "ab`L{c+d}" into keys: characters, backquoted codes and pastes.
inline std::vector<std::string> keys_of(const std::string& text) {
  std::vector<std::string> keys;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t n = text[i] == '`' ? 2 : text[i] == '{' ? text.find('}', i) + 1 - i : 1;
    keys.push_back(text.substr(i, n));
    i += n - 1;
  }
  return keys;
}
