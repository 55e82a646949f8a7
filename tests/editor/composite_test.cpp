// Composites of cells: sessions of commands checked for text and selection
// at every level, the redraw of a part, the mouse, and the checks a part's
// perform must pass.
#include "tests/editor/structured_test_util.h"

namespace {

const std::vector<Struct_Script> SCRIPTS = {
    // Arrows skip the part of rank 0; Tab visits stops only, and from the
    // part of rank 0 its neighbour; Shift+Tab lands at the end.
    {ROW3.kind, "ab|+|cd", {{"R0", "ab|+|cd", "0/1,1"}, {"R0", "ab|+|cd", "0/2,2"}, {"R0", "ab|+|cd", "2/0,0"},
                            {"L0", "ab|+|cd", "0/2,2"}, {"T0", "ab|+|cd", "2/0,0"}, {"T0", "ab|+|cd", "2/0,0"},
                            {"T2", "ab|+|cd", "0/2,2"}, {"T2", "ab|+|cd", "0/2,2"}, {"R4", "ab|+|cd", "2/0,0"},
                            {"L4", "ab|+|cd", "0/2,2"}}},
    // Shift: a part all selected gives way to whole parts, one more each
    // time, never shrinking; Ctrl+Shift to the last part. Tab-separated
    // text fills the range; its undo and redo go by the range.
    {ROW3.kind, "ab|+|cd", {{"L2", "ab|+|cd", "0/0,0"}, {"R2", "ab|+|cd", "0/0,1"}, {"R2", "ab|+|cd", "0/0,2"},
                            {"R2", "ab|+|cd", "0,1"}, {"R2", "ab|+|cd", "0,2"}, {"R2", "ab|+|cd", "0,3"},
                            {"R2", "ab|+|cd", "0,3"}, {"L2", "ab|+|cd", "0,3"}, {"C", "ab|+|cd", "0,3", "ab\t+\tcd"},
                            {"+x\ty\tz", "x|y|z", "2/1,1"}, {"Z", "ab|+|cd", "2/2,2"}, {"Y", "x|y|z", "2/1,1"},
                            {"L0", "x|y|z", "2/0,0"}, {"L0", "x|y|z", "0/1,1"}, {"R3", "x|y|z", "0,3"},
                            {"+1 2", "1|2|", "1/1,1"}, {"A", "1|2|", "0,3"}, {"+a\tb\tc\td", "1|2|", "0,3", "<beep>"},
                            {"+a\t\x01", "1|2|", "0,3", "<beep>"}, {"<", "||", "0/0,0"}, {"Z", "1|2|", "1/1,1"}}},
    // A bare insertion point at a part's edge moves on with Shift held; the
    // mouse on the part of rank 0 selects inside it, and Tab leaves it for
    // its neighbour.
    {ROW3.kind, "ab|+|cd", {{"R4", "ab|+|cd", "0/2,2"}, {"R2", "ab|+|cd", "2/0,0"}, {"L2", "ab|+|cd", "0/2,2"},
                            {"P4200", "ab|+|cd", "1/0,0"}, {"R0", "ab|+|cd", "1/1,1"}, {"R0", "ab|+|cd", "2/0,0"},
                            {"P4200", "ab|+|cd", "1/0,0"}, {"T2", "ab|+|cd", "0/2,2"}, {"P4200", "ab|+|cd", "1/0,0"},
                            {"T0", "ab|+|cd", "2/0,0"}, {"+e", "ab|+|ecd", "2/1,1"}, {"+f", "ab|+|efcd", "2/2,2"},
                            {"Z", "ab|+|cd", "2/0,0"}}},
    // A column: Up and Down go between parts, Ctrl+Left and Right stay in
    // the part, Ctrl+Up and Down reach the first and last.
    {COL3.kind, "a|b|c", {{"D0", "a|b|c", "1/0,0"}, {"U0", "a|b|c", "0/0,0"}, {"R0", "a|b|c", "0/1,1"},
                          {"R0", "a|b|c", "1/0,0"}, {"L0", "a|b|c", "0/1,1"}, {"D2", "a|b|c", "0,1"},
                          {"D2", "a|b|c", "0,2"}, {"U0", "a|b|c", "0/0,0"}, {"R1", "a|b|c", "0/1,1"},
                          {"D1", "a|b|c", "2/1,1"}, {"U1", "a|b|c", "0/0,0"}, {"U1", "a|b|c", "0/0,0"},
                          {"A", "a|b|c", "0,3"}, {"*x\ry", "x|y|", "1/1,1"}, {"D0", "x|y|", "2/0,0"}}},
    // Without ranges of its own every range covers all parts; Select More
    // widens the part, then everything.
    {WHOLE3.kind, "a|b|c", {{"R2", "a|b|c", "0/0,1"}, {"R2", "a|b|c", "0,3"}, {"L2", "a|b|c", "0,3"},
                            {"L0", "a|b|c", "0/0,0"}, {"M", "a|b|c", "0/0,1"}, {"M", "a|b|c", "0,3"},
                            {"R0", "a|b|c", "2/1,1"}, {"P0/8", "a|b|c", "0/0,1"}, {"P0/8", "a|b|c", "0,3"}}},
    // Nested: Ctrl+Right ends at the very end, Tab passes out of the inner
    // row when it has no stop left.
    {NEST.kind, "q|ab|+|cd", {{"R1", "q|ab|+|cd", "1/2/2,2"}, {"L1", "q|ab|+|cd", "0/0,0"}, {"T0", "q|ab|+|cd", "1/0/0,0"},
                              {"T0", "q|ab|+|cd", "1/2/0,0"}, {"T0", "q|ab|+|cd", "1/2/0,0"}, {"T2", "q|ab|+|cd", "1/0/2,2"},
                              {"T2", "q|ab|+|cd", "0/1,1"}, {"+z", "qz|ab|+|cd", "0/2,2"}, {"R0", "qz|ab|+|cd", "1/0/0,0"},
                              {"+y", "qz|yab|+|cd", "1/0/1,1"}, {"Z", "qz|ab|+|cd", "1/0/0,0"}, {"Z", "q|ab|+|cd", "0/1,1"}}},
};

// Answers -1 or 1 and leaves behind whatever it is told to.
struct Probe_Part {
  bool record_q, result_q;
};
void probe_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  const Probe_Part& p = *static_cast<Probe_Part*>(e);
  args.changed_q = p.record_q;
  if (p.result_q) args.res_cmd_mp = std::make_unique<Button_Cmd>(0);
}
const Gui_Kind PROBE = {[](const Gui_Kind&, const void*) { return sel_of(0, 0); }, nullptr,
                        [](const Gui_Kind&, const void*, const Sel&, Cmd&) { return 1; }, probe_perform,
                        [](const Gui_Kind&, const void*) { return Rect{0, 1, 0, 1}; }, nullptr, nullptr, nullptr};
