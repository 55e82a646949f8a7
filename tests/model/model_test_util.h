// Models for tests: built from texts typed into their sections, and their
// parameter rows and Solutions as text.
#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "editor/edit_con.h"
#include "model/model_analyze.h"
#include "model/model_env.h"
#include "model/model_kind.h"
#include "model/model_solve.h"
#include "tables/math_tables.h"
#include "tests/draw/rec_screen.h"
#include "tests/reading/reading_test_util.h"

struct Test_Model {
  Math_Model* m = (rec_screen(), model_new(true));
  ~Test_Model() { model_release(m); }
};

// A model document in its controller, driven by commands.
struct Test_Doc {
  Edit_Con con{MODEL_KIND.kind, (rec_screen(), model_doc_new())};
  Math_Model& m() { return *static_cast<Math_Model*>(con.content_p); }
  std::string text() { return utf8_of(elt_text(*con.kind_p, con.content_p)); }
  std::unique_ptr<Cmd> run(int32_t cmd_n) {
    Cmd c(cmd_n);
    return con_query(con, c) > 0 ? con_perform(con, c, false) : nullptr;
  }
};

// "x t | y z": the independent names, then the dependent ones; "_" is a
// row without a name.
inline void set_vars(Math_Model& m, const std::string& spec, const char* low = "-10", const char* high = "10") {
  std::vector<std::string> names[2];
  int32_t table_i = INDEP_VARS;
  std::istringstream in(spec);
  for (std::string w; in >> w;) w == "|" ? void(table_i = DEP_VARS) : names[table_i].push_back(w == "_" ? "" : internal_of(w));
  for (int32_t t = 0; t < 2; ++t) {
    Small_Table* tb = var_table_new(t ? "Dep Var" : "Indep Var", int32_t(names[t].size()), 1);
    for (int32_t i = 0; i < int32_t(names[t].size()); ++i) {
      table_set_cell(*tb, i, NAME_COL, math_cell_new(names[t][size_t(i)].c_str()));
      table_set_cell(*tb, i, LOW_COL, text_field_new(low));
      table_set_cell(*tb, i, HIGH_COL, text_field_new(high));
    }
    table_release(static_cast<Small_Table*>(m.vars_p->parts[size_t(t)]));
    m.vars_p->parts[size_t(t)] = tb;
  }
  COMPOSITE_ACCESS.relayout(VARS_KIND, m.vars_p);
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
    out += (out.empty() ? "" : "; ") + utf8_of(expr_text(p.name)) + " " + text_of(p.low) + " " + text_of(p.high) + " " +
           text_of(p.value);
  return out;
}
// Solutions' text in UTF-8, line breaks as " | ".
inline std::string solutions_text(const Math_Model& m) {
  std::string t = utf8_of(expr_text(m.solutions)), out;
  for (char c : t) out += c == '\r' ? std::string(" | ") : std::string(1, c);
  return out;
}
inline std::string err_path(const Model_Err& e) {
  std::string out;
  for (int32_t i : e.path) out += (out.empty() ? "" : ".") + std::to_string(i);
  return out;
}
