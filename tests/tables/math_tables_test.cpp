// The variable tables and the data table: new rows, reading names, the
// columns for a set of variables, the match test and the column map.
#include <algorithm>
#include <cmath>
#include <sstream>

#include "tests/tables/table_test_util.h"

namespace {

Hdl_Tuple symbols(std::initializer_list<const char*> names) {
  Hdl_Tuple out;
  for (const char* n : names) {
    wff s = symbol_new(n);
    append(out, s);
    hdl_release(s);
  }
  return out;
}

std::string names_of(const Hdl_Tuple& t) {
  std::string out;
  for (int32_t i = 0; i < n_elts(t); ++i) out += std::string(i ? "," : "") + symbol_name(t[i]);
  return out;
}

}  // namespace

TEST(Var_Tables, NewRowsTakeTheDefaultsAndThePalette) {
  rec_screen();
  Small_Table* dep = var_table_new("Dep Var", 12, 1);
  EXPECT_EQ(table_text(*dep).substr(0, 34), "/y|-10|10|#FF0000/|-10|10|#0000FF/");
  const int32_t want[] = {0xFF0000, 0x0000FF, 0x009900, 0xCC00CC, 0xFF9900, 0x993300,
                          0x003366, 0x6600CC, 0x99CC00, 0xCC0033, 0xFF0000, 0x0000FF};
  for (int32_t i = 0; i < 12; ++i) EXPECT_EQ(swatch_colour(table_cell(*dep, i, COLOR_COL)), want[i]) << i;
  EXPECT_TRUE(equal_q(table_title(*dep, 0), "Dep Var"));
  Small_Table* indep = var_table_new("Indep Var", 2, 1);
  EXPECT_EQ(table_text(*indep), "/x|-10|10|#000000/|-10|10|#000000");
  EXPECT_TRUE(equal_q(table_title(*indep, 3), "Color"));
  table_release(dep);
  table_release(indep);
}

TEST(Var_Tables, NamesAreReadInOrderAndTheLaterDuplicateIsReported) {
  struct Case {
    const char* rows;  // pasted over a new Dep Var table of one row
    const char* taken;
    const char* names;
    const char* error;  // message, row, column
  };
  const Case cases[] = {
      {"/y|-10|10/z|0|1", "", "y,z", ""},
      {"/y|-10|10/|5|6/z|0|1", "", "y,z", ""},
      {"/y|-10|10/y|0|1", "", "", "Duplicate variable name at 1,0"},
      {"/y|-10|10/z|0|1/z|0|1/y", "", "", "Duplicate variable name at 2,0"},
      {"/t|-10|10/x|0|1", "x", "", "Duplicate variable name at 1,0"},
      {"/|1|2", "x", "", ""},
  };
  for (const Case& c : cases) {
    Table_Session s(dep_table(1));
    table_step(s, "A");
    table_step(s, std::string("*") + c.rows);
    Hdl_Tuple taken = *c.taken ? symbols({c.taken}) : Hdl_Tuple();
    std::string got, error;
    try {
      got = names_of(read_var_names(s.table(), *c.taken ? &taken : nullptr));
    } catch (const Cell_Err& e) {
      error = std::string(e.message()) + " at " + std::to_string(e.row_i) + "," + std::to_string(e.col_i);
    }
    EXPECT_EQ(got, c.names) << c.rows;
    EXPECT_EQ(error, c.error) << c.rows;
  }
}

TEST(Data_Table, ColumnsMatchAndMapToVariables) {
  rec_screen();
  struct Case {
    std::initializer_list<const char*> indep, dep;
    const char* titles;  // "|" between them; after "=" the columns given, else those made for the variables
    bool matches_q;
    std::vector<int32_t> map;
  };
  const Case cases[] = {
      {{"x"}, {"y"}, "x|y|~y|Notes", true, {0, 1, 2, -1}},
      {{"x", "t"}, {"y", "z"}, "x|t|y|z|~y|~z|Notes", true, {0, 1, 2, 3, 4, 5, -1}},
      {{"x"}, {}, "x", true, {0}},
      {{}, {"y"}, "y|~y|Notes", true, {0, 1, -1}},
      // A tilde and a space, no notes column, the names swapped, more columns.
      {{"x"}, {"y"}, "=x|y|~ y|Notes", false, {0, 1, -1, -1}},
      {{"x"}, {"y"}, "=x|y|~y", false, {0, 1, 2}},
      {{"x"}, {"y"}, "=y|x|~y|Notes", false, {1, 0, 2, -1}},
      {{"x"}, {"y"}, "=x|y|~y|~z|Notes", false, {0, 1, 2, -1, -1}},
      // The notes column's title is not compared; unknown titles map to -1.
      {{"x"}, {"y"}, "=x|y|~y|Remarks", true, {0, 1, 2, -1}},
      {{"x"}, {"y", "z"}, "=x|y|~y|Remarks", false, {0, 1, 3, -1}},
      {{"y"}, {"x"}, "=x|y|~y|Remarks", false, {1, 0, -1, -1}},
  };
  for (const Case& c : cases) {
    Hdl_Tuple indep = symbols(c.indep), dep = symbols(c.dep);
    bool given_q = c.titles[0] == '=';
    std::string spaced = c.titles + given_q;
    std::vector<Byte_Str> given;
    std::istringstream in(spaced);
    for (std::string title; std::getline(in, title, '|');) given.push_back(Byte_Str(title.c_str()));
    Small_Table* t = data_table_new(given_q ? given : data_titles(indep, dep), 1, 1);
    std::replace(spaced.begin(), spaced.end(), '|', ' ');
    EXPECT_EQ(titles_of(*t), spaced);
    EXPECT_EQ(data_table_matches_q(*t, indep, dep), c.matches_q) << c.titles;
    EXPECT_EQ(nm_by_col(*t, indep, dep), c.map) << c.titles;
    // Notes is plain text, the other columns mathematics.
    int32_t last = n_cols(t->kind_p->env) - 1;
    if (!given_q) {
      EXPECT_EQ(t->kind_p->env.col_kinds[size_t(last)].kind_p, c.dep.size() ? &NOTE_CELL.kind : &MATH_CELL.kind);
    }
    table_release(t);
  }
}

TEST(Data_Table, RowsGiveTheValuesOfTheirVariables) {
  Table_Session s(xy_table(0));
  table_step(s, "*1.5|-2.25|9|note/|3/q|4/2*3|0.5^2/-(1+2)|(");
  std::vector<int32_t> map = {1, 0, 2, -1};  // x is variable 1, y variable 0
  // Cells read as formulas: a name is no number, a cell that does not read neither.
  const char* want[] = {"-2.25 1.5", "3 nan", "4 nan", "0.25 6", "nan -3"};
  Hdl none = EMPTY_HDL;
  Resolver builtins = list_resolver(none);
  for (int32_t i = 0; i < 5; ++i) {
    double v[2];
    data_row_values(s.table(), i, map, builtins, v);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g %g", v[0], v[1]);
    EXPECT_EQ(std::string(buf), want[i]) << i;
  }
}
