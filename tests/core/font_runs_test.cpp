#include "core/font_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/coding.h"
#include "tests/bytes_of.h"
#include "tests/core/internal_text.h"
#include "tests/err_text.h"

namespace {

typedef std::vector<std::pair<int, std::string>> Runs;  // each run's coding and bytes

Runs runs_of(const std::string& text, int prefer_coding) {
  Byte_Str bytes;
  Tuple runs;
  to_runs(text.data(), int32_t(text.size()), prefer_coding, bytes, runs);
  Runs res;
  const char* p = bytes.first_p;
  for (int32_t i = 0; i < n_runs(runs); ++i) {
    res.push_back({run_coding(runs, i), std::string(p, size_t(run_n_bytes(runs, i)))});
    p += run_n_bytes(runs, i);
  }
  EXPECT_EQ(p - bytes.first_p, n_elts(bytes));
  return res;
}

std::string text_of(const std::string& font_bytes, int coding) {
  Byte_Str text;
  from_font(font_bytes.data(), int32_t(font_bytes.size()), coding, text);
  return bytes_of(text);
}

// Back to internal text run by run, as a reader of drawn or exported text would.
std::string round_trip(const std::string& text, int prefer_coding) {
  std::string res;
  for (const auto& [coding, bytes] : runs_of(text, prefer_coding)) res += text_of(bytes, coding);
  return res;
}

}  // namespace

TEST(ToRuns, BytesAndRunsOfTexts) {
  const std::string a = internal(0x03B1), le = internal(0x2264), arrow = internal(0x2193), times = internal(0xD7);
  struct Case {
    std::string text;
    int prefer;
    std::string bytes, runs;  // runs as "coding:count", blank-separated
  } cases[] = {
      // A change of coding opens a run.
      {"a" + le + "b", ROMAN_CODING, "a\xA3" "b", "0:1 1:1 0:1"}, {le, ROMAN_CODING, "\xA3", "1:1"},
      {"x" + internal(0x03C0) + internal(0x2212) + "2", ROMAN_CODING, "x\x70\x2D" "2", "0:1 1:2 0:1"},
      {"", ROMAN_CODING, "", ""}, {internal(0x20AC) + internal(0xE9), ROMAN_CODING, "\x80\xE9", "0:2"},
      // Characters no font has become hex escapes; 0x7F is copied in roman
      // text but has no font position; the escape characters travel as Symbol bytes.
      {arrow, ROMAN_CODING, "\x1F" "2193", "0:5"},
      {a + internal(0x4E2D) + internal(0xB7), ROMAN_CODING, "a\x1F" "4E2D\xB7", "1:1 0:6"},
      {internal(0x1F600), ROMAN_CODING, "\x1F" "1F600", "0:6"}, {"\x7F", ROMAN_CODING, "\x7F", "0:1"},
      {a + "\x7F", ROMAN_CODING, "a\x1F" "007F", "1:1 0:5"},
      {"a\x1F" "b\x1E", ROMAN_CODING, "a\x1F" "b\x1E", "0:1 1:1 0:1 1:1"},
      // A carriage return stays in the current run.
      {"a\rb", ROMAN_CODING, "a\r\nb", "0:4"}, {a + "\r" + a, ROMAN_CODING, "a\r\na", "1:4"},
      {"\r", SYMBOL_CODING, "\r\n", "0:2"},
      // Preferring Symbol takes the Symbol bytes of roman characters.
      {"a+(b)", SYMBOL_CODING, "a+(b)", "0:1 1:2 0:1 1:1"}, {"2" + times + "x", SYMBOL_CODING, "2\xB4x", "1:2 0:1"},
      {"2" + times + "x", ROMAN_CODING, "2\xD7x", "0:3"}, {"a*-b", SYMBOL_CODING, "a*-b", "0:4"},
      // Plain-text export escapes Symbol characters.
      {a, EXPORT_CODING, "\x1E" "a", "0:2"},
      {"x" + le + "1\r" + arrow + "\x1F" + internal(0xFC), EXPORT_CODING, "x\x1E\xA3" "1\r\n\x1F" "2193\x1E\x1F\xFC",
       "0:14"},
  };
  for (const Case& c : cases) {
    std::string bytes, runs;
    for (const auto& [coding, b] : runs_of(c.text, c.prefer)) {
      bytes += b;
      runs += (runs.empty() ? "" : " ") + std::to_string(coding) + ":" + std::to_string(b.size());
    }
    EXPECT_EQ(bytes, c.bytes) << "case " << &c - cases;
    EXPECT_EQ(runs, c.runs) << "case " << &c - cases;
    if (c.prefer == EXPORT_CODING) {
      EXPECT_EQ(text_of(bytes, ROMAN_CODING), c.text);
    }
  }
  EXPECT_EQ(round_trip("1\r2\r\r", ROMAN_CODING), "1\r2\r\r");
  EXPECT_EQ(check_text([] { runs_of("a", 3); }),
            "Assertion failed - file font_runs:\runsigned(prefer_coding) <= N_CODINGS");
}

TEST(FromFont, EscapesLineBreaksAndCodePageBytes) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"\x1F" "2193", ROMAN_CODING, internal(0x2193)},
      {"\x1F" "2a", ROMAN_CODING, "*"},  // stops at the first other byte, either case
      {"\x1F" "123456", ROMAN_CODING, internal(0x1234) + "56"},
      {"a\x1Fz", ROMAN_CODING, "az"},  // no digit: U+0000 cannot live in internal text
      {std::string("a\0b", 3), ROMAN_CODING, "ab"}, {"\x1E", ROMAN_CODING, "\x1E"},  // nothing to escape
      {"\x1E" "p", ROMAN_CODING, internal(0x03C0)},
      {"\x80\x81\xA3", ROMAN_CODING, internal(0x20AC) + "\x7F" + internal(0xA3)},
      {"p\xA3\r\n", SYMBOL_CODING, internal(0x03C0) + internal(0x2264) + "\r\n"},
      {"a\r\nb\rc\n\r\r\n", ROMAN_CODING, "a\rb\rc\n\r\r"}};
  for (const auto& [bytes, coding, text] : cases) EXPECT_EQ(text_of(bytes, coding), text) << bytes;
  // Only the bytes given are read.
  EXPECT_EQ(written([](Byte_Str& s) { from_font("ab", 1, ROMAN_CODING, s); }), "a");
  EXPECT_EQ(written([](Byte_Str& s) { from_font("ab", 1, SYMBOL_CODING, s); }), internal(0x03B1));
  EXPECT_EQ(check_text([] { text_of("a", EXPORT_CODING); }),
            "Assertion failed - file font_runs:\runsigned(coding) < N_CODINGS");
}

// Every character of both fonts survives drawing, preferring either font, and
// plain-text export, alone and in one long text that mixes the fonts.
TEST(FontRuns, EveryTableCharacterRoundTrips) {
  for (int prefer = 0; prefer <= EXPORT_CODING; ++prefer) {
    std::string all;
    for (int coding = 0; coding < N_CODINGS; ++coding) {
      for (int b = 1; b < 256; ++b) {
        uint32_t cp = font_code_points(coding)[b];
        std::string one = internal(cp);
        ASSERT_EQ(round_trip(one, prefer), one) << "coding " << coding << " byte " << b << " prefer " << prefer;
        // A carriage return in a Symbol run would come back with its line feed.
        if (cp != '\r') all += one;
      }
    }
    EXPECT_EQ(round_trip(all, prefer), all) << "prefer " << prefer;
  }
}
