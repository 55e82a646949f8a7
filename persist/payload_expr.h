// A structured expression as stored: its case number, then the case's
// payload. A string is its text; an infix node its two operands and its
// operator's text; a group its prefix, inner part and suffix, then its two
// delimiters (code point and shown flag each).
#pragma once
#include "core/byte_str.h"
#include "core/in_stream.h"
#include "editor/Expr.h"

// Deeper trees are refused on reading, so that a damaged file cannot exhaust
// the stack of the formula reader and writer that Solve runs on it, even in a
// sanitizer build; a sum of 2500 terms, as typing nests it, still reads.
constexpr int32_t MAX_STORED_DEPTH = 2500;

void write_expr(Out_Stream& out, const Expr& e);
// Replaces e with the expression read, styled and laid out in env. Raises
// Syntax_Err: "Syntax Error" for a case number of 3 or more, a delimiter
// env does not take as an opening or closing one, or a tree too deep, "Infix operator not found:  " and the text
// for an operator env does not know, and the messages of numbers and strings.
void read_expr(In_Stream& in, const Expr_Env& env, Expr& e);
