// Reading cells: a name is the text of the name cell's expression; a data
// value is its expression read as a formula and, when that is a number,
// its value.
#include <cmath>

#include "formula/numbers.h"
#include "formula/read_expr.h"
#include "tables/math_tables.h"

Byte_Str cell_name(const Expr& e) { return expr_text(e); }

double cell_number(const Expr& e, const Resolver& r) {
  if (expr_empty_q(e)) return NAN;
  Read_Result read = read_expr(e, r);
  if (read.err_mp) return NAN;
  Ref x = Ref::adopt(approximate(read.w.get()));
  if (const double* d_p = real_p(x.get())) return *d_p;
  return integer_p(x.get()) ? double_of_integer(x.get()) : NAN;
}
