// Sessions of commands against text fields, each step checked for text,
// selection, list lengths, redraw and what the user was told; then queries,
// the typing merge's check and aligned texts.
#include <vector>

#include "draw/canvas_text.h"
#include "tests/editor/editor_test_util.h"

namespace {

struct Step {
  const char* code;
  const char* text;
  int32_t anchor, gen, n_undo, n_redo;
  const char* redraw = "";  // "u|v": from the end of text u to the end of text v; "" for nothing
  const char* said = "";
};

struct Script {
  const Text_Field_Kind& kind;
  const char* start;
  std::vector<Step> steps;
};

#define AL "\xB1\x07"  // alpha: one character of two bytes, 2148 units wide

const Script SCRIPTS[] = {
    // Typing merges into one step; new typing empties the redo list.
    {FREE_FIELD, "", {{"+a", "a", 1, 1, 1, 0, "|a"}, {"+b", "ab", 2, 2, 1, 0, "a|ab"},
                      {"+c", "abc", 3, 3, 1, 0, "ab|abc"}, {"Z", "", 0, 0, 0, 1, "|abc"},
                      {"Y", "abc", 3, 3, 1, 0, "|abc"}, {"Z", "", 0, 0, 0, 1, "|abc"},
                      {"+x", "x", 1, 1, 1, 0, "|x"}}},
    // Backspace past the start of the earlier typing stays in its record.
    {FREE_FIELD, "x", {{"R1", "x", 1, 1, 0, 0}, {"+a", "xa", 2, 2, 1, 0, "x|xa"}, {"+b", "xab", 3, 3, 1, 0, "xa|xab"},
                       {"<", "xa", 2, 2, 1, 0, "xa|xab"}, {"<", "x", 1, 1, 1, 0, "x|xa"}, {"<", "", 0, 0, 1, 0, "|x"},
                       {"Z", "x", 1, 1, 0, 1, "|x"}, {"Y", "", 0, 0, 1, 0, "|x"}}},
    // Typing, moving, typing: two steps. Nothing merges while redo is possible.
    {FREE_FIELD, "abc", {{"R1", "abc", 3, 3, 0, 0}, {"+d", "abcd", 4, 4, 1, 0, "abc|abcd"},
                         {"L0", "abcd", 3, 3, 1, 0}, {"+e", "abced", 4, 4, 2, 0, "abc|abced"},
                         {"Z", "abcd", 3, 3, 1, 1, "abc|abced"}, {"Z", "abc", 3, 3, 0, 2, "abc|abcd"},
                         {"Y", "abcd", 4, 4, 1, 1, "abc|abcd"}, {"<", "abc", 3, 3, 2, 0, "abc|abcd"}}},
    // A character of two bytes moves, copies and goes whole; the mouse takes
    // the nearest boundary (the left one on a tie).
    {FREE_FIELD, "a" AL "b", {{"R0", "a" AL "b", 1, 1, 0, 0}, {"R0", "a" AL "b", 3, 3, 0, 0},
                              {"L2", "a" AL "b", 1, 3, 0, 0}, {"C", "a" AL "b", 1, 3, 0, 0, "", AL},
                              {"L0", "a" AL "b", 1, 1, 0, 0}, {"R2", "a" AL "b", 1, 3, 0, 0},
                              {"R0", "a" AL "b", 3, 3, 0, 0}, {"<", "ab", 1, 1, 1, 0, "a|a" AL "b", ""},
                              {"Z", "a" AL "b", 3, 3, 0, 1, "a|a" AL "b", ""},
                              {">", "a" AL, 3, 3, 1, 0, "a" AL "|a" AL "b", ""}, {"P918", "a" AL, 0, 0, 1, 0},
                              {"P919", "a" AL, 1, 1, 1, 0}, {"G3983", "a" AL, 1, 3, 1, 0},
                              {"E-5000/2", "a" AL, 1, 0, 1, 0}, {"P99999/2", "a" AL, 1, 3, 1, 0},
                              {"P1836/8", "a" AL, 0, 3, 1, 0}, {"P1836/10", "a" AL, 0, 1, 1, 0}}},
    // Alt and Ctrl jump, Shift only grows; Backspace at offset 0 is refused.
    {FREE_FIELD, "hello", {{"R4", "hello", 5, 5, 0, 0}, {"L2", "hello", 4, 5, 0, 0}, {"L2", "hello", 3, 5, 0, 0},
                           {"R2", "hello", 3, 5, 0, 0}, {"R0", "hello", 5, 5, 0, 0}, {"U1", "hello", 0, 0, 0, 0},
                           {"<", "hello", 0, 0, 0, 0}, {"R3", "hello", 0, 5, 0, 0}, {"L0", "hello", 0, 0, 0, 0},
                           {"D1", "hello", 5, 5, 0, 0}, {"A", "hello", 0, 5, 0, 0}, {"+x", "x", 1, 1, 1, 0, "|hello"},
                           {"M", "x", 0, 1, 1, 0}, {"C", "x", 0, 1, 1, 0, "", "x"}}},
    // A validity test: refused typing beeps, an edit performed unasked fails,
    // a paste over everything takes the longest valid start.
    {SHORT_FIELD, "ab", {{"R1", "ab", 2, 2, 0, 0}, {"+!", "ab", 2, 2, 0, 0, "", "<beep>"},
                         {"!!", "ab", 2, 2, 0, 0, "", "Illegal text string"},
                         {"+cdefg", "ab", 2, 2, 0, 0, "", "<beep>"}, {"+cd", "abcd", 4, 4, 1, 0, "ab|abcd"},
                         {"A", "abcd", 0, 4, 1, 0}, {"+wxyz12345", "abcd", 0, 4, 1, 0, "", "<beep>"},
                         {"*wxyz12345", "wxyz12", 6, 6, 2, 0, "|wxyz12", "<beep>"},
                         {"Z", "abcd", 4, 4, 1, 1, "|wxyz12"}}},
};

Rect redraw_of(const std::string& spec) {
  if (spec.empty()) return EMPTY_RECT;
  size_t bar = spec.find('|');
  return {width_of(spec.substr(0, bar)), width_of(spec.substr(bar + 1)), test_style().descent, test_style().ascent};
}

}  // namespace

