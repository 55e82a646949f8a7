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
  const char* unknown = "Unknown expression.\r(Remember to type * for multiplication.) at 1";
  const std::pair<const char*, const char*> cases[] = {
      {"y=e^x", ""}, {"y=sin(x)+π", ""}, {"y=_x", unknown}, {"y=x_1", "x_1 -10 10 0"}, {"y=2x", unknown}, {"y=k*x+e", "k -10 10 0"},
  };
  for (auto [text, rows] : cases) {
    Test_Model t;
    set_constraints(*t.m, text);
    std::string err = model_err_of([&] { read_model(*t.m, READ_CONSTRAINTS); });
    EXPECT_EQ(err.empty() ? param_rows(*t.m) : err, rows) << text;
  }
}

TEST(ModelRead, MistakesAndTheirPlaces) {
  struct Case {
    const char *vars, *low, *high;
    const char* param;  // a parameter of y=a*x renamed so
    const char* said;
  };
  const Case cases[] = {
      {"x | x", "-10", "10", nullptr, "Duplicate variable name at 0.1.0.0"},
      {"x x | y", "-10", "10", nullptr, "Duplicate variable name at 0.0.1.0"},
      {"x | y", "5", "5", nullptr, "High must be greater than Low at 0.0.0.2"},
      {"x | y", "1", "abc", nullptr, "Illegal decimal number:   at 0.0.0.2"},
      {"x | y", "1x", "5", nullptr, "Illegal decimal number:  1x at 0.0.0.1"},
      {"x | y", "#", "5", nullptr, "High must be greater than Low at 0.0.0.2"},
      {"_ x | y", "5", "5", nullptr, "High must be greater than Low at 0.0.1.2"},
      {"x | y", "-10", "10", "x", "Duplicate variable name at 2.0.1"},
  };
  for (const Case& c : cases) {
    Test_Model t;
    set_vars(*t.m, c.vars, c.low, c.high);
    if (c.param) {
      set_constraints(*t.m, "y=a*x");
      read_model(*t.m, READ_CONSTRAINTS);
      t.m->params[0].name = expr_typed(c.param);
    }
    auto read = [&] { read_ranges(*t.m, INDEP_VARS, read_model(*t.m, READ_SOLUTIONS).dict_p->vs[INDEP_VS]); };
    EXPECT_EQ(model_err_of(read), c.said) << c.vars;
  }
}

TEST(ModelRead, SymbolOrderParametersFirst) {
  Test_Model t("x t | y z", "y=b*x+a\nz=t");
  Model_Read r = read_model(*t.m, READ_CONSTRAINTS);
  std::string order;
  for (int32_t l : {PARAM_VS, INDEP_VS, DEP_VS})
    for (const Ref& s : r.dict_p->vs[l]) order += symbol_name(s.get()) + std::to_string(int_to_int(prop_get(s.get(), VAR_INDEX))) + " ";
  EXPECT_EQ(order, "b0 a1 x2 t3 y4 z5 ");
}

}  // namespace
