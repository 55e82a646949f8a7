// The model document through its controller: Solve undone and redone whole,
// a slider drag that rewrites its value, and Solve running out of memory
// leaving the document as it was.
#include "model/file_buttons.h"
#include "model/model_table.h"
#include "model/params_section.h"
#include "tests/model/model_test_util.h"
#include "tests/tables/table_test_util.h"

namespace {

TEST(ModelDoc, SolveUndoneAndRedoneWhole) {
  Test_Doc d;
  EXPECT_EQ(con_query(d.con, *std::make_unique<Cmd>(SOLVE_CMD)), QUERY_REFUSED);  // nothing changed yet
  set_constraints(d.m(), "y=a*x^2+b*x+c");
  model_relayout(d.m());
  comp_select_part(MODEL_KIND, &d.m(), d.con.sel, SOLUTIONS_MMDLI);  // the caret in the empty Solutions
  std::string before = d.text();
  d.run(SOLVE_CMD);
  EXPECT_TRUE(expr_sel_valid_q(d.m().solutions, *d.con.sel.e_sel_mp));  // and now in the new ones
  std::string after = d.text();
  EXPECT_EQ(after, "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#FF0000\ty=a*x^2+b*x+c\ta = 0   [-10, 10]\rb = 0   [-10, 10]\rc = 0   [-10, 10]\ty=a*x^2+b*x+c\t\t\t0.500\t\t");
  EXPECT_EQ(con_query(d.con, *std::make_unique<Cmd>(SOLVE_CMD)), QUERY_REFUSED);  // nothing stale
  con_undo(d.con);
  EXPECT_EQ(d.text(), before);
  EXPECT_EQ(d.m().flags & CHANGED_FLAGS, CHANGED_FLAGS);
  con_redo(d.con);
  EXPECT_EQ(d.text(), after);
}

TEST(ModelDoc, SliderDragRewritesTheValue) {
  Test_Doc d;
  set_constraints(d.m(), "y=a*x");
  d.run(SOLVE_CMD);
  Point s = slider_origin(0);
  Point at = {d.m().pts[PARAMS_MMDLI].x + s.x, d.m().pts[PARAMS_MMDLI].y + s.y - 300};
  const std::pair<int32_t, const char*> steps[] = {{0, "-10.00"}, {SLIDER_DEFAULT_W * 3 / 4, "5.00"}, {SLIDER_DEFAULT_W, "10.00"}};
  int32_t phase = MOUSE_PRESS;
  for (auto [dx, value] : steps) {
    Mouse_Cmd m({at.x + dx, at.y}, 0, phase);
    EXPECT_EQ(con_query(d.con, m), CROSS_CURSOR);
    EXPECT_EQ(con_perform(d.con, m, false), nullptr);  // the document answers the slider itself
    EXPECT_EQ(text_of(d.m().params[0].value), value);
    phase = MOUSE_DRAG;
  }
  EXPECT_EQ(d.m().drag_row_i, 0);
  Mouse_Cmd up({at.x, at.y}, 0, MOUSE_RELEASE);
  con_perform(d.con, up, false);
  EXPECT_EQ(d.m().drag_row_i, -1);
  EXPECT_EQ(text_of(d.m().params[0].value), "-10.00");
  for (int32_t i : {0, 1, 2}) {  // each row's slider lies in its row
    EXPECT_LT(slider_origin(i).y, -i * PARAM_ROW_H);
    EXPECT_GT(slider_origin(i).y, -(i + 1) * PARAM_ROW_H);
  }
}

TEST(ModelDoc, SolveOutOfMemoryLeavesTheDocument) { expect_out_of_memory_leaves_doc(SOLVE_CMD, {0, 3000, 12000, 400000}); }

struct Table_Case {
  const char* vars;
  const char* constraints;
  const char* x;         // typed into row 0's first cell
  const char* titles;
  const char* computed;  // the first computed column's cell, as copied
};

TEST(ModelDoc, TableAndItsComputedColumns) {
  const Table_Case cases[] = {
      {"x | y", "y=a*x+1", "3", "x y ~y Notes", "1.000000"},
      {"x | y", "y=x^2/3", "2", "x y ~y Notes", "1.333333"},
      {"x | y", "y=x\ny=2*x\ny=x+1", "1.5", "x y ~y Notes", "\u23291.500000\r2.500000\r3.000000\u232A"},
      {"x | y", "y=ln(x)", "-1", "x y ~y Notes", ""},
      {"x | y", "y=x+", "2", "x y ~y Notes", ""},
      {"x | y", "(x+1)*y=1", "3", "x y ~y Notes", "0.250000"},
      {"x t | y z", "y=x*t\nz=x+t", "2", "x t y z ~y ~z Notes", ""},
      {"x |", "", "2", "x", nullptr},
  };
  for (const Table_Case& c : cases) {
    Test_Doc d(c.vars, c.constraints);
    d.run(TABLE_CMD);
    ASSERT_TRUE(d.m().table_mp) << c.constraints;
    Small_Table& t = *d.m().table_mp;
    EXPECT_EQ(titles_of(t), c.titles);
    table_set_cell(t, 0, 0, math_cell_new(c.x));
    Button_Cmd calc(CALC_BUTTON_N);
    con_perform(d.con, calc, false);
    if (c.computed) {
      EXPECT_EQ(utf8_of(cell_text(t, 0, int32_t(t.hdr.size()) / 2)), c.computed) << c.constraints;
    }
  }
}

// What the document asks, answered with `answer`, for as long as it lives.
struct Asked {
  static inline std::vector<std::string> texts;
  static inline int32_t answer = 1;
  Asked() {
    texts.clear();
    answer = 1;
    model_ask_ = [](const std::string& text, const std::vector<std::string>& labels) {
      texts.push_back(text + " " + labels[0] + " " + labels[1]);
      return answer;
    };
  }
  ~Asked() { model_ask_ = nullptr; }
};

TEST(ModelDoc, DeleteExistingTableAsked) {
  Asked asked;
  Test_Doc d("x | y", "y=x");
  d.run(TABLE_CMD);
  Small_Table* first = d.m().table_mp;
  set_vars(d.m(), "t | y");
  d.run(TABLE_CMD);  // "&Cancel" keeps the table
  EXPECT_EQ(d.m().table_mp, first);
  asked.answer = 0;
  d.run(TABLE_CMD);
  EXPECT_EQ(titles_of(*d.m().table_mp), "t y ~y Notes");
  EXPECT_EQ(asked.texts, std::vector<std::string>(2, "Delete existing table? &Delete &Cancel"));
  d.run(TABLE_CMD);  // the columns are the variables already: nothing asked
  EXPECT_EQ(asked.texts.size(), 2u);
}

// A mistake in a variable table selects its cell; copying the selection gives the cell's text.
TEST(ModelDoc, MistakesSelectTheirCells) {
  const std::tuple<const char*, int32_t, const char*> cases[] = {{"x | y x", DEP_VARS, "x"}, {"x t x | y", INDEP_VARS, "x"}};
  for (auto [vars, table_i, selected] : cases) {
    Test_Doc d(vars, "y=x");
    std::unique_ptr<Cmd> res = d.run(SOLVE_CMD);
    ASSERT_TRUE(res && res->cmd_n == MESSAGE_CMD) << vars;
    EXPECT_EQ(text_of(static_cast<Message_Cmd&>(*res).text), "Duplicate variable name");
    ASSERT_TRUE(d.con.sel.e_sel_mp);
    EXPECT_EQ(d.con.sel.anchor_i, VARS_MMDLI);
    EXPECT_EQ(d.con.sel.e_sel_mp->anchor_i, table_i) << vars;
    Cmd more(SELECT_MORE_CMD);
    con_perform(d.con, more, false);
    Byte_Str out;
    Copy_Cmd copy(out);
    con_perform(d.con, copy, false);
    EXPECT_EQ(text_of(out), selected) << vars;
  }
}

// Table's silent Solve leaves more equations than dependent variables
// unsolved, and Solve stays enabled to solve them.
TEST(ModelDoc, SilentSolveOfSurplusEquations) {
  Test_Doc d("x | y z", "y=x\nz=2*x\ny+z=6");
  d.run(TABLE_CMD);
  EXPECT_EQ(d.m().flags & UNSOLVED_EXTRA, UNSOLVED_EXTRA);
  EXPECT_EQ(solutions_text(d.m()), "y=x | z=2*x | z+y=6");
  d.run(SOLVE_CMD);
  EXPECT_EQ(d.m().flags & UNSOLVED_EXTRA, 0u);
  EXPECT_EQ(solutions_text(d.m()), "x=2 | y=2 | z=4");
}

// A click on the Table's label runs Table as a label click: a table of
// several rows with other columns is only gone to; one row is asked about.
TEST(ModelDoc, TableLabelClick) {
  Asked asked;
  for (int32_t n_rows : {2, 1}) {
    Test_Doc d("x | y", "y=x");
    d.m().table_mp = data_table_new({Byte_Str("t"), Byte_Str("y")}, n_rows, 1);
    model_relayout(d.m());
    Point label = {LABEL_W / 2, d.m().pts[TABLE_MMDLI].y - 3000};
    Mouse_Cmd click(label, 0, MOUSE_PRESS);
    con_perform(d.con, click, false);
    EXPECT_EQ(d.con.sel.anchor_i, TABLE_MMDLI);
    EXPECT_EQ(titles_of(*d.m().table_mp), "t y");
    EXPECT_EQ(asked.texts.size(), n_rows == 2 ? 0u : 1u);
  }
}

// A new model graphs y against x, both 0 to 1, under a "Graphs" label.
TEST(ModelDoc, NewModelGraphsYAgainstX) {
  Test_Doc d;
  ASSERT_TRUE(d.m().graphs_p);
  const Graph_Set& g = *d.m().graphs_p;
  ASSERT_EQ(n_indep(g), 1);
  ASSERT_EQ(n_dep(g), 1);
  const Var_Range &x = g.indep_sym_vs[0], &y = g.dep_sym_vs[0];
  EXPECT_EQ(std::string(symbol_name(x.sym.get())) + " " + symbol_name(y.sym.get()), "x y");
  EXPECT_EQ(std::vector<double>({x.low, x.high, y.low, y.high}), std::vector<double>({0, 1, 0, 1}));
  EXPECT_EQ(y.colour, 0xFF0000);
  EXPECT_EQ(text_of(g.trace_texts[0]), "0.500");
  EXPECT_GT(d.m().pts[SOLUTIONS_MMDLI].y, d.m().pts[GRAPHS_MMDLI].y);
  EXPECT_EQ(label_hit(d.m(), {LABEL_W / 2, d.m().pts[GRAPHS_MMDLI].y - 3000}), GRAPHS_MMDLI);
  // The file buttons, as the alerts' buttons, in the 9-point system font
  // (2304 up, 384 down) framed 768 above and below.
  set_file_buttons(&d.m(), true, false);
  const Rect next = FILE_BUTTON_OPS.bounds(FILE_BUTTON_OPS, &d.m().next_button);
  EXPECT_EQ(next.y1 - next.y0, 2304 + 384 + 2 * 768);
}

}  // namespace
