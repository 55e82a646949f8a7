// The model document through its controller: Solve undone and redone whole,
// a slider drag that rewrites its value, and Solve running out of memory
// leaving the document as it was.
#include "editor/edit_con.h"
#include "model/model_analyze.h"
#include "model/model_kind.h"
#include "model/params_section.h"
#include "tests/memory_limits.h"
#include "tests/model/model_test_util.h"

namespace {

struct Test_Doc {
  Edit_Con con{MODEL_KIND.kind, (rec_screen(), model_doc_new())};
  Math_Model& m() { return *static_cast<Math_Model*>(con.content_p); }
  std::string text() { return utf8_of(elt_text(*con.kind_p, con.content_p)); }
  std::unique_ptr<Cmd> run(int32_t cmd_n) {
    Cmd c(cmd_n);
    return con_query(con, c) > 0 ? con_perform(con, c, false) : nullptr;
  }
};

TEST(ModelDoc, SolveUndoneAndRedoneWhole) {
  Test_Doc d;
  EXPECT_EQ(con_query(d.con, *std::make_unique<Cmd>(SOLVE_CMD)), QUERY_REFUSED);  // nothing changed yet
  set_constraints(d.m(), "y=a*x^2+b*x+c");
  model_relayout(d.m());
  std::string before = d.text();
  d.run(SOLVE_CMD);
  std::string after = d.text();
  EXPECT_EQ(after, "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#FF0000\ty=a*x^2+b*x+c\ta = 0   [-10, 10]\rb = 0   [-10, 10]\rc = 0   [-10, 10]\ty=a*x^2+b*x+c\t\t\t\t");
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
}

TEST(ModelDoc, SolveOutOfMemoryLeavesTheDocument) {
  int32_t n_failed = 0, n_done = 0;
  for (uint64_t n_free : {0, 3000, 12000, 400000}) {
    Test_Doc d;
    set_constraints(d.m(), "x^2+y^2=r^2\n(x-a)^2+z^2=r^2");
    set_vars(d.m(), "x | y z");
    model_relayout(d.m());
    std::string before = d.text();
    try {
      Pool_Filler fill(n_free);
      d.run(SOLVE_CMD);
      ++n_done;
    } catch (const Err& e) {
      EXPECT_STREQ(e.message(), "Out of memory");
      EXPECT_EQ(d.text(), before) << n_free;
      ++n_failed;
    }
  }
  EXPECT_GT(n_failed, 0);
  EXPECT_GT(n_done, 0);
}

}  // namespace
