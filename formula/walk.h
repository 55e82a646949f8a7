// Walks over whole formulas: substitution and the search for symbols.
#pragma once
#include "formula/tree.h"

// w with every symbol s replaced by rule(s) (a Fun1 giving a new formula),
// rebuilt through the constructors so that numbers put in fold.
wff substitute(wff w, Fun1 symbol_rule);

// The greatest symbol of w (head included) in the formula order that lies
// below bound, or the greatest of all when bound is NO_HDL; NO_HDL when there
// is none. Borrowed from w. Used to take variables one by one in decreasing
// order.
wff greatest_symbol_below(wff w, wff bound);
