#include "graphs/slider_value.h"

#include <cmath>
#include <limits>

#include "core/num_format.h"
#include "core/text_read.h"

double text_number(const Byte_Str& t) {
  Mem_In_Stream in(t.first_p, n_elts(t));
  try {
    double x = read_real(in);
    skip_white(in);
    if (at_end_q(in)) return x;
  } catch (const Syntax_Err&) {
  }
  return std::numeric_limits<double>::quiet_NaN();
}

void apply_slider_to_value(const Slider& s, const Cmd& res, Slider_Texts& t, Cmd_Args& args) {
  CHECK(cmd_n(res) == BUTTON_CMD);
  double low = text_number(t.low), high = text_number(t.high), r = high - low;
  double v = position_value(low, high, (s.a + s.p) / 2);
  if (!std::isfinite(v)) return;
  Byte_Str text;
  format_real_tol(text, v, 0.001 * r);
  if (compare(text, t.value) == 0) return;
  if (button_cast_n(res) == 0) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_of(0, n_elts(text)));
    args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(std::move(t.value));
  }
  t.value = std::move(text);
  args.changed_q = true;
}

void value_to_slider(Slider& s, const Slider_Texts& t) {
  s.a = s.p = NO_THUMB;
  double low = text_number(t.low);
  double d = text_number(t.value) - low, r = text_number(t.high) - low;
  if (std::isfinite(d) && std::isfinite(r) && r > 0 && -0.000001 * r < d && d < r + 0.000001 * r)
    s.a = s.p = int32_t(std::trunc(d / r * SLIDER_MAX_N + 0.5));
}
