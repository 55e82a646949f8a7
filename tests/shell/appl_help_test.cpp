// The version's text, the Tips byte for byte, and the paragraph that shows them.
#include <gtest/gtest.h>

#include "core/appl_version.h"
#include "shell/appl_help.h"
#include "shell/paragraph.h"
#include "shell/qt_text.h"
#include "tests/editor/editor_test_util.h"
#include "tests/bytes_of.h"

// The About text itself is checked byte for byte by the help script.
TEST(Help, VersionText) {
  EXPECT_EQ(version_text(APPL_VERSION), "2.5.1");
  EXPECT_EQ(version_text({2, 5, 1, 3}), "2.5.1.beta3");
}

// The signs are U+2217, U+2212 and U+03B4, each two bytes in the internal coding.
TEST(Help, TipsTextByteForByte) {
  const char* utf8 =
      "1. Type an equation such as y=a∗x^2+b∗x+c under Constraints and click on Graphs: sliders are made for the "
      "parameters a, b and c. Click or drag on a slider to change the graph, and click or drag on the graph to see "
      "how y depends on x.\n"
      "2. More variables: click inside or under the Indep Var or Dep Var table and press Enter; to remove a row, "
      "select the whole row with the mouse and press Delete. Example: add the dependent variable z, change the "
      "Constraints to y=m∗x and z=(−1/m)∗x, click on Graphs and drag the m slider: the lines stay perpendicular.\n"
      "3. Data: click on Table and type values separated by Tab and Enter; data typed in another program can be "
      "copied and pasted. The README's tour shows a table of data beside its model.\n"
      "4. Solve in the Analyze menu solves the Constraint equations; clicking on Graphs plots the data, graphs the "
      "approximating equations and shows root-mean-square errors.\n"
      "5. A Greek letter is typed by preceding it with Alt+G. Example: the Constraints y=sin(x), z=sin(x+δ), "
      "s=sin(x)+sin(x+δ) (Alt+G, then d, types δ); add the dependent variable s and drag the δ slider to go "
      "between constructive and destructive interference of sine waves.\n"
      "6. More: the README that comes with the program is a user's guide with a tour and the keys, and the "
      "numbered lessons in its examples folder (lesson1.mm, lesson2.mm, ...) teach it step by step; open the "
      "first and go on with Next File.";
  std::string tips = bytes_of(tips_text());
  EXPECT_EQ(tips, bytes_of(internal_of(QString::fromUtf8(utf8))));
  EXPECT_EQ(tips.substr(30, 5), "a\x97\x44x^");
}

TEST(Help, ParagraphBreaksOnlyAtWholeSpaces) {
  rec_screen();
  // U+1020 ends in the byte of a space, and U+2212 stays one word with its digit.
  Paragraph p = paragraph_of(Byte_Str("a\xA0\x20z \x92\x44\x31\rb"), 57600);
  ASSERT_EQ(p.words.size(), 3u);
  EXPECT_EQ(p.words[0].end, 4);
  EXPECT_EQ(p.words[1].start, 5);
  EXPECT_EQ(p.words[2].at.x, 0);
  EXPECT_LT(p.words[2].at.y, p.words[1].at.y);
  Byte_Str out;
  Copy_Cmd copy(out);
  Sel s = sel_of(0, 0);
  EXPECT_EQ(PARAGRAPH_KIND.query(PARAGRAPH_KIND, &p, s, copy), 1);
  Text_Partial_Cmd typed{Byte_Str("x")};
  EXPECT_EQ(PARAGRAPH_KIND.query(PARAGRAPH_KIND, &p, s, typed), QUERY_REFUSED);
  EXPECT_EQ(bytes_of(elt_text(PARAGRAPH_KIND, &p)), "a\xA0\x20z \x92\x44\x31\rb");
}
