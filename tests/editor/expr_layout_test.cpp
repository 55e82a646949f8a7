// Expressions on the recording canvas: alignment of numbers, what a keystroke
// redraws, where the caret of a selection lies and where a click lands.
#include "tests/editor/expr_test_util.h"

namespace {

struct Typed : Expr_Session {
  explicit Typed(const char* keys) : Expr_Session(SOURCE_EXPR) {
    for (const std::string& key : keys_of(keys)) expr_key(*this, key);
  }
};

TEST(ExprLayout, NumbersAlignOnTheirPoint) {
  EXPECT_EQ(expr_align_x(Typed("12.5").expr()), width_of("12") + width_of(".") / 2);
  Typed neg_s("-3.25");
  const Expr& neg = neg_s.expr();
  EXPECT_EQ(expr_align_x(neg), infix_of(neg).pts[2].x + width_of("3") + width_of(".") / 2);
  EXPECT_EQ(expr_align_x(Typed("ab").expr()), width_of("ab") / 2);
}

TEST(ExprLayout, TypingRedrawsOnlyTheLineItChanges) {
  Typed s("aaaaaaa`Nb`Nc");
  const Expr& e = s.expr();
  Rect top_line = rect_shift(part_area(infix_of(e).x, 0), part_pt(e, 0));
  s.log = Window_Log();
  expr_key(s, "d");
  Rect r = s.log.redraw;
  EXPECT_TRUE(nonempty_q(r));
  EXPECT_LT(r.y1, top_line.y0) << "the first line is drawn again";
  EXPECT_EQ(s.form(), "(aaaaaaa\\nb)\\ncd|");
}

TEST(ExprLayout, CaretAndClicks) {
  Typed s("ab+cd");
  const Expr& e = s.expr();
  Rect caret = expr_sel_bounds(e, s.con.sel);
  int32_t end_x = infix_of(e).pts[2].x + width_of("cd");
  EXPECT_EQ(caret.x0 + CARET_HALF_WIDTH, end_x);
  // The element puts the alignment point on x = 0 and leaves y as laid out.
  EXPECT_EQ(con_sel_bounds(s.con), rect_shift(caret, {s.con.origin.x - expr_align_x(e), s.con.origin.y}));
  struct Row {
    int32_t x;
    const char* form;
    int32_t mods = 0, phase = MOUSE_PRESS;
  } rows[] = {{-5000, "|ab+cd"},
              {end_x + 5000, "[ab+cd]", 0, MOUSE_DRAG},  // across the operator: the whole node
              {width_of("a") - 10, "a|b+cd"},
              {end_x + 5000, "[ab+cd]", SHIFT_MOD},
              {end_x + 5000, "ab+cd|"}};
  for (const Row& r : rows) {
    Point o = {-expr_align_x(e), 0};
    Mouse_Cmd m({r.x + o.x, 0}, r.mods, r.phase);
    con_perform(s.con, m, false);
    EXPECT_EQ(s.form(), r.form) << r.x;
  }
  Mouse_Cmd dbl({-expr_align_x(e) + infix_of(e).pts[2].x + 10, 0}, DOUBLE_MOD, MOUSE_PRESS);
  con_perform(s.con, dbl, false);
  EXPECT_EQ(s.form(), "ab+[cd]");
  s.con.sel = sel_of(1, 1);
  Rect op = expr_sel_bounds(e, s.con.sel);
  EXPECT_EQ(op, rect_shift(infix_of(e).op_bds, infix_of(e).pts[1]));
}

}  // namespace
