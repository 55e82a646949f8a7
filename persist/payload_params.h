// The Parameters section as stored: the number of rows, then each row's Low
// text, name expression, High text, slider and value text.
#pragma once
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "editor/Expr.h"
#include "graphs/slider.h"

// A parameter row's stored fields, in the row's order.
struct Param_Fields {
  Byte_Str low;
  Expr name;
  Byte_Str high;
  Slider slider;
  Byte_Str value;
};

void write_param_row(Out_Stream& out, const Param_Fields& row);
// The name is styled in env.
void read_param_row(In_Stream& in, const Expr_Env& env, Param_Fields& row);

void write_param_rows(Out_Stream& out, const std::vector<Param_Fields>& rows);
// Replaces rows; a count beyond the signed range is "Syntax Error".
void read_param_rows(In_Stream& in, const Expr_Env& env, std::vector<Param_Fields>& rows);
