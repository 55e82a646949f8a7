// The value strip under the panels: for each dependent variable its values
// at the trace point, and for a variable with exactly one formula the RMS
// error of that formula against the data.
#pragma once
#include <vector>

#include "graphs/graph_set.h"

// The plus-minus sign U+00B1 in the internal coding.
constexpr char PLUS_MINUS_SIGN[] = "\xB1\x01";

// For w = a y + b, with y only a factor of terms of sums and products and a
// and b free of y: -b / a. Null when w is not of that form or a is 0.
Ref solved_linear(wff w, wff y);
// The a of w = a y + b as above; null when w is not of that form.
Ref linear_coefficient(wff w, wff y);

// The formulas of dependent variable k: its explicit ones, then its
// implicit ones solved where they are linear in it.
std::vector<Ref> strip_formulas(const Graph_Set& fws, int32_t k);

// The values at the trace point joined by ", ", then " ± ~ " and the RMS
// error when there is one formula and a data row to compare with.
Byte_Str strip_text(const Graph_Set& fws, int32_t k, const std::vector<double>& trace);
