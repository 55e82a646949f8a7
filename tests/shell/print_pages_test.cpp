// Contents placed on printed pages: one below the other with a rule between
// them while they fit, a new page when not, and a content larger than a page
// tiled over pages across, then down.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/doc_print.h"
#include "tests/draw/rec_screen.h"
#include "tests/draw/unit_canvas.h"

namespace {

constexpr int32_t PW = 100000, PH = 150000;

// Each page as its number and the top left corners its contents were drawn at.
struct Pages {
  Unit_Canvas uc;
  std::vector<std::string> log;
  std::vector<Rect> clips;
  Page_Job job;
  Pages()
      : job{{PW, PH, [this] { return log.push_back("page"), true; },
             [this](const Rect& clip, const std::function<void(Canvas&)>& draw) {
               clips.push_back(clip);
               draw(uc.canvas);
             }},
            "T"} {
    rec_screen();
  }
  void print(int32_t w, int32_t h) {
    Rect b = {-7, w - 7, 5 - h, 5};
    print_content(job, b, [&](Canvas&, Point o) { log.push_back(std::to_string(o.x - 7) + "," + std::to_string(o.y + 5)); });
  }
};

TEST(PrintPages, PlacesAndTiles) {
  Pages p0;
  p0.print(1000, 1000);
  int32_t top = p0.job.y + 1000;  // below the header
  ASSERT_LT(top, -3456);
  std::string t = std::to_string(top), avail = std::to_string(top + (PH + top));
  struct Case {
    std::vector<std::pair<int32_t, int32_t>> contents;
    std::vector<std::string> want;
  } cases[] = {
      // Three pages wide: across.
      {{{250000, 10000}}, {"0," + t, "page", "-100000," + t, "page", "-200000," + t}},
      // Less than 192 units over two page widths: two pages.
      {{{200100, 10000}}, {"0," + t, "page", "-100000," + t}},
      // Two pages wide and two tall: across, then down.
      {{{150000, 2 * (PH + top) - 1000}},
       {"0," + t, "page", "-100000," + t, "page", "0," + avail, "page", "-100000," + avail}},
      // Small contents: centred, the second below a rule, the third on a new page.
      {{{50000, 20000}, {60000, 20000}, {60000, PH}},
       {"25000," + t, "20000," + std::to_string(top - 20000 - 2 * 3168), "page", "20000," + t, "page",
        "20000," + avail}},
  };
  for (const Case& c : cases) {
    Pages p;
    for (auto [w, h] : c.contents) p.print(w, h);
    EXPECT_EQ(p.log, c.want) << c.want.size();
    EXPECT_EQ(p.job.page_n, int32_t(std::count(c.want.begin(), c.want.end(), "page")) + 1);
  }
}

// The header's frame is closed round the top of the page, each cell's text
// is cut short of the next cell, and the rule between two contents runs over
// the middle two thirds.
TEST(PrintPages, HeaderFrameAndRule) {
  Pages p;
  p.print(50000, 20000);
  p.print(60000, 20000);
  ASSERT_GE(p.clips.size(), 5u);
  std::vector<std::pair<int32_t, int32_t>> spans;
  for (size_t i = 1; i <= 4; ++i) spans.emplace_back(p.clips[i].x0, p.clips[i].x1);
  EXPECT_EQ(spans, (std::vector<std::pair<int32_t, int32_t>>{{0, 24616}, {25000, 49616}, {50000, 74616}, {75000, 99616}}));
  Calls calls = p.uc.take(), lines;
  for (const std::string& c : calls)
    if (c.rfind("line_to", 0) == 0) lines.push_back(c);
  ASSERT_GE(lines.size(), 4u);
  std::string bottom = lines[1].substr(lines[1].rfind(' '));
  EXPECT_EQ(Calls(lines.begin(), lines.begin() + 4),
            (Calls{"line_to 99999 -1", "line_to 99999" + bottom, "line_to 0" + bottom, "line_to 0 -1"}));
  EXPECT_GT(std::stoi(bottom), 0);
  auto rule = std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("move_to 16666 ", 0) == 0; });
  ASSERT_NE(rule, calls.end());
  EXPECT_EQ(rule[1], "line_to 83333" + rule->substr(rule->rfind(' ')));
}

}  // namespace
