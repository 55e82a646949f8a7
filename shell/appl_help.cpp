#include "shell/appl_help.h"

#include "core/appl_version.h"
#include "core/err.h"
#include "shell/GUI_sys_os.h"
#include "shell/alert.h"
#include "shell/menus.h"
#include "shell/paragraph.h"
#include "shell/wind_view.h"

namespace {

// The tips use the mathematical signs, as the editor shows what is typed:
// U+2217 for "*", U+2212 for "-", and U+03B4, in the internal coding.
#define TIMES "\x97\x44"
#define MINUS "\x92\x44"
#define DELTA "\xB4\x07"

const char TIPS[] =
    "1. Type an equation such as y=a" TIMES "x^2+b" TIMES "x+c under Constraints and click on Graphs: sliders are "
    "made for the parameters a, b and c. Click or drag on a slider to change the graph, and click or drag on the "
    "graph to see how y depends on x.\r"
    "2. More variables: click inside or under the Indep Var or Dep Var table and press Enter; to remove a row, "
    "select the whole row with the mouse and press Delete. Example: add the dependent variable z, change the "
    "Constraints to y=m" TIMES "x and z=(" MINUS "1/m)" TIMES "x, click on Graphs and drag the m slider: the "
    "lines stay perpendicular.\r"
    "3. Data: click on Table and type values separated by Tab and Enter; data typed in another program can be "
    "copied and pasted. The README's tour shows a table of data beside its model.\r"
    "4. Solve in the Analyze menu solves the Constraint equations; clicking on Graphs plots the data, graphs the "
    "approximating equations and shows root-mean-square errors.\r"
    "5. A Greek letter is typed by preceding it with Alt+G. Example: the Constraints y=sin(x), z=sin(x+" DELTA
    "), s=sin(x)+sin(x+" DELTA ") (Alt+G, then d, types " DELTA "); add the dependent variable s and drag the " DELTA
    " slider to go between constructive and destructive interference of sine waves.\r"
    "6. More: the README that comes with the program is a user's guide with a tour and the keys, and the numbered "
    "lessons in its examples folder (lesson1.mm, lesson2.mm, ...) teach it step by step; open the first and go on "
    "with Next File.";

constexpr int32_t TIPS_WIDTH = 57600;
constexpr int32_t TIPS_HEIGHT = 38400;
constexpr Point TIPS_AT = {9600, -96000};
constexpr int32_t ABOUT_ITEM = 2;
constexpr int32_t TIPS_FROM_END = 3;

// The Tips window is known by its kind, made once for the run.
const Gui_Kind& tips_kind() {
  static const Gui_Kind k = PARAGRAPH_KIND;
  return k;
}

}  // namespace

std::string about_text() {
  return std::string(APPL_TITLE) + " version " + version_text(APPL_VERSION) +
         "\rA program for building and exploring small mathematical models. The README that comes with it is a "
         "user's guide, and the numbered lessons in its examples folder teach it step by step.";
}

Byte_Str tips_text() { return Byte_Str(TIPS); }

void help_menu_handle(int32_t item_i) {
  static const int32_t n_items = int32_t(menu_bar()[HELP_MENU_ID0].items.size());
  if (item_i == n_items - TIPS_FROM_END) return tips_show();
  CHECK(item_i == ABOUT_ITEM);
  alert(INFORMATION_ICON, about_text(), {"&OK"}, 0, 0);
}

void tips_show() {
  for (Wind_Con* w : wind_ps_)
    if (w && w->con.kind_p == &tips_kind()) return wind_activate(*w);
  wind_open(tips_kind(), paragraph_new(tips_text(), TIPS_WIDTH), "Corvandile Tips", 0, TIPS_HEIGHT, nullptr,
            &TIPS_AT);
}

void help_start() {
  shell_menu_choose(NEW_ID);
  Wind_Con* doc_mp = front_wc_p();
  if (!doc_mp) return;
  tips_show();
  wind_activate(*doc_mp);
}
