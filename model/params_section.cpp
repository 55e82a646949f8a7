#include "model/params_section.h"

#include "draw/canvas.h"
#include "editor/text_field.h"
#include "graphs/slider_value.h"
#include "model/model_env.h"

namespace {

constexpr int32_t BASELINE_DROP = 3456;
const Text_Opts LABEL_OPTS = {nullptr, model_text_style, nullptr, 0};

std::vector<Param_Row>& rows_of(void* e) { return *static_cast<std::vector<Param_Row>*>(e); }
const std::vector<Param_Row>& rows_of(const void* e) { return *static_cast<const std::vector<Param_Row>*>(e); }

// "a = 0   (-10 to 10)".
Byte_Str row_text(const Param_Row& p) {
  Byte_Str t = expr_text(p.name);
  append(t, " = ", 3);
  append(t, p.value);
  append(t, "   [", 4);
  append(t, p.low);
  append(t, ", ", 2);
  append(t, p.high);
  append(t, "]", 1);
  return t;
}

Sel params_initial_sel(const Gui_Kind&, const void*) { return Sel(); }
Rect params_sel_bounds(const Gui_Kind& k, const void* e, const Sel&) { return k.bounds(k, e); }
int32_t params_query(const Gui_Kind&, const void* e, const Sel&, Cmd& c) {
  if (c.cmd_n == COPY_CMD) return 1;
  if (c.cmd_n != MOUSE_CMD) return QUERY_PASSED;
  return slider_row_at(rows_of(e), static_cast<const Mouse_Cmd&>(c).pt) >= 0 ? CROSS_CURSOR : ARROW_CURSOR;
}
// Copying gives the rows' texts, one a line.
void params_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  if (args.cmd_p->cmd_n != COPY_CMD) return;
  Byte_Str& out = static_cast<Copy_Cmd&>(*args.cmd_p).out;
  out = Byte_Str();
  for (const Param_Row& p : rows_of(e)) {
    if (n_elts(out) > 0) append(out, '\r');
    append(out, row_text(p));
  }
}
Rect params_bounds(const Gui_Kind&, const void* e) {
  int32_t n = int32_t(rows_of(e).size());
  return {0, PARAM_SLIDER_X + SLIDER_DEFAULT_W + THUMB_HALF_W, -n * PARAM_ROW_H, 0};
}
void params_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) {
  const std::vector<Param_Row>& rows = rows_of(e);
  for (int32_t i = 0; i < int32_t(rows.size()); ++i) {
    text_draw(row_text(rows[size_t(i)]), LABEL_OPTS, c, {origin.x, origin.y - i * PARAM_ROW_H - BASELINE_DROP});
    Point s = slider_origin(i);
    slider_draw(c, {origin.x + s.x, origin.y + s.y}, rows[size_t(i)].slider);
  }
}
Region params_caret(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return Region(); }

}  // namespace

const Gui_Kind PARAMS_OPS = {params_initial_sel, params_sel_bounds, params_query, params_perform,
                             params_bounds,      params_draw,       params_caret, nullptr};

Point slider_origin(int32_t row_i) { return {PARAM_SLIDER_X, -row_i * PARAM_ROW_H - BASELINE_DROP + 1152}; }

int32_t slider_row_at(const std::vector<Param_Row>& rows, Point p) {
  for (int32_t i = 0; i < int32_t(rows.size()); ++i) {
    Point s = slider_origin(i);
    if (p.y <= s.y + 2304 && p.y >= s.y + THUMB_BASE_Y && p.x >= s.x - THUMB_HALF_W && p.x <= s.x + rows[size_t(i)].slider.w + THUMB_HALF_W)
      return i;
  }
  return -1;
}

bool move_slider(std::vector<Param_Row>& rows, int32_t row_i, const Cmd& c, Cmd_Args& args) {
  Param_Row& row = rows[size_t(row_i)];
  std::unique_ptr<Cmd> res;
  Rect inval = EMPTY_RECT;
  if (!slider_command(row.slider, c, true, res, inval)) return false;
  Slider_Texts texts{row.low, row.high, row.value};
  Cmd_Args value_args(*args.sel_p, *res);
  apply_slider_to_value(row.slider, *res, texts, value_args);
  row.value = texts.value;
  args.changed_q = value_args.changed_q;
  args.undo = std::move(value_args.undo);
  inval_add(args, {0, PARAM_SLIDER_X + row.slider.w + THUMB_HALF_W + 1, -(row_i + 1) * PARAM_ROW_H, -row_i * PARAM_ROW_H});
  args.res_cmd_mp = std::move(res);
  return true;
}
