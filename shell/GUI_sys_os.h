// The application on the platform: the main window with its menu bar, the
// sub-windows of the controllers, the loop with its idle work, alerts, and
// the script driver that sends a user's actions down the same paths.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/Wind_Con.h"

struct Err;

constexpr const char* APPL_TITLE = "Corvandile Veza";

// The program: arguments as given to main. Returns the exit code.
int appl_main(int argc, char** argv);

// Opens a sub-window on content (owned from here on); an empty title makes a
// modal alert. width and height as for open_content_rect; pos_mp, when given,
// is the top left corner from the main window's client area, y up.
Wind_Con* wind_open(const Gui_Kind& k, void* content, const std::string& title, int32_t width, int32_t height,
                    Wind_Con* enclosing_mp, const Point* pos_mp);
// Its sub-windows first; the enclosing controller hears of it.
void wind_close(Wind_Con& w);
void wind_activate(Wind_Con& w);
Wind_Con* front_wc_p();
// The top-most sub-window under w, or none.
Wind_Con* wind_under_mp(const Wind_Con& w);
std::string wind_title(const Wind_Con& w);
// Renames the sub-windows titled with the old title and ":" as well.
void wind_set_title(Wind_Con& w, const std::string& title);
void wind_replace_content(Wind_Con& w, void* content);
void wind_update(Wind_Con& w);

extern std::vector<Wind_Con*> wind_ps_;

// Runs the loop until the result slot holds a command, and returns it.
std::unique_ptr<Cmd> run_loop();
// A modal question; returns the chosen button's index, or escape_n.
int32_t alert(int32_t icon, const std::string& text, const std::vector<std::string>& labels, int32_t escape_n,
              int32_t selected_i);
// Shown by the loop when it next comes round.
void report_error(const std::string& text);
// The error's text as users see it: its message and, when it has one, its code.
void report_error(const Err& e);
// "Error closing file 'NAME':  REASON", both internal text; only the first is kept.
void add_deferred_error(const std::string& file_name, const std::string& reason);
