// The table widget: layout numbers for cells of known widths, editing
// sessions through the commands with the rows' text and the selection after
// every step, and the assertions of its records.
#include "tests/tables/table_test_util.h"

namespace {

// Two columns of the substitute font: text on the left, text aligned on its
// end (no point) on the right; "a" is 1836 wide, "b" 2148, "ab" 3984.
std::vector<void*> pair_row(const Table_Kind&, int32_t) { return {text_field_new(""), text_field_new("")}; }
Table_Kind* pair_kind_new() {
  Table_Kind* k = new Table_Kind{TABLE_OPS, {{{&FREE_FIELD.kind, 1}, {&NUMBER_FIELD.kind, 1}}, {3000, 1000}, 1152, 384, &FREE_FIELD.kind, {}}, pair_row, nullptr};
  table_env_init(k->env);
  return k;
}
const Table_Kind& PAIR = *pair_kind_new();

Small_Table* pair_table(const std::vector<std::pair<const char*, const char*>>& rows) {
  rec_screen();
  Small_Table* t = table_new(PAIR, {text_field_new("a"), text_field_new("b")}, int32_t(rows.size()), 1);
  for (size_t i = 0; i < rows.size(); ++i) {
    table_set_cell(*t, int32_t(i), 0, text_field_new(rows[i].first));
    table_set_cell(*t, int32_t(i), 1, text_field_new(rows[i].second));
  }
  return t;
}

struct Table_Script {
  Small_Table* (*make)();
  std::vector<Struct_Step> steps;
};

void run_table_scripts(const std::vector<Table_Script>& scripts) {
  for (size_t n = 0; n < scripts.size(); ++n) {
    Table_Session s(scripts[n].make());
    auto text_of = [](Session& x) { return table_text(*static_cast<Small_Table*>(x.con.content_p)); };
    check_steps(s, "script " + std::to_string(n), scripts[n].steps, table_step, text_of);
  }
}

#define RED "|-10|10|#FF0000"
#define BLUE "|-10|10|#0000FF"
#define GREEN "|-10|10|#009900"

}  // namespace

TEST(Small_Table, ColumnsTakeTheirWidestCellsAndRowsStackBelowTheHeader) {
  Small_Table* t = pair_table({{"ab", "a"}, {"a", "ab"}, {"", "b"}});
  // Column 0 is as wide as "ab"; column 1 holds "ab" left of its alignment line.
  EXPECT_EQ(t->x_bdys, (std::vector<int32_t>{-576, 4560, 9696}));
  EXPECT_EQ(t->xjs, (std::vector<int32_t>{0, 5136 + 3984}));
  EXPECT_EQ(t->center_xjs, (std::vector<int32_t>{1992, 5136 + 1992}));
  EXPECT_EQ(t->width, 9120);
  int32_t a = test_style().ascent, d = test_style().descent, h = a - d;
  EXPECT_EQ(t->hdr_y, -a);
  EXPECT_EQ(t->y_bdys, (std::vector<int32_t>{192, 192 - 384 - h, 192 - 2 * (384 + h), 192 - 3 * (384 + h), 192 - 4 * (384 + h)}));
  EXPECT_EQ(t->row_ys, (std::vector<int32_t>{-(384 + h) - a, -2 * (384 + h) - a, -3 * (384 + h) - a}));
  EXPECT_EQ(table_bounds(*t), (Rect{-576, 9696, 192 - 4 * (384 + h), 192}));
  // A wider cell moves the columns after it; a narrow one leaves them.
  table_set_cell(*t, 2, 0, text_field_new("abab"));
  EXPECT_EQ(t->x_bdys, (std::vector<int32_t>{-576, 4560 + 3984, 9696 + 3984}));
  table_set_cell(*t, 2, 0, text_field_new("b"));
  EXPECT_EQ(t->x_bdys, (std::vector<int32_t>{-576, 4560, 9696}));
  table_release(t);
  // No rows: the header's widths, at least the minimum widths.
  t = pair_table({});
  EXPECT_EQ(t->x_bdys, (std::vector<int32_t>{-576, 3000 + 576, 3000 + 1152 + 2148 + 576}));
  EXPECT_EQ(t->y_bdys.size(), 2u);
  table_release(t);
}

