// Random formulas built through the constructors read back, once written, as
// the same formula.
#include <random>
#include <regex>

#include "tests/reading/reading_test_util.h"

namespace {

const char* const UNARY[] = {"sin", "cos", "tan", "ln", "exp", "abs", "asin", "atan", "sqrt", "-"};
const char* const BINARY[] = {"+", "*", "^", "-", "/", "log", "+", "*"};
const char* const LEAVES[] = {"x", "y", "z", "a", "b", "n", "t", "0", "1", "2", "3", "-1", "-4", "_π",
                              "12345678901234567890"};
const char* const RELATIONS[] = {"=", "<", "≤", ">", "≥", "≠"};

template <size_t N>
std::string pick(std::mt19937& rng, const char* const (&from)[N]) { return from[rng() % N]; }

// Powers of integers are left out: the constructors do not bring every way of
// building them to one form (4*√3 and √3*4 differ), which is not for reading to mend.
std::string random_term(std::mt19937& rng, int depth, bool symbol_q = false) {
  int choice = depth <= 0 ? 0 : int(rng() % 5);
  if (choice == 0) return symbol_q ? LEAVES[rng() % 8] : pick(rng, LEAVES);
  if (choice <= 2) {
    std::string f = pick(rng, UNARY);
    if (f == "-") return "(* " + random_term(rng, depth - 1) + " -1)";
    return "(" + f + " " + random_term(rng, depth - 1, f == "sqrt") + ")";
  }
  std::string op = pick(rng, BINARY);
  bool power_q = op == "^" || op == "/";
  std::string a = random_term(rng, depth - 1, power_q);
  return "(" + op + " " + a + " " + random_term(rng, depth - 1, op == "/") + ")";
}

const std::regex POWER_OF_NUMBER(R"(\(\^ (-?[0-9]|\(exp 1\)))");

TEST(ReadWrite, RandomFormulasComeBack) {
  std::mt19937 rng(15);
  int n_tried = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text = random_term(rng, 4);
    if (i % 4 == 0) text = "(" + pick(rng, RELATIONS) + " " + text + " " + random_term(rng, 2) + ")";
    Ref w = Ref::adopt(prefix_read(text.c_str(), test_sym_list()));
    // A power of the constant e reads as the exponential, by design; powers
    // of integers that division leaves are not in one form either.
    if (std::regex_search(prefix_text(w.get()), POWER_OF_NUMBER)) continue;
    ++n_tried;
    Expr e = write_expr(w.get(), test_resolver(), 1e-6);
    Read_Result r = read_expr(e, test_resolver());
    std::string shown = utf8_of(expr_text(e));
    ASSERT_FALSE(r.err_mp) << prefix_text(w.get()) << " shown as " << shown << ": " << utf8_of(r.err_mp->message);
    ASSERT_TRUE(equal_q(r.w.get(), w.get())) << prefix_text(w.get()) << " shown as " << shown << " read as "
                                             << prefix_text(r.w.get());
  }
  EXPECT_GT(n_tried, 2000);
}

}  // namespace
