#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "draw/canvas.h"
#include "draw/styl.h"
#include "graphs/graph_layout.h"
#include "tests/draw/rec_screen.h"
#include "tests/draw/unit_canvas.h"
#include "tests/err_text.h"
#include "tests/graphs/graph_test_util.h"

namespace {

// Labels are measured on the recording screen.
struct Screen_First {
  Screen_First() { rec_screen(); }
};
struct Test_Graph : Screen_First, Graph_Holder {
  explicit Test_Graph(const Graph_Spec& g) : Graph_Holder(g) {}
};

const Var_Spec X = {"x", -10, 10, 0x000000}, T = {"t", 0, 4, 0x008000}, Y = {"y", -10, 10, 0xFF0000},
               Z = {"z", 0, 100, 0x0000FF};

std::string strip(Graph_Set& fws, int32_t k) {
  refresh_graphs(fws, true);
  return text_of(fws.strip_texts[size_t(k)]);
}

// Strand colours of a panel, in order.
std::vector<int32_t> strand_colours(const Panel& p) {
  std::vector<int32_t> out;
  for (const auto& s : p.pic.strands) out.push_back(s->colour);
  return out;
}

TEST(GraphSet, FormulaSetsAndPanelSize) {
  Test_Graph g(
      {{X, T}, {Y, Z}, {"(= y (* 2 x))", "(= z (+ y 1))", "(= (* y z) 3)", "(= (+ x -1) 0)", "(< y x)", "true"}, {}});
  const Formula_Sets& s = (*g).sets;
  ASSERT_EQ(s.f_wff1vs_s.size(), 2u);
  ASSERT_EQ(s.zero_wff1vs_s.size(), 3u);
  EXPECT_EQ(prefix_text(s.f_wff1vs_s[0][0].get()), "(* x 2)");
  // z = y + 1 mentions the first dependent variable: an implicit curve of z.
  EXPECT_EQ(s.f_wff1vs_s[1].size(), 0u);
  EXPECT_EQ(s.zero_wff1vs_s[1].size(), 1u);
  EXPECT_EQ(s.zero_wff1vs_s[0].size(), 1u);
  EXPECT_EQ(s.zero_wff1vs_s[2].size(), 1u);
  EXPECT_EQ(s.relations.size(), 2u);
  EXPECT_EQ((*g).s, 2 * 100 * 192);
  Test_Graph four({{X, T, X, T}, {Y}, {}, {}});
  EXPECT_EQ((*four).s, (*g).s / 2);
  large_graphs_ = true;
  Test_Graph large({{X}, {Y}, {}, {}});
  large_graphs_ = false;
  EXPECT_EQ((*large).s, 2 * (*g).s);
  EXPECT_EQ(check_text([] {
              Test_Graph none({{}, {Y}, {}, {}});
            }),
            "Assertion failed - file graph_set:\rm > 0 && n > 0");
}

TEST(GraphSet, TraceTexts) {
  Test_Graph g({{X, T}, {Y}, {"(= y (* 2 x))"}, {}});
  EXPECT_EQ(text_of((*g).trace_texts[0]), tol_text(0, 0.022));
  EXPECT_EQ(text_of((*g).trace_texts[1]), tol_text(2, 0.0044));
  trace_from_span(*g, 0, 1920, 5760);  // the middle, 3840 of 38400: x = -8
  EXPECT_EQ(text_of((*g).trace_texts[0]), tol_text(-8, 0.022));
  EXPECT_EQ(strip(*g, 0), tol_text(-16, 0.0022));
  // The section's bounds hold a long trace text whole.
  (*g).trace_texts[1] = Byte_Str(std::string(120, '9').c_str());
  graph_layout_update(*g);
  const Styl& s = graph_label_style();
  EXPECT_GE((*g).bds.x1, (*g).part_pts[3].x + text_width((*g).trace_texts[1].first_p, 120, s.style_bits, s));
  (*g).trace_texts[1] = Byte_Str("2x");
  EXPECT_EQ(message_of<Syntax_Err>([&] { refresh_graphs(*g, false); }), "Syntax Error");
  // Ranges without numbers label their grids "#": "Trace:" still ends before the first "x=".
  Test_Graph inf({{{"x", -INFINITY, INFINITY, 0}}, {{"y", -INFINITY, INFINITY, 0}}, {}, {}});
  EXPECT_GT((*inf).part_pts[0].x, text_width("Trace:", 6, s.style_bits, s));
}

TEST(GraphSet, ValueStripAndRms) {
  // y = 2x + t against three rows, one without y: the RMS over two rows.
  Test_Graph g({{X, T},
                {Y, Z},
                {"(= y (+ (* 2 x) t))", "(= (+ (* 3 z) (* -1 x)) 6)", "(= z (^ x 2))"},
                {{1, 1, 3.5, NAN}, {2, 0, NAN, NAN}, {-1, 2, 0.5, 7}}});
  (*g).trace_texts[0] = Byte_Str("1.5");
  (*g).trace_texts[1] = Byte_Str("1");
  double rms = std::sqrt((0.25 + 0.25) / 2);
  EXPECT_EQ(strip(*g, 0), tol_text(4, 0.0022) + " \xB1\x01 ~ " + tol_text(rms, 0.0022));
  // z: x^2, and (x + 6)/3 from the linear implicit equation; two formulas, no RMS.
  EXPECT_EQ(strip(*g, 1), tol_text(2.25, 0.011) + ", " + tol_text(2.5, 0.011));
  Ref z = (*g).dep_sym_vs[1].sym;
  Ref nonlinear = Ref::adopt(prefix_read("(+ (* z z) -1)", sym_list({z}).get()));
  EXPECT_EQ(solved_linear(nonlinear.get(), z.get()).get(), EMPTY_HDL);
  // A value that is not finite is left out.
  Test_Graph h({{X}, {Y}, {"(= y (sqrt x))", "(= y (* -1 x))"}, {}});
  (*h).trace_texts[0] = Byte_Str("-4");
  EXPECT_EQ(strip(*h, 0), tol_text(4, 0.0022));
}

TEST(GraphSet, Dots) {
  // Panel x: t's trace box is 2 +- 0.32; the range widened by a thousandth.
  Test_Graph g({{X, T}, {Y}, {}, {{5, 2.3, 5}, {5, 2.4, 6}, {5, 4.003, 7}, {5, 4.005, 8}, {5, NAN, 9}, {10.03, 2, 0}}});
  refresh_graphs(*g, false);
  const Panel& p = (*g).panels[0];
  const int32_t s = (*g).s;
  auto at = [&](double x, double y) { return Point{int32_t((x + 10) * s / 20), int32_t((y + 10) * s / 20)}; };
  EXPECT_EQ(p.full_dots[0].dots, (std::vector<Point>{at(5, 5), at(5, 9)}));
  EXPECT_EQ(p.light_dots[0].dots, (std::vector<Point>{at(5, 6), at(5, 7)}));
  EXPECT_EQ(p.full_dots[0].colour, 0xFF0000);
  EXPECT_EQ(p.light_dots[0].colour, 0xFE7F7F);
  // A bad range skips its panel.
  Test_Graph bad({{{"x", 1, 1, 0}}, {Y}, {"(= y x)"}, {{1, 1}}});
  refresh_graphs(*bad, true);
  EXPECT_TRUE((*bad).panels[0].full_dots[0].dots.empty());
  EXPECT_TRUE((*bad).panels[0].pic.strands.empty());
  // A bad dependent range: that variable's dots, curves and relations go, the others stay.
  Test_Graph bad_y({{X}, {{"y", 5, 5, 0xFF0000}, Z}, {"(< y x)", "(= y x)", "(= z (^ x 2))"}, {{1, 5, 1}}});
  refresh_graphs(*bad_y, true);
  const Panel& p2 = (*bad_y).panels[0];
  EXPECT_TRUE(p2.full_dots[0].dots.empty());
  EXPECT_EQ(p2.full_dots[1].dots.size(), 1u);
  EXPECT_TRUE(p2.pic.fills.empty());
  EXPECT_EQ(strand_colours(p2), (std::vector<int32_t>{0x0000FF, 0x000000}));
}

// The points of a drawing call, read back from the device's y (-(y + 1)).
bool outside_q(const std::string& call, int32_t lo, int32_t hi) {
  std::string w = call.substr(0, call.find(' '));
  if (w != "move_to" && w != "line_to" && w != "bezier_to" && w != "rectangle" && w != "polygon") return false;
  std::istringstream in(call.substr(call.find(' ') + 1));
  int32_t a, b;
  while (in >> a >> b)
    if (a < lo || a > hi || -(b + 1) < lo || -(b + 1) > hi) return true;
  return false;
}

TEST(GraphSet, PanelOnTheCanvas) {
  Test_Graph g({{X}, {Y}, {"(= y (* 0.5 x))", "(< y (+ x -5))"}, {{0, 1}}});
  refresh_graphs(*g, true);
  Unit_Canvas u;
  draw_panel((*g).panels[0], u.canvas, {0, 0});
  Calls calls = u.take();
  const int32_t s = (*g).s;
  // Grid lines, the frame, the dot, the shaded relation, then the curve and the trace line.
  std::vector<std::string> firsts;
  for (const std::string& c : calls) {
    std::string w = c.substr(0, c.find(' '));
    if (firsts.empty() || firsts.back() != w) firsts.push_back(w);
    EXPECT_FALSE(outside_q(c, -PICTURE_MARGIN, s + PICTURE_MARGIN)) << c;
  }
  auto pos = [&](const std::string& w) { return std::find(firsts.begin(), firsts.end(), w) - firsts.begin(); };
  EXPECT_LT(pos("rectangle"), pos("begin_path"));
  EXPECT_LT(pos("begin_path"), pos("bezier_to"));
  // Curve, then trace line at x = 0, each a strand in its colour.
  ASSERT_EQ((*g).panels[0].pic.strands.size(), 2u);
  EXPECT_EQ((*g).panels[0].pic.strands[1]->pts[0].x, s / 2);
}

TEST(GraphSet, WhatPanelsDraw) {
  // y = x + t, an implicit x = 1 (vertical, in x's colour), and true (the whole panel shaded).
  Test_Graph g({{X, T}, {Y}, {"(= y (+ x t))", "(= (+ x -1) 0)", "true"}, {}});
  Graph_Set& fws = *g;
  refresh_graphs(fws, true);
  // Panel x: the curve, the root of x - 1, the trace line at x = 0.
  const Panel& px = fws.panels[0];
  EXPECT_EQ(strand_colours(px), (std::vector<int32_t>{0xFF0000, 0x000000, 0x000000}));
  ASSERT_FALSE(px.pic.fills.empty());
  EXPECT_EQ(px.pic.fills[0]->colour, RELATION_COLOURS[0]);
  EXPECT_NEAR(px.pic.strands[1]->pts[0].x, fws.s * 11 / 20, fws.k);
  // A span in panel x: its ends as lines there, and the curve twice more in panel t.
  trace_from_span(fws, 0, fws.s / 4, fws.s * 3 / 4);
  refresh_graphs(fws, true);
  EXPECT_EQ(strand_colours(fws.panels[0]).size(), 5u);
  EXPECT_EQ(strand_colours(fws.panels[1]), (std::vector<int32_t>{0xFF0000, 0x008000, 0xFF0000, 0xFF0000}));
  // y = x + t at t = 2 and x = -5 and 5 at the span's ends: from 7 at t = 4 down to -3.
  EXPECT_NEAR(fws.panels[1].pic.strands[2]->pts[0].y, (-5 + 0 + 10) * fws.s / 20.0, 1);
}

TEST(GraphSet, SectionCommands) {
  Test_Graph g({{X, T}, {Y}, {"(= y (+ x t))"}, {{1, 2, 3}}});
  Graph_Set& fws = *g;
  const Gui_Kind& k = GRAPH_SECTION_OPS;
  Sel s = k.initial_sel(k, &fws);
  EXPECT_EQ(s.gen_i, 2);  // the first trace text
  EXPECT_EQ(k.sel_bounds(k, &fws, sel_of(0, 4)), fws.bds);  // all of it: labels and value strips too
  // A press and a drag in the first panel: the trace is the span's middle.
  Point panel0 = fws.part_pts[0];
  for (auto [x, phase] : {std::pair{0, MOUSE_PRESS}, {fws.s / 2, MOUSE_DRAG}}) {
    Mouse_Cmd m({panel0.x + x, panel0.y + 100}, 0, phase);
    EXPECT_EQ(k.query(k, &fws, s, m), CROSS_CURSOR);
    Cmd_Args args(s, m);
    k.perform(k, &fws, args);
    EXPECT_FALSE(rect_empty_q(args.inval_bds0));
  }
  EXPECT_EQ(text_of(fws.trace_texts[0]), tol_text(-5, 0.022));
  EXPECT_EQ(text_of(fws.strip_texts[0]), tol_text(-3, 0.0022) + " \xB1\x01 ~ " + tol_text(0, 0.0022));
  // Calculate runs what is pending: nothing, then the dots only.
  Button_Cmd calc(CALC_BUTTON_N);
  Cmd_Args idle(s, calc);
  k.perform(k, &fws, idle);
  EXPECT_TRUE(rect_empty_q(idle.inval_bds0));
  fws.rows.push_back({-5, 2, 0});
  mark_graphs(fws, false);
  Cmd_Args dots(s, calc);
  k.perform(k, &fws, dots);
  EXPECT_EQ(fws.panels[0].full_dots[0].dots.size(), 2u);
  EXPECT_EQ(fws.pending, 0u);
  // Typing a trace text asks for everything at the next Calculate.
  k.initial_sel(k, &fws);
  Sel t = k.initial_sel(k, &fws);
  Text_Partial_Cmd typed(Byte_Str("1"));
  Cmd_Args args(t, typed);
  k.perform(k, &fws, args);
  EXPECT_EQ(fws.pending, REFRESH_ALL);
  give_rows(fws, {});
  EXPECT_EQ(fws.pending, REFRESH_ALL | REFRESH_DOTS);
  // The section's texts: the trace row's title and the value strip.
  Unit_Canvas u;
  k.draw(k, &fws, u.canvas, {0, 0});
  std::string all;
  for (const std::string& c : u.take()) all += c + "\n";
  EXPECT_NE(all.find("\"Trace:\""), std::string::npos);
  // The plus-minus sign goes to the device as its code page byte.
  std::string strip = "\"y=" + tol_text(-3, 0.0022) + " \\xB1 ~ " + tol_text(0, 0.0022) + "\"";
  EXPECT_NE(all.find(strip), std::string::npos) << strip;
}

}  // namespace
