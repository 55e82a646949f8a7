#include "model/params_section.h"

#include "draw/canvas.h"
#include "editor/composite.h"
#include "editor/text_field.h"
#include "graphs/slider_value.h"
#include "model/model_env.h"

namespace {

constexpr int32_t BASELINE_DROP = 3456;
const Text_Opts LABEL_OPTS = {nullptr, model_text_style, nullptr, 0};
const Text_Field_Kind FIELD = {TEXT_FIELD_OPS, {nullptr, model_text_style, nullptr, 1}};

std::vector<Param_Row>& rows_of(void* e) { return *static_cast<std::vector<Param_Row>*>(e); }
const std::vector<Param_Row>& rows_of(const void* e) { return *static_cast<const std::vector<Param_Row>*>(e); }

// A row reads "a = 0   [-10, 10]": the value, Low and High are fields
// among the fixed texts, drawn as one text.
const char* const GLUE[N_FIELDS] = {" = ", "   [", ", "};

int32_t width_of(const Byte_Str& t) { return text_x(t, LABEL_OPTS, n_elts(t)); }
Byte_Str& field_text(Param_Row& p, int32_t f) { return f == VALUE_F ? p.value : f == LOW_F ? p.low : p.high; }
const Byte_Str& field_text(const Param_Row& p, int32_t f) { return field_text(const_cast<Param_Row&>(p), f); }

Byte_Str row_text(const Param_Row& p) {
  Byte_Str t = expr_text(p.name);
  for (int32_t f = 0; f < N_FIELDS; ++f) {
    put_text(t, GLUE[f]);
    append(t, field_text(p, f));
  }
  put_text(t, "]");
  return t;
}

// Row i as a change redraws it: its texts and its slider with the thumbs.
Rect row_bounds(const Param_Row& p, int32_t row_i) {
  return {0, PARAM_SLIDER_X + p.slider.w + THUMB_HALF_W + 1, -(row_i + 1) * PARAM_ROW_H, -row_i * PARAM_ROW_H};
}

// Field f of row i: its content and its baseline origin in the section.
Sub_Elt field_of(const std::vector<Param_Row>& rows, int32_t part_i) {
  int32_t row_i = part_i / N_PARTS, f = part_i % N_PARTS;
  const Param_Row& p = rows[size_t(row_i)];
  int32_t x = width_of(expr_text(p.name));
  for (int32_t g = 0; g <= f; ++g) x += width_of(Byte_Str(GLUE[g])) + (g < f ? width_of(field_text(p, g)) : 0);
  return {&FIELD.kind, const_cast<Byte_Str*>(&field_text(p, f)), {x, -row_i * PARAM_ROW_H - BASELINE_DROP}};
}

// The field the selection is in, or -1.
int32_t field_sel_i(const std::vector<Param_Row>& rows, const Sel& s) {
  bool field_q = inside_q(s) && s.gen_i >= 0 && s.gen_i % N_PARTS != SLIDER_F;
  return field_q && s.gen_i / N_PARTS < int32_t(rows.size()) ? s.gen_i : -1;
}

// The field nearest to p in the row p lies on, or -1.
int32_t field_at(const std::vector<Param_Row>& rows, Point p) {
  int32_t row_i = (-p.y) / PARAM_ROW_H;
  if (p.y > 0 || row_i >= int32_t(rows.size())) return -1;
  int32_t f = nearest_sub(N_FIELDS, [&](int32_t g) { return field_of(rows, row_i * N_PARTS + g); }, p);
  return row_i * N_PARTS + f;
}

Sel params_initial_sel(const Gui_Kind&, const void*) { return Sel(); }
Rect params_sel_bounds(const Gui_Kind& k, const void* e, const Sel& s) {
  int32_t i = field_sel_i(rows_of(e), s);
  if (i < 0) return k.bounds(k, e);
  Sub_Elt f = field_of(rows_of(e), i);
  return rect_shift(f.kind_p->sel_bounds(*f.kind_p, f.e, *s.e_sel_mp), f.pt);
}
int32_t params_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) {
  const std::vector<Param_Row>& rows = rows_of(e);
  if (c.cmd_n == MOUSE_CMD) {
    const auto& m = static_cast<const Mouse_Cmd&>(c);
    if (slider_row_at(rows, m.pt) >= 0) return CROSS_CURSOR;
    return field_at(rows, m.pt) >= 0 ? IBEAM_CURSOR : ARROW_CURSOR;
  }
  int32_t i = field_sel_i(rows, s);
  if (i >= 0) {
    Sub_Elt f = field_of(rows, i);
    return f.kind_p->query(*f.kind_p, f.e, *s.e_sel_mp, c);
  }
  return c.cmd_n == COPY_CMD ? 1 : QUERY_PASSED;
}
// A press in a field puts the caret there; the drag that follows selects in it.
void field_mouse(std::vector<Param_Row>& rows, Cmd_Args& args) {
  const auto& m = static_cast<const Mouse_Cmd&>(*args.cmd_p);
  Sel& s = *args.sel_p;
  int32_t i = m.phase == MOUSE_PRESS && !(m.mods & SHIFT_MOD) ? field_at(rows, m.pt) : field_sel_i(rows, s);
  if (i < 0) return;
  Sub_Elt f = field_of(rows, i);
  if (field_sel_i(rows, s) != i) {
    s = sel_of(i, i);
    s.e_sel_mp = std::make_unique<Sel>(f.kind_p->initial_sel(*f.kind_p, f.e));
  }
  Mouse_Cmd local({m.pt.x - f.pt.x, m.pt.y - f.pt.y}, m.mods, m.phase);
  move_in_sub(f, *s.e_sel_mp, local, args);
}
// Copying gives the rows' texts, one a line.
void copy_rows(const std::vector<Param_Row>& rows, Cmd_Args& args) {
  Byte_Str& out = static_cast<Copy_Cmd&>(*args.cmd_p).out;
  out = Byte_Str();
  for (const Param_Row& p : rows) {
    if (n_elts(out) > 0) append(out, '\r');
    append(out, row_text(p));
  }
}
void params_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  std::vector<Param_Row>& rows = rows_of(e);
  if (args.cmd_p->cmd_n == MOUSE_CMD) return field_mouse(rows, args);
  int32_t i = field_sel_i(rows, *args.sel_p);
  if (i < 0) {
    if (args.cmd_p->cmd_n == COPY_CMD) copy_rows(rows, args);
    return;
  }
  int32_t row_i = i / N_PARTS;
  Param_Row& p = rows[size_t(row_i)];
  perform_in_sub(field_of(rows, i), i, args);
  if (!args.changed_q) return;
  // Typing a value, a Low or a High moves the slider; the row's later
  // fields move with the text.
  value_to_slider(p.slider, {p.low, p.high, p.value});
  inval_add(args, row_bounds(p, row_i));
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
Region params_caret(const Gui_Kind&, const void* e, const Sel& s, const Canvas& c, Point origin) {
  int32_t i = field_sel_i(rows_of(e), s);
  if (i < 0) return Region();
  Sub_Elt f = field_of(rows_of(e), i);
  return f.kind_p->caret_region(*f.kind_p, f.e, *s.e_sel_mp, c, {origin.x + f.pt.x, origin.y + f.pt.y});
}

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
  inval_add(args, row_bounds(row, row_i));
  args.res_cmd_mp = std::move(res);
  return true;
}
