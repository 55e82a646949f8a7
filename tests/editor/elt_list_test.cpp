// Element lists of cells: doubled positions under arrows and Tab, splits,
// joins, typing between elements and over ranges, each with its undo.
#include "tests/editor/structured_test_util.h"

namespace {

const std::vector<Struct_Script> SCRIPTS = {
    // Lines: an element's edge leads to the point between elements, then
    // into the next; Down and Up step the same way in a column; Tab leaves
    // the element; Ctrl+Down goes past the last element.
    {LINES.kind, "ab|cd|ef", {{"R4", "ab/cd/ef/", "0/2,2"}, {"R0", "ab/cd/ef/", "1,1"}, {"R0", "ab/cd/ef/", "1/0,0"},
                              {"L0", "ab/cd/ef/", "1,1"}, {"L0", "ab/cd/ef/", "0/2,2"}, {"D0", "ab/cd/ef/", "1,1"},
                              {"D0", "ab/cd/ef/", "1/0,0"}, {"U0", "ab/cd/ef/", "1,1"}, {"T0", "ab/cd/ef/", "1/0,0"},
                              {"T0", "ab/cd/ef/", "2/0,0"}, {"T0", "ab/cd/ef/", "2/0,0"}, {"T2", "ab/cd/ef/", "1/2,2"},
                              {"R1", "ab/cd/ef/", "1/2,2"}, {"D1", "ab/cd/ef/", "3,3"}, {"D1", "ab/cd/ef/", "3,3"},
                              {"U1", "ab/cd/ef/", "0,0"}, {"R2", "ab/cd/ef/", "0,1"}, {"R2", "ab/cd/ef/", "0,2"},
                              {"L2", "ab/cd/ef/", "2,0"}, {"L0", "ab/cd/ef/", "0,0"}, {"L0", "ab/cd/ef/", "0,0"},
                              {"R0", "ab/cd/ef/", "0/0,0"}, {"A", "ab/cd/ef/", "0,3"}, {"R0", "ab/cd/ef/", "3,3"},
                              {"L0", "ab/cd/ef/", "2/2,2"}, {"L3", "ab/cd/ef/", "2/0,2"}}},
    // Enter splits, Backspace at an element's start and Delete at its end
    // join; each is one undo step.
    {LINES.kind, "abcd|ef", {{"R0", "abcd/ef/", "0/1,1"}, {"R0", "abcd/ef/", "0/2,2"}, {"+\r", "ab/cd/ef/", "1/0,0"},
                             {"<", "abcd/ef/", "0/2,2"}, {"Z", "ab/cd/ef/", "1/2,2"}, {"Z", "abcd/ef/", "0/4,4"},
                             {"Y", "ab/cd/ef/", "1/2,2"}, {"T2", "ab/cd/ef/", "0/2,2"}, {">", "abcd/ef/", "0/2,2"},
                             {"R2", "abcd/ef/", "0/2,3"}, {"+x\ry\r", "abx/y/d/ef/", "2/0,0"}, {"Z", "abcd/ef/", "0/4,4"},
                             {"+\r", "abcd//ef/", "1/0,0"}, {"<", "abcd/ef/", "0/4,4"}, {"+\t", "abcd/ef/", "0/4,4", "<beep>"},
                             {"+xyz", "abcd/ef/", "0/4,4", "<beep>"}, {"+\rxyz", "abcd/xyz/ef/", "1/3,3"}}},
    // Between elements: typing makes elements, deleting joins the two
    // around the point, and at the very start nothing happens.
    {LINES.kind, "ab|cd", {{"D0", "ab/cd/", "1,1"}, {"+x", "ab/x/cd/", "1/1,1"}, {"Z", "ab/cd/", "1,1"},
                           {"+x\ry", "ab/x/y/cd/", "2/1,1"}, {"U0", "ab/x/y/cd/", "2,2"}, {"<", "ab/xy/cd/", "1/1,1"},
                           {"U1", "ab/xy/cd/", "0,0"}, {"<", "ab/xy/cd/", "0,0"}, {"A", "ab/xy/cd/", "0,3"},
                           {"C", "ab/xy/cd/", "0,3", "ab\rxy\rcd\r"}, {"<", "", "0,0"}, {"Z", "ab/xy/cd/", "2/2,2"},
                           {"A", "ab/xy/cd/", "0,3"}, {"+q", "q/", "0/1,1"}, {"Z", "ab/xy/cd/", "2/2,2"},
                           {"D0", "ab/xy/cd/", "3,3"}, {"L2", "ab/xy/cd/", "3,2"}, {"<", "ab/xy/", "2,2"}}},
    // A row: Left and Right as in a column, Up and Down stay in the element.
    {ITEMS.kind, "a|b", {{"D0", "a/b/", "0/0,0"}, {"R0", "a/b/", "0/1,1"}, {"R0", "a/b/", "1,1"},
                         {"D0", "a/b/", "1,1"}, {"R2", "a/b/", "1,2"}, {"M", "a/b/", "0,2"}, {"M", "a/b/", "0,2"}}},
    // An empty list: typing makes the first element.
    {LINES.kind, "", {{"L0", "", "0,0"}, {"A", "", "0,0"}, {"<", "", "0,0"}, {"+ab", "ab/", "0/2,2"},
                      {"Z", "", "0,0"}}},
};

}  // namespace