const Part_Kind PROBE_PARTS[] = {{&PROBE, 1}};
const Composite_Kind PROBE_ROW = {COMPOSITE_OPS, PROBE_PARTS, 1, {ROW_LAYOUT, 0}, true, &COMPOSITE_ACCESS};

}  // namespace

TEST(Composite, SessionsOfCommands) { run_scripts(SCRIPTS); }

TEST(Composite, APartRedrawsWhereItLiesAndMovesItsNeighboursWhenItsSizeChanges) {
  Session s(ROW3.kind, content_of(ROW3.kind, "ab|+|cd"));
  const Composite& c = *static_cast<Composite*>(s.con.content_p);
  const Styl& st = test_style();
  EXPECT_EQ(c.pts[2], (Point{width_of("ab+") + 2 * 192, 0}));
  for (const char* code : {"T0", "R2", "+c"}) run_step(s, code);  // the same width: only the part
  EXPECT_EQ(s.log.redraw, (Rect{c.pts[2].x, c.pts[2].x + width_of("cd"), st.descent, st.ascent}));
  EXPECT_EQ(c.changed_bits, 4u);
  run_step(s, "+xyz");
  EXPECT_EQ(s.log.redraw, (Rect{0, width_of("ab+cxyzd") + 2 * 192, st.descent, st.ascent}));
  run_step(s, "T2");
  EXPECT_EQ(con_sel_bounds(s.con), rect_shift({width_of("ab") - 96, width_of("ab") + 96, st.descent, st.ascent}, s.con.origin));
  Session col(COL3.kind, content_of(COL3.kind, "a|b|c"));
  const Composite& cc = *static_cast<Composite*>(col.con.content_p);
  EXPECT_EQ(cc.pts[1], (Point{0, st.descent - 192 - st.ascent}));
  run_step(col, "P0," + std::to_string(cc.pts[2].y - 5000));  // below everything: the last part
  EXPECT_EQ(shown_sel(col.con.sel), "2/0,0");
  run_step(col, "G900," + std::to_string(cc.pts[1].y));  // a drag into another part selects whole parts
  EXPECT_EQ(shown_sel(col.con.sel), "3,1");
  run_step(col, "E900");
  EXPECT_EQ(shown_sel(col.con.sel), "3,0");
}

TEST(Composite, ChecksOfWhatAPartLeavesBehindAndOfIndexes) {
  Probe_Part probe{true, false};
  Composite* c_p = composite_new(PROBE_ROW, {&probe});
  Sel s = comp_initial_sel(PROBE_ROW, c_p);
  Arrow_Cmd right(Arrow_Cmd::RIGHT, 0);
  EXPECT_EQ(check_text([&] { perform_without_effects(PROBE_ROW.kind, c_p, s, right); }),
            "Assertion failed - file composite:\r! cmd_mp(undo(args1)) && ! changed_q(args1) && ! res_cmd_mp(args1)");
  probe = {false, true};
  Text_Partial_Cmd typed{Byte_Str("x")};
  Cmd_Args args(s, typed);
  EXPECT_EQ(check_text([&] { PROBE_ROW.kind.perform(PROBE_ROW.kind, c_p, args); }),
            "Assertion failed - file composite:\r! res_cmd_mp(args1)");
  Button_Cmd button(0);  // other commands may give the shell a result
  Cmd_Args pressed(s, button);
  PROBE_ROW.kind.perform(PROBE_ROW.kind, c_p, pressed);
  EXPECT_TRUE(pressed.res_cmd_mp && pressed.res_cmd_mp->cmd_n == BUTTON_CMD);
  EXPECT_EQ(check_text([&] { comp_select_part(PROBE_ROW, c_p, s, 1); }),
            "Assertion failed - file composite:\r0 <= j && j < n_elts(eAvs)");
  const Composite_Kind none = {COMPOSITE_OPS, PROBE_PARTS, 0, {ROW_LAYOUT, 0}, true, &COMPOSITE_ACCESS};
  EXPECT_EQ(check_text([&] { composite_new(none, {}); }), "Assertion failed - file composite:\rn > 0");
  delete c_p;
  Session col(COL3.kind, content_of(COL3.kind, "a|b|c"));
  run_step(col, "A");
  Arrow_Cmd odd(7, 0);
  EXPECT_EQ(check_text([&] { con_perform(col.con, odd, false); }),
            "Assertion failed - file composite_arrows:\rd == Arrow_Cmd::RIGHT || d == Arrow_Cmd::DOWN");
}
