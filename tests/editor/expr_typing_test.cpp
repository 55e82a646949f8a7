// Typing sessions as the keyboard sends them: the tree and the selection after
// the keys, then Undo back through every recorded change, each bringing back
// the tree from before that change, and Redo forward again.
#include <vector>

#include "tests/editor/expr_test_util.h"

namespace {

struct Typing_Case {
  const char* keys;
  const char* form;  // with the caret
  const Expr_Kind* kind_p = &SOURCE_EXPR;
  const char* said = "";
};

const Typing_Case CASES[] = {
    {"2*3+4", "(2*3)+4|"},
    {"2+3*4", "2+(3*4|)"},
    {"2-3-4", "(2-3)-4|"},
    {"2^3^4", "2^(3^4|)"},
    {"a*b+c", "(a*b)+c|"},
    {"(a+b)/(c+d)", "{a+b}/{c+d}|", &MATH_EXPR},
    {"x^(n+1)", "x^{n+1}|", &MATH_EXPR},
    {"(a+b)*c", "(a+b)*c|"},
    {"sin(", "sin(|)"},
    {"sin(x)", "sin(x)|"},
    {"sin(x)+1", "sin(x)+1|"},
    {"sin(x]", "sin(x]|"},
    {"a)", "a|", &SOURCE_EXPR, "<beep>"},
    {"a+b`L`L*", "a*|b"},
    {"a+b`L`Lq", "a@+b", &SOURCE_EXPR, "<beep>"},
    {"a+b`L`B", "a|b"},
    {"a+b`L`L`D", "a|b"},
    {"ab`L+`B", "a|b"},
    {"a+b`Nc+d", "(a+b)\\n(c+d|)"},
    {"a`Vi", "avi|"},
    {"f(`B", "f|"},
    {"f(x)`B", "f(x@)"},
    {"(a`D", "(a@)"},
    {"(a)b`L`L`L`D`D`D", "(a)|"},  // Delete goes on past a closing bracket
    {"a+b`A7", "7|"},
    {"a+b`A7-", "7-|"},
    {"2*x`L`r9", "2*9|"},
    {"2*x`L`r{c+d}", "2*(c+d)|"},
    {"2*x`L`r{c*d}", "2*(c*d)|"},
    {"2^x`L`r{c^d}", "2^(c^d|)"},
    {"a-x`L`r{b-c}", "a-(b-c)|"},
    {"`A{sin(x)+1}", "sin(x)+1|"},
    {"(x`R`Ry", "(x)y|"},
    {"a(`B", "a|"},
    {"12.5`H`E", "12.5|"},
    {"a+b`H`R`R`R", "a+|b"},
    {"sin(x+y)*2`H`R`E", "sin(x+y)*2|"},
    {"ab/c`E`H", "ab/|c"},
    {"ab+c`H`R`r`r`r", "[ab+c]"},  // a range in a node is all of it, as typing over it replaces all
    {"ab+c`H`R`M", "[ab]+c"},
    {"ab+c`H`R`M`M", "[ab+c]"},
    {"a+b`H`T`T`t`t`t", "a|+b"},
    {"a/b`K", "a@/b"},
    {"a/b`H`J`J`J", "a/|b"},
    {"a+b`H`e", "[a+b]"},
    {"x(`V{x/)}", "x(v{x/})|", &MATH_EXPR},  // a pasted operand that closes its group still goes into brackets
    {"1(1x.5.51(", "1(1x.5.51(|))"},  // an opening bracket brings its partner
    {"{1(1x.5.51()}", "1(1x.5.51()|)"},
    {"{-3\t4}", "-3|"},  // a tab ends the text for this part
    {"a+b`L{c\td}", "a+c|b"},
    {"({x+1]}", "(x+1]|"},  // a paste that changes the closing bracket is undone with it
    {"[(`R`R{^-]}", "[(()^)-]|"},  // a suffix closed by its paste is balanced before the bracket is stepped over
    {"[{[[]}{)}{^)}{x[}", "[[[])^)x[|]"},
    // Strings that take any character still take operators and brackets as structure.
    {"2*xy`L{+1}", "(2*x)+1|y", &FREE_EXPR},
    {"1+ab`l{^2}", "1+(a^2|)", &FREE_EXPR},
    {"1+ab`L{(c}", "1+a(c|)b", &FREE_EXPR},
};

// Types the keys and returns, per recorded change, the tree from before it.
std::vector<std::string> type_keys(Expr_Session& s, const char* keys) {
  std::vector<std::string> before_change;
  for (const std::string& k : keys_of(keys)) {
    std::string before = debug_form(s.expr());
    const Undo_Rec* newest_mp = n_elts(s.con.undo_list) ? &s.con.undo_list[n_elts(s.con.undo_list) - 1] : nullptr;
    int32_t n = n_elts(s.con.undo_list);
    expr_key(s, k);
    EXPECT_TRUE(expr_sel_valid_q(s.expr(), s.con.sel)) << keys << " after " << k;
    if (n_elts(s.con.undo_list) == n && (!n || &s.con.undo_list[n - 1] == newest_mp)) continue;
    if (n == N_UNDO_MAX) before_change.erase(before_change.begin());
    before_change.push_back(before);
  }
  return before_change;
}

TEST(ExprTyping, SessionsThenUndoAndRedo) {
  for (const Typing_Case& c : CASES) {
    Expr_Session s(*c.kind_p);
    std::vector<std::string> before = type_keys(s, c.keys);
    EXPECT_EQ(s.form(), c.form) << c.keys;
    EXPECT_EQ(s.log.said, c.said) << c.keys;
    std::string end = debug_form(s.expr());
    for (size_t i = before.size(); i-- > 0;) {
      expr_key(s, "`Z");
      EXPECT_EQ(debug_form(s.expr()), before[i]) << c.keys << " undo " << i;
    }
    for (size_t i = 0; i < before.size(); ++i) expr_key(s, "`Y");
    EXPECT_EQ(debug_form(s.expr()), end) << c.keys << " redo";
  }
}

TEST(ExprTyping, TopLevelLimitLeavesOperatorsToTheContainer) {
  Expr_Env env = SOURCE_ENV;
  env.top_prec = 11;  // no commas at the top, as in a list of equations
  Expr_Kind kind = {EXPR_OPS, &env, ACCEPT_N};
  Expr_Session s(kind);
  for (const char* k : {"a", ","}) expr_key(s, k);
  EXPECT_EQ(s.form(), "a|");
  for (const char* k : {"(", "b", ","}) expr_key(s, k);
  EXPECT_EQ(s.form(), "a(b,|)");
  // Nor does a comma typed over an operator at the top.
  Expr_Session t(kind);
  for (const std::string& k : keys_of("a+b`L`L,")) expr_key(t, k);
  EXPECT_EQ(t.form(), "a@+b");
  EXPECT_EQ(n_elts(t.con.undo_list), 3);
}

TEST(ExprTyping, CopyAndText) {
  struct Row {
    const char* keys;
    const char* copied;
  } rows[] = {{"", ""}, {"`A", "f(x+y)^2"}, {"`L`L", "^"}, {"`L`L`L`L", ")"}, {"`H`R`R", "("}, {"`H`R`R`R`r", "x"},
              {"+abc`L`l", "b"}};  // part of a name, not at its start
  for (const Row& r : rows) {
    Expr_Session t(SOURCE_EXPR);
    for (const std::string& k : keys_of(std::string("f(x+y)^2") + r.keys)) expr_key(t, k);
    Byte_Str out;
    Copy_Cmd copy(out);
    if (con_query(t.con, copy) > 0) con_perform(t.con, copy, false);
    EXPECT_EQ(std::string(out.first_p, size_t(n_elts(out))), r.copied) << r.keys << " at " << t.form();
    EXPECT_TRUE(*r.keys || equal_q(expr_text(t.expr()), "f(x+y)^2"));
  }
}

TEST(ExprTyping, IllegalOperatorChangesNothing) {
  Expr_Session s(SOURCE_EXPR);
  for (const std::string& k : keys_of("a+b`L`L")) expr_key(s, k);
  Text_Partial_Cmd q{Byte_Str("q")};
  EXPECT_EQ(message_of<Str_Err>([&] { con_perform(s.con, q, true); }), "Illegal infix operator");
  EXPECT_EQ(s.form(), "a@+b");
  EXPECT_EQ(n_elts(s.con.undo_list), 3);
}

TEST(ExprTyping, TypingInAPartIsOneStep) {
  Expr_Session s(SOURCE_EXPR);
  for (const std::string& k : keys_of("x+abc")) expr_key(s, k);
  EXPECT_EQ(n_elts(s.con.undo_list), 3);  // x, +, abc
}

TEST(ExprTyping, StoredOperators) {
  EXPECT_EQ(stored_op(Byte_Str("^")).left_prec, 126);
  EXPECT_EQ(&stored_op(Byte_Str("")), &juxt_op());
  EXPECT_EQ(message_of<Syntax_Err>([] { stored_op(Byte_Str("?")); }), "Infix operator not found:  ?");
}

}  // namespace
