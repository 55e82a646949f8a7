#include "model/model_kind.h"

#include <cstdlib>

#include "draw/units.h"
#include "editor/text_field.h"
#include "graphs/graph_section.h"
#include "model/model_analyze.h"
#include "model/model_env.h"
#include "model/model_table.h"
#include "model/params_section.h"

namespace {

Math_Model& model_of(void* e) { return *static_cast<Math_Model*>(e); }
const Math_Model& model_of(const void* e) { return *static_cast<const Math_Model*>(e); }

// Sections without content: the Table before Table makes one.
Sel blank_sel(const Gui_Kind&, const void*) { return Sel(); }
Rect blank_bounds(const Gui_Kind&, const void*) { return {0, 0, 0, 0}; }
Rect blank_sel_bounds(const Gui_Kind&, const void*, const Sel&) { return {0, 0, 0, 0}; }
int32_t blank_query(const Gui_Kind&, const void*, const Sel&, Cmd&) { return QUERY_PASSED; }
void blank_perform(const Gui_Kind&, void*, Cmd_Args&) {}
void blank_draw(const Gui_Kind&, const void*, Canvas&, Point) {}
Region blank_caret(const Gui_Kind&, const void*, const Sel&, const Canvas&, Point) { return Region(); }
}  // namespace

const Gui_Kind BLANK_OPS = {blank_sel, blank_sel_bounds, blank_query, blank_perform, blank_bounds, blank_draw, blank_caret, nullptr};

namespace {

// Where sections without content lie: far from every click.
constexpr Point NOWHERE = {-(1 << 24), 1 << 24};

// The Solutions: an expression that only Solve writes.
int32_t solutions_query(const Gui_Kind& k, const void* e, const Sel& s, Cmd& c) {
  if (c.cmd_n == TEXT_PARTIAL_CMD) return QUERY_REFUSED;
  return EXPR_OPS.query(k, e, s, c);
}
Gui_Kind solutions_ops() {
  Gui_Kind k = EXPR_OPS;
  k.query = solutions_query;
  k.release = nullptr;
  return k;
}
const Expr_Kind SOLUTIONS_EXPR = {solutions_ops(), &MODEL_ENV, 1};
Gui_Kind constraints_ops() {
  Gui_Kind k = EXPR_OPS;
  k.release = nullptr;
  return k;
}
const Expr_Kind CONSTRAINTS_EXPR = {constraints_ops(), &MODEL_ENV, 1};

const Part_Kind SECTION_KINDS[N_MMDLIS] = {
    {&VARS_KIND.kind, 1}, {&CONSTRAINTS_EXPR.kind, 1}, {&PARAMS_OPS, 0}, {&SOLUTIONS_EXPR.kind, 1},
    {&TABLE_SECTION_OPS, 1}, {&GRAPH_SECTION_OPS, 1}, {&FILE_BUTTON_OPS, 0}, {&FILE_BUTTON_OPS, 0}};
const char* const LABELS[N_MMDLIS] = {nullptr, "Constraints", "Parameters", "Solutions", "Table", "Graphs", nullptr, nullptr};

void* section_p(const Composite_Kind&, const void* e, int32_t j) {
  auto& m = const_cast<Math_Model&>(model_of(e));
  switch (j) {
    case VARS_MMDLI: return m.vars_p;
    case CONSTRAINTS_MMDLI: return &m.constraints;
    case PARAMS_MMDLI: return &m.params;
    case SOLUTIONS_MMDLI: return &m.solutions;
    case TABLE_MMDLI: return m.table_mp;
    case GRAPHS_MMDLI: return m.graphs_p;
    case NEXT_MMDLI: return m.next_button.shown_q ? &m.next_button : nullptr;
    case PREV_MMDLI: return m.prev_button.shown_q ? &m.prev_button : nullptr;
    default: return nullptr;
  }
}
Point section_pt(const Composite_Kind&, const void* e, int32_t j) { return model_of(e).pts[j]; }
bool column_q(const Composite_Kind&, const void*) { return true; }
void relayout(const Composite_Kind&, void* e) { model_relayout(model_of(e)); }
// Edits of the variables and of the Constraints make Solve due.
void mark_changed(const Composite_Kind&, void* e, int32_t j) {
  if (j < 2) model_of(e).flags |= 1u << j;
}
const Parts_Access MODEL_ACCESS = {section_p, section_pt, column_q, relayout, mark_changed};

const Text_Opts LABEL_OPTS = {nullptr, model_text_style, nullptr, 0};
constexpr int32_t LABEL_DROP = 3456;  // from a section's top to its label's baseline
constexpr int32_t LABEL_ASCENT = 3456, LABEL_DESCENT = 1152;

// The Table's label comes with its table.
bool labelled_q(const Math_Model& m, int32_t j) { return LABELS[j] && (j != TABLE_MMDLI || m.table_mp); }
// A label's baseline from its section's origin: expressions stand on their
// baseline, the parameter rows, the table and the graphs hang from their top.
int32_t label_y(int32_t j) { return j == PARAMS_MMDLI || j >= TABLE_MMDLI ? -LABEL_DROP : 0; }

Sel op_initial_sel(const Gui_Kind&, const void* e) {
  Sel s;
  comp_select_part(MODEL_KIND, e, s, CONSTRAINTS_MMDLI);
  *s.e_sel_mp = edge_sel(model_of(e).constraints, true);
  return s;
}
// A range of sections reaches only those that have content.
Rect op_sel_bounds(const Gui_Kind&, const void* e, const Sel& s) {
  if (inside_q(s)) return comp_sel_bounds(MODEL_KIND, e, s);
  Rect r = EMPTY_RECT;
  for (int32_t j = range_j(s); j < range_k(s); ++j)
    if (section_p(MODEL_KIND, e, j)) r = rect_union(r, sub_extent(comp_part(MODEL_KIND, e, j)));
  return r;
}
int32_t op_query(const Gui_Kind&, const void* e, const Sel& s, Cmd& c) {
  int32_t q = analyze_query(model_of(e), s, c);
  return q != QUERY_PASSED ? q : comp_query(MODEL_KIND, e, s, c);
}
void op_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  if (!analyze_perform(model_of(e), args)) comp_perform(MODEL_KIND, e, args);
  analyze_after(model_of(e), args);
}
Rect op_bounds(const Gui_Kind&, const void* e) { return model_of(e).bds; }
// The device's drawing area in canvas units, widened by a margin for pens
// at the edges: a redraw of the graphs need not draw a long Table above them.
Rect device_area(const Canvas& c) {
  constexpr int32_t MARGIN = UNITS_PER_INCH / 16;
  Device_Info d = c.dc.ops_p->info(c.dc.impl_p);
  if (d.width_px <= 0 || d.height_px <= 0) return {-(1 << 30), 1 << 30, -(1 << 30), 1 << 30};
  return {-MARGIN, canvas_from_pixel(d.width_px, c.dpi_x) + MARGIN, -canvas_from_pixel(d.height_px, std::abs(c.dpi_y)) - MARGIN,
          MARGIN};
}

