// Models for tests: built from texts typed into their sections, and their
// parameter rows and Solutions as text.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "formula/wff.h"
#include "model/model_env.h"
#include "model/model_solve.h"
#include "core/code_point.h"
#include "tests/draw/rec_screen.h"
#include "persist/utf8.h"
#include <sstream>

inline std::string internal_of(const std::string& utf8) {
  std::string out(utf8.size() * INTERNAL_GROWTH, '\0');
  int32_t used = 0;
  out.resize(size_t(internal_of_utf8(utf8.data(), int32_t(utf8.size()), out.data(), true, used)));
  return out;
}
inline std::string utf8_of(const std::string& t) {
  std::string out;
  for (const char* p = t.data(); p != t.data() + t.size();) {
    char buf[4];
    out += std::string(buf, put_utf8(buf, take_code_point(p, t.data() + t.size())));
  }
  return out;
}

struct Test_Model {
  Math_Model* m = (rec_screen(), model_new(true));
  ~Test_Model() { model_release(m); }
};

// "x t | y z": the independent names, then the dependent ones; an empty
// name keeps its row.
inline void set_vars(Math_Model& m, const std::string& spec, const char* low = "-10", const char* high = "10") {
  int32_t table_i = INDEP_VARS;
  m.vars[0].clear();
  m.vars[1].clear();
  std::istringstream in(spec);
  for (std::string w; in >> w;) {
    if (w == "|") {
      table_i = DEP_VARS;
      continue;
    }
    Var_Row r;
    r.name = expr_typed(w == "_" ? "" : internal_of(w).c_str());
    r.low = Byte_Str(low);
    r.high = Byte_Str(high);
    m.vars[table_i].push_back(std::move(r));
  }
}
// Lines of constraints, "\n" between them, in UTF-8.
inline void set_constraints(Math_Model& m, const std::string& text) {
  std::string t = internal_of(text);
  for (char& c : t)
    if (c == '\n') c = '\r';
  m.constraints = expr_typed(t.c_str());
  m.flags |= CHANGED_FLAGS;
}
inline std::string text_of(const Byte_Str& t) { return std::string(t.first_p, size_t(n_elts(t))); }
// "a -10 10 0; b ..." the parameter rows.
inline std::string param_rows(const Math_Model& m) {
  std::string out;
  for (const Param_Row& p : m.params)
    out += (out.empty() ? "" : "; ") + utf8_of(expr_string(p.name)) + " " + text_of(p.low) + " " + text_of(p.high) + " " +
           text_of(p.value);
  return out;
}
// Solutions' text in UTF-8, line breaks as " | ".
inline std::string solutions_text(const Math_Model& m) {
  std::string t = utf8_of(expr_string(m.solutions)), out;
  for (char c : t) out += c == '\r' ? std::string(" | ") : std::string(1, c);
  return out;
}
inline std::string err_path(const Model_Err& e) {
  std::string out;
  for (int32_t i : e.path) out += (out.empty() ? "" : ".") + std::to_string(i);
  return out;
}
