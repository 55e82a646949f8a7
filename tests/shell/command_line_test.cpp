#include <gtest/gtest.h>

#include "shell/command_line.h"

TEST(Command_Line, FileScriptHelpAndMistakes) {
  struct Case {
    std::vector<const char*> args;
    std::string file, script, error;
    bool help_q;
  } cases[] = {
      {{}, "", "", "", false},
      {{"\"my model.mm\""}, "my model.mm", "", "", false},  // the quotes dropped
      {{"\""}, "\"", "", "", false},
      {{"--script", "s.vz", "a.mm"}, "a.mm", "s.vz", "", false},
      {{"-h"}, "", "", "", true},
      {{"--script"}, "", "", "--script needs a file", false},
      {{"--solve", "a.mm"}, "", "", "unknown option --solve", false},
      {{"a.mm", "b.mm"}, "a.mm", "", "one file at a time", false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = {"corvandile_veza"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    Command_Line cl = command_line_of(int(argv.size()), argv.data());
    EXPECT_EQ(cl.file, c.file);
    EXPECT_EQ(cl.script, c.script);
    EXPECT_EQ(cl.error, c.error);
    EXPECT_EQ(cl.help_q, c.help_q);
  }
}