TEST(EltList, SessionsOfCommands) { run_scripts(SCRIPTS); }

TEST(EltList, MouseLayoutAndChecks) {
  Session s(LINES.kind, content_of(LINES.kind, "ab|cd|ef"));
  const Elt_List& t = *static_cast<Elt_List*>(s.con.content_p);
  const Styl& st = test_style();
  int32_t line = st.ascent - st.descent + 192;
  EXPECT_EQ(t.pts[2], (Point{0, -2 * line}));
  run_step(s, "P" + std::to_string(width_of("c") + 5) + "," + std::to_string(-line));
  EXPECT_EQ(shown_sel(s.con.sel), "1/1,1");
  run_step(s, "G0," + std::to_string(-5 * line));
  EXPECT_EQ(shown_sel(s.con.sel), "1,3");
  run_step(s, "P0,0/8");  // a double click selects the element, another one all of them
  run_step(s, "P0,0/8");
  EXPECT_EQ(shown_sel(s.con.sel), "0,3");
  run_step(s, "U1");
  EXPECT_EQ(con_sel_bounds(s.con), rect_shift({0, width_of("ef"), st.ascent - 96, st.ascent + 96}, s.con.origin));
  Session none(LINES.kind, content_of(LINES.kind, ""));  // an empty list's caret: a square at its origin
  EXPECT_EQ(con_sel_bounds(none.con), rect_shift({-96, 96, -96, 96}, none.con.origin));
  Sel sel;
  EXPECT_EQ(check_text([&] { list_select_pos(LINES, t, sel, 7); }),
            "Assertion failed - file elt_list:\r0 <= m2 && m2 <= 2*n_elts(tg)");
  Arrow_Cmd odd(7, SHIFT_MOD);
  EXPECT_EQ(check_text([&] { con_perform(s.con, odd, false); }),
            "Assertion failed - file elt_list_arrows:\rd == Arrow_Cmd::LEFT || d == Arrow_Cmd::RIGHT");
}

// A caret inside a later element or part is that part's own caret, moved to
// where the part lies: the region of the selection's bounds.
TEST(Structured, CaretInsideAPartLiesAtThePart) {
  Rec_Device rec = rec_device_new(96, 800, 600);
  Canvas c(rec_device(rec), 0, 0);
  for (const Gui_Kind* k : {&LINES.kind, &ITEMS.kind, &ROW3.kind, &COL3.kind}) {
    Session s(*k, content_of(*k, "ab|cd|ef"));
    int n_later = 0;
    for (const char* code : {"T0", "R0", "T0", "R0", "T0", "R0"}) {
      run_step(s, code);
      if (!inside_q(s.con.sel)) continue;
      n_later += s.con.sel.gen_i > 0;
      Point at = {300, -500};
      EXPECT_EQ(k->caret_region(*k, s.con.content_p, s.con.sel, c, at).rects,
                caret_region_of_sel_bounds(*k, s.con.content_p, s.con.sel, c, at).rects)
          << shown_sel(s.con.sel);
    }
    EXPECT_GT(n_later, 0) << shown_text(s);
  }
}
