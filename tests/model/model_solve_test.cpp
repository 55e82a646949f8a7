// Solve on the lesson models: the Solutions text, the parameter rows it
// leaves, the flags, and the equations it leaves alone.
#include "tests/model/model_test_util.h"

namespace {

struct Solve_Case {
  const char* vars;
  const char* constraints;
  const char* solutions;  // "error: message" when Solve fails
  const char* params;
};

std::string solved(Math_Model& m, bool silent_q) {
  try {
    model_solve(m, silent_q);
    return solutions_text(m);
  } catch (const Err& e) {
    return std::string("error: ") + e.message();
  }
}

TEST(ModelSolve, LessonModels) {
  const Solve_Case cases[] = {
      {"x | y", "y=m*x+b", "y=m*x+b", "m -10 10 0; b -10 10 0"},
      {"x | y", "y=a*x^2+b*x+c", "y=a*x^2+b*x+c", "a -10 10 0; b -10 10 0; c -10 10 0"},
      {"x | y", "x+2*y=3", "y=-x/2+3/2", ""},
      {"x | y z", "x^2+y^2=4\n(x-1)^2+z^2=4", "y^2+x^2-4=0 | z^2+x^2-2*x-3=0", ""},
      {"t | x y", "x=v*t\ny=h-g*t^2/2", "x=v*t | y=-g*t^2/2+h", "v -10 10 0; h -10 10 0; g -10 10 0"},
      {"x | y z", "y=m*x\nz=(-1/m)*x", "y=m*x | z=-x/m", "m -10 10 0"},
      {"x | y", "2*a*y=x", "2*a*y-x=0", "a -10 10 0"},  // whole numbers where no division solves it
      {"x | y", "y=sin(x)+sin(x+δ)", "y=sin(x+δ)+sin(x)", "δ -10 10 0"},
      {"x | y", "y<x^2", "y<x^2", ""},
      {"x | y", "y=k*x\ny>1", "y>1 | y=k*x", "k -10 10 0"},
      {"x | y z", "y=sin(x)\nz=sin(x+d)", "y=sin(x) | z=sin(x+d)", "d -10 10 0"},  // solved form: no solver
      {"x | y", "y=x\ny=2*x", "y=x | y=2*x", ""},  // solved for y already
      {"x | y", "y=x\nx+y=2", "x=1 | y=1", ""},
      {"x | y", "y=2x", "error: Unknown expression.\r(Remember to type * for multiplication.)", ""},
  };
  for (const Solve_Case& c : cases) {
    Test_Model t(c.vars, c.constraints);
    EXPECT_EQ(solved(*t.m, false), c.solutions) << c.constraints;
    EXPECT_EQ(param_rows(*t.m), c.params) << c.constraints;
  }
}

TEST(ModelSolve, Flags) {
  Test_Model t("x | y z", "y=x\nz=2*x\ny+z=6");
  model_solve(*t.m, true);
  EXPECT_EQ(t.m->flags, UNSOLVED_EXTRA | CONSTRAINTS_READ | REFRESH_DUE);
  EXPECT_EQ(solutions_text(*t.m), "y=x | z=2*x | z+y=6");
  model_solve(*t.m, false);
  EXPECT_EQ(t.m->flags, CONSTRAINTS_READ | REFRESH_DUE);
  EXPECT_EQ(solutions_text(*t.m), "x=2 | y=2 | z=4");
  // An empty or read-only document is left alone.
  set_constraints(*t.m, "");
  EXPECT_EQ(model_solve(*t.m, false), SOLVE_SKIPPED);
  Math_Model* shown = model_new(false);
  EXPECT_EQ(model_solve(*shown, false), SOLVE_SKIPPED);
  model_release(shown);
}

TEST(ModelSolve, SolvedFormTest) {
  const std::pair<const char*, bool> cases[] = {
      {"y=a*x", false}, {"y=y*x+1", true}, {"a*x=3", false}, {"y=x\nz=x", false}, {"y=sin(x)\nz=sin(x+d)", false}, {"y=x\ny=2*x", false},
      {"y=x\nz=a", true}, {"y=x\nz=y", true}, {"y=sin(x)\nz=sin(x+d)\ns=sin(x)+sin(x+d)", false}, {"y=x\nz=x\ns=y", true},
  };
  for (auto [text, needs_q] : cases) {
    Test_Model t("x | y z s", text);
    Model_Read r = read_model(*t.m, READ_CONSTRAINTS);
    EXPECT_EQ(needs_solving_q(r.w.get(), *r.dict_p), needs_q) << text;
  }
}

}  // namespace
