// Reading cells: a name is the text of the name cell's expression; a data
// value is its expression read as a decimal number.
#include <cmath>
#include <cstdlib>

#include "tables/math_tables.h"

Byte_Str cell_name(const Expr& e) { return expr_text(e); }

double cell_number(const Expr& e) {
  Byte_Str text = expr_text(e);
  const char* start = c_str(text);
  char* end_p = nullptr;
  double x = std::strtod(start, &end_p);
  return n_elts(text) > 0 && end_p == start + n_elts(text) ? x : NAN;
}
