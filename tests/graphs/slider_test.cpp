#include "graphs/sliders.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "draw/rec_device.h"
#include "tests/err_text.h"
#include "tests/bytes_of.h"

namespace {

// A parameter row reduced to what its slider touches, driven as the row
// would be: the slider performs, and its BUTTON_CMD rewrites the value.
struct Row {
  Slider s;
  Slider_Texts t;
  Rect redraw = EMPTY_RECT;
  int32_t button_n = -1;  // -1: no result command
  std::string undo_text;  // the text the undo record brings back
  bool changed_q = false;

  Row(const char* low, const char* high, const char* value) : t{Byte_Str(low), Byte_Str(high), Byte_Str(value)} {
    value_to_slider(s, t);
  }
  void send(Cmd&& c) {
    Sel sel = SLIDER_OPS.initial_sel(SLIDER_OPS, &s);
    Cmd_Args args(sel, c);
    SLIDER_OPS.perform(SLIDER_OPS, &s, args);
    redraw = args.inval_bds0;
    button_n = args.res_cmd_mp ? button_cast_n(*args.res_cmd_mp) : -1;
    Cmd_Args row_args(sel, c);
    if (args.res_cmd_mp) apply_slider_to_value(s, *args.res_cmd_mp, t, row_args);
    Cmd* undo_mp = row_args.undo.cmd_mp.get();
    undo_text = undo_mp ? c_str(static_cast<Text_Partial_Cmd*>(undo_mp)->text) : "";
    changed_q = row_args.changed_q;
  }
  void key(int32_t dir, int32_t mods = 0) { send(Arrow_Cmd(dir, mods)); }
  void mouse(int32_t x, int32_t phase, int32_t mods = 0, int32_t y = 0) { send(Mouse_Cmd({x, y}, mods, phase)); }
  std::string value() { return c_str(t.value); }
  std::tuple<int32_t, int32_t, std::string> state() { return {s.a, s.p, value()}; }
};

constexpr int32_t L = Arrow_Cmd::LEFT, R = Arrow_Cmd::RIGHT;

TEST(Slider, KeysAndValues) {
  Row row("-10", "10", "0");
  EXPECT_EQ(std::tie(row.s.a, row.s.p), std::tie(SLIDER_MID_N, SLIDER_MID_N));
  row.key(R);
  EXPECT_EQ(row.s.p, 5050);
  EXPECT_EQ(row.value(), "0.10");
  EXPECT_EQ(row.undo_text, "0");
  EXPECT_EQ(row.button_n, 0);
  EXPECT_EQ(row.redraw, (Rect{8714, 10582, -1728, -192}));  // the old thumb and the new
  row.key(R, CTRL_MOD);
  EXPECT_EQ(row.state(), std::make_tuple(10000, 10000, std::string("10.00")));
  row.key(R);  // at the end: nothing left to change in the text
  EXPECT_EQ(std::tie(row.button_n, row.changed_q, row.undo_text), std::make_tuple(0, false, std::string()));
  row.key(Arrow_Cmd::UP);
  EXPECT_EQ(row.button_n, -1);
  Row alt("-10", "10", "0");
  alt.key(L, ALT_MOD);
  EXPECT_EQ(alt.state(), std::make_tuple(4750, 4750, std::string("-0.50")));
}

TEST(Slider, RangesAndThumbs) {
  Row row("-10", "10", "0");
  row.key(R, SHIFT_MOD);
  EXPECT_EQ(row.state(), std::make_tuple(5000, 5050, std::string("0.05")));
  Slider quiet = row.s;  // where modifiers do not count, Shift+Right collapses the range
  std::unique_ptr<Cmd> res;
  Rect area = EMPTY_RECT;
  EXPECT_TRUE(slider_command(quiet, Arrow_Cmd(R, SHIFT_MOD), false, res, area));
  EXPECT_EQ(std::tie(quiet.a, quiet.p), std::make_tuple(5050, 5050));
  row.key(L);  // a plain key collapses the range to its end
  EXPECT_EQ(std::tie(row.s.a, row.s.p), std::make_tuple(5000, 5000));
  row.key(R, SHIFT_MOD);
  Rec_Device rec = rec_device_new(18432, 100, 100);
  Canvas c(rec_device(rec), 0, 0);
  rec_take_calls(rec);
  slider_draw(c, {1000, 3000}, row.s);
  std::vector<std::string> calls = rec_take_calls(rec);
  ASSERT_EQ(calls.size(), 2 * 11 + 3u);
  EXPECT_EQ(calls[0], "move_to 1000 -3001");
  EXPECT_EQ(calls[1], "line_to 1000 -5305");  // an end tick
  EXPECT_EQ(calls[11], "line_to 10600 -4729");  // the middle tick
  EXPECT_EQ(calls[22], "polygon 10600 -2809 9714 -1273 11486 -1273");
  EXPECT_EQ(calls[23], "polygon 10648 -2809 9762 -1273 11534 -1273");
  EXPECT_EQ(calls[24], "polygon 10696 -2809 9810 -1273 11582 -1273");
  Row off("-10", "10", "11");
  EXPECT_EQ(std::tie(off.s.a, off.s.p), std::make_tuple(NO_THUMB, NO_THUMB));
  slider_draw(c, {0, 0}, off.s);
  EXPECT_EQ(rec_take_calls(rec).size(), 2 * 11u);
  for (const char* v : {"x", "-10.1", "10.00002"}) {
    Row bad("-10", "10", v);
    EXPECT_EQ(bad.s.p, NO_THUMB) << v;
  }
  Row edge("-10", "10", "10.000001");
  EXPECT_EQ(edge.s.p, SLIDER_MAX_N);
  off.key(R);  // a move gives the slider a place again
  EXPECT_EQ(off.state(), std::make_tuple(50, 50, std::string("-9.90")));
}

TEST(Slider, Mouse) {
  Row row("-10", "10", "0");
  row.mouse(SLIDER_DEFAULT_W / 3, MOUSE_PRESS);
  EXPECT_EQ(std::tie(row.s.p, row.button_n, row.undo_text), std::make_tuple(3350, 0, std::string("0")));
  row.mouse(SLIDER_DEFAULT_W / 3 + 10, MOUSE_DRAG);  // same place: no news
  EXPECT_EQ(row.button_n, -1);
  row.mouse(SLIDER_DEFAULT_W + 20000, MOUSE_DRAG);  // far right, still dragging
  EXPECT_EQ(std::tie(row.s.p, row.button_n, row.undo_text), std::make_tuple(10000, 1, std::string()));
  EXPECT_TRUE(row.changed_q);
  row.mouse(SLIDER_DEFAULT_W + 20000, MOUSE_PRESS);  // too far for a press
  row.mouse(100, MOUSE_PRESS, 0, 2304 + 1537);       // above the margin
  EXPECT_EQ(row.s.p, 10000);
  row.mouse(0, MOUSE_RELEASE, SHIFT_MOD);
  EXPECT_EQ(row.state(), std::make_tuple(10000, 0, std::string("0.0")));
}

TEST(Slider, StoredForm) {
  Slider s{5000, 5050, 19200};
  Byte_Str b;
  write_slider(b, s);
  write_slider(b, Slider{NO_THUMB, NO_THUMB, 1920});
  EXPECT_EQ(bytes_of(b), "\x88\x27\xBA\x27\x64\x7F\x7F\x0A");
  Mem_In_Stream in(b.first_p, n_elts(b));
  Slider r1 = read_slider(in), r2 = read_slider(in);
  EXPECT_EQ(std::tie(r1.a, r1.p, r1.w, r2.a, r2.w), std::make_tuple(5000, 5050, 19200, NO_THUMB, 1920));
  Mem_In_Stream narrow("\x01\x01\x09");
  EXPECT_EQ(read_slider(narrow).w, SLIDER_DEFAULT_W);
}

// Random mouse and key sessions on several ranges: positions stay on the
// scale, and the value text stands for the middle thumb: exactly where the
// text's decimals hold every step of the range, else within the text's
// precision of a thousandth of the range (5 positions).
TEST(Slider, RandomSessions) {
  std::mt19937 rng(3);
  const char* ranges[][2] = {{"-10", "10"}, {"0", "1"}, {"2", "3"}, {"-0.5", "100"}};
  for (int range_i = 0; range_i < 4; ++range_i) {
    Row row(ranges[range_i][0], ranges[range_i][1], ranges[range_i][0]);
    for (int i = 0; i < 3000; ++i) {
      int32_t mods = int32_t(rng() % 8);
      if (rng() % 2) row.key(int32_t(rng() % 5), mods);
      else row.mouse(int32_t(rng() % 60000) - 20000, int32_t(rng() % 3), mods & ~ALT_MOD, int32_t(rng() % 8000) - 4000);
      ASSERT_TRUE(row.s.a >= 0 && row.s.a <= SLIDER_MAX_N && row.s.p >= 0 && row.s.p <= SLIDER_MAX_N);
      Slider back;
      value_to_slider(back, row.t);
      int32_t off = back.p - (row.s.a + row.s.p) / 2;
      ASSERT_TRUE(range_i < 3 && (row.s.a == row.s.p || range_i == 0) ? off == 0 : std::abs(off) <= 5)
          << row.value() << " " << row.s.a << " " << row.s.p;
    }
  }
}

}  // namespace
