#include "graphs/panel_image.h"

#include "core/err.h"
#include "draw/units.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_panel.h"

Panel_Image panel_image_of(const Graph_Set& fws) {
  // Whole pixels on both sides: K must divide the inch and the side.
  CHECK(UNITS_PER_INCH % fws.k == 0 && fws.s % fws.k == 0);
  return {fws.s / fws.k, UNITS_PER_INCH / fws.k};
}

void panel_image_refresh(Graph_Set& fws, int32_t j, bool trace_line_q) {
  std::vector<double> trace = trace_values(fws);
  Panel& p = fws.panels[size_t(j)];
  panel_dots(fws, j, trace, p);
  panel_curves(fws, j, trace, p, trace_line_q);
}

void draw_panel_image(const Panel& p, Canvas& c, bool grid_q) {
  Point o = {0, -p.fws_p->s};
  if (grid_q) draw_panel_grid(p, c, o);
  draw_panel_graphics(p, c, o);
}