TEST(Small_Table, EditingSessionsOfAVariableTable) {
  run_table_scripts({
      {[] { return dep_table(1); },
       {{"R0", "/y" RED, "0/0/1,1"}, {"+2", "/y2" RED, "0/0/2,2"}, {"T0", SAME, "0/1/0,0"}, {"T0", SAME, "0/2/0,0"},
        {"T0", SAME, "0/3/0,0"},
        // Tab from the last cell goes on to the point below the table.
        {"T0", SAME, "1,1"}, {"T2", SAME, "0/3/1,1"},
        // Enter adds a row after the row, made by the factory.
        {"N", "/y2" RED "/" BLUE, "1/0/0,0"}, {"+z", "/y2" RED "/z" BLUE, "1/0/1,1"}, {"U0", SAME, "0/0/0,0"},
        {"D0", SAME, "1/0/0,0"}, {"D0", SAME, "1/0/0,0"}, {"U2", SAME, "2,0"},
        {"C", SAME, "2,0", "\ry2\t-10\t10\t#FF0000\rz\t-10\t10\t#0000FF"},
        // Delete removes the selected rows; typing at the point inserts rows.
        {">", "", "0,0"}, {"*/y2" RED "/z" BLUE, "/y2" RED "/z" BLUE, "0,2"}, {"Z", "", "0,0"},
        {"Z", "/y2" RED "/z" BLUE, "0,2"}, {"Z", "/y2" RED "/" BLUE, "1/0/0,0"}, {"Z", "/y2" RED, "1,1"},
        {"Z", "/y" RED, "0/0/1,1"}, {"Y", "/y2" RED, "0/0/2,2"}, {"Y", "/y2" RED "/" BLUE, "1,2"},
        // Enter at the point below the table adds a row at the end.
        {"P0,-90000", SAME, "2,2"}, {"N", "/y2" RED "/" BLUE "/" GREEN, "2/0/0,0"},
        {"+#00FF00", "/y2" RED "/" BLUE "/#00FF00" GREEN, "2/0/7,7"}, {"T0", SAME, "2/1/0,0"},
        {"T0", SAME, "2/2/0,0"}, {"T0", SAME, "2/3/0,0"}, {"R2", SAME, "2/3/0,1"},
        {"+#00FF00", "/y2" RED "/" BLUE "/#00FF00|-10|10|#00FF00", "2/3/0,1"}, {"+green", SAME, "2/3/0,1", "<beep>"},
        {"Z", "/y2" RED "/" BLUE "/#00FF00" GREEN, "2/3/0,1"}}},
  });
}

TEST(Small_Table, SpreadsheetTextPastesIntoTheDataTable) {
  run_table_scripts({
      {[] { return xy_table(0); },
       {// Lines ending in CR LF, an empty cell, a note with spaces, decimals and
        // signs, and α, é and ա, whose last bytes are a control code's and a line feed's.
        {"*1.5|2\xB1\x07||first try \xE9\x01\xE1\x0A\r\n-3|4.25\r\n", "/1.5|2\xB1\x07||first try \xE9\x01\xE1\x0A/-3|4.25||",
         "0,2"},
        {"C", SAME, "0,2", "\r1.5\t2\xB1\x07\t\tfirst try \xE9\x01\xE1\x0A\r-3\t4.25\t\t"},
        // Three lines over the last row: the rows past the end are added.
        {"P0,-90000", SAME, "2,2"}, {"U2", SAME, "2,1"},
        {"*7|8\n9|10\n11|12", "/1.5|2\xB1\x07||first try \xE9\x01\xE1\x0A/7|8||/9|10||/11|12||", "1,4"},
        // Over rows that do not reach the end, lines left over are refused.
        {"U0", SAME, "1,4"}, {"P0,-1", SAME, "0/0/0,0"}, {"D2", SAME, "0,2"}, {"+a|b/c|d/e|f", SAME, "0,2", "<beep>"},
        // Fewer lines than rows: the rows without a line are emptied.
        {"*a|b", "/a|b||/|||/9|10||/11|12||", "0,2"},
        {"Z", "/1.5|2\xB1\x07||first try \xE9\x01\xE1\x0A/7|8||/9|10||/11|12||", "0,2"},
        {"Z", "/1.5|2\xB1\x07||first try \xE9\x01\xE1\x0A/-3|4.25||", "1,2"}, {"Z", "", "0,0"},
        // Text with a tab typed in a cell pastes over the cell's row.
        {"N", "/|||", "0/0/0,0"}, {"R0", SAME, "0/1/0,0"}, {"*5|6", "/5|6||", "0,1"},
        {"+5|6|7|8|9", SAME, "0,1", "<beep>"}}},
      // A line inside the text's own brackets is a line of the cell, typed and undone there.
      {[] { return xy_table(1); },
       {{"+(1/2)", "/(1/2)|||", "0/0/4/0,0"}, {"Z", "/|||", "0/0/0,0"}, {"Y", "/(1/2)|||", "0/0/4/0,0"}}},
      // ґ ends in a tab's byte: still the cell's text.
      {[] { return xy_table(1); }, {{"+a\x91\x09", "/a\x91||||", "0/0/3,3"}}},
  });
}

