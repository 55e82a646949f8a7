#include "draw/bracket.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "draw/rec_device.h"
#include "tests/draw/unit_canvas.h"

namespace {

// The points a call passes through (Bézier controls left out).
std::vector<Point> points_of(const std::string& call) {
  std::istringstream in(call);
  std::string name;
  in >> name;
  std::vector<int32_t> v;
  for (int32_t n; in >> n;) v.push_back(n);
  std::vector<Point> out;
  if (name == "move_to" || name == "line_to" || name == "pixel") out.push_back({v[0], v[1]});
  if (name == "polygon")
    for (size_t i = 0; i + 1 < v.size(); i += 2) out.push_back({v[i], v[i + 1]});
  if (name == "bezier_to")
    for (size_t i = 4; i + 1 < v.size(); i += 6) out.push_back({v[i], v[i + 1]});
  return out;
}

}  // namespace

TEST(Bracket, TheBoxGrowsWithTheHeightAndOpensToTheLeft) {
  for (auto [h, w] : {std::pair(2048, 456), {4096, 724}, {0, 187}}) EXPECT_EQ(bracket_width(h), w) << h;
  const std::tuple<uint32_t, int32_t, Rect> boxes[] = {{'(', 2048, {-456, 0, -1024, 1024}},
      {')', 2048, {0, 456, -1024, 1024}}, {'{', 4096, {-724, 0, -2048, 2048}}, {0x232A, 4096, {0, 724, -2048, 2048}},
      {0xF8EF, 2048, {-456, 0, -1024, 1024}}, {0xF8FA, 2048, {0, 456, -1024, 1024}}};
  for (const auto& [cp, h, box] : boxes) EXPECT_EQ(bracket_bounds(cp, h), box) << cp;
  EXPECT_TRUE(bracket_q(0x2308) && bracket_q(0x230B) && bracket_q(']'));
  EXPECT_FALSE(bracket_q('a') || bracket_q(0x2307) || bracket_q(0x232B) || bracket_q('|'));
}

TEST(Bracket, ParenthesesAreCrescentsAndOpeningOnesTheirMirrorImage) {
  Unit_Canvas u;
  canvas_draw_bracket(u.canvas, ')', bracket_bounds(')', 2048));
  canvas_draw_bracket(u.canvas, '(', bracket_bounds('(', 2048));
  EXPECT_EQ(u.take(),
            (Calls{"pen 1 00000000", "begin_path", "move_to 0 -1025",
                   "bezier_to 608 -569 608 567 0 1023 152 408 152 -410 0 -1025", "end_path", "stroke_and_fill_path",
                   "pen 128 00000000",  //
                   "pen 1 00000000", "begin_path", "move_to 0 -1025",
                   "bezier_to -608 -569 -608 567 0 1023 -152 408 -152 -410 0 -1025", "end_path",
                   "stroke_and_fill_path", "pen 128 00000000"}));
}

// Two quarter turns, straight stems and the point in the middle, mirrored
// about the middle row (device row -1).
TEST(Bracket, CurlyBracesAreStrokedTurnsAndStems) {
  Unit_Canvas u;
  canvas_draw_bracket(u.canvas, '}', bracket_bounds('}', 2048));
  EXPECT_EQ(u.take(),
            (Calls{"pen 152 00000000", "move_to 76 -949", "bezier_to 228 -949 228 -949 228 -797", "line_to 228 -153",
                   "bezier_to 228 -1 228 -1 380 -1 228 -1 228 -1 228 151", "line_to 228 795",
                   "bezier_to 228 947 228 947 76 947", "pen 128 00000000"}));
}

TEST(Bracket, ThinParenthesesAreOneStroke) {
  // At 96 dpi a pixel is 192 units: the crescent of a 2048-unit parenthesis
  // would be thinner than the pen.
  Rec_Canvas r96(96), r600(600);
  canvas_draw_bracket(r96.canvas, ')', {0, 456, -1024 - 1920, 1024 - 1920});
  EXPECT_EQ(r96.take(), (Calls{"pen 1 00000000", "move_to 0 4", "bezier_to 2 7 2 12 0 15",
                               "pixel 0 15 00000000", "pen 1 00000000"}));
  canvas_draw_bracket(r600.canvas, ')', {0, 456, -1024, 1024});
  EXPECT_EQ(r600.take()[1], "begin_path");
}

TEST(Bracket, EveryBracketStaysInsideItsBox) {
  const uint32_t all[] = {'(', ')', '[', ']', '{', '}', 0x2308, 0x2309, 0x230A, 0x230B, 0x2329, 0x232A, 0xF8EF, 0xF8FA};
  for (int32_t h : {600, 2048, 5000, 30000}) {
    for (uint32_t cp : all) {
      Unit_Canvas u;
      Rect box = bracket_bounds(cp, h);
      canvas_draw_bracket(u.canvas, cp, box);
      Calls calls = u.take();
      int32_t n_points = 0;
      for (const std::string& call : calls) {
        for (Point p : points_of(call)) {
          ++n_points;
          int32_t y = -p.y - 1;
          EXPECT_TRUE(box.x0 <= p.x && p.x <= box.x1 && box.y0 <= y && y <= box.y1)
              << std::hex << cp << std::dec << " h " << h << ": " << call;
        }
      }
      EXPECT_GE(n_points, 2) << std::hex << cp;
    }
  }
}
