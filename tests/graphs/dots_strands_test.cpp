#include "graphs/dots_strands.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "draw/rec_device.h"
#include "tests/draw/unit_canvas.h"
#include "tests/err_text.h"
#include "tests/bytes_of.h"

namespace {

// A fresh canvas selects black; the device takes colours with red and blue exchanged.
const Calls BLUE = {"pen 128 00FF0000", "brush 02FF0000", "text_colour 00FF0000"};
const Calls BLACK = {"pen 128 00000000", "brush 02000000", "text_colour 00000000"};

Calls in_blue(Calls drawn) {
  Calls all = BLUE;
  all.insert(all.end(), drawn.begin(), drawn.end());
  all.insert(all.end(), BLACK.begin(), BLACK.end());
  return all;
}

template <class T, class Write>
std::string stored(const T& g, Write write) {
  return written([&](Byte_Str& s) { write(s, g); });
}

// A double whose low six bytes are zero, by its two high bytes.
std::string dbl(uint16_t high) { return std::string(6, '\0') + char(high & 0xFF) + char(high >> 8); }

TEST(DotsStrands, StoredFormsByteForByte) {
  Strand s{{}, 0xFF0000, CURVE_PEN_STYLE};
  EXPECT_EQ(stored(s, write_strand), "\x7F\x80\x80\xFC\x07\x80\x02");
  append_point(s, 0, 1, -2, 0.5, 0);
  append_point(s, 1, 0, 0, 0, -0.0);
  EXPECT_EQ(stored(s, write_strand), "\x01" + dbl(0) + dbl(0x3FF0) + dbl(0xC000) + dbl(0x3FE0) + dbl(0) +
                                         dbl(0x3FF0) + dbl(0) + dbl(0) + dbl(0) + dbl(0x8000) +
                                         "\x80\x80\xFC\x07\x80\x02");
  auto f = new_fill_poly(0xC000C0, true);
  add_vertex(*f, {0, 0});
  add_edge(*f, {100, -1});
  EXPECT_EQ(stored(*f, write_fill_poly), std::string("\x04\x00\x00\x00\x00\xE4\x00\x7F\xE4\x00\x7F\xC0\x81\x80\x06\x01", 16));
  Dot_Set d{{{1, 2}, {-64, 64}}, 0x0000FF};
  EXPECT_EQ(stored(d, write_dot_set), std::string("\x02\x01\x02\x40\xC0\x00\xFF\x01", 8));
}

// Any 64 bits as a double: NaNs with payloads, infinities, negative zero.
double any_double(std::mt19937& rng) { return std::bit_cast<double>(uint64_t(rng()) << 32 | rng()); }

TEST(DotsStrands, RandomRoundTripsAreExact) {
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    Strand s{{}, int32_t(rng()), int32_t(rng())};
    for (uint32_t i = rng() % 6; i > 0; --i)
      append_point(s, any_double(rng), any_double(rng), any_double(rng), any_double(rng), any_double(rng));
    Fill_Poly f{{}, int32_t(rng()), int32_t(rng() % 2)};
    Dot_Set d{{}, int32_t(rng())};
    for (uint32_t i = rng() % 8; i > 0; --i) {
      add_vertex(f, {int32_t(rng()), int32_t(rng())});
      add_dot(d, {int32_t(rng()), int32_t(rng())});
    }
    Byte_Str bytes;
    write_strand(bytes, s);
    write_fill_poly(bytes, f);
    write_dot_set(bytes, d);
    Mem_In_Stream in(bytes.first_p, n_elts(bytes));
    Strand s2 = read_strand(in);
    Fill_Poly f2 = read_fill_poly(in);
    Dot_Set d2 = read_dot_set(in);
    EXPECT_EQ(n_read(in), n_elts(bytes));
    ASSERT_EQ(s2.pts.size(), s.pts.size());
    EXPECT_TRUE(s.pts.empty() || std::memcmp(s2.pts.data(), s.pts.data(), s.pts.size() * sizeof(Hermite_Point)) == 0);
    EXPECT_EQ(std::tie(s2.colour, s2.style), std::tie(s.colour, s.style));
    EXPECT_EQ(std::tie(f2.verts, f2.colour, f2.filled), std::tie(f.verts, f.colour, f.filled));
    EXPECT_EQ(std::tie(d2.dots, d2.colour), std::tie(d.dots, d.colour));
  }
}