TEST(Small_Table, EdgeCasesOfRowsAsText) {
  Table_Session s(xy_table(3));
  table_step(s, "A");
  table_step(s, "*1|2/3|4/5|6");
  EXPECT_EQ(table_text(s.table()), "/1|2||/3|4||/5|6||");
  // Three lines over two rows read the first two lines, and the carriage
  // return after them, and stop at the third.
  s.con.sel = sel_of(0, 2);
  Text_Partial_Cmd three{Byte_Str("\ra\tb\rc\td\re\tf")};
  EXPECT_EQ(con_query(s.con, three), 1);
  EXPECT_EQ(three.n_consumed, 9);
  table_step(s, "!/a|b/c|d/e|f");
  EXPECT_EQ(table_text(s.table()), "/a|b||/c|d||/5|6||");
  // Shift+Down on the last row or the point below it, or Shift+Up on the
  // first row or the point above it, changes nothing and is not passed on to
  // select the sections around the table.
  s.con.sel = table_cell_sel(s.table(), 2, 1);
  Arrow_Cmd down(Arrow_Cmd::DOWN, SHIFT_MOD), up(Arrow_Cmd::UP, SHIFT_MOD);
  EXPECT_GT(con_query(s.con, down), 0);
  s.con.sel = sel_of(1, 3);
  EXPECT_GT(con_query(s.con, down), 0);
  s.con.sel = sel_of(3, 3);
  EXPECT_GT(con_query(s.con, down), 0);
  s.con.sel = sel_of(2, 0);
  EXPECT_GT(con_query(s.con, up), 0);
  s.con.sel = sel_of(0, 0);
  EXPECT_GT(con_query(s.con, up), 0);
  // A read-only table refuses all typing.
  Table_Session r(var_table_new("Indep Var", 1, 0));
  table_step(r, "+q");
  table_step(r, "N");
  EXPECT_EQ(table_text(r.table()), "/x|-10|10|#000000");
}

TEST(Small_Table, Assertions) {
  rec_screen();
  EXPECT_EQ(check_text([] { var_table_new("Dep Var", 1, 2); }),
            "Assertion failed - file table_kind:\rcan_edit01 == 0 || can_edit01 == 1");
  Small_Table* t = dep_table(2);
  for (std::pair<int32_t, int32_t> at : {std::pair(2, 0), std::pair(0, 4)})
    EXPECT_EQ(check_text([&] { table_cell(*t, at.first, at.second); }),
              "Assertion failed - file table_row:\r0 <= i && i < n_elts(rws) && 0 <= j && j < n_cols(env)");
  EXPECT_EQ(check_text([&] { row_sub(*t, 2); }), "Assertion failed - file table_row:\r0 <= i && i < n_elts(t)");
  Sel past = sel_of(1, 3);
  EXPECT_EQ(check_text([&] { TABLE_OPS.sel_bounds(TABLE_OPS, t, past); }),
            "Assertion failed - file table_kind:\r0 <= start(is) && end(is) <= n_elts(rws)");
  Table_Kind bad = {TABLE_OPS, {{{&NOTE_CELL.kind, 1}}, {0, 0}, 0, 0, &TITLE_CELL.kind, {}}, nullptr, nullptr};
  EXPECT_EQ(check_text([&] { table_env_init(bad.env); }), "Assertion failed - file table_row:\rn == n_elts(min_widths)");
  bad.env.min_widths = {0};
  table_env_init(bad.env);
  bad.row_new = [](const Table_Kind&, int32_t) { return std::vector<void*>{}; };
  EXPECT_EQ(check_text([&] { table_new(bad, {text_field_new("n")}, 1, 1); }),
            "Assertion failed - file table_rows:\rn == n_elts(row_eAvs)");
  table_release(t);
}

