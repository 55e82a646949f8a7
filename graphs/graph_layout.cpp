#include "graphs/graph_layout.h"

#include <algorithm>

#include "draw/canvas_text.h"
#include "draw/math_layout.h"
#include "draw/shared_font.h"

namespace {

constexpr int32_t GAP = 576;
constexpr int32_t GRID_COLOUR = 0xD8D8D8, ZERO_COLOUR = 0x909090, FRAME_COLOUR = 0x000000;
constexpr char TRACE_TITLE[] = "Trace:";

int32_t width_of_text(const Byte_Str& t) {
  return text_width(t.first_p, n_elts(t), graph_label_style().style_bits, graph_label_style());
}
int32_t line_height() {
  const Styl& s = graph_label_style();
  return s.ascent - s.descent + s.leading;  // descent is below the baseline: negative
}

Byte_Str name_eq(const Var_Range& v) {
  Byte_Str t(symbol_name(v.sym.get()));
  append(t, '=');
  return t;
}

Byte_Str grid_label(const Var_Range& v, double frac) {
  return value_text(v.low + width_of(v) * frac, v, LABEL_PRECISION);
}

// The rows and columns of the section, from its top left corner.
struct Graph_Geom {
  std::vector<int32_t> col_right;  // of each y label column
  std::vector<int32_t> panel_x;
  int32_t panel_top, panel_bottom;
  int32_t x_label_y, name_y, trace_y, strip_y;  // baselines; strip_y of the first line
};

int32_t widest_label(const Var_Range& v, const Axis_Grid& g) {
  int32_t w = 0;
  for (double f : g.fracs) w = std::max(w, width_of_text(grid_label(v, f)));
  return w;
}

Graph_Geom geom_of(const Graph_Set& fws) {
  Graph_Geom g;
  int32_t x = 0;
  for (const Var_Range& v : fws.dep_sym_vs) {
    x += std::max(widest_label(v, fws.y_grid), width_of_text(name_eq(v))) + GAP;
    g.col_right.push_back(x);
  }
  // The trace row's title stands left of the first panel's trace text, even
  // when the label columns are narrower ("#" for a range without numbers).
  x = std::max(x, width_of_text(Byte_Str(TRACE_TITLE)));
  int32_t x_label_w = 0;
  for (int32_t j = 0; j < n_indep(fws); ++j)
    x_label_w = std::max(x_label_w, widest_label(fws.indep_sym_vs[size_t(j)], fws.x_grids[size_t(j)]));
  int32_t step = fws.s + 2 * PICTURE_MARGIN + x_label_w + GAP;
  for (int32_t j = 0; j < n_indep(fws); ++j) g.panel_x.push_back(x + PICTURE_MARGIN + GAP + j * step);
  int32_t h = line_height(), asc = graph_label_style().ascent;
  g.panel_top = -(2 * h + PICTURE_MARGIN);
  g.panel_bottom = g.panel_top - fws.s;
  g.x_label_y = g.panel_bottom - PICTURE_MARGIN - asc;
  g.name_y = g.x_label_y - h;
  g.trace_y = g.name_y - h - GAP;
  g.strip_y = g.trace_y - h - GAP;
  return g;
}

void draw_text(Canvas& c, Point at, const Byte_Str& t, int32_t colour) {
  canvas_set_colour(c, colour);
  canvas_draw_styled_str(c, at, t.first_p, n_elts(t), graph_label_style());
}

// Labels along a line, each centred on its place; one that would touch the
// last one drawn is left out so that none overlap.
struct Label_Run {
  int32_t last_end = INT32_MIN;
  bool fits_q(int32_t from, int32_t to) {
    if (from < last_end + GAP / 2) return false;
    last_end = to;
    return true;
  }
};

void draw_x_labels(const Graph_Set& fws, const Graph_Geom& g, int32_t j, Canvas& c, Point o) {
  const Var_Range& v = fws.indep_sym_vs[size_t(j)];
  Label_Run run;
  for (double f : fws.x_grids[size_t(j)].fracs) {
    Byte_Str t = grid_label(v, f);
    int32_t w = width_of_text(t), x = g.panel_x[size_t(j)] + grid_pos(f, fws.s) - w / 2;
    if (run.fits_q(x, x + w)) draw_text(c, {o.x + x, o.y + g.x_label_y}, t, v.colour);
  }
  Byte_Str name(symbol_name(v.sym.get()));
  int32_t x = g.panel_x[size_t(j)] + (fws.s - width_of_text(name)) / 2;
  draw_text(c, {o.x + x, o.y + g.name_y}, name, v.colour);
}

// One column per dependent variable, right-aligned, its name on top.
void draw_y_labels(const Graph_Set& fws, const Graph_Geom& g, int32_t k, Canvas& c, Point o) {
  const Var_Range& v = fws.dep_sym_vs[size_t(k)];
  const Styl& s = graph_label_style();
  int32_t right = g.col_right[size_t(k)] - GAP;
  Byte_Str name(symbol_name(v.sym.get()));
  draw_text(c, {o.x + right - width_of_text(name), o.y - s.ascent}, name, v.colour);
  // Top down, so the run goes the other way: track the lowest top drawn.
  Label_Run run;
  for (double f : fws.y_grid.fracs) {
    Byte_Str t = grid_label(v, f);
    int32_t base = g.panel_bottom + grid_pos(f, fws.s) - (s.ascent + s.descent) / 2;
    if (run.fits_q(-(base + s.ascent), -(base + s.descent)))
      draw_text(c, {o.x + right - width_of_text(t), o.y + base}, t, v.colour);
  }
}

void draw_grid_line(Canvas& c, Point a, Point b, bool zero_q) {
  canvas_set_colour(c, zero_q ? ZERO_COLOUR : GRID_COLOUR);
  canvas_move_to(c, a);
  canvas_line_to(c, b);
}

}  // namespace

