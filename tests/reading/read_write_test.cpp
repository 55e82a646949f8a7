// Textbook expressions typed as a student types them: what each reads as, what
// it is written back as, and that the written form reads as the same formula.
#include "tests/reading/reading_test_util.h"

namespace {

struct Round_Case {
  const char* keys;    // see typed()
  const char* prefix;  // the formula read
  const char* shown;   // the text of the expression written back
};

// Reading the written expression gives the formula again.
void expect_round_trip(const Round_Case& c) {
  Expr e = typed(c.keys);
  Read_Result r = read_expr(e, test_resolver());
  ASSERT_EQ(prefix_of(r), c.prefix) << c.keys;
  Expr back = write_expr(r.w.get(), test_resolver(), 1e-6);
  EXPECT_EQ(utf8_of(expr_text(back)), c.shown) << c.keys;
  Read_Result again = read_expr(back, test_resolver());
  ASSERT_FALSE(again.err_mp) << c.keys;
  EXPECT_TRUE(equal_q(again.w.get(), r.w.get())) << c.keys << " came back as " << prefix_of(again);
}

TEST(ReadWrite, TextbookCorpus) {
  const Round_Case cases[] = {
      {"x^2+3*x+2", "(+ (^ x 2) (+ (* x 3) 2))", "x^2+3*x+2"},
      {"(x+1)*(x-1)", "(* (+ x 1) (+ x -1))", "(x-1)*(x+1)"},
      {"(x-2)^2", "(^ (+ x -2) 2)", "(x-2)^2"},
      {"y=a*x^2+b*x+c", "(= y (+ (* (^ x 2) a) (+ (* x b) c)))", "y=a*x^2+b*x+c"},
      {"-x^2+4", "(+ (* (^ x 2) -1) 4)", "-x^2+4"},
      {"x*y+y*z", "(+ (* z y) (* y x))", "y*z+x*y"},
      {"(x+y)^3", "(^ (+ y x) 3)", "(y+x)^3"},
      {"x^2*y^3", "(* (^ y 3) (^ x 2))", "x^2*y^3"},
      {"x^2-y^2", "(+ (* (^ y 2) -1) (^ x 2))", "-y^2+x^2"},
      {"(a+b)*(a-b)", "(* (+ (* b -1) a) (+ b a))", "(b+a)*(-b+a)"},
      {"t^2/2", "(* (^ t 2) (^ 2 -1))", "t^2/2"},
      {"1-x+x^2/2-x^3/6", "(+ (* (^ x 3) (* (^ 6 -1) -1)) (+ (* (^ x 2) (^ 2 -1)) (+ (* x -1) 1)))", "-x^3/6+x^2/2-x+1"},
      {"2^10", "1024", "1024"},
      {"12345678901234567890*x", "(* x 12345678901234567890)", "12345678901234567890*x"},
      {"1/x", "(^ x -1)", "1/x"},
      {"(x+1)/(x-1)", "(* (+ x 1) (^ (+ x -1) -1))", "(x+1)/(x-1)"},
      {"x/(x^2+1)", "(* (^ (+ (^ x 2) 1) -1) x)", "x/(x^2+1)"},
      {"1/(x*y)", "(* (^ y -1) (^ x -1))", "1/(x*y)"},
      {"a/b+c/n", "(+ (* (^ n -1) c) (* (^ b -1) a))", "c/n+a/b"},
      {"3/4", "(* (^ 4 -1) 3)", "3/4"},
      {"x/2", "(* x (^ 2 -1))", "x/2"},
      {"x^(-1)", "(^ x -1)", "1/x"},
      {"a/b/c", "(* (^ c -1) (* (^ b -1) a))", "a/(b*c)"},
      {"2/(3*x)", "(* (^ x -1) (* (^ 3 -1) 2))", "2/(3*x)"},
      {"~x", "(^ x (^ 2 -1))", "√x"},
      {"~(x+1)", "(^ (+ x 1) (^ 2 -1))", "√(x+1)"},
      {"3~x", "(^ x (^ 3 -1))", "x^(1/3)"},
      {"n~x", "(^ x (^ n -1))", "x^(1/n)"},
      {"~4", "(^ 4 (^ 2 -1))", "√4"},
      {"~4.0", "2.0", "2.000000"},
      {"x^(1/2)", "(^ x (^ 2 -1))", "√x"},
      {"1/~x", "(^ x (* (^ 2 -1) -1))", "x^(-1/2)"},
      {"sin(x)", "(sin x)", "sin(x)"},
      {"sin(x)^2+cos(x)^2", "(+ (^ (sin x) 2) (^ (cos x) 2))", "sin(x)^2+cos(x)^2"},
      {"sec(x)", "(^ (cos x) -1)", "1/cos(x)"},
      {"cot(x)", "(* (^ (sin x) -1) (cos x))", "cos(x)/sin(x)"},
      {"cos(x+π)", "(* (cos x) -1)", "-cos(x)"},
      {"acos(0)", "(* _π (^ 2 -1))", "π/2"},
      {"atan(1)", "(* _π (^ 4 -1))", "π/4"},
      {"sin(x)*cos(x)", "(* (sin x) (cos x))", "cos(x)*sin(x)"},
      {"y=a*sin(b*x+c)", "(= y (* (sin (+ (* x b) c)) a))", "y=a*sin(b*x+c)"},
      {"log`V2`K(x)", "(log 2 x)", "log↓2(x)"},
      {"log10(x)", "(log 10 x)", "log↓10(x)"},
      {"e^x", "(exp x)", "e^x"},
      {"exp(x)", "(exp x)", "e^x"},
      {"e^(ln(x))", "x", "x"},
      {"e^(-1)*x+e", "(+ (* x (exp -1)) (exp 1))", "e^(-1)*x+e"},
      {"a*e^(-b*t)", "(* (exp (* t (* b -1))) a)", "a*e^(-b*t)"},
      {"ln(x*y)", "(ln (* y x))", "ln(x*y)"},
      {"2^x", "(^ 2 x)", "2^x"},
      {"log`Va`K(x)", "(log a x)", "log↓a(x)"},
      {"ln(-1)", "(* _i _π)", "π*i"},
      {"|x|", "(abs x)", "|x|"},
      {"|x|+|y|", "(+ (abs y) (abs x))", "|y|+|x|"},
      {"x<3", "(< x 3)", "x<3"},
      {"x≤y", "(≤ x y)", "y≥x"},
      {"x>0", "(< 0 x)", "x>0"},
      {"x≥y", "(≤ y x)", "y≤x"},
      {"x≠0", "(¬ (= x 0))", "x≠0"},
      {"y=x", "(= y x)", "y=x"},
      {"y=(x<1)", "(= y (< x 1))", "y=(x<1)"},
      {"x=x", "true", "true"},
      {"1e5", "1e+05", "100000.000000"},
      {".5", "0.5", "0.500000"},
      {"3.25", "3.25", "3.250000"},
      {"12345678901234567890", "12345678901234567890", "12345678901234567890"},
      {"-7", "-7", "-7"},
      {"2.5*x", "(* x 2.5)", "2.500000*x"},
      {"π", "_π", "π"},
      {"i^2", "-1", "-1"},
      {"x`Vn`K+1", "(+ (_fix12 x n) 1)", "x↓n+1"},
      {"v`V0`K+1", "(+ v↓0 1)", "v↓0+1"},
      {"-(x+y)", "(* (+ y x) -1)", "-(y+x)"},
      {"x-(y-z)", "(+ (* (+ (* z -1) y) -1) x)", "-(-z+y)+x"},
      {"(x+y)*z", "(* z (+ y x))", "(y+x)*z"},
      {"x⋅y", "(* y x)", "x*y"},
      {"¬(x=y)", "(¬ (= y x))", "y≠x"},
      {"1/(1+e^(-x))", "(^ (+ (exp (* x -1)) 1) -1)", "1/(e^(-x)+1)"},
      {"x+x", "(* x 2)", "2*x"},
      {"x*x", "(^ x 2)", "x^2"},
      {"2*2^(-1)", "1", "1"},
      {"c*(x-a)^2+b", "(+ (* (^ (+ x (* a -1)) 2) c) b)", "c*(x-a)^2+b"},
      {"y=e^(-x^2/2)", "(= y (exp (* (^ x 2) (* (^ 2 -1) -1))))", "y=e^(-x^2/2)"},
  };
  for (const Round_Case& c : cases) expect_round_trip(c);
}

struct Block_Case {
  const char* keys;
  const char* prefix;  // the conjunction of the lines
  const char* ineqs;   // the inequalities collected, one after another
};

TEST(ReadWrite, ConstraintBlocks) {
  const Block_Case cases[] = {
      {"y=2*x`Nx<3", "(= y (* x 2))", "(< x 3)"},
      {"x+y=1`Nx-y=3", "(\r (= (+ (* y -1) x) 3) (= (+ y x) 1))", ""},
      {"a=1`Nb=2`Nc=3", "(\r (= c 3) (\r (= b 2) (= a 1)))", ""},
      {"y=x^2`N`Nx>0`Nx≤5", "(= y (^ x 2))", "(< 0 x)(≤ x 5)"},
      {"x≥1`Ny<x", "true", "(≤ 1 x)(< y x)"},
      {"`N", "true", ""},
      {"x=x`Ny=1", "(= y 1)", ""},
  };
  for (const Block_Case& c : cases) {
    std::vector<Ref> ineqs;
    Read_Result r = read_constraints(typed(c.keys), test_resolver(), ineqs);
    EXPECT_EQ(prefix_of(r), c.prefix) << c.keys;
    std::string got;
    for (const Ref& w : ineqs) got += prefix_text(w.get());
    EXPECT_EQ(got, c.ineqs) << c.keys;
  }
}

// Approximate reals at a display precision; exponents as powers of ten.
TEST(ReadWrite, Numbers) {
  const struct {
    const char* prefix;
    double tol;
    const char* shown;
  } cases[] = {
      {"1.5e20", 1e19, "1.5⋅10^20"}, {"1.5e-20", 1e-21, "1.5⋅10^(-20)"}, {"-2.25", 0.01, "-2.25"},
      {"(* x -2.5)", 0.1, "-2.5*x"},  {"nan", 0.1, "#"},               {"0.0", 1e-6, "0.0"}, {"2e20", 1e19, "2⋅10^20"},
  };
  for (const auto& c : cases) {
    Ref w = Ref::adopt(prefix_read(c.prefix, test_sym_list()));
    EXPECT_EQ(utf8_of(expr_text(write_expr(w.get(), test_resolver(), c.tol))), c.shown) << c.prefix;
  }
}

}  // namespace
