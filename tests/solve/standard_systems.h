// Systems of the size real problems have, as prefix text with their variables
// in elimination order (parameters first): the Katsura systems and three
// mechanisms with four parameters. Shared by the Solve tests, which check them
// at known solutions, and the Solve benchmark.
#pragma once
#include <cstdlib>
#include <string>
#include <vector>

struct Standard_System {
  std::string name, equations;
  std::vector<std::string> vars;
};

namespace standard_systems {

inline std::string op(const char* head, const std::string& a, const std::string& b) {
  return std::string("(") + head + " " + a + " " + b + ")";
}
inline std::string sum(const std::vector<std::string>& terms) {
  std::string s = terms.back();
  for (size_t i = terms.size() - 1; i-- > 0;) s = op("+", terms[i], s);
  return s;
}
inline std::string square(const std::string& a) { return op("^", a, "2"); }
// (p - q)^2 + (r - s)^2 = len^2: two points len apart.
inline std::string distance_eq(const std::string& p, const std::string& q, const std::string& r, const std::string& s,
                               const std::string& len) {
  return op("=", op("+", square(op("-", p, q)), square(op("-", r, s))), square(len));
}
inline std::string conjunction(const std::vector<std::string>& eqs) {
  std::string s = eqs[0];
  for (size_t i = 1; i < eqs.size(); ++i) s = op("\r", s, eqs[i]);
  return s;
}

}  // namespace standard_systems

// Katsura-n in the unknowns u_0..u_n named x1..x(n+1): u_0 + 2 sum u_l = 1
// and, for m < n, the sum over l = -n..n of u_|l| u_|m-l| equals u_m. Its
// 2^n solutions include (1, 0, ..., 0) and (1/3, 0, ..., 0, 1/3).
inline Standard_System katsura(int n) {
  using namespace standard_systems;
  auto u = [](int i) { return "x" + std::to_string(i + 1); };
  Standard_System s{"katsura-" + std::to_string(n), "", {}};
  std::vector<std::string> eqs, linear{u(0)};
  for (int l = 1; l <= n; ++l) linear.push_back(op("*", "2", u(l)));
  eqs.push_back(op("=", sum(linear), "1"));
  for (int m = 0; m < n; ++m) {
    std::vector<std::string> terms;
    for (int l = -n; l <= n; ++l)
      if (std::abs(m - l) <= n) terms.push_back(op("*", u(std::abs(l)), u(std::abs(m - l))));
    eqs.push_back(op("=", sum(terms), u(m)));
  }
  for (int i = 0; i <= n; ++i) s.vars.push_back(u(i));
  s.equations = conjunction(eqs);
  return s;
}

// Crank O-A of length a, coupler A-B of length b, rocker B-D of length c,
// ground O-D of length d on the x axis; A = (x1, x2), B = (x3, x4).
inline std::vector<std::string> four_bar_equations() {
  using namespace standard_systems;
  return {distance_eq("x1", "0", "x2", "0", "a"), distance_eq("x3", "x1", "x4", "x2", "b"),
          distance_eq("x3", "d", "x4", "0", "c")};
}

inline Standard_System four_bar() {
  return {"four-bar", standard_systems::conjunction(four_bar_equations()), {"a", "b", "c", "d", "x1", "x2", "x3", "x4"}};
}

// The point (x, y) halfway along the coupler of the four-bar: the lowest
// member is the coupler curve.
inline Standard_System coupler_point() {
  using namespace standard_systems;
  std::vector<std::string> eqs = four_bar_equations();
  eqs.push_back(op("=", op("*", "2", "x"), op("+", "x1", "x3")));
  eqs.push_back(op("=", op("*", "2", "y"), op("+", "x2", "x4")));
  return {"coupler-point", conjunction(eqs), {"a", "b", "c", "d", "x", "y", "x1", "x2", "x3", "x4"}};
}

// Links of lengths a and b at angles with cosines and sines (x1, x2) and,
// relative to the first, (x3, x4), reaching the point (c, d).
inline Standard_System two_link_arm() {
  using namespace standard_systems;
  std::string c12 = op("-", op("*", "x1", "x3"), op("*", "x2", "x4"));
  std::string s12 = op("+", op("*", "x2", "x3"), op("*", "x1", "x4"));
  std::vector<std::string> eqs = {op("=", op("+", square("x1"), square("x2")), "1"),
                                  op("=", op("+", square("x3"), square("x4")), "1"),
                                  op("=", op("+", op("*", "a", "x1"), op("*", "b", c12)), "c"),
                                  op("=", op("+", op("*", "a", "x2"), op("*", "b", s12)), "d")};
  return {"two-link-arm", conjunction(eqs), {"a", "b", "c", "d", "x1", "x2", "x3", "x4"}};
}