void op_draw(const Gui_Kind&, const void* e, Canvas& c, Point origin) {
  const Math_Model& m = model_of(e);
  for (int32_t j = 0; j < N_MMDLIS; ++j)
    if (labelled_q(m, j)) text_draw(Byte_Str(LABELS[j]), LABEL_OPTS, c, {origin.x, origin.y + m.pts[j].y + label_y(j)});
  Rect area = rect_shift(device_area(c), {-origin.x, -origin.y});
  for (int32_t j = 0; j < N_MMDLIS; ++j) {
    Sub_Elt p = comp_part(MODEL_KIND, e, j);
    Rect r = section_area(m, j);
    if (!rect_empty_q(r) && !(r.x0 < area.x1 && area.x0 < r.x1 && r.y0 < area.y1 && area.y0 < r.y1)) continue;
    p.kind_p->draw(*p.kind_p, p.e, c, {origin.x + p.pt.x, origin.y + p.pt.y});
  }
}
Region op_caret(const Gui_Kind&, const void* e, const Sel& s, const Canvas& c, Point origin) {
  return comp_caret_region(MODEL_KIND, e, s, c, origin);
}
void op_release(const Gui_Kind&, void* e) { model_release(static_cast<Math_Model*>(e)); }

}  // namespace

const Composite_Kind MODEL_KIND = {
    {op_initial_sel, op_sel_bounds, op_query, op_perform, op_bounds, op_draw, op_caret, op_release},
    SECTION_KINDS, N_MMDLIS, {COLUMN_LAYOUT, SECTION_GAP}, false, &MODEL_ACCESS};

Math_Model* model_doc_new() {
  Math_Model* m = model_new(true);
  model_relayout(*m);
  return m;
}

void model_relayout(Math_Model& m) {
  int32_t top = 0;
  m.bds = EMPTY_RECT;
  for (int32_t j = 0; j < N_MMDLIS; ++j) {
    const Gui_Kind& k = *SECTION_KINDS[j].kind_p;
    void* e = section_p(MODEL_KIND, &m, j);
    bool label_q = labelled_q(m, j);
    if (!e) {
      m.pts[j] = NOWHERE;
      continue;
    }
    Rect b = k.bounds(k, e);
    if (rect_empty_q(b) || b.y0 == b.y1) b = {0, 0, -LABEL_DROP - 1152, 0};
    m.pts[j] = {LABEL_W - std::min(b.x0, 0), top - b.y1};
    m.bds = rect_union(m.bds, rect_shift(b, m.pts[j]));
    if (label_q) m.bds = rect_union(m.bds, {0, LABEL_W, top - LABEL_DROP - 1152, top});
    top = std::min(top - (b.y1 - b.y0), top - LABEL_DROP - 1152) - SECTION_GAP;
  }
}

Rect section_area(const Math_Model& m, int32_t j) {
  void* e = section_p(MODEL_KIND, &m, j);
  if (!e) return EMPTY_RECT;
  const Gui_Kind& k = *SECTION_KINDS[j].kind_p;
  return rect_shift(k.bounds(k, e), m.pts[j]);
}

int32_t label_hit(const Math_Model& m, Point p) {
  if (p.x < 0 || p.x >= LABEL_W) return -1;
  for (int32_t j = 0; j < N_MMDLIS; ++j) {
    int32_t base = m.pts[j].y + label_y(j);
    if (labelled_q(m, j) && p.y >= base - LABEL_DESCENT && p.y <= base + LABEL_ASCENT) return j;
  }
  return -1;
}
