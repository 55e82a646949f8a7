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

// Windows names resolve through " Roman", " New" and the canonical names;
// Linux families stand in for the canonical ones by kind; a name the system
// lacks takes its kind's canonical family.
TEST(Font_Family, NamesResolveToTheSystemsFamiliesByKind) {
  const std::vector<std::string> WIN = {"Arial", "Courier New", "Times New Roman", "Symbol", "Palatino Roman",
                                        "Monaco", "Garamond New"};
  const std::vector<std::string> LINUX = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif", "Liberation Mono",
                                          "Liberation Sans", "Liberation Serif", "Nimbus Roman", "Sans Serif"};
  const std::vector<std::string> DEJAVU = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"};
  const struct {
    std::vector<std::string> list;
    const char* name;
    int32_t kind;
    const char* want;
  } cases[] = {
      {WIN, "Arial", 0, "Arial"}, {WIN, "Times", 1, "Times New Roman"}, {WIN, "Courier", 2, "Courier New"},
      {WIN, "Palatino", 1, "Palatino Roman"}, {WIN, "Garamond", 1, "Garamond New"}, {WIN, "Helvetica", 0, "Arial"},
      {WIN, "Zapf Chancery", 2, "Courier New"}, {WIN, "Zapf Chancery", 1, "Times New Roman"},
      {{"Monaco", "Arial"}, "Zapf Chancery", 2, "Monaco"}, {{"Arial"}, "Zapf Chancery", 2, "Default"},
      {{"Arial"}, "Times", 1, "Default"},
      {{"Foo New New", "Arial"}, "Foo New", 0, "Arial"},  // " New" is tried only once
      {LINUX, "Times", 1, "Liberation Serif"}, {LINUX, "Courier", 2, "Liberation Mono"},
      {LINUX, "Helvetica", 0, "Liberation Sans"}, {LINUX, "Zapf Chancery", 1, "Liberation Serif"},
      {DEJAVU, "Times", 1, "DejaVu Serif"}, {DEJAVU, "Courier", 2, "DejaVu Sans Mono"},
      {DEJAVU, "Helvetica", 0, "DejaVu Sans"}};
  for (const auto& k : cases) EXPECT_EQ(resolved(list_of(k.list), k.name, k.kind), k.want) << k.name << " " << k.kind;
  EXPECT_EQ(check_text([&] { resolved(list_of(WIN), "Arial", 3); }),
            "Assertion failed - file font_family:\runsigned(kind) < unsigned(N_FONT_FAMILY_KINDS)");
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
