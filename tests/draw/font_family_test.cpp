#include "draw/font_family.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/err.h"
#include "tests/err_text.h"

namespace {

Family_List list_of(std::vector<std::string> names) {
  std::vector<Font_Family> faces;
  for (const std::string& n : names) faces.push_back({n, n == "Symbol" ? SYMBOL_CHARSET : ANSI_CHARSET});
  return family_list_from_system(faces);
}

std::string resolved(const Family_List& list, const char* name, int32_t kind) {
  return family_resolve(list, name, kind, {"Default", ANSI_CHARSET}).name;
}

}  // namespace

TEST(Font_Family, TheSystemListLosesStyleWordsAndDuplicatesAndIsSorted) {
  std::vector<Font_Family> faces = {{"Zeta Bold", ANSI_CHARSET},  {"Arial Bold Italic", ANSI_CHARSET},
                                    {"Arial", SYMBOL_CHARSET}, {"Alpha Italic", SYMBOL_CHARSET},
                                    {"Zeta", ANSI_CHARSET},       {"Book Bold Roman", ANSI_CHARSET}};
  EXPECT_EQ(family_list_from_system(faces).families,
            (std::vector<Font_Family>{{"Alpha", SYMBOL_CHARSET},
                                      {"Arial", ANSI_CHARSET}, {"Book Roman", ANSI_CHARSET},
                                      {"Zeta", ANSI_CHARSET}}));
}

TEST(Font_Family, WindowsNamesResolveThroughRomanNewAndTheCanonicalNames) {
  Family_List win = list_of({"Arial", "Courier New", "Times New Roman", "Symbol", "Palatino Roman", "Monaco",
                             "Garamond New"});
  EXPECT_EQ(resolved(win, "Arial", 0), "Arial");
  EXPECT_EQ(resolved(win, "Times", 1), "Times New Roman");
  EXPECT_EQ(resolved(win, "Courier", 2), "Courier New");
  EXPECT_EQ(resolved(win, "Palatino", 1), "Palatino Roman");
  EXPECT_EQ(resolved(win, "Garamond", 1), "Garamond New");
  EXPECT_EQ(resolved(win, "Helvetica", 0), "Arial");
  // A name the system lacks takes its kind's canonical family.
  EXPECT_EQ(resolved(win, "Zapf Chancery", 2), "Courier New");
  EXPECT_EQ(resolved(win, "Zapf Chancery", 1), "Times New Roman");
  EXPECT_EQ(resolved(list_of({"Monaco", "Arial"}), "Zapf Chancery", 2), "Monaco");
  EXPECT_EQ(resolved(list_of({"Arial"}), "Zapf Chancery", 2), "Default");
  EXPECT_EQ(resolved(list_of({"Arial"}), "Times", 1), "Default");
  // " New" is tried only once.
  EXPECT_EQ(resolved(list_of({"Foo New New", "Arial"}), "Foo New", 0), "Arial");
  EXPECT_EQ(check_text([&] { resolved(win, "Arial", 3); }),
            "Assertion failed - file font_family:\runsigned(kind) < unsigned(N_FONT_FAMILY_KINDS)");
}

TEST(Font_Family, LinuxFamiliesStandInForTheCanonicalOnesByKind) {
  Family_List linux_list = list_of({"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif", "Liberation Mono",
                                    "Liberation Sans", "Liberation Serif", "Nimbus Roman", "Sans Serif"});
  EXPECT_EQ(resolved(linux_list, "Times", 1), "Liberation Serif");
  EXPECT_EQ(resolved(linux_list, "Courier", 2), "Liberation Mono");
  EXPECT_EQ(resolved(linux_list, "Helvetica", 0), "Liberation Sans");
  EXPECT_EQ(resolved(linux_list, "Zapf Chancery", 1), "Liberation Serif");
  Family_List dejavu = list_of({"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"});
  EXPECT_EQ(resolved(dejavu, "Times", 1), "DejaVu Serif");
  EXPECT_EQ(resolved(dejavu, "Courier", 2), "DejaVu Sans Mono");
  EXPECT_EQ(resolved(dejavu, "Helvetica", 0), "DejaVu Sans");
}

TEST(Font_Family, DefaultAndSymbolFamilies) {
  EXPECT_EQ(family_default(list_of({"Arial", "System"}), "System").name, "System");
  EXPECT_EQ(family_default(list_of({"Arial", "Zed"}), "System").name, "Arial");
  EXPECT_EQ(family_default(list_of({"Zed", "Symbol", "Yew"}), "System").name, "Yew");
  EXPECT_EQ(family_default(list_of({"Symbol"}), "System").name, "Symbol");

  Font_Family def = {"Default", ANSI_CHARSET};
  EXPECT_EQ(family_symbol(list_of({"Arial", "Symbol", "DejaVu Serif"}), def), (Font_Family{"Symbol", SYMBOL_CHARSET}));
  // Without a Symbol family its characters come from one that has them,
  // still read in the Symbol coding.
  EXPECT_EQ(family_symbol(list_of({"DejaVu Sans", "DejaVu Serif"}), def),
            (Font_Family{"DejaVu Serif", SYMBOL_CHARSET}));
  EXPECT_EQ(family_symbol(list_of({"Courier New"}), def), (Font_Family{"Courier New", SYMBOL_CHARSET}));
  EXPECT_EQ(family_symbol(list_of({"Arial"}), def), (Font_Family{"Default", SYMBOL_CHARSET}));
}
