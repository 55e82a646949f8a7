#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

// Every field that was given, in a fixed order.
std::string summary(const Command_Line& c) {
  std::string s;
  auto field = [&](const char* name, const std::string& v) {
    if (!v.empty() && v != "0") s += std::string(s.empty() ? "" : " ") + name + "=" + v;
  };
  field("file", c.file);
  field("script", c.script);
  field("help", std::to_string(c.help_q));
  field("batch", std::to_string(c.batch));
  field("pdf", c.pdf);
  field("png", c.png);
  field("svg", c.svg);
  field("graph", std::to_string(c.graph_n));
  field("dpi", std::to_string(c.dpi));
  field("large", std::to_string(c.large_q));
  field("no-grid", std::to_string(c.no_grid_q));
  field("error", c.error);
  return s;
}

}  // namespace

TEST(Command_Line, OptionsAndTheirMistakes) {
  const struct {
    std::vector<const char*> args;
    const char* want;
  } cases[] = {
      {{}, ""},
      {{"\"my model.mm\""}, "file=my model.mm"},  // the quotes dropped
      {{"\""}, "file=\""},
      {{"--script", "s.vz", "a.mm"}, "file=a.mm script=s.vz"},
      {{"-h"}, "help=1"},
      {{"--script"}, "error=--script needs a file"},
      {{"--frobnicate", "a.mm"}, "error=unknown option --frobnicate"},
      {{"a.mm", "b.mm"}, "file=a.mm error=one file at a time"},
      {{"--solve", "a.mm"}, "file=a.mm batch=1"},
      {{"--print", "a.mm", "--pdf", "o.pdf"}, "file=a.mm batch=2 pdf=o.pdf"},
      {{"--png", "o.png", "--dpi", "300", "--large", "--render", "a.mm", "--svg", "o.svg"},
       "file=a.mm batch=3 png=o.png svg=o.svg dpi=300 large=1"},
      {{"--render", "a.mm", "--graph", "2", "--no-grid", "--png", "o.png"},
       "file=a.mm batch=3 png=o.png graph=2 no-grid=1"},
      {{"--solve"}, "batch=1 error=--solve needs a file"},
      {{"--solve", "a.mm", "--render", "b.mm"}, "file=a.mm batch=3 error=one batch command at a time"},
      {{"--script", "s.vz", "--solve", "a.mm"}, "file=a.mm script=s.vz batch=1 error=--script does not go with a batch command"},
      {{"--print", "a.mm"}, "file=a.mm batch=2 error=--print needs --pdf OUT"},
      {{"--print", "a.mm", "--pdf", "o.pdf", "--png", "o.png"}, "file=a.mm batch=2 pdf=o.pdf png=o.png error=--png goes with --render"},
      {{"--render", "a.mm"}, "file=a.mm batch=3 error=--render needs --png OUT or --svg OUT"},
      {{"--solve", "a.mm", "--large"}, "file=a.mm batch=1 large=1 error=--large goes with --render"},
      {{"--render", "a.mm", "--svg", "o", "--no-grid"}, "file=a.mm batch=3 svg=o no-grid=1 error=--no-grid goes with --graph"},
      {{"--render", "a.mm", "--svg", "o", "--graph", "1", "--dpi", "96"},
       "file=a.mm batch=3 svg=o graph=1 dpi=96 error=--dpi goes with --render of a whole model"},
      {{"--render", "a.mm", "--graph", "0"}, "file=a.mm batch=3 error=--graph needs a panel number: 1, 2, ..."},
      {{"--render", "a.mm", "--dpi", "2401"}, "file=a.mm batch=3 error=--dpi needs a number from 24 to 2400"},
      {{"--render", "a.mm", "--dpi", "24", "--png", "-"}, "file=a.mm batch=3 png=- dpi=24"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv = {"corvandile_veza"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(summary(command_line_of(int(argv.size()), argv.data())), c.want);
  }
}
