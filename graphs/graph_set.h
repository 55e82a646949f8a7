// The graph set: one square panel per independent variable, each showing
// every dependent variable against it, with the data, the curves of the
// formulas, shaded relations, a trace row that fixes a value of every
// independent variable, and a value strip with each dependent variable's
// values there and the RMS error of its formula against the data.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/handle.h"
#include "editor/composite.h"
#include "formula/dblsf_compile.h"
#include "graphs/dot_set.h"
#include "graphs/formula_sets.h"
#include "graphs/graph_picture.h"
#include "graphs/grid_lines.h"

// A variable as its table gives it: the symbol, its colour and its range.
struct Var_Range {
  Ref sym;
  int32_t colour;  // 0x00RRGGBB
  double low, high;
};

// The relations' colours, in the order of the relation list.
constexpr int32_t RELATION_COLOURS[] = {0xC000C0, 0x00B0B0, 0xB0B000};
constexpr int32_t N_RELATIONS_DRAWN = 3;

// The pending-refresh bits: bit 0 asks for the dots, any other for everything.
constexpr uint32_t REFRESH_DOTS = 1, REFRESH_ALL = 2;

// One panel's graphics: the samplers' picture and, per dependent variable,
// its light and its full-colour dots.
struct Graph_Set;
struct Panel {
  const Graph_Set* fws_p;
  int32_t j;  // of its independent variable
  Graph_Picture pic;
  std::vector<Dot_Set> light_dots, full_dots;
};

// A two-point selection in panel panel_i, its ends p0 and p1 in canvas units.
struct Panel_Sel {
  int32_t panel_i = -1;
  int32_t p0 = 0, p1 = 0;
};

struct Graph_Set {
  Composite_Kind comp;  // routing into the panels (parts 0..n-1) and trace texts (n..2n-1)
  std::vector<Part_Kind> part_kinds;
  std::vector<Point> part_pts;
  Rect bds = EMPTY_RECT;
  std::vector<Var_Range> indep_sym_vs, dep_sym_vs;
  Axis_Grid y_grid;
  std::vector<Axis_Grid> x_grids;
  int32_t k;                              // canvas units per screen pixel
  int32_t s;                              // the panel side
  std::vector<std::vector<double>> rows;  // n + m values each, NaN where empty
  Formula_Sets sets;
  Symbol_Rules rules;  // for symbols other than the variables (parameters)
  std::vector<Byte_Str> trace_texts;
  std::vector<Panel> panels;
  std::vector<Byte_Str> strip_texts;  // per dependent variable, after its "name="
  Panel_Sel sel;
  uint32_t pending = 0;
};

inline int32_t n_indep(const Graph_Set& fws) { return int32_t(fws.indep_sym_vs.size()); }
inline int32_t n_dep(const Graph_Set& fws) { return int32_t(fws.dep_sym_vs.size()); }
inline double width_of(const Var_Range& v) { return v.high - v.low; }
inline bool range_ok_q(const Var_Range& v) { return v.low < v.high; }

// The Large Graphs option: panels of 400 pixels.
extern bool large_graphs_;

// The panel side for n independent variables at k canvas units per pixel.
int32_t panel_side(int32_t n, int32_t k);

// Value to panel position along a variable's axis, and back.
inline double layout_of(const Var_Range& v, double x, int32_t s) { return (x - v.low) * s / width_of(v); }
inline double value_at(const Var_Range& v, double p, int32_t s) { return v.low + width_of(v) * p / s; }

// The trace box of independent variable i: 0.08 of its width each side of t.
inline bool in_trace_box_q(const Var_Range& v, double t, double x) {
  double h = 0.08 * width_of(v);
  return t - h <= x && x <= t + h;
}

// Grid labels and trace texts are written to this fraction of their range.
constexpr double LABEL_PRECISION = 0.0011;

// x written to an absolute precision of frac of v's width.
Byte_Str value_text(double x, const Var_Range& v, double frac);

// Takes the records (both lists non-empty: "m > 0 && n > 0"), the formula
// sets (m explicit lists, m + 1 implicit ones) and the data rows; makes the
// grids and sets each trace text to the middle of its range. Nothing is
// drawn until a refresh.
Graph_Set* graph_set_new(std::vector<Var_Range> indeps, std::vector<Var_Range> deps, int32_t k, Formula_Sets sets,
                         std::vector<std::vector<double>> rows, const Symbol_Rules& rules);
void graph_set_release(Graph_Set* fws);

// Whether every trace text reads as a finite number.
bool trace_texts_read_q(const Graph_Set& fws);
// The trace value of every independent variable, read from its text;
// Syntax_Err "Syntax Error" for a text that is not a finite number.
std::vector<double> trace_values(const Graph_Set& fws);

// Redraws the dots only, or everything (also the value strip).
void refresh_graphs(Graph_Set& fws, bool all_q);
// The refresh that the pending bits ask for, which are then cleared.
void run_pending(Graph_Set& fws);