TEST(Small_Table, ArrowsAndTheMouseMoveOverRows) {
  auto four = [] {
    Small_Table* t = xy_table(4);
    Sel s = sel_of(0, 4);
    Text_Partial_Cmd c{Byte_Str("a\rb\rc\rd")};
    Cmd_Args args(s, c);
    TABLE_OPS.perform(TABLE_OPS, t, args);
    return t;
  };
  const char* rows = "/a|||/b|||/c|||/d|||";
  // Points on the table: the middle of row 2's first cell, row 0's, and below the table.
  Small_Table* t = four();
  Point r2 = cell_pt(*t, 2, 0), r0 = cell_pt(*t, 0, 0);
  std::string at2 = std::to_string(r2.x) + "," + std::to_string(r2.y), at0 = std::to_string(r0.x) + "," + std::to_string(r0.y);
  table_release(t);
  run_table_scripts({
      {four,
       {{"D0", rows, "1/0/0,0"}, {"R0", SAME, "1/0/1,1"}, {"D0", SAME, "2/0/0,0"}, {"R0", SAME, "2/0/1,1"},
        {"R0", SAME, "2/1/0,0"}, {"U0", SAME, "1/1/0,0"}, {"D3", SAME, "1,4"}, {"U3", SAME, "4,0"}, {"U2", SAME, "4,0"},
        {"D0", SAME, "4,0"}, {"L0", SAME, "0/0/0,0"}, {"U0", SAME, "0/0/0,0"}, {"D1", SAME, "3/3/0,0"},
        {"U1", SAME, "0/0/0,0"}, {"L0", SAME, "0/0/0,0"}, {"D2", SAME, "0,2"}, {"U0", SAME, "0,2"},
        {"R0", SAME, "1/3/0,0"}, {"R0", SAME, "2/0/0,0"}, {std::string("P" + at2 + "/0").c_str(), SAME, "2/0/0,0"},
        {std::string("G" + at0 + "/0").c_str(), SAME, "3,0"}, {"G0,-90000", SAME, "2,4"}, {std::string("E" + at0 + "/0").c_str(), SAME, "3,0"},
        {">", "/d|||", "0,0"}, {"P0,-90000", SAME, "1,1"}, {"E0,-90000", SAME, "1,1"}, {"L0", SAME, "0/3/0,0"}}},
  });
}

TEST(Small_Table, AnEditInACellRedrawsItsRowOrWhatMoved) {
  Table_Session s(xy_table(0));
  table_step(s, "*1|2/3|4/5|6");
  s.con.sel = table_cell_sel(s.table(), 1, 3);
  table_step(s, "+q");
  EXPECT_EQ(table_text(s.table()), "/1|2||/3|4||q/5|6||");
  Rect row1 = rows_area(s.table(), 1, 2);
  EXPECT_EQ(rect_union(s.log.redraw, row1), row1);
  // A cell wider than its column moves what lies right of the column's left
  // boundary: that is redrawn over the whole height of the table.
  table_step(s, "+ is a long note");
  Rect b = table_bounds(s.table());
  Rect moved = {s.table().x_bdys[3], b.x1, b.y0, b.y1};
  EXPECT_EQ(rect_union(s.log.redraw, moved), s.log.redraw);
  // An exponent in the first cell makes its row as tall as the exponent.
  s.con.sel = table_cell_sel(s.table(), 0, 0);
  table_step(s, "+2^3");
  const Gui_Kind& k0 = *s.table().kind_p->env.col_kinds[0].kind_p;
  Rect c = k0.bounds(k0, table_cell(s.table(), 0, 0));
  Sub_Elt r = row_sub(s.table(), 0);
  EXPECT_EQ(r.kind_p->bounds(*r.kind_p, r.e), (Rect{0, s.table().width, c.y0, c.y1}));
}