TEST(DotsStrands, DamagedStoredForms) {
  std::string cut = "\x01" + dbl(0x3FF0);
  Mem_In_Stream a(cut.data(), int32_t(cut.size()));
  EXPECT_EQ(message_of([&] { read_strand(a); }), "Not enough input");
  Mem_In_Stream b("\x7E");  // n = -2
  EXPECT_EQ(message_of([&] { read_strand(b); }), "Illegal int");
  Mem_In_Stream c("\x7F");  // a vertex count of -1
  EXPECT_EQ(message_of([&] { read_fill_poly(c); }), "Illegal int");
  Mem_In_Stream d("\xFF\xFF\xFF\xFF\x0F\x01");  // four billion dots, one byte of them
  EXPECT_EQ(message_of([&] { read_dot_set(d); }), "Illegal int");
}

TEST(DotsStrands, DrawingOnTheCanvas) {
  Unit_Canvas u;
  Graph_Picture pic;
  Strand& s = new_strand(pic, 0x0000FF, CURVE_PEN_STYLE);
  append_point(s, 0, 100, 200, 300, 0);
  append_point(s, 1, 1000, 400, 0, 600);
  shift_strand(s, 0.5, -0.5);
  // Points (150.5, 259.5) and (1050.5, 459.5) after the origin; controls a
  // third of the tangents away, forward ones nudged up, backward ones down.
  draw_strand(u.canvas, {50, 60}, s);
  EXPECT_EQ(u.take(), in_blue({"move_to 150 -260", "bezier_to 250 -260 1050 -261 1050 -460"}));
  straight_strand(pic, 0, 0, 300, 200, 0x0000FF, CURVE_PEN_STYLE);
  draw_strand(u.canvas, {10, 10}, *pic.strands[1]);
  EXPECT_EQ(u.take(), in_blue({"move_to 10 -11", "line_to 310 -211"}));
  draw_strand(u.canvas, {0, 0}, new_strand(pic, 0xFF0000, KEEP_PEN_STYLE));
  EXPECT_EQ(u.take(), Calls{});

  auto f = new_fill_poly(0x0000FF, true);
  add_vertex(*f, {0, 0});
  f->verts.insert(f->verts.end(), {{0, 100}, {100, 100}, {100, 0}});
  add_edge(*f, {0, 0});
  add_fill(pic, f);
  EXPECT_EQ(f, nullptr);
  draw_fill_poly(u.canvas, {5, 5}, *pic.fills[0]);
  EXPECT_EQ(u.take(), in_blue({"begin_path", "move_to 5 -6", "bezier_to 5 -106 105 -106 105 -6", "line_to 5 -6",
                               "end_path", "stroke_and_fill_path"}));
  pic.fills[0]->filled = 0;
  draw_fill_poly(u.canvas, {5, 5}, *pic.fills[0]);
  EXPECT_EQ(u.take(), in_blue({"move_to 5 -6", "bezier_to 5 -106 105 -106 105 -6", "line_to 5 -6"}));

  Dot_Set d{{{0, 0}, {1000, -500}}, 0x0000FF};
  draw_dot_set(u.canvas, {10, 20}, d);
  EXPECT_EQ(u.take(), in_blue({"rectangle -278 -308 298 268", "rectangle 722 192 1298 768"}));
  EXPECT_EQ(dot_set_bounds(d), (Rect{-288, 1288, -788, 288}));
  EXPECT_EQ(check_text([] {
    Fill_Poly empty{{}, 0, 0};
    add_edge(empty, {1, 1});
  }), "Assertion failed - file fill_poly:\rn0 > 0");
}

}  // namespace
