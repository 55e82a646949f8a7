#include "shell/command_line.h"

namespace {

struct File_Option {
  const char* option;
  std::string Command_Line::*field;
};
const File_Option FILE_OPTIONS[] = {{"--script", &Command_Line::script},
                                    {"--pdf", &Command_Line::pdf},
                                    {"--png", &Command_Line::png},
                                    {"--svg", &Command_Line::svg}};

struct Batch_Option {
  const char* option;
  Batch_N batch;
};
const Batch_Option BATCH_OPTIONS[] = {{"--solve", SOLVE_BATCH}, {"--print", PRINT_BATCH}, {"--render", RENDER_BATCH}};

constexpr int32_t MAX_GRAPH_N = 1000;

// A whole number from lo to hi, or 0.
int32_t number_in(const std::string& s, int32_t lo, int32_t hi) {
  if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos) return 0;
  int32_t n = std::stoi(s);
  return n >= lo && n <= hi ? n : 0;
}

void take_file(Command_Line& c, const std::string& a) {
  if (!c.file.empty()) {
    c.error = "one file at a time";
    return;
  }
  bool quoted_q = a.size() >= 2 && a.front() == '"' && a.back() == '"';
  c.file = quoted_q ? a.substr(1, a.size() - 2) : a;
}

// The first option given without what it goes with.
std::string combination_error(const Command_Line& c) {
  bool render_q = c.batch == RENDER_BATCH, graph_q = c.graph_n > 0;
  const struct {
    bool given_q, allowed_q;
    const char* text;
  } rules[] = {
      {!c.script.empty(), c.batch == NO_BATCH, "--script does not go with a batch command"},
      {c.batch != NO_BATCH, !c.file.empty(), "a batch command needs a model file"},
      {!c.pdf.empty(), c.batch == PRINT_BATCH, "--pdf goes with --print"},
      {!c.png.empty(), render_q, "--png goes with --render"},
      {!c.svg.empty(), render_q, "--svg goes with --render"},
      {graph_q, render_q, "--graph goes with --render"},
      {c.large_q, render_q, "--large goes with --render"},
      {c.no_grid_q, graph_q, "--no-grid goes with --graph"},
      {c.dpi > 0, render_q && !graph_q, "--dpi goes with --render of a whole model"},
      {c.batch == PRINT_BATCH, !c.pdf.empty(), "--print needs --pdf OUT"},
      {render_q, !c.png.empty() || !c.svg.empty(), "--render needs --png OUT or --svg OUT"},
  };
  for (const auto& r : rules)
    if (r.given_q && !r.allowed_q) return r.text;
  return std::string();
}

// One argument, and the value after it for the options that take one.
void take_argument(Command_Line& c, int argc, const char* const* argv, int& i) {
  std::string a = argv[i];
  auto value = [&](const char* what) {
    if (i + 1 < argc) return std::string(argv[++i]);
    c.error = a + " needs " + what;
    return std::string();
  };
  for (const File_Option& f : FILE_OPTIONS)
    if (a == f.option) {
      c.*f.field = value("a file");
      return;
    }
  for (const Batch_Option& b : BATCH_OPTIONS)
    if (a == b.option) {
      if (c.batch != NO_BATCH) c.error = "one batch command at a time";
      c.batch = b.batch;
      std::string file = value("a file");
      if (c.error.empty()) take_file(c, file);
      return;
    }
  if (a == "--graph") {
    std::string n = value("a panel number");
    c.graph_n = number_in(n, 1, MAX_GRAPH_N);
    if (c.error.empty() && c.graph_n == 0) c.error = "--graph needs a panel number: 1, 2, ...";
  } else if (a == "--dpi") {
    std::string n = value("a resolution");
    c.dpi = number_in(n, MIN_PICTURE_DPI, MAX_PICTURE_DPI);
    if (c.error.empty() && c.dpi == 0)
      c.error = "--dpi needs a number from " + std::to_string(MIN_PICTURE_DPI) + " to " + std::to_string(MAX_PICTURE_DPI);
  } else if (a == "--large") {
    c.large_q = true;
  } else if (a == "--no-grid") {
    c.no_grid_q = true;
  } else if (a == "--help" || a == "-h") {
    c.help_q = true;
  } else if (a.size() > 1 && a[0] == '-') {
    c.error = "unknown option " + a;
  } else {
    take_file(c, a);
  }
}

}  // namespace

Command_Line command_line_of(int argc, const char* const* argv) {
  Command_Line c;
  for (int i = 1; i < argc && c.error.empty(); ++i) take_argument(c, argc, argv, i);
  if (c.error.empty() && !c.help_q) c.error = combination_error(c);
  return c;
}

std::string usage_text() {
  return "Usage: corvandile_veza [--script FILE] [MODEL]\n"
         "       corvandile_veza --solve MODEL\n"
         "       corvandile_veza --print MODEL --pdf OUT\n"
         "       corvandile_veza --render MODEL [--graph N] [--png OUT] [--svg OUT] [OPTIONS]\n"
         "Builds and explores small mathematical models in a window, or without one.\n"
         "\n"
         "  --script FILE  runs the user actions of FILE, one a line, as the window would\n"
         "                 get them, and prints what they show (QT_QPA_PLATFORM=offscreen\n"
         "                 runs it without a display; the README gives the actions)\n"
         "  --solve MODEL  solves the model's Constraints and prints its Solutions\n"
         "  --print MODEL  prints the model as File > Print does, into the PDF file\n"
         "                 that --pdf OUT names\n"
         "  --render MODEL draws the model after its Graph, as a PNG image (--png OUT)\n"
         "                 or an SVG picture (--svg OUT) or both\n"
         "  --dpi N        the whole model's picture at N pixels an inch (96, the\n"
         "                 window's size, unless given)\n"
         "  --graph N      only the plot area of graph panel N (1 for the first\n"
         "                 independent variable), one pixel per screen pixel: 200 x 200,\n"
         "                 100 x 100 with four or more independent variables\n"
         "  --large        the Large Graphs option: panels of 400 x 400\n"
         "  --no-grid      with --graph, leaves out the grid lines and the trace line\n"
         "  --help         prints this text\n"
         "  MODEL          opens the model file MODEL (*.mm) at the start\n"
         "\n"
         "A batch command (--solve, --print, --render) opens no window; when it\n"
         "fails it prints the program's message, writes nothing and exits with 1.\n";
}
