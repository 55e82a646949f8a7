#include "core/c_numeric.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/num_format.h"
#include "core/text_read.h"

// The platform layer sets the user's locale for the process; numbers in text
// must still use "." both ways. A German locale is compiled for the test,
// since machines seldom have one installed.
TEST(CNumeric, NumbersIgnoreTheProcessLocale) {
  char dir[] = "/tmp/veza_locale_XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string cmd = std::string("localedef -i de_DE -f UTF-8 ") + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
  if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "localedef (Debian package locales) is not installed";
  setenv("LOCPATH", dir, 1);
  ASSERT_NE(setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 2.5);
  EXPECT_STREQ(probe, "2,5");  // the locale took effect

  Byte_Str s;
  format_real(s, 2.25, 2, 1);
  EXPECT_TRUE(equal_q(s, "2.25"));
  Mem_In_Stream in("3.75");
  EXPECT_EQ(read_real(in), 3.75);
  std::snprintf(probe, sizeof probe, "%.1f", 2.5);
  EXPECT_STREQ(probe, "2,5");  // and is back after each conversion

  setlocale(LC_NUMERIC, "C");
  std::system((std::string("rm -rf ") + dir).c_str());
}
