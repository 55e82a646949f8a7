// Graph on the lesson models through the document's controller: the
// Solutions, the value strip, and where the curves and regions lie in the
// panels after the parameters' sliders are dragged.
#include <cmath>

#include "graphs/graph_set.h"
#include "graphs/sampler_colours.h"
#include "model/params_section.h"
#include "tests/err_text.h"
#include "tests/graphs/sampler_test_util.h"
#include "tests/model/model_test_util.h"

namespace {

// The distance in canvas units from p to the nearest strand of the colour as drawn.
double strand_distance(const Graph_Picture& pic, int32_t colour, double px, double py) {
  double best = INFINITY;
  for (const auto& s : pic.strands) {
    std::vector<Canvas_Pt> line = s->colour == colour ? drawn_polyline(*s) : std::vector<Canvas_Pt>();
    for (size_t i = 0; i + 1 < line.size(); ++i) best = std::min(best, segment_distance({px, py}, line[i], line[i + 1]));
  }
  return best;
}

// Whether a filled polygon of the colour holds p (even-odd over its points).
bool filled_q(const Graph_Picture& pic, int32_t colour, double px, double py) {
  for (const auto& f : pic.fills) {
    if (f->colour != colour || !f->filled) continue;
    bool in_q = false;
    for (size_t i = 0, j = f->verts.size() - 1; i < f->verts.size(); j = i++) {
      const Point &a = f->verts[i], &b = f->verts[j];
      if ((a.y > py) != (b.y > py) && px < a.x + (b.x - a.x) * (py - a.y) / double(b.y - a.y)) in_q = !in_q;
    }
    if (in_q) return true;
  }
  return false;
}

// (panel, dependent variable, x, y): a point on a curve of the variable's
// colour, or with on_q clear well off every one; with region_q, inside the
// first relation's shading or not.
struct Mark {
  int32_t j, k;
  double x, y;
  bool on_q = true, region_q = false;
};

struct Lesson {
  const char *vars, *constraints;
  std::vector<std::pair<const char*, double>> values;
  const char *rows, *solutions, *strip;
  std::vector<Mark> marks;
  double range_end = NAN;  // the value Shift-clicked: a range selected from the value before it
};

std::string strip_of(const Graph_Set& g) {
  std::string out;
  for (const Byte_Str& t : g.strip_texts) out += (out.empty() ? "" : " | ") + utf8_of(t);
  return out;
}

const int32_t REGION = relation_colours(RELATION_COLOURS[0], false, true).region;

TEST(ModelGraph, LessonModels) {
  const Lesson lessons[] = {
      {"x | y", "y=m*x+b", {{"m", 2}, {"b", 1}}, "", "y=m*x+b", "1.000",
       {{0, 0, 0, 1}, {0, 0, 2, 5}, {0, 0, -3, -5}, {0, 0, 0, 3, false}, {0, 0, 2, 3, false}}},
      {"x | y", "y=a*x^2+b*x+c", {{"a", 1}, {"c", 1}}, "0 1; 1 2; 2 6; _ 4", "y=a*x^2+b*x+c", "1.000 \u00B1 ~ 0.577",
       {{0, 0, 2, 5}, {0, 0, -3, 10}, {0, 0, 0, 2, false}}},
      {"x | y z", "x^2+y^2=r^2\n(x-a)^2+z^2=r^2", {{"r", 5}, {"a", 4}}, "", "y^2+x^2-r^2=0 | z^2+x^2-2*a*x+a^2-r^2=0", "",
       {{0, 0, 3, 4}, {0, 0, -3, -4}, {0, 1, 1, 4}, {0, 1, 4, 5}, {0, 1, 3, 4, false}}},
      {"t | x y", "x=v*t\ny=h-g*t^2/2", {{"v", 2}, {"h", 10}, {"g", 10}}, "", "x=v*t | y=-g*t^2/2+h", "0.0 | 10.000",
       {{0, 0, 1, 2}, {0, 1, 1, 5}, {0, 1, 0, 10}, {0, 1, 3, 5, false}}},
      {"x | y z", "y=m*x\nz=(-1/m)*x", {{"m", 2}}, "", "y=m*x | z=-x/m", "0.0 | 0.0",
       {{0, 0, 1, 2}, {0, 1, 2, -1}, {0, 1, 1, 2, false}}},
      {"x | y z", "y=sin(x)\nz=sin(x+δ)", {{"δ", 1.5}}, "", "y=sin(x) | z=sin(x+δ)", "0.0 | 0.997",
       {{0, 0, M_PI / 2, 1}, {0, 1, 0, std::sin(1.5)}, {0, 1, -1.5, 0}, {0, 1, 0, 0, false}}},
      {"x | y z", "y=m*x\nm*z+x=0", {{"m", 1}, {"m", 3}}, "", "y=m*x | m*z+x=0", "0.0, 0.0, 0.0 | 0.0, 0.0, 0.0",
       {{0, 0, 1, 2}, {0, 0, 1, 1}, {0, 0, 1, 3}, {0, 1, 2, -1}, {0, 1, 1, -1}, {0, 1, 3, -1}, {0, 1, -1, -2, false}},
       3},
      // Graphed at a = b = 0 first, where the curve has no number.
      {"x | y", "y=a*x/b", {{"a", 2}, {"b", 1}}, "", "y=a*x/b", "0.0", {{0, 0, 1, 2}, {0, 0, 1, 0, false}}},
      // Solved for y only where its coefficient cannot vanish: the line x = 0 stays.
      {"x | y", "x^2*y=x", {}, "", "x^2*y-x=0", "", {{0, 0, 0, 0.5}, {0, 0, 2, 0.5}}},
      {"x | y", "y<x^2", {}, "", "y<x^2", "",
       {{0, 0, 3, 0, true, true}, {0, 0, -2, -5, true, true}, {0, 0, 0, 5, false, true}, {0, 0, 1, 3, false, true}}},
  };
  for (const Lesson& l : lessons) {
    Test_Doc d(l.vars, l.constraints);
    if (*l.rows) set_rows(d, l.rows);
    d.run(GRAPH_CMD);
    EXPECT_EQ(solutions_text(d.m()), l.solutions);
    for (auto [name, v] : l.values) click_param(d, param_row(d.m(), name), v, v == l.range_end ? SHIFT_MOD : 0);
    const Graph_Set& g = *d.m().graphs_p;
    EXPECT_EQ(strip_of(g), l.strip) << l.constraints;
    for (const Mark& k : l.marks) {
      const Graph_Picture& pic = g.panels[size_t(k.j)].pic;
      double px = layout_of(g.indep_sym_vs[size_t(k.j)], k.x, g.s), py = layout_of(g.dep_sym_vs[size_t(k.k)], k.y, g.s);
      if (k.region_q) {
        EXPECT_EQ(filled_q(pic, REGION, px, py), k.on_q) << l.constraints << " at " << k.x << ", " << k.y;
        continue;
      }
      double off = strand_distance(pic, g.dep_sym_vs[size_t(k.k)].colour, px, py) / g.k;
      if (k.on_q) EXPECT_LT(off, 1) << l.constraints << " at " << k.x << ", " << k.y;
      else EXPECT_GT(off, 8) << l.constraints << " at " << k.x << ", " << k.y;
    }
  }
}

// Graph's mistakes, its undo, and running out of memory: the document and
// its graph stay as they were.
TEST(ModelGraph, FailuresAndUndo) {
  Test_Doc d;
  set_vars(d.m(), "x |");
  EXPECT_EQ(con_query(d.con, *std::make_unique<Cmd>(GRAPH_CMD)), QUERY_REFUSED);
  set_vars(d.m(), "x | y", "5", "5");
  set_constraints(d.m(), "y=a*x");
  Graph_Set* before = d.m().graphs_p;
  std::unique_ptr<Cmd> res = d.run(GRAPH_CMD);
  ASSERT_TRUE(res && res->cmd_n == MESSAGE_CMD);
  EXPECT_EQ(text_of(static_cast<Message_Cmd&>(*res).text), "High must be greater than Low");
  EXPECT_EQ(d.m().graphs_p, before);
  set_vars(d.m(), "x | y");
  set_constraints(d.m(), "y=x<3");  // (y=x)<3: a comparison is no number to draw
  EXPECT_EQ(message_of([&] { d.run(GRAPH_CMD); }), "Illegal symbol:  =");
  EXPECT_EQ(d.m().graphs_p, before);
  set_constraints(d.m(), "y=a*x");
  d.run(GRAPH_CMD);
  EXPECT_NE(d.m().graphs_p, before);
  EXPECT_EQ(param_rows(d.m()) + ", " + solutions_text(d.m()), "a -10 10 0, y=a*x");
  EXPECT_EQ(strip_of(*d.m().graphs_p), "0.0");
  d.m().params[0].value = Byte_Str("");  // no value: no curve, and no error either
  d.m().flags |= REFRESH_DUE;
  Button_Cmd calc(CALC_BUTTON_N);
  EXPECT_EQ(con_perform(d.con, calc, false), nullptr);
  EXPECT_EQ(strip_of(*d.m().graphs_p), "");
  con_undo(d.con);  // the Solve that Graph ran; the new graph stays
  EXPECT_EQ(param_rows(d.m()) + ", " + solutions_text(d.m()), ", ");
  EXPECT_EQ(d.m().flags & CHANGED_FLAGS, CHANGED_FLAGS);
  std::vector<uint64_t> n_frees;
  // Finely where Graph first fails, coarsely on to where it ends whatever
  // the earlier tests left the pool's blocks split into.
  for (uint64_t n_free = 0; n_free <= 240000; n_free += n_free < 60000 ? 1500 : 20000) n_frees.push_back(n_free);
  expect_out_of_memory_leaves_doc(GRAPH_CMD, n_frees);
}

// A window opening on a solved model graphs it, leaving its stale bits and
// marking nothing as changed.
TEST(ModelGraph, OpenedGraphsTheSolvedModel) {
  for (bool solved_q : {false, true}) {
    Test_Doc d("x | y", "y=2*x");
    if (solved_q) model_solve(d.m(), false);
    d.m().flags = (d.m().flags & ~CHANGED_FLAGS) | 0x2;
    Graph_Set* before = d.m().graphs_p;
    Con_Cmd opened(OPENED_CMD, &d.con);
    con_perform(d.con, opened, false);
    EXPECT_EQ(d.m().graphs_p != before, solved_q);
    EXPECT_EQ(d.m().flags & CHANGED_FLAGS, 0x2u);
    EXPECT_EQ(strip_of(*d.m().graphs_p), solved_q ? "0.0" : "");
  }
}

}  // namespace
