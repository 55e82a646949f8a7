// Every reading error: its exact message and the exact place it selects.
#include "tests/reading/reading_test_util.h"

namespace {

const char M[] = "Missing expression";
const char U[] = "Unknown expression";
const char T[] = "Unknown expression.\r(Remember to type * for multiplication.)";
const char W[] = "Wrong number of arguments to function";

struct Err_Case {
  const char* keys;
  const char* message;
  const char* path;  // element indexes down to the culprit, then its range
};

void expect_error(const Expr& e, const Err_Case& c) {
  Read_Result r = read_expr(e, test_resolver());
  ASSERT_TRUE(r.err_mp) << c.keys << " read as " << prefix_of(r);
  EXPECT_EQ(bytes_of(r.err_mp->message), c.message) << c.keys;
  EXPECT_EQ(path_of(r.err_mp->sel), c.path) << c.keys;
  EXPECT_TRUE(expr_sel_valid_q(e, r.err_mp->sel)) << c.keys;
  EXPECT_TRUE(zero_q(r.w.get())) << c.keys;
}

TEST(ReadErrors, MessageAndPlace) {
  const Err_Case cases[] = {
      {"", M, ":0-0"},
      {"2x", T, ":0-2"},
      {"q", U, ":0-1"},
      {"πq", T, ":0-3"},  // π is one character of two bytes
      {"1.2.3", T, ":0-5"},
      {"5e", T, ":0-2"},
      {"x+", U, ":1-3"},
      {"*x", U, ":1-3"},
      {"x+qq", T, "2.:0-2"},
      {"qq+x", T, "0.:0-2"},
      {"qq+ww", T, "0.:0-2"},  // the left side is met first
      {"x^2+3x", T, "2.:0-2"},
      {"(x+1)*(y+qq)", T, "2.2.2.:0-2"},
      {"()", M, "2.:0-0"},
      {"sin()", M, "2.:0-0"},
      {"sin(x,y)", W, ":1-5"},
      {"ln(x,y,z)", W, ":1-5"},
      {"x(y)", T, ":1-5"},
      {"sin(x)y", T, ":1-5"},
      {"sin(x,)", M, "2.2.:0-0"},
      {"sin(qq)", T, "2.:0-2"},
      {"qq(x)", T, "0.:0-2"},
      {"sin[x]", U, ":1-2"},
      {"⌈x⌉", U, ":1-2"},
      {"(x]", U, ":3-4"},
      {"|x)", U, ":3-4"},
      {"x≠", U, ":1-3"},
      {"¬", U, ":1-3"},
      {"x¬", U, ":1-3"},
      {"x!", U, ":1-2"},
      {"x=y`N2x", T, "2.:0-2"},
      {"log`V2`K(x,y)", W, "2.:1-5"},
      {"log`Vqq`K(x)", T, "2.0.:0-2"},
      {"x-y-qq", T, "2.:0-2"},
      {"sin(x)^qq", T, "2.:0-2"},
  };
  for (const Err_Case& c : cases) expect_error(typed(c.keys), c);
}

// Constraint blocks report where the line is in the block.
TEST(ReadErrors, InConstraintBlocks) {
  std::vector<Ref> ineqs;
  Expr e = typed("y=x`Nx<qq`N2x");
  Read_Result r = read_constraints(e, test_resolver(), ineqs);
  ASSERT_TRUE(r.err_mp);
  EXPECT_EQ(path_of(r.err_mp->sel), "0.2.2.:0-2");
  EXPECT_TRUE(expr_sel_valid_q(e, r.err_mp->sel));
}

}  // namespace
