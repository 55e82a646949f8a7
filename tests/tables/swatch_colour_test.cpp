// A colour from the Colors window reaches the swatch holding the selection
// of a variable table, through the table and its row, and is undone and
// redone like any edit; elsewhere the table leaves it or refuses it.
#include "editor/colour_cmd.h"
#include "tests/tables/table_test_util.h"

namespace {

constexpr int32_t TEAL = 0x00CCCC;

struct Case {
  const char* where;
  Sel (*sel)(const Small_Table& t);
  int32_t can_edit01;
  bool taken_q;
};

const Case CASES[] = {
    {"row 1's swatch", [](const Small_Table& t) { return table_cell_sel(t, 1, COLOR_COL); }, 1, true},
    {"caret after it", [](const Small_Table& t) {
       Sel s = table_cell_sel(t, 1, COLOR_COL);
       *s.e_sel_mp->e_sel_mp = sel_of(1, 1);
       return s;
     }, 1, true},
    {"row 1's Low", [](const Small_Table& t) { return table_cell_sel(t, 1, LOW_COL); }, 1, false},
    {"whole rows", [](const Small_Table&) { return sel_of(0, 2); }, 1, false},
    {"below the table", [](const Small_Table&) { return sel_of(2, 2); }, 1, false},
    {"a table not to edit", [](const Small_Table& t) { return table_cell_sel(t, 1, COLOR_COL); }, 0, false},
};

}  // namespace

TEST(Swatch_Colour, TakenOnlyInAnEditableSwatchAndUndoneLikeAnEdit) {
  for (const Case& c : CASES) {
    rec_screen();
    Table_Session s(var_table_new("Dep Var", 2, c.can_edit01));
    s.con.sel = c.sel(s.table());
    Colour_Cmd colour(TEAL);
    EXPECT_EQ(con_query(s.con, colour) > 0, c.taken_q) << c.where;
    if (!c.taken_q) continue;
    con_perform(s.con, colour, true);
    EXPECT_EQ(table_text(s.table()), "/y|-10|10|#FF0000/|-10|10|#00CCCC") << c.where;
    EXPECT_TRUE(s.con.modified_q);
    Sel after = sel_copy(s.con.sel);
    con_undo(s.con);
    EXPECT_EQ(table_text(s.table()), "/y|-10|10|#FF0000/|-10|10|#0000FF") << c.where;
    con_redo(s.con);
    EXPECT_EQ(swatch_colour(table_cell(s.table(), 1, COLOR_COL)), TEAL) << c.where;
    EXPECT_EQ(shown_sel(s.con.sel), shown_sel(after)) << c.where;
    // The colour it already has is no change and no undo step.
    con_perform(s.con, colour, true);
    EXPECT_EQ(n_elts(s.con.undo_list), 1) << c.where;
  }
}
