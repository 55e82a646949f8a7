#include "draw/math_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

#include "draw/font.h"
#include "rec_screen.h"
#include "tests/draw/unit_canvas.h"

// Bounds are given directly where only the layout rule matters, and measured
// from the substitute screen's fonts where the text matters: Times at 12
// points rises 3072 above the baseline and falls 576 below it; at 9 points
// 2304 and 384.

namespace {

// A letter at 12 points; raised parts 2000 and 3600 high, a lowered one 1800.
constexpr Rect A = {0, 1000, -576, 3072}, P = {0, 500, -400, 1600}, T = {0, 500, -600, 3000};
constexpr Rect S = {0, 600, -300, 1500}, N = NO_BOUNDS;
// Digits narrower than the shortest bar.
constexpr Rect D1 = {0, 300, -100, 500}, D2 = {0, 400, -100, 500}, D20 = {0, 560, -100, 500};

Styl times(int32_t size) { return make_style(make_font(font_family_resolve("Times", SERIF_KIND), size), ROMAN_CODING); }

Rect str_bounds(const char* text, int32_t size) {
  rec_screen();
  return styled_str_bounds(text, int32_t(std::char_traits<char>::length(text)), times(size));
}

}  // namespace

TEST(Math_Layout, InfixRulesPlaceTheOperatorAndTheRightOperand) {
  const struct {
    const char* what;
    Infix_Layout_Fn fn;
    Rect x, op, z;
    Point x_pt, op_pt, z_pt;
    Rect bds;
  } cases[] = {
      {"a*b: 384 apart", horizontal_layout, A, N, P, {0, 0}, {1192, 0}, {1384, 0}, {0, 1884, -576, 3072}},
      {"a+b", horizontal_layout, A, {0, 800, -700, 900}, P, {0, 0}, {1192, 0}, {2184, 0}, {0, 2684, -700, 3072}},
      {"top 3072: tops line up", superscript_layout, A, N, P, {0, 0}, {1000, 1472}, {1192, 1472}, {0, 1692, -576, 3072}},
      {"top 3072: bottom 576", superscript_layout, A, N, T, {0, 0}, {1000, 1176}, {1192, 1176}, {0, 1692, -576, 4176}},
      {"top 2047: bottom 384", superscript_layout, {0, 1000, -576, 2047}, N, P, {0, 0}, {1000, 784}, {1192, 784},
       {0, 1692, -576, 2384}},
      {"top 4096: bottom 768", superscript_layout, {0, 1000, -576, 4096}, N, T, {0, 0}, {1000, 1368}, {1192, 1368},
       {0, 1692, -576, 4368}},
      {"top -100 rounds down", superscript_layout, {0, 1000, -900, -100}, N, P, {0, 0}, {1000, 592}, {1192, 592},
       {0, 1692, -900, 2192}},
      {"a visible caret counts", superscript_layout, A, {-50, 300, -200, 2500}, {0, 500, -100, 1000}, {0, 0},
       {1050, 776}, {1542, 776}, {0, 2042, -576, 3276}},
      {"a_1: top at 384", subscript_layout, A, N, S, {0, 0}, {1000, -1116}, {1192, -1116}, {0, 1792, -1416, 3072}},
      {"short base: top at its top", subscript_layout, {0, 400, -100, 300}, N, S, {0, 0}, {400, -1200}, {592, -1200},
       {0, 1192, -1500, 300}},
      {"small: on the base's bottom", subscript_layout, A, N, {0, 200, -50, 150}, {0, 0}, {1000, -526}, {1192, -526},
       {0, 1392, -576, 3072}},
      {"1/2", fraction_layout, D1, N, D2, {234, 868}, {96, 480}, {184, -308}, {0, 768, -408, 1368}},
      {"1/20: the same bar", fraction_layout, D1, N, D20, {234, 868}, {96, 480}, {104, -308}, {0, 768, -408, 1368}},
      {"wide", fraction_layout, {0, 2000, -576, 3072}, N, {-10, 990, -576, 3072}, {96, 1344}, {96, 480},
       {606, -2880}, {0, 2192, -3456, 4416}},
      {"line stack", line_stack_layout, A, N, {0, 2000, -576, 3072}, {596, 4608}, {96, 3840}, {96, 576},
       {0, 2192, 0, 7680}},
  };
  for (const auto& k : cases) {
    Infix_Layout l = k.fn(k.x, k.op, k.z);
    EXPECT_EQ(l.pts[0], k.x_pt) << k.what;
    EXPECT_EQ(l.pts[1], k.op_pt) << k.what;
    EXPECT_EQ(l.pts[2], k.z_pt) << k.what;
    EXPECT_EQ(l.bds, k.bds) << k.what;
  }
  EXPECT_EQ(fraction_layout(D1, N, D2).op_bds, (Rect{0, 576, -96, 96}));
}

