#include <gtest/gtest.h>

#include <string>

#include "core/byte_str.h"
#include "core/dates.h"
#include "tests/bytes_of.h"

namespace {


}  // namespace

TEST(DateText, DatesTimesAndNow) {
  const std::pair<Date, const char*> dates[] = {{{2001, 0, 5}, "2001.Jan.05 Fri"}, {{2000, 0, 1}, "2000.Jan.01 Sat"},
      {{1999, 11, 31}, "1999.Dec.31 Fri"}, {{812, 5, 17}, " 812.Jun.17 Thu"}, {{1582, 9, 15}, "1582.Oct.15 Fri"}};
  for (auto& [d, text] : dates) EXPECT_EQ(written([&](Out_Stream& s) { put_date_text(s, d); }), text);
  for (auto [secs, text] : {std::pair(0, "00:00:00"), {86399, "23:59:59"}, {9 * 3600 + 5 * 60 + 7, "09:05:07"}})
    EXPECT_EQ(written([&](Out_Stream& s) { put_time_text(s, secs); }), text);
  EXPECT_EQ(written([](Out_Stream& s) { put_now_text(s, {{2001, 0, 5}, 13 * 3600 + 60}); }),
            "2001.Jan.05 Fri 13:01:00");
  std::string now = written([](Out_Stream& s) { put_now_text(s, today()); });
  EXPECT_EQ(now.size(), 24u);
  EXPECT_EQ(now[4], '.');
  EXPECT_EQ(now[18], ':');
}
