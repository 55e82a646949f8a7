#include "persist/payload_params.h"

#include "core/bin_codec.h"
#include "persist/payload_expr.h"

void write_param_row(Out_Stream& out, const Param_Fields& row) {
  write_str(out, row.low);
  write_expr(out, row.name);
  write_str(out, row.high);
  write_slider(out, row.slider);
  write_str(out, row.value);
}

void read_param_row(In_Stream& in, const Expr_Env& env, Param_Fields& row) {
  read_str(in, row.low);
  read_expr(in, env, row.name);
  read_str(in, row.high);
  row.slider = read_slider(in);
  // Positions no slider gives (off the scale, or one thumb hidden and not
  // the other) show no thumb, until the value moves it again.
  auto on_scale_q = [](int32_t j) { return unsigned(j) <= SLIDER_MAX_N; };
  if (!on_scale_q(row.slider.a) || !on_scale_q(row.slider.p)) row.slider.a = row.slider.p = NO_THUMB;
  read_str(in, row.value);
}

void write_param_rows(Out_Stream& out, const std::vector<Param_Fields>& rows) {
  write_unsigned(out, uint32_t(rows.size()));
  for (const Param_Fields& r : rows) write_param_row(out, r);
}

void read_param_rows(In_Stream& in, const Expr_Env& env, std::vector<Param_Fields>& rows) {
  int32_t n = int32_t(read_unsigned(in));
  if (n < 0) raise_syntax(in, "Syntax Error");
  rows.clear();
  // Row by row, so a false count ends where the bytes do.
  for (int32_t i = 0; i < n; ++i) {
    rows.emplace_back();
    read_param_row(in, env, rows.back());
  }
}
