// Sessions of commands against text fields, each step checked against the
// text, selection, list lengths, redraw and what the user was told.
#include <vector>

#include "tests/editor/editor_test_util.h"

namespace {

struct Step {
  const char* code;
  const char* text;
  int32_t anchor, gen, n_undo, n_redo;
  const char* redraw;  // "from|to": from the end of text from to the end of to; "" for nothing
  const char* said;    // an error, copied text or "<beep>"
};

struct Script {
  const Text_Field_Kind& kind;
  const char* start;
  std::vector<Step> steps;
};

Rect redraw_of(const std::string& spec) {
  if (spec.empty()) return EMPTY_RECT;
  size_t bar = spec.find('|');
  return {width_of(spec.substr(0, bar)), width_of(spec.substr(bar + 1)), test_style().descent, test_style().ascent};
}

std::string said(const Window_Log& log) { return log.error + (log.n_beeps ? "<beep>" : "") + log.copied; }

#define ALPHA "\xB1\x07"  // two bytes, one character

const Script SCRIPTS[] = {
    {FREE_FIELD, "", {{"+a", "a", 1, 1, 1, 0, "|a", ""},  // typing merges into one step
                      {"+b", "ab", 2, 2, 1, 0, "a|ab", ""},
                      {"+c", "abc", 3, 3, 1, 0, "ab|abc", ""},
                      {"Z", "", 0, 0, 0, 1, "|abc", ""},
                      {"Y", "abc", 3, 3, 1, 0, "|abc", ""},
                      {"Z", "", 0, 0, 0, 1, "|abc", ""},
                      {"+x", "x", 1, 1, 1, 0, "|x", ""}}},  // new typing empties the redo list
    {FREE_FIELD, "x", {{"R1", "x", 1, 1, 0, 0, "", ""},  // Backspace past the earlier typing
                       {"+a", "xa", 2, 2, 1, 0, "x|xa", ""},
                       {"+b", "xab", 3, 3, 1, 0, "xa|xab", ""},
                       {"<", "xa", 2, 2, 1, 0, "xa|xab", ""},
                       {"<", "x", 1, 1, 1, 0, "x|xa", ""},
                       {"<", "", 0, 0, 1, 0, "|x", ""},
                       {"Z", "x", 1, 1, 0, 1, "|x", ""},
                       {"Y", "", 0, 0, 1, 0, "|x", ""}}},
    {FREE_FIELD, "abc", {{"R1", "abc", 3, 3, 0, 0, "", ""},  // typing, moving, typing: two steps
                         {"+d", "abcd", 4, 4, 1, 0, "abc|abcd", ""},
                         {"L0", "abcd", 3, 3, 1, 0, "", ""},
                         {"+e", "abced", 4, 4, 2, 0, "abc|abced", ""},
                         {"Z", "abcd", 3, 3, 1, 1, "abc|abced", ""},
                         {"Z", "abc", 3, 3, 0, 2, "abc|abcd", ""},
                         {"Y", "abcd", 4, 4, 1, 1, "abc|abcd", ""},
                         {"<", "abc", 3, 3, 2, 0, "abc|abcd", ""}}},  // nothing merges while redo is possible
    {FREE_FIELD, "a" ALPHA "b", {{"R0", "a" ALPHA "b", 1, 1, 0, 0, "", ""},  // a character of two bytes
                                 {"R0", "a" ALPHA "b", 3, 3, 0, 0, "", ""},
                                 {"L2", "a" ALPHA "b", 1, 3, 0, 0, "", ""},
                                 {"C", "a" ALPHA "b", 1, 3, 0, 0, "", ALPHA},
                                 {"L0", "a" ALPHA "b", 1, 1, 0, 0, "", ""},
                                 {"R2", "a" ALPHA "b", 1, 3, 0, 0, "", ""},
                                 {"R0", "a" ALPHA "b", 3, 3, 0, 0, "", ""},
                                 {"<", "ab", 1, 1, 1, 0, "a|a" ALPHA "b", ""},
                                 {"Z", "a" ALPHA "b", 3, 3, 0, 1, "a|a" ALPHA "b", ""},
                                 {">", "a" ALPHA, 3, 3, 1, 0, "a" ALPHA "|a" ALPHA "b", ""}}},
    {FREE_FIELD, "hello", {{"R4", "hello", 5, 5, 0, 0, "", ""},  // Alt and Ctrl jump, Shift only grows
                           {"L2", "hello", 4, 5, 0, 0, "", ""},
                           {"L2", "hello", 3, 5, 0, 0, "", ""},
                           {"R2", "hello", 3, 5, 0, 0, "", ""},
                           {"R0", "hello", 5, 5, 0, 0, "", ""},
                           {"U1", "hello", 0, 0, 0, 0, "", ""},
                           {"D0", "hello", 0, 0, 0, 0, "", ""},
                           {"T0", "hello", 0, 0, 0, 0, "", ""},
                           {"<", "hello", 0, 0, 0, 0, "", ""},  // refused at offset 0
                           {"R3", "hello", 0, 5, 0, 0, "", ""},
                           {"L0", "hello", 0, 0, 0, 0, "", ""},
                           {"D1", "hello", 5, 5, 0, 0, "", ""},
                           {"A", "hello", 0, 5, 0, 0, "", ""},
                           {"+x", "x", 1, 1, 1, 0, "|hello", ""},
                           {"M", "x", 0, 1, 1, 0, "", ""},
                           {"A", "x", 0, 1, 1, 0, "", ""},
                           {"C", "x", 0, 1, 1, 0, "", "x"}}},
    {SHORT_FIELD, "ab", {{"R1", "ab", 2, 2, 0, 0, "", ""},  // a validity test
                         {"+!", "ab", 2, 2, 0, 0, "", "<beep>"},
                         {"!!", "ab", 2, 2, 0, 0, "", "Illegal text string"},
                         {"+cdefg", "ab", 2, 2, 0, 0, "", "<beep>"},
                         {"+cd", "abcd", 4, 4, 1, 0, "ab|abcd", ""},
                         {"A", "abcd", 0, 4, 1, 0, "", ""},
                         {"+wxyz12345", "abcd", 0, 4, 1, 0, "", "<beep>"},
                         {"*wxyz12345", "wxyz12", 6, 6, 2, 0, "|wxyz12", "<beep>"},
                         {"Z", "abcd", 4, 4, 1, 1, "|wxyz12", ""}}},
};

}  // namespace

TEST(TextField, SessionsOfCommands) {
  for (const Script& script : SCRIPTS) {
    Session s(script.kind, script.start);
    for (size_t i = 0; i < script.steps.size(); ++i) {
      const Step& st = script.steps[i];
      run_step(s, st.code);
      SCOPED_TRACE(std::string("\"") + script.start + "\" step " + std::to_string(i) + " " + st.code);
      EXPECT_EQ(field_text(s), st.text);
      EXPECT_EQ(s.con.sel.anchor_i, st.anchor);
      EXPECT_EQ(s.con.sel.gen_i, st.gen);
      EXPECT_EQ(n_elts(s.con.undo_list), st.n_undo);
      EXPECT_EQ(n_elts(s.con.redo_list), st.n_redo);
      EXPECT_EQ(s.log.redraw, redraw_of(st.redraw));
      EXPECT_EQ(said(s.log), st.said);
    }
  }
}
