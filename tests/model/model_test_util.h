// Models for tests: built from texts typed into their sections, and their
// parameter rows and Solutions as text.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>

#include "editor/edit_con.h"
#include "model/model_analyze.h"
#include "model/model_env.h"
#include "model/model_kind.h"
#include "model/model_solve.h"
#include "model/params_section.h"
#include "tables/math_tables.h"
#include "tests/draw/rec_screen.h"
#include "tests/memory_limits.h"
#include "tests/reading/reading_test_util.h"

// "x t | y z": the independent names, then the dependent ones; "_" is a
// row without a name.
inline void set_vars(Math_Model& m, const std::string& rows, const char* low = "-10", const char* high = "10") {
  std::vector<std::string> names[2];
  int32_t table_i = INDEP_VARS;
  std::istringstream in(rows);
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
struct Test_Model {
  Math_Model* m = (rec_screen(), model_new(true));
  Test_Model() = default;
  Test_Model(const char* vars, const char* constraints) {
    set_vars(*m, vars);
    set_constraints(*m, constraints);
  }
  ~Test_Model() { model_release(m); }
};

// The recording screen unless a program installed its own.
inline void some_screen() {
  if (!screen_device_installed_q()) rec_screen();
}

// A model document in its controller, driven by commands.
struct Test_Doc {
  Edit_Con con{MODEL_KIND.kind, (some_screen(), model_doc_new())};
  Test_Doc() = default;
  Test_Doc(const char* vars, const char* constraints) {
    set_vars(m(), vars);
    set_constraints(m(), constraints);
  }
  Math_Model& m() { return *static_cast<Math_Model*>(con.content_p); }
  std::string text() { return utf8_of(elt_text(*con.kind_p, con.content_p)); }
  std::unique_ptr<Cmd> run(int32_t cmd_n) {
    Cmd c(cmd_n);
    return con_query(con, c) > 0 ? con_perform(con, c, false) : nullptr;
  }
};

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
// The message and place of the mistake f throws, or "" when it throws none.
template <class F>
std::string model_err_of(F f) {
  try {
    f();
  } catch (const Model_Err& e) {
    return std::string(e.message()) + " at " + err_path(e);
  }
  return "";
}

// Clicks row i's slider at value v of its range [-10, 10]; with Shift, the
// selected range reaches to v.
inline void click_param(Test_Doc& d, int32_t i, double v, int32_t mods = 0) {
  Point s = slider_origin(i);
  Point at = {d.m().pts[PARAMS_MMDLI].x + s.x + int32_t(std::lround((v + 10) / 20 * SLIDER_DEFAULT_W)),
              d.m().pts[PARAMS_MMDLI].y + s.y - 300};
  for (int32_t phase : {MOUSE_PRESS, MOUSE_RELEASE}) {
    Mouse_Cmd m(at, mods, phase);
    con_perform(d.con, m, false);
  }
}

inline int32_t param_row(const Math_Model& m, const std::string& name) {
  for (size_t i = 0; i < m.params.size(); ++i)
    if (utf8_of(expr_text(m.params[i].name)) == name) return int32_t(i);
  return -1;
}

// A Table of the rows "x y; x y" over the columns Table made.
inline void set_rows(Test_Doc& d, const std::string& rows) {
  d.run(TABLE_CMD);
  std::vector<std::vector<std::string>> cells;
  std::istringstream in(rows);
  for (std::string row; std::getline(in, row, ';');) {
    std::istringstream words(row);
    cells.emplace_back();
    for (std::string w; words >> w;) cells.back().push_back(w);
  }
  Small_Table& old = *d.m().table_mp;
  std::vector<Byte_Str> titles;
  for (int32_t j = 0; j < int32_t(old.hdr.size()); ++j) titles.push_back(table_title(old, j));
  Small_Table* t = data_table_new(titles, int32_t(cells.size()), 1);
  for (size_t i = 0; i < cells.size(); ++i)
    for (size_t j = 0; j < cells[i].size(); ++j) table_set_cell(*t, int32_t(i), int32_t(j), math_cell_new(cells[i][j].c_str()));
  table_release(std::exchange(d.m().table_mp, t));
  model_relayout(d.m());
}

// Runs the command on the two circles' model with n_free bytes left in the
// pool, for each n_free: it ends, or fails for want of memory and leaves
// the document's text and graph as they were. Both must happen.
inline void expect_out_of_memory_leaves_doc(int32_t cmd_n, const std::vector<uint64_t>& n_frees) {
  int32_t n_failed = 0, n_done = 0;
  for (uint64_t n_free : n_frees) {
    Test_Doc d("x | y z", "x^2+y^2=r^2\n(x-a)^2+z^2=r^2");
    model_relayout(d.m());
    std::string text = d.text();
    Graph_Set* g = d.m().graphs_p;
    try {
      Pool_Filler fill(n_free);
      d.run(cmd_n);
      ++n_done;
    } catch (const Err& e) {
      EXPECT_STREQ(e.message(), "Out of memory");
      EXPECT_EQ(d.text(), text) << n_free;
      EXPECT_EQ(d.m().graphs_p, g);
      ++n_failed;
    }
    pool_check();  // nothing given back twice
  }
  EXPECT_GT(n_failed, 0);
  EXPECT_GT(n_done, 0);
}