TEST(TextField, SessionsOfCommands) {
  for (const Script& script : SCRIPTS) {
    Session s(script.kind, script.start);
    for (const Step& st : script.steps) {
      run_step(s, st.code);
      SCOPED_TRACE(std::string("\"") + script.start + "\", step " + st.code);
      EXPECT_EQ(field_text(s), st.text);
      EXPECT_EQ(std::make_pair(s.con.sel.anchor_i, s.con.sel.gen_i), std::make_pair(st.anchor, st.gen));
      EXPECT_EQ(n_elts(s.con.undo_list), st.n_undo);
      EXPECT_EQ(n_elts(s.con.redo_list), st.n_redo);
      EXPECT_EQ(s.log.redraw, redraw_of(st.redraw));
      EXPECT_EQ(s.log.said, st.said);
    }
  }
}

namespace {

struct Query_Case {
  const Text_Field_Kind& kind;
  const char* text;
  int32_t anchor, gen;
  const char* code;
  int32_t answer, n_consumed;
};

const Query_Case QUERIES[] = {
    {FREE_FIELD, "abc", 0, 3, "A", 0, 0},     {FREE_FIELD, "abc", 0, 2, "M", 1, 0},
    {FREE_FIELD, "abc", 0, 3, "P0/8", 0, 0},  {FREE_FIELD, "abc", 0, 3, "P0/10", 2, 0},
    {FREE_FIELD, "abc", 0, 3, "G0/8", 2, 0},  {FREE_FIELD, "abc", 0, 1, "P0/8", 2, 0},
    {FREE_FIELD, "abc", 0, 0, "L0", 0, 0},    {FREE_FIELD, "abc", 0, 2, "L0", 1, 0},
    {FREE_FIELD, "abc", 0, 2, "L2", 0, 0},    {FREE_FIELD, "abc", 3, 3, "R0", 0, 0},
    {FREE_FIELD, "abc", 1, 3, "R0", 1, 0},    {FREE_FIELD, "abc", 3, 1, "R2", 0, 0},
    {FREE_FIELD, "abc", 2, 2, "U0", 0, 0},    {FREE_FIELD, "abc", 2, 2, "U1", 1, 0},
    {FREE_FIELD, "abc", 1, 1, "T0", 0, 0},    {FREE_FIELD, "abc", 1, 1, "C", 0, 0},
    {FREE_FIELD, "abc", 1, 2, "C", 1, 0},     {FREE_FIELD, "abc", 1, 1, "+", 0, 0},
    {FREE_FIELD, "abc", 1, 2, "+", 3, 0},     {FREE_FIELD, "abc", 1, 1, "+xy", 3, 2},
    {SHORT_FIELD, "ab", 1, 1, "+!", -1, 0},   {SHORT_FIELD, "ab", 0, 2, "+x!y", 3, 1},
};

}  // namespace

