// The functions the curve sampler is checked and measured on: each as the
// formula it draws (prefix notation over x) and the same function in C++ for
// the reference, with the places where it jumps, where no curve may join.
#pragma once
#include <cmath>
#include <vector>

struct Curve_Case {
  const char* name;
  const char* text;
  double (*native)(double x);
  std::vector<double> jumps;
  bool smooth_q;  // a smooth curve over the whole panel: the samplers are compared on these
};

inline const std::vector<Curve_Case>& curve_family() {
  const double P = M_PI;
  static const std::vector<Curve_Case> family = {
      {"line", "x", [](double x) { return x; }, {}, true},
      {"parabola", "(^ x 2)", [](double x) { return x * x; }, {}, true},
      {"cubic", "(+ (* 0.1 (^ x 3)) (* -2 x))", [](double x) { return 0.1 * x * x * x - 2 * x; }, {}, true},
      {"quartic", "(+ (* 0.01 (^ x 4)) (* -0.5 (^ x 2)))", [](double x) { return 0.01 * std::pow(x, 4) - 0.5 * x * x; },
       {}, true},
      {"quintic", "(+ (* 0.002 (^ x 5)) (+ (* -0.1 (^ x 3)) x))",
       [](double x) { return 0.002 * std::pow(x, 5) - 0.1 * x * x * x + x; }, {}, true},
      {"1/x", "(^ x -1)", [](double x) { return 1 / x; }, {0}, false},
      {"1/(x^2-4)", "(^ (+ (^ x 2) -4) -1)", [](double x) { return 1 / (x * x - 4); }, {-2, 2}, false},
      {"hole", "(* (+ (^ x 2) -1) (^ (+ x -1) -1))", [](double x) { return (x * x - 1) / (x - 1); }, {}, false},
      {"pole by hole", "(* (+ x -1) (^ (* (+ x -1) (+ x -1.5)) -1))",
       [](double x) { return (x - 1) / ((x - 1) * (x - 1.5)); }, {1.5}, false},
      {"rational", "(* (+ (^ x 3) -8) (^ (+ (^ x 2) 1) -1))", [](double x) { return (x * x * x - 8) / (x * x + 1); },
       {}, true},
      {"bump", "(* 8 (^ (+ 1 (^ x 2)) -1))", [](double x) { return 8 / (1 + x * x); }, {}, true},
      {"sin", "(* 5 (sin x))", [](double x) { return 5 * std::sin(x); }, {}, true},
      {"sin 3x", "(* 8 (sin (* 3 x)))", [](double x) { return 8 * std::sin(3 * x); }, {}, true},
      {"sin 10x", "(* 5 (sin (* 10 x)))", [](double x) { return 5 * std::sin(10 * x); }, {}, true},
      {"sinc", "(* 8 (* (sin x) (^ x -1)))", [](double x) { return 8 * std::sin(x) / x; }, {}, false},
      {"chirp", "(* 8 (cos (^ x 2)))", [](double x) { return 8 * std::cos(x * x); }, {}, true},
      {"tan", "(tan x)", [](double x) { return std::tan(x); }, {-2.5 * P, -1.5 * P, -0.5 * P, 0.5 * P, 1.5 * P, 2.5 * P},
       false},
      {"csc", "(^ (sin x) -1)", [](double x) { return 1 / std::sin(x); }, {-3 * P, -2 * P, -P, 0, P, 2 * P, 3 * P},
       false},
      {"sin(1/x)", "(sin (^ x -1))", [](double x) { return std::sin(1 / x); }, {0}, false},
      {"x sin(1/x)", "(* x (sin (^ x -1)))", [](double x) { return x * std::sin(1 / x); }, {}, false},
      {"exp", "(exp x)", [](double x) { return std::exp(x); }, {}, true},
      {"gauss", "(* 8 (exp (* -1 (^ x 2))))", [](double x) { return 8 * std::exp(-x * x); }, {}, true},
      {"exp(1/x)", "(exp (^ x -1))", [](double x) { return std::exp(1 / x); }, {0}, false},
      {"ln", "(ln x)", [](double x) { return x < 0 ? NAN : std::log(x); }, {}, false},
      {"3 ln|x|", "(* 3 (ln (abs x)))", [](double x) { return 3 * std::log(std::fabs(x)); }, {0}, false},
      {"x ln|x|", "(* x (ln (abs x)))", [](double x) { return x * std::log(std::fabs(x)); }, {}, false},
      {"sqrt", "(* 3 (sqrt x))", [](double x) { return 3 * std::sqrt(x); }, {}, false},
      {"semicircle", "(sqrt (+ 25 (* -1 (^ x 2))))", [](double x) { return std::sqrt(25 - x * x); }, {}, false},
      {"cube root", "(* 4 (^ x (^ 3 -1)))", [](double x) { return x < 0 ? NAN : 4 * std::cbrt(x); }, {}, false},
      {"acos", "(* 3 (acos (* 0.1 x)))", [](double x) { return 3 * std::acos(0.1 * x); }, {}, false},
      {"abs", "(abs x)", [](double x) { return std::fabs(x); }, {}, false},
      {"abs(x^2-4)", "(abs (+ (^ x 2) -4))", [](double x) { return std::fabs(x * x - 4); }, {}, false},
      {"|sin| + x/2", "(+ (* 4 (abs (sin x))) (* 0.5 x))", [](double x) { return 4 * std::fabs(std::sin(x)) + 0.5 * x; },
       {}, false},
      {"atan step", "(* 5 (atan (* 100 x)))", [](double x) { return 5 * std::atan(100 * x); }, {}, true},
      {"tanh step", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 (+ x -0.03))) 1) -1))))",
       [](double x) { return 20 * std::tanh(1000 * (x - 0.03)); }, {}, false},
      {"tanh at 0", "(* 20 (+ 1 (* -2 (^ (+ (exp (* 2000 x)) 1) -1))))",
       [](double x) { return 20 * std::tanh(1000 * x); }, {}, false},
      {"steep line", "(* 1000000 x)", [](double x) { return 1e6 * x; }, {}, true},
      {"undefined", "(sqrt (+ x -20))", [](double x) { return std::sqrt(x - 20); }, {}, false},
  };
  return family;
}
