#include "core/font_runs.h"

#include <gtest/gtest.h>

#include <string>

#include "core/coding.h"
#include "tests/err_text.h"
#include "tests/core/internal_text.h"

namespace {

struct Runs_Out {
  std::string bytes;
  std::string runs;  // "coding:count" per run, blank-separated
};

Runs_Out runs_of(const std::string& text, int prefer_coding) {
  Byte_Str bytes;
  Tuple runs;
  to_runs(text.data(), int32_t(text.size()), prefer_coding, bytes, runs);
  Runs_Out res{std::string(bytes.first_p, size_t(n_elts(bytes))), ""};
  int32_t n_total = 0;
  for (int32_t i = 0; i < n_runs(runs); ++i) {
    if (i > 0) res.runs += " ";
    res.runs += std::to_string(run_coding(runs, i)) + ":" + std::to_string(run_n_bytes(runs, i));
    n_total += run_n_bytes(runs, i);
  }
  EXPECT_EQ(n_total, n_elts(bytes));
  return res;
}

std::string text_of(const std::string& font_bytes, int coding) {
  Byte_Str text;
  from_font(font_bytes.data(), int32_t(font_bytes.size()), coding, text);
  return std::string(text.first_p, size_t(n_elts(text)));
}

// Back to internal text run by run, as a reader of drawn or exported text would.
std::string round_trip(const std::string& text, int prefer_coding) {
  Byte_Str bytes;
  Tuple runs;
  to_runs(text.data(), int32_t(text.size()), prefer_coding, bytes, runs);
  std::string res;
  const char* p = bytes.first_p;
  for (int32_t i = 0; i < n_runs(runs); ++i) {
    res += text_of(std::string(p, size_t(run_n_bytes(runs, i))), run_coding(runs, i));
    p += run_n_bytes(runs, i);
  }
  return res;
}

const std::string ALPHA = internal(0x03B1);
const std::string LESS_EQUAL = internal(0x2264);

}  // namespace

TEST(ToRuns, CodingChangesOpenRuns) {
  Runs_Out r = runs_of("a" + LESS_EQUAL + "b", ROMAN_CODING);
  EXPECT_EQ(r.bytes, "a\xA3" "b");
  EXPECT_EQ(r.runs, "0:1 1:1 0:1");
  r = runs_of(LESS_EQUAL, ROMAN_CODING);
  EXPECT_EQ(r.bytes, "\xA3");
  EXPECT_EQ(r.runs, "1:1");
  r = runs_of("x" + internal(0x03C0) + internal(0x2212) + "2", ROMAN_CODING);
  EXPECT_EQ(r.bytes, "x\x70\x2D" "2");
  EXPECT_EQ(r.runs, "0:1 1:2 0:1");
  EXPECT_EQ(runs_of("", ROMAN_CODING).runs, "");
  EXPECT_EQ(runs_of(internal(0x20AC) + internal(0xE9), ROMAN_CODING).bytes, "\x80\xE9");
}

TEST(ToRuns, CharactersNoFontHasBecomeHexEscapes) {
  Runs_Out r = runs_of(internal(0x2193), ROMAN_CODING);
  EXPECT_EQ(r.bytes, "\x1F" "2193");
  EXPECT_EQ(r.runs, "0:5");
  r = runs_of(ALPHA + internal(0x4E2D) + internal(0xB7), ROMAN_CODING);
  EXPECT_EQ(r.bytes, "a\x1F" "4E2D\xB7");
  EXPECT_EQ(r.runs, "1:1 0:6");
  EXPECT_EQ(runs_of(internal(0x1F600), ROMAN_CODING).bytes, "\x1F" "1F600");
  EXPECT_EQ(runs_of(internal(0x1F600), ROMAN_CODING).runs, "0:6");
  // The character 0x7F is copied in roman text but has no font position.
  EXPECT_EQ(runs_of("\x7F", ROMAN_CODING).bytes, "\x7F");
  EXPECT_EQ(runs_of(ALPHA + "\x7F", ROMAN_CODING).bytes, "a\x1F" "007F");
  // The escape characters themselves travel as Symbol bytes.
  r = runs_of("a\x1F" "b\x1E", ROMAN_CODING);
  EXPECT_EQ(r.bytes, "a\x1F" "b\x1E");
  EXPECT_EQ(r.runs, "0:1 1:1 0:1 1:1");
}

