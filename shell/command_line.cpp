#include "shell/command_line.h"

Command_Line command_line_of(int argc, const char* const* argv) {
  Command_Line c;
  for (int i = 1; i < argc && c.error.empty(); ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      c.help_q = true;
    } else if (a == "--script") {
      if (i + 1 == argc) c.error = "--script needs a file";
      else c.script = argv[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      c.error = "unknown option " + a;
    } else if (!c.file.empty()) {
      c.error = "one file at a time";
    } else {
      bool quoted_q = a.size() >= 2 && a.front() == '"' && a.back() == '"';
      c.file = quoted_q ? a.substr(1, a.size() - 2) : a;
    }
  }
  return c;
}

std::string usage_text() {
  return "Usage: corvandile_veza [--script FILE] [MODEL]\n"
         "Builds and explores small mathematical models in a window.\n"
         "\n"
         "  --script FILE  runs the user actions of FILE, one a line, as the window would\n"
         "                 get them, and prints what they show (QT_QPA_PLATFORM=offscreen\n"
         "                 runs it without a display; the README gives the actions)\n"
         "  --help         prints this text\n"
         "  MODEL          opens the model file MODEL (*.mm) at the start\n";
}
