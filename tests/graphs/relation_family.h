// The relations the relation sampler is checked and measured on, each as
// the formula f (prefix notation over x and y; f > 0 is the region) and as
// f in C++, over the panel [-3, 3] × [-3, 3].
#pragma once
#include <cmath>
#include <vector>

struct Relation_Case {
  const char* name;
  const char* text;
  double (*native)(double x, double y);
};

inline const std::vector<Relation_Case>& relation_family() {
  static const std::vector<Relation_Case> family = {
      {"circle", "(+ (+ (^ x 2) (^ y 2)) -4)", [](double x, double y) { return x * x + y * y - 4; }},
      {"small circle", "(+ (+ (^ x 2) (^ y 2)) -0.01)", [](double x, double y) { return x * x + y * y - 0.01; }},
      {"ellipse", "(+ (+ (* 0.25 (^ x 2)) (^ y 2)) -1)", [](double x, double y) { return 0.25 * x * x + y * y - 1; }},
      {"tilted ellipse", "(+ (+ (^ x 2) (+ (* x y) (^ y 2))) -3)",
       [](double x, double y) { return x * x + x * y + y * y - 3; }},
      {"elliptic y2=x3-x", "(+ (^ y 2) (+ (* -1 (^ x 3)) x))", [](double x, double y) { return y * y - x * x * x + x; }},
      {"elliptic y2=x3-2x+2", "(+ (^ y 2) (+ (* -1 (^ x 3)) (+ (* 2 x) -2)))",
       [](double x, double y) { return y * y - x * x * x + 2 * x - 2; }},
      {"lemniscate", "(+ (^ (+ (^ x 2) (^ y 2)) 2) (* -4 (+ (^ x 2) (* -1 (^ y 2)))))",
       [](double x, double y) { return std::pow(x * x + y * y, 2) - 4 * (x * x - y * y); }},
      {"xy > 1", "(+ (* x y) -1)", [](double x, double y) { return x * y - 1; }},
      {"|x|+|y| <= 1", "(+ 1 (* -1 (+ (abs x) (abs y))))", [](double x, double y) { return 1 - std::fabs(x) - std::fabs(y); }},
      {"cusp", "(+ (^ y 2) (* -1 (^ x 3)))", [](double x, double y) { return y * y - x * x * x; }},
      {"node", "(+ (^ y 2) (* -1 (* (^ x 2) (+ x 1))))", [](double x, double y) { return y * y - x * x * (x + 1); }},
      {"isolated point", "(+ (^ y 2) (* -1 (* (^ x 2) (+ x -1))))", [](double x, double y) { return y * y - x * x * (x - 1); }},
      {"folium", "(+ (+ (^ x 3) (^ y 3)) (* -3 (* x y)))", [](double x, double y) { return x * x * x + y * y * y - 3 * x * y; }},
      {"hyperbola", "(+ (+ (^ x 2) (* -1 (^ y 2))) -1)", [](double x, double y) { return x * x - y * y - 1; }},
      {"sine graph", "(+ (sin (* 2 x)) (* -1 y))", [](double x, double y) { return std::sin(2 * x) - y; }},
      {"parabola", "(+ y (* -1 (^ x 2)))", [](double x, double y) { return y - x * x; }},
      {"blobs", "(+ (* (cos (* 3 x)) (cos (* 3 y))) -0.2)",
       [](double x, double y) { return std::cos(3 * x) * std::cos(3 * y) - 0.2; }},
      {"superellipse", "(+ (+ (^ x 4) (^ y 4)) -4)", [](double x, double y) { return std::pow(x, 4) + std::pow(y, 4) - 4; }},
      {"rings", "(sin (* 2 (+ (^ x 2) (^ y 2))))", [](double x, double y) { return std::sin(2 * (x * x + y * y)); }},
      // Runs within a pixel of a cell's edge near (2.1, 1.5).
      {"edge hugger", "(+ (atan (+ (exp x) (* 3 x))) (* -1 y))",
       [](double x, double y) { return std::atan(std::exp(x) + 3 * x) - y; }},
      // Bounded at the edge of its domain: no region beyond it.
      {"y < sqrt x", "(+ (^ x 0.5) (* -1 y))", [](double x, double y) { return std::sqrt(x) - y; }},
  };
  return family;
}