TEST(TextField, QueriesAnswerWithoutChangingAnything) {
  for (const Query_Case& q : QUERIES) {
    Byte_Str text(q.text), out;
    std::unique_ptr<Cmd> c = cmd_of(q.code, out);
    EXPECT_EQ(q.kind.kind.query(q.kind.kind, &text, sel_of(q.anchor, q.gen), *c), q.answer) << q.code << q.anchor;
    if (c->cmd_n == TEXT_PARTIAL_CMD) {
      EXPECT_EQ(static_cast<Text_Partial_Cmd&>(*c).n_consumed, q.n_consumed);
    }
    EXPECT_TRUE(equal_q(text, q.text));
  }
  Button_Cmd escape(ESCAPE_BUTTON_N);
  EXPECT_EQ(text_query(Byte_Str("abc"), FREE_FIELD.opts, sel_of(0, 0), escape), 0);
}

// A record whose start lies inside a character cannot be extended backwards;
// a later part of a text shared over several parts records nothing.
TEST(TextField, TypingMergesOnlyIntoAConsistentRecord) {
  Byte_Str text("x\x81\x01y");
  Sel sel = sel_of(1, 3), prev = sel_of(2, 3);
  Text_Partial_Cmd del{Byte_Str()}, prev_cmd{Byte_Str()};
  Cmd_Args args(sel, del);
  args.prev_undo_sel_p = &prev;
  args.prev_undo_cmd_p = &prev_cmd;
  EXPECT_EQ(check_text([&] { text_perform(text, FREE_FIELD.opts, args); }),
            "Assertion failed - file text_typing:\rk == anchor_i(*prev_undo_sel_p(args))");
  EXPECT_TRUE(equal_q(text, "x\x81\x01y"));
  Text_Partial_Cmd rest{Byte_Str("ab")};
  rest.n_consumed = 1;
  Cmd_Args later(sel, rest);
  text_perform(text, FREE_FIELD.opts, later);
  EXPECT_TRUE(equal_q(text, "xby") && !cmd_mp(later.undo) && later.changed_q);
}

TEST(TextField, AlignedTextsLieOnTheirPointAndRedrawWhole) {
  Session s(NUMBER_FIELD, "12.5");
  const Styl& st = test_style();
  const Gui_Kind& k = NUMBER_FIELD.kind;
  int32_t w12 = width_of("12");
  EXPECT_EQ(k.bounds(k, s.con.content_p), (Rect{-w12, width_of(".5"), st.descent, st.ascent}));
  EXPECT_EQ(s.con.origin, (Point{576 + w12, -576 - st.ascent}));
  for (const char* code : {"P0", "R1", "+7", "A", "*3"}) {
    run_step(s, code);  // typing at the end or over everything redraws all of it: the point may move
    if (code[0] == '+' || code[0] == '*') {
      EXPECT_EQ(s.log.redraw, (Rect{-w12, width_of(".57"), st.descent, st.ascent}));
    }
  }
  EXPECT_EQ(con_sel_bounds(s.con), rect_shift({-96, 96, st.descent, st.ascent}, s.con.origin));
  run_step(s, "L2");
  EXPECT_EQ(con_sel_bounds(s.con), rect_shift({-width_of("3"), 0, st.descent, st.ascent}, s.con.origin));
  Rec_Device printer = rec_device_new(96, 500, 500);
  Canvas c(rec_device(printer), 0, 0);
  k.draw(k, s.con.content_p, c, {1000, -2000});
  EXPECT_EQ(c.cur, (Point{1000, -2000}));  // drawn from 1000 - width("3"), ending on the point
  EXPECT_EQ(rec_take_calls(printer).back(), "text 0 \"3\"");
}