TEST(ToRuns, CarriageReturnStaysInTheCurrentRun) {
  Runs_Out r = runs_of("a\rb", ROMAN_CODING);
  EXPECT_EQ(r.bytes, "a\r\nb");
  EXPECT_EQ(r.runs, "0:4");
  r = runs_of(ALPHA + "\r" + ALPHA, ROMAN_CODING);
  EXPECT_EQ(r.bytes, "a\r\na");
  EXPECT_EQ(r.runs, "1:4");
  r = runs_of("\r", SYMBOL_CODING);
  EXPECT_EQ(r.bytes, "\r\n");
  EXPECT_EQ(r.runs, "0:2");
  EXPECT_EQ(text_of("a\r\nb\rc\n\r\r\n", ROMAN_CODING), "a\rb\rc\n\r\r");
  EXPECT_EQ(round_trip("1\r2\r\r", ROMAN_CODING), "1\r2\r\r");
}

TEST(ToRuns, PreferringSymbolTakesTheSymbolBytesOfRomanCharacters) {
  Runs_Out r = runs_of("a+(b)", SYMBOL_CODING);
  EXPECT_EQ(r.bytes, "a+(b)");
  EXPECT_EQ(r.runs, "0:1 1:2 0:1 1:1");
  r = runs_of("2" + internal(0xD7) + "x", SYMBOL_CODING);  // multiplication sign
  EXPECT_EQ(r.bytes, "2\xB4x");
  EXPECT_EQ(r.runs, "1:2 0:1");
  EXPECT_EQ(runs_of("2" + internal(0xD7) + "x", ROMAN_CODING).bytes, "2\xD7x");
  EXPECT_EQ(runs_of("a*-b", SYMBOL_CODING).runs, "0:4");
  EXPECT_EQ(check_text([] { Byte_Str b; Tuple t; to_runs("a", 1, 3, b, t); }),
            "Assertion failed - file font_runs:\runsigned(prefer_coding) <= N_CODINGS");
}

TEST(ToRuns, PlainTextExportEscapesSymbolCharacters) {
  Runs_Out r = runs_of(ALPHA, EXPORT_CODING);
  EXPECT_EQ(r.bytes, "\x1E" "a");
  EXPECT_EQ(r.runs, "0:2");
  EXPECT_EQ(text_of(r.bytes, ROMAN_CODING), ALPHA);
  r = runs_of("x" + LESS_EQUAL + "1\r" + internal(0x2193) + "\x1F" + internal(0xFC), EXPORT_CODING);
  EXPECT_EQ(r.bytes, "x\x1E\xA3" "1\r\n\x1F" "2193\x1E\x1F\xFC");
  EXPECT_EQ(r.runs, "0:14");
  EXPECT_EQ(text_of(r.bytes, ROMAN_CODING), "x" + LESS_EQUAL + "1\r" + internal(0x2193) + "\x1F" + internal(0xFC));
}

TEST(FromFont, EscapesAndCodePageBytes) {
  EXPECT_EQ(text_of("\x1F" "2193", ROMAN_CODING), internal(0x2193));
  EXPECT_EQ(text_of("\x1F" "2a", ROMAN_CODING), "*");  // stops at the first other byte, either case
  EXPECT_EQ(text_of("\x1F" "123456", ROMAN_CODING), internal(0x1234) + "56");
  EXPECT_EQ(text_of("a\x1Fz", ROMAN_CODING), "az");  // no digit: U+0000 cannot live in internal text
  EXPECT_EQ(text_of("\x1E", ROMAN_CODING), "\x1E");  // nothing to escape
  EXPECT_EQ(text_of("\x1E" "p", ROMAN_CODING), internal(0x03C0));
  EXPECT_EQ(text_of("\x80\x81\xA3", ROMAN_CODING), internal(0x20AC) + "\x7F" + internal(0xA3));
  EXPECT_EQ(text_of("p\xA3\r\n", SYMBOL_CODING), internal(0x03C0) + LESS_EQUAL + "\r\n");
  std::string with_nul("a\0b", 3);
  EXPECT_EQ(text_of(with_nul, ROMAN_CODING), "ab");
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
