#include "shell/colors_window.h"

#include "core/err.h"
#include "editor/colour_cmd.h"
#include "shell/GUI_sys_os.h"
#include "shell/colour_palette.h"
#include "shell/wind_view.h"

namespace {

constexpr int32_t COLORS_MI = 0;
constexpr Point COLORS_AT = {184320, 0};

Wind_Con* colors_wc_mp() {
  for (Wind_Con* w : wind_ps_)
    if (w && w->con.kind_p == &COLOUR_PALETTE_KIND) return w;
  return nullptr;
}

}  // namespace

void tools_menu_handle(int32_t item_i) {
  CHECK_AS(item_i == COLORS_MI, "ind == COLORS_MI");
  colors_show();
}

void colors_show() {
  if (Wind_Con* w = colors_wc_mp()) return wind_activate(*w);
  wind_open(COLOUR_PALETTE_KIND, colour_palette_new(), "Colors", 0, 0, nullptr, &COLORS_AT);
}

// The Colors window comes to the front when clicked, so the colour is for
// the window the user was working in: the next one down. Where its
// selection is not in a colour swatch the colour is refused with a beep.
bool colour_result(Cmd& c) {
  if (c.cmd_n != COLOUR_CMD) return false;
  Wind_Con* colors_mp = colors_wc_mp();
  Wind_Con* doc_mp = colors_mp ? wind_under_mp(*colors_mp) : nullptr;
  if (!doc_mp || doc_mp->modal_q || con_query(doc_mp->con, c) <= 0) {
    shell_beep();
    return true;
  }
  shell_take_result(con_perform(doc_mp->con, c, true));
  wind_update(*doc_mp);
  return true;
}
