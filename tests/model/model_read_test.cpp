// Reading models: parameter rows kept in step with the Constraints, the
// names that never become parameters, duplicates, ranges and the symbol order.
#include "tests/model/model_test_util.h"

namespace {

TEST(ModelRead, ParameterRowsFollowTheConstraints) {
  Test_Model t;
  set_constraints(*t.m, "y=a*x^2+b*x+c");
  read_model(*t.m, READ_CONSTRAINTS);
  EXPECT_EQ(param_rows(*t.m), "a -10 10 0; b -10 10 0; c -10 10 0");
  t.m->params[1].value = Byte_Str("2.5");
  set_constraints(*t.m, "y=m*x+b");
  Model_Read r = read_model(*t.m, READ_CONSTRAINTS);
  EXPECT_EQ(param_rows(*t.m), "b -10 10 2.5; m -10 10 0");
  EXPECT_EQ(eval_number(param_vs(*r.dict_p)[0].get()), 2.5);
  EXPECT_EQ(param_vs(*r.dict_p).size(), r.dict_p->used_qs.size());
}

TEST(ModelRead, NamesThatNeverBecomeParameters) {
  const std::pair<const char*, const char*> cases[] = {
      {"y=e^x", ""}, {"y=sin(x)+π", ""}, {"y=_x", "error"}, {"y=x_1", "x_1 -10 10 0"}, {"y=2x", "error"}, {"y=k*x+e", "k -10 10 0"},
  };
  for (auto [text, rows] : cases) {
    Test_Model t;
    set_constraints(*t.m, text);
    std::string got;
    try {
      read_model(*t.m, READ_CONSTRAINTS);
      got = param_rows(*t.m);
    } catch (const Model_Err& e) {
      got = "error";
      EXPECT_EQ(err_path(e), "1") << text;
    }
    EXPECT_EQ(got, rows) << text;
  }
}

TEST(ModelRead, MistakesAndTheirPlaces) {
  struct Case {
    const char* vars;
    const char* low;
    const char* high;
    const char* message;
    const char* path;
  };
  const Case cases[] = {
      {"x | x", "-10", "10", "Duplicate variable name", "0.1.0.0"},
      {"x x | y", "-10", "10", "Duplicate variable name", "0.0.1.0"},
      {"x | y", "5", "5", "High must be greater than Low", "0.0.0.2"},
      {"x | y", "1", "abc", "High must be greater than Low", "0.0.0.2"},
      {"_ x | y", "5", "5", "High must be greater than Low", "0.0.1.2"},
  };
  for (const Case& c : cases) {
    Test_Model t;
    set_vars(*t.m, c.vars, c.low, c.high);
    try {
      Model_Read rd = read_model(*t.m, READ_SOLUTIONS);
      read_ranges(*t.m, INDEP_VARS, rd.dict_p->vs[INDEP_VS]);
      ADD_FAILURE() << c.vars << " read";
    } catch (const Model_Err& e) {
      EXPECT_EQ(std::string(e.message()), c.message) << c.vars;
      EXPECT_EQ(err_path(e), c.path) << c.vars;
    }
  }
}

TEST(ModelRead, ParameterNamedLikeAVariable) {
  Test_Model t;
  set_constraints(*t.m, "y=a*x");
  read_model(*t.m, READ_CONSTRAINTS);
  t.m->params[0].name = expr_typed("x");
  try {
    read_model(*t.m, READ_SOLUTIONS);
    ADD_FAILURE();
  } catch (const Model_Err& e) {
    EXPECT_EQ(std::string(e.message()), "Duplicate variable name");
    EXPECT_EQ(err_path(e), "2.0.1");
  }
}

TEST(ModelRead, SymbolOrderParametersFirst) {
  Test_Model t;
  set_vars(*t.m, "x t | y z");
  set_constraints(*t.m, "y=b*x+a\nz=t");
  Model_Read r = read_model(*t.m, READ_CONSTRAINTS);
  std::string order;
  for (int32_t l : {PARAM_VS, INDEP_VS, DEP_VS})
    for (const Ref& s : r.dict_p->vs[l]) order += symbol_name(s.get()) + std::to_string(int_to_int(prop_get(s.get(), VAR_INDEX))) + " ";
  EXPECT_EQ(order, "b0 a1 x2 t3 y4 z5 ");
}

}  // namespace
