// The program's command line: a model file to open, the script driver's
// file, the help text, or a batch command that solves, prints or draws a
// model without a window.
#pragma once
#include <cstdint>
#include <string>

enum Batch_N : int32_t { NO_BATCH, SOLVE_BATCH, PRINT_BATCH, RENDER_BATCH };

struct Command_Line {
  std::string file;    // without the double quotes a shell may have left round it
  std::string script;  // --script FILE
  bool help_q = false;
  Batch_N batch = NO_BATCH;  // --solve, --print or --render, whose FILE is file
  std::string pdf, png, svg;  // where a batch command writes
  int32_t graph_n = 0;        // --graph N: panel N alone; 0 for the whole model
  int32_t dpi = 0;            // --dpi N: pixels an inch of a whole model's picture; 0 unless given
  bool large_q = false;       // --large: the Large Graphs option
  bool no_grid_q = false;     // --no-grid: no grid lines and no trace line
  std::string error;          // what was wrong; empty when nothing was
};

// A whole model's picture is drawn at the screen's resolution unless --dpi says.
constexpr int32_t DEFAULT_PICTURE_DPI = 96;
constexpr int32_t MIN_PICTURE_DPI = 24, MAX_PICTURE_DPI = 2400;

Command_Line command_line_of(int argc, const char* const* argv);
std::string usage_text();
