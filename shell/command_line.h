// The program's command line: a model file to open, the script driver's
// file, or the help text.
#pragma once
#include <string>

struct Command_Line {
  std::string file;    // without the double quotes a shell may have left round it
  std::string script;  // --script FILE
  bool help_q = false;
  std::string error;  // what was wrong; empty when nothing was
};

Command_Line command_line_of(int argc, const char* const* argv);
std::string usage_text();
