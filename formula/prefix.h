// Formulas in prefix notation, head first: (* x 3). For tests and debugging.
#pragma once
#include <string>

#include "formula/tree.h"

// Names are written in UTF-8; integers in decimal; approximate reals in the
// shortest text that reads back to the same double, with ".0" when it would
// otherwise look like an integer ("2.0", "0.5", "1e+20", "nan", "inf").
std::string prefix_text(wff w);

// Reads prefix notation and builds through the simplifying constructors. An
// atom with a digit after an optional "-" is a number (approximate when it has
// ".", "e" or "E"); "nan" and "inf" are approximate reals; any other atom is a
// built-in symbol by its UTF-8 name, else a symbol of syms (a list) by name.
// A carriage return is an atom of its own (the conjunction). Unknown names and
// malformed text are assertion stops.
wff prefix_read(const char* text, Hdl syms);
