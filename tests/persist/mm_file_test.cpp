// The model file's header, version rules and body framing, and the payloads
// of expressions, parameter rows and the Table's titles: exact bytes, exact
// messages, and random round trips that write the same bytes again.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/bin_codec.h"
#include "persist/doc_file.h"
#include "persist/mm_version.h"
#include "persist/payload_expr.h"
#include "persist/payload_params.h"
#include "persist/table_titles.h"
#include "tests/editor/expr_test_util.h"
#include "tests/err_text.h"
#include "tests/bytes_of.h"

namespace {

// A document of two text sections, "a" and "b"; version 1.0 files hold only "b".
struct Two_Texts {
  Byte_Str a, b;
  bool finished_q = false;
};
const Section_Io TEXT_IO = {[](Out_Stream& out, const void* s) { write_str(out, *static_cast<const Byte_Str*>(s)); },
                            [](Doc_In& in, void* s) { read_str(in.in, *static_cast<Byte_Str*>(s)); }};
const Section_Io TWO_IOS[] = {TEXT_IO, TEXT_IO};
const int32_t OLD_ORDER[] = {1};
const Doc_File_Kind TWO_TEXTS = {
    2, TWO_IOS, "Variables", OLD_ORDER, 1, [] { return static_cast<void*>(new Two_Texts()); },
    [](void* d, int32_t i) -> void* { return i == 0 ? &static_cast<Two_Texts*>(d)->a : &static_cast<Two_Texts*>(d)->b; },
    [](void* d) { static_cast<Two_Texts*>(d)->finished_q = true; }, [](void* d) { delete static_cast<Two_Texts*>(d); },
    nullptr};

// Reads bytes as a document: "a|b" and the notices shown, or the error's message.
std::string read_two(const std::string& bytes) {
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  std::string notices;
  try {
    auto* d = static_cast<Two_Texts*>(read_doc(in, TWO_TEXTS, [&](const std::string& t) { notices += t + ";"; }));
    std::string res = notices + bytes_of(d->a) + "|" + bytes_of(d->b) + (d->finished_q ? "" : " unfinished");
    delete d;
    return res;
  } catch (const Syntax_Err& e) {
    return notices + e.message();
  }
}

TEST(MmFile, VersionsAndBodies) {
  const std::string need = "You need to start Corvandile (or Corvandile Veza) version ";
  const std::pair<std::string, std::string> cases[] = {
      {"\x02\x05\x01x\x01y", "x|y"},
      {std::string("\x02\x00\x01x\x01y", 6), "Converting from file version 2.0;x|y"},
      {"\x01\x03\x01x\x01y", "Converting from file version 1.3;x|y"},
      {std::string("\x01\x00 \r\tVariables\x01y", 16), std::string("Converting from file version 1.0;|y")},
      {std::string("\x01\x00Varia\x01y", 9), "Converting from file version 1.0;Expected:  Variables"},
      {"\x02\x06\x01x\x01y", need + "2.6 or later to read this file."},
      {std::string("\x03\x00", 2), need + "3.0 or later to read this file."},
      {std::string("\x01\x06", 2), need + "1.6 or later to read this file."},
      {"\x02", "Illegal unsigned"},
      {"\x02\x05\x01x\x02y", "Not enough input"},
      {std::string("\x02\x05\x01x\x02y\x00", 7), "Illegal character string"},
  };
  for (const auto& [bytes, want] : cases) EXPECT_EQ(read_two(bytes), want) << bytes;
  Two_Texts d;
  assign(d.a, "x");
  assign(d.b, "yz");
  Byte_Str out;
  write_doc(out, TWO_TEXTS, &d);
  EXPECT_EQ(bytes_of(out), "\x02\x05\x01x\x02yz");
  // The format table at its edges.
  EXPECT_EQ(mm_format_i(1, 0), 1);
  EXPECT_EQ(mm_format_i(1, 5), 2);
  EXPECT_EQ(mm_format_i(2, 1), 3);
  EXPECT_EQ(mm_format_i(0, 5) + mm_format_i(-1, 0) + mm_format_i(2, -1), 0);
}

// Random trees over every case, the operator table and both delimiter sets.
Expr random_expr(std::mt19937& rng, int32_t depth) {
  static const char* const OPS[] = {"+", "-", "*", "/", "^", "=", ",", "\r", "", "\x93\x43", "\xE4\x44"};
  int32_t pick = depth > 4 ? 0 : int32_t(rng() % 3);
  if (pick == 0) {
    std::string s;
    for (uint32_t n = rng() % 4; n > 0; --n) s += char('a' + rng() % 26);
    if (rng() % 5 == 0) s += "\xB1\x07";  // a Greek letter
    return expr_str(s.data(), int32_t(s.size()));
  }
  if (pick == 1) {
    Byte_Str op_text(OPS[rng() % std::size(OPS)]);
    const Op& op = stored_op(op_text);
    return expr_infix(random_expr(rng, depth + 1), op, random_expr(rng, depth + 1));
  }
  bool round_q = rng() % 2;
  return expr_group(random_expr(rng, depth + 1), round_q ? '(' : '[', random_expr(rng, depth + 1),
                    round_q ? ')' : ']', random_expr(rng, depth + 1));
}

std::string expr_bytes(const Expr& e) {
  return written([&](Byte_Str& s) { write_expr(s, e); });
}

Expr read_back(const std::string& bytes) {
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  Expr e("old");
  read_expr(in, MATH_ENV, e);
  EXPECT_TRUE(at_end_q(in));
  return e;
}

TEST(MmFile, ExpressionPayload) {
  Expr sum = expr_infix(Expr("a"), stored_op(Byte_Str("+")), expr_group(Expr(), '(', Expr("b"), ')', Expr()));
  EXPECT_EQ(expr_bytes(sum), std::string("\x01\x00\x01" "a\x02\x00\x00\x00\x01" "b\x00\x00(\x01)\x01\x01+", 18));
  std::mt19937 rng(22);
  for (int i = 0; i < 400; ++i) {
    Expr e = random_expr(rng, 0);
    expr_restyle(e, MATH_ENV, 0);
    std::string bytes = expr_bytes(e);
    Expr back = read_back(bytes);
    ASSERT_EQ(debug_form(back), debug_form(e)) << i;
    ASSERT_EQ(expr_bytes(back), bytes) << i;
  }
  auto fails = [](const std::string& bytes) {
    return message_of<Syntax_Err>([&] { read_back(bytes); });
  };
  EXPECT_EQ(fails("\x03"), "Syntax Error");
  EXPECT_EQ(fails(std::string("\x01\x00\x00\x00\x00\x01?", 7)), "Infix operator not found:  ?");
  EXPECT_EQ(fails(std::string("\x02\x00\x00\x00\x00\x00\x00\x00\x00)\x01", 11)), "Syntax Error");  // NUL opening
  EXPECT_EQ(fails(std::string("\x02\x00\x00\x00\x00\x00\x00h\x01)\x01", 11)), "Syntax Error");  // no bracket
  EXPECT_EQ(fails(std::string("\x02\x00\x00\x00\x00\x00\x00(\x01(\x01", 11)), "Syntax Error");
  // A typed sum of 2000 terms nests as deep, and reads back; deeper than the limit fails.
  std::string sum_bytes(1999, '\x01');
  sum_bytes += std::string("\x00\x01x", 3);
  for (int i = 1; i < 2000; ++i) sum_bytes += std::string("\x00\x01x\x01+", 5);
  EXPECT_EQ(expr_bytes(read_back(sum_bytes)), sum_bytes);
  EXPECT_EQ(fails(std::string(size_t(MAX_STORED_DEPTH) + 1, '\x01')), "Syntax Error");
}

// The rows' bytes, which must write again the same after reading back.
std::string rows_round_trip(const std::vector<Param_Fields>& rows) {
  std::string bytes = written([&](Byte_Str& s) { write_param_rows(s, rows); });
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  std::vector<Param_Fields> back(5);
  read_param_rows(in, MATH_ENV, back);
  EXPECT_EQ(back.size(), rows.size());
  for (size_t j = 0; j < std::min(back.size(), rows.size()); ++j) EXPECT_EQ(back[j].slider.w, rows[j].slider.w);
  EXPECT_EQ(written([&](Byte_Str& s) { write_param_rows(s, back); }), bytes);
  return bytes;
}

TEST(MmFile, ParameterRows) {
  std::vector<Param_Fields> rows(2);
  assign(rows[0].low, "-10");
  rows[0].name = Expr("a");
  assign(rows[0].high, "10");
  assign(rows[0].value, "0.1");
  rows[0].slider = {5050, 5050, 19200};
  rows[1].name = Expr("b");
  rows[1].slider = {NO_THUMB, NO_THUMB, 1920};
  std::string bytes = rows_round_trip(rows);
  EXPECT_EQ(bytes.substr(0, 17), std::string("\x02\x03-10\x00\x01" "a\x02" "10\xBA\x27\xBA\x27\x64\x03", 17));
  // Random rows: texts, names and slider states read back and write the same bytes.
  std::mt19937 rng(7);
  for (int k = 0; k < 100; ++k) {
    std::vector<Param_Fields> some(rng() % 4);
    for (Param_Fields& r : some) {
      assign(r.low, std::to_string(int(rng() % 100) - 50).c_str());
      assign(r.value, std::to_string(rng() % 1000 / 7.0).c_str());
      r.name = random_expr(rng, 3);
      int32_t a = int32_t(rng() % 10002) - 1;
      r.slider = {a, rng() % 3 ? a : int32_t(rng() % 10001), int32_t(192 * (10 + rng() % 9991))};
    }
    rows_round_trip(some);
  }
  // Positions no slider makes show no thumb; a false count ends with the bytes.
  std::string wild = std::string("\x01\x00\x00\x00\x00\xA0\x9C\x01\x00\x64\x00", 11);
  Mem_In_Stream w(wild.data(), int32_t(wild.size()));
  read_param_rows(w, MATH_ENV, rows);
  EXPECT_EQ(rows[0].slider.a, NO_THUMB);
  EXPECT_EQ(message_of<Syntax_Err>([&] {
              Mem_In_Stream s("\x80\x80\x80\x80\x08");
              read_param_rows(s, MATH_ENV, rows);
            }),
            "Syntax Error");
}

TEST(MmFile, TableTitles) {
  std::vector<Byte_Str> titles = {Byte_Str("x"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")};
  Byte_Str out;
  write_table_titles(out, titles);
  EXPECT_EQ(bytes_of(out), "\x04\x01x\x01y\x02~y\x05Notes");
  Mem_In_Stream in(out.first_p, n_elts(out));
  std::vector<Byte_Str> back = read_table_titles(in);
  ASSERT_EQ(back.size(), 4u);
  EXPECT_EQ(bytes_of(back[2]) + bytes_of(back[3]), "~yNotes");
  auto fails = [](const char* bytes) {
    return message_of<Syntax_Err>([&] {
      Mem_In_Stream s(bytes);
      read_table_titles(s);
    });
  };
  EXPECT_EQ(fails("\x80\x80\x80\x80\x08"), "Syntax Error");  // 2^31: negative
  EXPECT_EQ(fails("\x80\x80\x80\x80\x80\x01"), "Illegal unsigned");
  EXPECT_EQ(fails("\x03\x01x"), "Illegal unsigned");
}

}  // namespace