const Styl& graph_label_style() { return default_style(); }

void graph_layout_init(Graph_Set& fws) {
  Graph_Geom g = geom_of(fws);
  int32_t n = n_indep(fws);
  fws.part_pts.assign(size_t(2 * n), Point{0, 0});
  for (int32_t j = 0; j < n; ++j) {
    fws.part_pts[size_t(j)] = {g.panel_x[size_t(j)], g.panel_bottom};
    fws.part_pts[size_t(n + j)] = {g.panel_x[size_t(j)] + width_of_text(name_eq(fws.indep_sym_vs[size_t(j)])),
                                   g.trace_y};
  }
  graph_layout_update(fws);
}

void graph_layout_update(Graph_Set& fws) {
  Graph_Geom g = geom_of(fws);
  const Styl& s = graph_label_style();
  int32_t right = g.panel_x.back() + fws.s + PICTURE_MARGIN;
  // The last panel's last grid label, centred on its line, may reach further.
  const std::vector<double>& fracs = fws.x_grids.back().fracs;
  if (!fracs.empty()) {
    int32_t w = width_of_text(grid_label(fws.indep_sym_vs.back(), fracs.back()));
    right = std::max(right, g.panel_x.back() + grid_pos(fracs.back(), fws.s) + w - w / 2);
  }
  for (int32_t k = 0; k < n_dep(fws); ++k) {
    int32_t w = width_of_text(name_eq(fws.dep_sym_vs[size_t(k)])) + width_of_text(fws.strip_texts[size_t(k)]);
    right = std::max(right, w);
  }
  for (int32_t j = 0; j < n_indep(fws); ++j) {
    const Byte_Str& t = fws.trace_texts[size_t(j)];
    right = std::max(right, fws.part_pts[size_t(n_indep(fws) + j)].x + width_of_text(t) + GAP);
  }
  int32_t bottom = g.strip_y - (n_dep(fws) - 1) * line_height() + s.descent;
  fws.bds = {0, right, bottom, 0};
}

void draw_panel_grid(const Panel& p, Canvas& c, Point o) {
  const Graph_Set& fws = *p.fws_p;
  int32_t before = c.colour, s = fws.s;
  const Axis_Grid& xg = fws.x_grids[size_t(p.j)];
  for (size_t i = 0; i < xg.fracs.size(); ++i) {
    int32_t x = o.x + grid_pos(xg.fracs[i], s);
    draw_grid_line(c, {x, o.y}, {x, o.y + s}, int32_t(i) == xg.zero_i);
  }
  for (size_t i = 0; i < fws.y_grid.fracs.size(); ++i) {
    int32_t y = o.y + grid_pos(fws.y_grid.fracs[i], s);
    draw_grid_line(c, {o.x, y}, {o.x + s, y}, int32_t(i) == fws.y_grid.zero_i);
  }
  canvas_set_colour(c, before);
}

void draw_panel_graphics(const Panel& p, Canvas& c, Point o) {
  for (size_t k = 0; k < p.light_dots.size(); ++k) draw_dot_set(c, o, p.light_dots[k]);
  for (size_t k = 0; k < p.full_dots.size(); ++k) draw_dot_set(c, o, p.full_dots[k]);
  draw_picture(c, o, p.pic);
}

void draw_panel(const Panel& p, Canvas& c, Point o) {
  int32_t before = c.colour, s = p.fws_p->s;
  draw_panel_grid(p, c, o);
  canvas_set_colour(c, FRAME_COLOUR);
  Point frame[5] = {{o.x, o.y}, {o.x + s, o.y}, {o.x + s, o.y + s}, {o.x, o.y + s}, {o.x, o.y}};
  canvas_polyline(c, frame, false);
  draw_panel_graphics(p, c, o);
  canvas_set_colour(c, before);
}

void draw_graph_labels(const Graph_Set& fws, Canvas& c, Point o) {
  int32_t before = c.colour;
  Graph_Geom g = geom_of(fws);
  for (int32_t k = 0; k < n_dep(fws); ++k) draw_y_labels(fws, g, k, c, o);
  for (int32_t j = 0; j < n_indep(fws); ++j) {
    draw_x_labels(fws, g, j, c, o);
    const Var_Range& v = fws.indep_sym_vs[size_t(j)];
    draw_text(c, {o.x + g.panel_x[size_t(j)], o.y + g.trace_y}, name_eq(v), v.colour);
  }
  draw_text(c, {o.x, o.y + g.trace_y}, Byte_Str(TRACE_TITLE), FRAME_COLOUR);
  for (int32_t k = 0; k < n_dep(fws); ++k) {
    const Var_Range& v = fws.dep_sym_vs[size_t(k)];
    Byte_Str line = name_eq(v);
    append(line, fws.strip_texts[size_t(k)]);
    draw_text(c, {o.x, o.y + g.strip_y - k * line_height()}, line, v.colour);
  }
  canvas_set_colour(c, before);
}
