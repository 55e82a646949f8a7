// Randomized suites run base iterations times VEZA_TEST_SCALE (default 1),
// so a longer hunt for faults needs no rebuild.
#pragma once
#include <cstdlib>

inline long test_iterations(long base) {
  const char* v = std::getenv("VEZA_TEST_SCALE");
  double scale = v && *v ? std::atof(v) : 1.0;
  long n = long(double(base) * scale);
  return n < 1 ? 1 : n;
}
