// Random formulas in prefix notation, a direct evaluator of that notation
// (independent of the constructors), and numeric evaluation of built formulas.
#pragma once
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/formula/formula_test_util.h"
#include "tests/test_scale.h"

struct Point {
  double x, y, a;
};

// Random formulas in prefix notation: functions of one argument, operators of
// two, and leaves.
struct Grammar {
  std::vector<const char*> unary, binary, leaves;
  bool integer_powers_q = false;  // every "^" takes a small integer exponent
};

// At most depth levels; a "^" takes a small integer exponent at least half the time.
inline std::string random_formula(std::mt19937_64& rng, const Grammar& g, int depth) {
  auto pick = [&](const std::vector<const char*>& v) { return std::string(v[rng() % v.size()]); };
  int choice = depth <= 0 ? 0 : int(rng() % 5);
  if (choice == 0) return pick(g.leaves);
  std::string a = random_formula(rng, g, depth - 1);
  if (choice <= 2) return "(" + pick(g.unary) + " " + a + ")";
  std::string op = pick(g.binary);
  if (op == "^" && (g.integer_powers_q || rng() % 2)) return "(^ " + a + " " + std::to_string(int(rng() % 9) - 4) + ")";
  return "(" + op + " " + a + " " + random_formula(rng, g, depth - 1) + ")";
}

// What the direct evaluator below knows.
inline const Grammar DIRECT = {
    {"exp", "ln", "sin", "cos", "tan", "atan", "abs"},
    {"+", "+", "-", "*", "*", "/", "^"},
    {"-3", "-1", "0", "1", "2", "5", "1.5", "3.5", "_π", "y", "a", "x", "x"},
    true,
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

inline Point random_point(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> d(0.3, 2.2);
  return {d(rng), d(rng), d(rng)};
}

inline bool close_q(double got, double want, double rel) {
  return std::fabs(got - want) <= rel * std::max(1.0, std::fabs(want));
}