// Parts of any size: no two placed parts overlap, and the node holds them all.
TEST(Math_Layout, PlacedPartsNeverOverlapAndStayInsideTheNode) {
  std::mt19937 rng(14);
  auto any = [&](int32_t lo, int32_t hi) { return lo + int32_t(rng() % uint32_t(hi - lo + 1)); };
  auto part = [&] { return Rect{any(-300, 0), any(0, 4000), any(-2000, 0), any(0, 6000)}; };
  auto check = [](std::vector<Rect> placed, Rect bds, int trial) {
    for (size_t i = 0; i < placed.size(); ++i) {
      const Rect& a = placed[i];
      EXPECT_EQ(rect_union(bds, a), bds) << "trial " << trial << " part " << i;
      for (const Rect& b : std::span(placed.data(), i))
        EXPECT_FALSE(a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1) << "trial " << trial << " part " << i;
    }
  };
  const Infix_Layout_Fn rules[] = {horizontal_layout, superscript_layout, subscript_layout, fraction_layout,
                                   line_stack_layout};
  for (int trial = 0; trial < 2000; ++trial) {
    Rect x = part(), op = rng() % 2 ? N : part(), z = part();
    Infix_Layout l = rules[trial % 5](x, op, z);
    check({rect_shift(x, l.pts[0]), rect_shift(l.op_bds, l.pts[1]), rect_shift(z, l.pts[2])}, l.bds, trial);
    Rect prefix = part(), inner = part(), suffix = part();
    int32_t h = delimiter_height(inner, rng() % 2);
    Group_Layout g = group_layout(prefix, {'[', h}, inner, {']', h}, suffix);
    check({rect_shift(prefix, g.pts[0]), rect_shift(g.open_bds, g.pts[1]), rect_shift(inner, g.pts[2]),
           rect_shift(g.close_bds, g.pts[3]), rect_shift(suffix, g.pts[4])},
          g.bds, trial);
  }
}

TEST(Math_Layout, StringsTakeTheirStylesExtentAndASubscriptOneTopsAt384) {
  EXPECT_EQ(str_bounds("a", 12), (Rect{0, 1836, -576, 3072}));
  EXPECT_EQ(str_bounds("", 12), (Rect{0, 0, -576, 3072}));
  Infix_Layout l = subscript_layout(str_bounds("a", 12), N, str_bounds("1", 9));
  EXPECT_EQ(l.pts[2].y + str_bounds("1", 9).y1, 384);
  EXPECT_EQ(str_align_x("12.5", 4, times(12)), 1836 + 2148 + 2148 / 2);
  EXPECT_EQ(str_align_x("a", 1, times(12)), 1836 / 2);
  // U+172E ends in the byte of "." and is not one.
  EXPECT_EQ(str_align_x("\xAE.", 2, times(12)), str_bounds("\xAE.", 12).x1 / 2);
  EXPECT_EQ(aligned_origin_x(10000, str_align_x("12.5", 4, times(12))), 10000 - 5058);
  Unit_Canvas u;  // drawn in the canvas's colour: a label or a coloured name keeps it
  canvas_set_colour(u.canvas, 0xFF0000);
  u.take();
  canvas_draw_styled_str(u.canvas, {0, 0}, "a", 1, times(12));
  for (const std::string& call : u.take()) EXPECT_NE(call.rfind("text_colour", 0), 0u) << call;
}

TEST(Math_Layout, GroupsGapNonEmptyNeighboursAndStretchBracketsOverTheInnerPart) {
  constexpr Rect EMPTY = {0, 0, -576, 3072}, SIN = {0, 2000, -576, 3072}, FRAC = {0, 768, -408, 1368};
  const struct {
    const char* what;
    Rect prefix;
    bool shown_q;
    Rect inner, suffix;
    std::vector<Point> pts;
    Rect bds;
  } cases[] = {
      // A 3648-high parenthesis is 666 wide and centred on 1248.
      {"(a)", EMPTY, true, A, EMPTY, {{0, 0}, {666, 1248}, {858, 0}, {2050, 1248}, {2716, 0}}, {0, 2716, -576, 3072}},
      {"sin(a)", SIN, true, A, EMPTY, {{0, 0}, {2858, 1248}, {3050, 0}, {4242, 1248}, {4908, 0}},
       {0, 4908, -576, 3072}},
      {"sin(a)!", SIN, true, A, {0, 300, -576, 3072}, {{0, 0}, {2858, 1248}, {3050, 0}, {4242, 1248}, {5100, 0}},
       {0, 5400, -576, 3072}},
      {"hidden", SIN, false, A, EMPTY, {{0, 0}, {2192, 1248}, {2192, 0}, {3192, 1248}, {3192, 0}},
       {0, 3192, -576, 3072}},
      {"(1/2)", EMPTY, true, FRAC, EMPTY, {{0, 0}, {420, 480}, {612, 0}, {1572, 480}, {1992, 0}}, {0, 1992, -576, 3072}},
  };
  for (const auto& k : cases) {
    int32_t h = delimiter_height(k.inner, k.shown_q);
    Group_Layout l = group_layout(k.prefix, {'(', h}, k.inner, {')', h}, k.suffix);
    EXPECT_EQ(std::vector<Point>(l.pts, l.pts + 5), k.pts) << k.what;
    EXPECT_EQ(l.bds, k.bds) << k.what;
    Rect inner = rect_shift(k.inner, l.pts[2]), close = rect_shift(l.close_bds, l.pts[3]);
    EXPECT_EQ(k.shown_q ? inner.y1 - inner.y0 : 0, close.y1 - close.y0) << k.what;
  }
}

TEST(Math_Layout, BarsAreStrokesThroughTheirPointUnlessTheOperatorIsABreak) {
  Unit_Canvas u;
  Infix_Layout l = fraction_layout(D1, N, D2);
  canvas_draw_bar(u.canvas, l.pts[1], l.op_bds);
  canvas_draw_delimiter(u.canvas, {500, 40}, {'(', 0});  // hidden: nothing
  EXPECT_EQ(u.take(), (Calls{"pen 128 00000000", "move_to 96 -481", "line_to 672 -481"}));
  for (const char* text : {"\r", "\n", "\t", " "}) EXPECT_FALSE(bar_drawn_q(text, 1)) << int(text[0]);
  EXPECT_TRUE(bar_drawn_q("/", 1) && bar_drawn_q("\r\r", 2));
}
