// Typed mathematics for the reading tests: keys typed into an expression as
// the keyboard does (see tests/editor/expr_test_util.h), texts converted
// between UTF-8 and the internal coding, and a resolver over test symbols.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "formula/expr_chars.h"
#include "formula/read_expr.h"
#include "formula/wff.h"
#include "formula/write_expr.h"
#include "persist/utf8.h"
#include "tests/bytes_of.h"
#include "tests/editor/expr_test_util.h"

inline std::string internal_of(const std::string& utf8) {
  std::string out(utf8.size() * INTERNAL_GROWTH, '\0');
  int32_t used = 0;
  out.resize(size_t(internal_of_utf8(utf8.data(), int32_t(utf8.size()), out.data(), true, used)));
  return out;
}
// The bars of absolute values show as |.
inline std::string utf8_of(const Byte_Str& t) {
  std::string out;
  for (const char* p = t.first_p; p != t.write_p;) {
    uint32_t cp = take_code_point(p, t.write_p);
    char buf[4];
    out += cp == BAR_OPEN_CP || cp == BAR_CLOSE_CP ? std::string("|") : std::string(buf, put_utf8(buf, cp));
  }
  return out;
}

// Every bracket pair that reading knows, the absolute-value bars included.
inline bool math_close_q(uint32_t cp) { return cp == ')' || cp == ']' || cp == '}' || cp == 0x2309 || cp == 0x230B || cp == 0x232A || cp == BAR_CLOSE_CP; }
inline const Expr_Env READ_ENV = {std_op_lookup, [](uint32_t cp) { return bracket_partner(cp) != 0; }, math_close_q,
                                  bracket_partner, test_valid_q, test_expr_style, test_format_info, 0, true};
inline const Expr_Kind READ_EXPR = {EXPR_OPS, &READ_ENV, ACCEPT_N};

// Keys in UTF-8: `N Enter, `V Alt+Enter (subscript), `R Right and the other
// codes of expr_key; | types the opening and closing bars of an absolute
// value in turn, ~ the square root.
inline Expr typed(const std::string& keys) {
  Expr_Session s(READ_EXPR);
  int32_t n_bars = 0;
  for (size_t i = 0; i < keys.size();) {
    size_t n = keys[i] == '`' ? 2 : (unsigned char)keys[i] < 0x80 ? 1 : (unsigned char)keys[i] < 0xE0 ? 2 : 3;
    std::string k = keys.substr(i, n);
    if (k == "|") k = n_bars++ % 2 ? "\uF8FA" : "\uF8EF";
    if (k == "~") k = "\u221A";
    expr_key(s, k[0] == '`' ? k : internal_of(k));
    i += n;
  }
  EXPECT_EQ(s.log.said, "") << keys;
  return expr_copy(s.expr());
}

// The test symbols: x y z a b c n t and the subscripted v↓0, and the list
// resolver over them.
inline Hdl& test_sym_list() {
  static Hdl* list_p = [] {
    Hdl* l = new Hdl(EMPTY_HDL);
    for (const char* name : {"v\x93\x43" "0", "t", "n", "c", "b", "a", "z", "y", "x"}) *l = pair_new(Ref::adopt(symbol_new(name)).get(), *l);
    return l;
  }();
  return *list_p;
}
inline Resolver test_resolver() { return list_resolver(test_sym_list()); }

inline std::string prefix_of(const Read_Result& r) { return r.err_mp ? "error" : prefix_text(r.w.get()); }
// A selection as its path of element indexes and the range at its end: "2.0:0-3".
inline std::string path_of(const Sel& s) {
  if (s.e_sel_mp) return std::to_string(s.anchor_i) + "." + path_of(*s.e_sel_mp);
  return ":" + std::to_string(s.anchor_i) + "-" + std::to_string(s.gen_i);
}
