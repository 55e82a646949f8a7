// The form in which Paste sends the clipboard's text: as it is, or with a
// line break put in front for contents that take rows only after one; and
// the clipboard's line ends as one carriage return each.
#include <gtest/gtest.h>

#include <string>

#include "shell/Wind_Con.h"
#include "shell/clip.h"
#include "tests/bytes_of.h"

namespace {

// A content taking every text, or (rows_q) only texts that start with a CR.
template <bool rows_q>
const Gui_Kind& taking_kind() {
  static const Gui_Kind k = {
      [](const Gui_Kind&, const void*) { return Sel(); },
      [](const Gui_Kind&, const void*, const Sel&) { return EMPTY_RECT; },
      [](const Gui_Kind&, const void*, const Sel&, Cmd& c) {
        auto& t = static_cast<Text_Partial_Cmd&>(c);
        if (rows_q && (n_elts(t.text) == 0 || t.text[0] != '\r')) return QUERY_REFUSED;
        t.n_consumed = n_elts(t.text);
        return 1;
      },
      nullptr, [](const Gui_Kind&, const void*) { return EMPTY_RECT; }, nullptr, nullptr, nullptr};
  return k;
}

std::string form(const Gui_Kind& k, const char* text) {
  Wind_Con w(k, nullptr);
  return bytes_of(paste_form(w, Byte_Str(text)));
}

TEST(PasteForm, CrInFrontRetry) {
  const struct {
    const char* text;
    std::string rows, any;
  } cases[] = {
      {"a", "", "a"},
      {"a\rb", "\ra\rb", "a\rb"},
      {"a\rb\r", "\ra\rb", "a\rb\r"},
      {"\ra\rb", "\ra\rb", "\ra\rb"},
      {"", "", ""},
      // U+06CC ends in a CR byte: neither a line break nor a final CR.
      {"b\xCC\x0D", "", "b\xCC\x0D"},
      {"a\rb\xCC\x0D", "\ra\rb\xCC\x0D", "a\rb\xCC\x0D"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(form(taking_kind<true>(), c.text), c.rows) << c.text;
    EXPECT_EQ(form(taking_kind<false>(), c.text), c.any) << c.text;
  }
  // A NUL, which would end the internal text, is dropped.
  Byte_Str clip = internal_of_clip_text("x\r\ny\0\nz\r\r\n", 10);
  EXPECT_EQ(bytes_of(clip), "x\ry\rz\r\r");
}

}  // namespace
