// Random formulas in prefix notation, a direct evaluator of that notation
// (independent of the constructors), and numeric evaluation of built formulas.
#pragma once
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "tests/formula/formula_test_util.h"

// Iterations scale with VEZA_TEST_SCALE (default 1).
inline int test_scale() {
  const char* v = std::getenv("VEZA_TEST_SCALE");
  return v && *v ? std::max(1, std::atoi(v)) : 1;
}

struct Point {
  double x, y, a;
};

struct Formula_Gen {
  std::mt19937 rng;
  explicit Formula_Gen(unsigned seed) : rng(seed) {}

  int pick(int n) { return int(rng() % unsigned(n)); }

  std::string leaf() {
    switch (pick(6)) {
      case 0: return std::to_string(pick(9) - 3);
      case 1: return std::to_string(pick(5) + 1) + ".5";
      case 2: return "_π";
      case 3: return "y";
      case 4: return "a";
      default: return "x";
    }
  }

  // Sums, differences, products, quotients, small integer powers and the
  // elementary functions.
  std::string gen(int depth) {
    if (depth == 0 || pick(4) == 0) return leaf();
    static const char* const BINARY[] = {"+", "+", "-", "*", "*", "/"};
    static const char* const UNARY[] = {"exp", "ln", "sin", "cos", "tan", "atan", "abs"};
    switch (pick(4)) {
      case 0:
      case 1: return std::string("(") + BINARY[pick(6)] + " " + gen(depth - 1) + " " + gen(depth - 1) + ")";
      case 2: return "(^ " + gen(depth - 1) + " " + std::to_string(pick(7) - 3) + ")";
      default: return std::string("(") + UNARY[pick(7)] + " " + gen(depth - 1) + ")";
    }
  }
};

// Evaluates prefix notation directly with doubles, as written. Divisions by
// (and poles at) values within 1e-9 of 0 give NaN: there rounding, such as
// sin(pi) = 1.2e-16 against the exact 0, decides the value.
constexpr double NEAR_ZERO = 1e-9;
inline double near_pole(double v, double r) { return std::fabs(v) < NEAR_ZERO ? NAN : r; }
// Circular functions of large arguments magnify the rounding of the argument,
// and their zeros at multiples of pi are exact only in the formulas.
inline double periodic(double u, double r) { return std::fabs(u) > 100 || std::fabs(r) < NEAR_ZERO ? NAN : r; }

struct Direct_Eval {
  const char* p;
  Point at;

  void skip() { while (*p == ' ') ++p; }
  std::string token() {
    skip();
    const char* s = p;
    while (*p && *p != ' ' && *p != ')' && *p != '(') ++p;
    return std::string(s, p);
  }
  double atom(const std::string& t) {
    if (t == "x") return at.x;
    if (t == "y") return at.y;
    if (t == "a") return at.a;
    if (t == "_π") return M_PI;
    return std::strtod(t.c_str(), nullptr);
  }
  double value() {
    skip();
    if (*p != '(') return atom(token());
    ++p;
    std::string op = token();
    double u = value();
    skip();
    if (*p == ')') {
      ++p;
      if (op == "exp") return std::exp(u);
      if (op == "ln") return near_pole(u, std::log(u));
      if (op == "sin") return periodic(u, std::sin(u));
      if (op == "cos") return periodic(u, std::cos(u));
      if (op == "tan") return periodic(u, near_pole(std::cos(u), std::tan(u)));
      if (op == "atan") return std::atan(u);
      return std::fabs(u);
    }
    double v = value();
    skip();
    ++p;
    if (op == "+") return u + v;
    if (op == "-") return u - v;
    if (op == "*") return u * v;
    if (op == "/") return near_pole(v, u / v);
    return v < 0 ? near_pole(u, std::pow(u, v)) : std::pow(u, v);
  }
};

inline double direct_value(const std::string& text, Point at) { return Direct_Eval{text.c_str(), at}.value(); }

namespace random_formulas_detail {
// cap 0 points at the Point the symbols x, y and a take their values from.
inline Hdl point_rule_apply(const Fn_Rec* f, Hdl s) {
  const Point& at = *reinterpret_cast<const Point*>(f->cap[0]);
  if (s == syms().x.get()) return real_new(at.x);
  if (s == syms().y.get()) return real_new(at.y);
  if (s == syms().a.get()) return real_new(at.a);
  return hdl_copy(s);
}
}  // namespace random_formulas_detail

// The formula's value at a point: symbols replaced by reals, then approximated.
// NaN when it does not fold to a real.
inline double formula_value(wff w, Point at) {
  Ref rule = Ref::adopt(fn_new(random_formulas_detail::point_rule_apply, 1, 0,
                               intptr_t(&at)));
  Ref s = Ref::adopt(substitute(w, rule.get()));
  Ref v = Ref::adopt(approximate(s.get()));
  return real_p(v.get()) ? real_value(v.get()) : NAN;
}

inline Point random_point(std::mt19937& rng) {
  std::uniform_real_distribution<double> d(0.3, 2.2);
  return {d(rng), d(rng), d(rng)};
}

inline bool close_q(double got, double want, double rel) {
  return std::fabs(got - want) <= rel * std::max(1.0, std::fabs(want));
}
