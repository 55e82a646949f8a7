// A colour from the Colors window reaches the swatch holding the selection
// of a variable table, through the table and its row, and is undone and
// redone like any edit; elsewhere the table leaves it or refuses it.
#include "editor/colour_cmd.h"
#include "tests/tables/table_test_util.h"

TEST(Swatch_Colour, TakenOnlyInAnEditableSwatchAndUndoneLikeAnEdit) {
  struct Case {
    int32_t col, swatch_i;  // the cell of row 1 holding the selection; col -1: rows 0..2 selected
    int32_t can_edit01;
    bool taken_q;
  };
  rec_screen();
  for (Case c : {Case{COLOR_COL, 0, 1, true}, {COLOR_COL, 1, 1, true}, {LOW_COL, 0, 1, false}, {-1, 0, 1, false},
                 {COLOR_COL, 0, 0, false}}) {
    Table_Session s(var_table_new("Dep Var", 2, c.can_edit01));
    s.con.sel = c.col < 0 ? sel_of(0, 2) : table_cell_sel(s.table(), 1, c.col);
    if (c.swatch_i) *s.con.sel.e_sel_mp->e_sel_mp = sel_of(1, 1);
    Colour_Cmd colour(0x00CCCC);
    ASSERT_EQ(con_query(s.con, colour) > 0, c.taken_q) << c.col << " " << c.can_edit01;
    if (!c.taken_q) continue;
    con_perform(s.con, colour, true);
    EXPECT_EQ(table_text(s.table()), "/y|-10|10|#FF0000/|-10|10|#00CCCC");
    std::string after = shown_sel(s.con.sel);
    con_undo(s.con);
    EXPECT_EQ(table_text(s.table()), "/y|-10|10|#FF0000/|-10|10|#0000FF");
    con_redo(s.con);
    EXPECT_EQ(swatch_colour(table_cell(s.table(), 1, COLOR_COL)), 0x00CCCC);
    EXPECT_EQ(shown_sel(s.con.sel), after);
    // The colour it already has is no change and no undo step.
    con_perform(s.con, colour, true);
    EXPECT_EQ(n_elts(s.con.undo_list), 1);
  }
}
