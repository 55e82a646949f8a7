#include "core/dates.h"

#include <gtest/gtest.h>

#include <chrono>

#include "core/byte_str.h"
#include "tests/bytes_of.h"
#include "tests/err_text.h"

namespace {

bool gregorian_leap_q(int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
bool julian_leap_q(int32_t y) { return ((y % 4) + 4) % 4 == 0; }

int days_in_month(int32_t y, int32_t m, bool gregorian) {
  static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = gregorian ? gregorian_leap_q(y) : julian_leap_q(y);
  return DAYS[m] + (m == 1 && leap);
}

}  // namespace

TEST(JulianDay, WeekdaysBeforeDayZeroAndTheDroppedDays) {
  EXPECT_EQ(julian_day2weekday0(0), 1);
  EXPECT_EQ(julian_day2weekday0(-1), 0);
  // The ten days dropped at the switch to the Gregorian calendar have no number.
  EXPECT_EQ(check_text([] { julian_day({1582, 9, 10}); }), "Assertion failed - file dates:\rres >= 2299161");
}

// Counts day by day forwards through the Gregorian calendar and backwards
// through the Julian one from the switch, and checks each date's number and
// weekday against the civil calendar of the standard library.
TEST(JulianDay, AgreesWithADayCountOverThousandsOfYears) {
  namespace chr = std::chrono;
  int32_t n = 2299161;
  for (int32_t y = 1582; y <= 2600; ++y) {
    for (int32_t m = y == 1582 ? 9 : 0; m < 12; ++m) {
      for (int32_t d = y == 1582 && m == 9 ? 15 : 1; d <= days_in_month(y, m, true); ++d, ++n) {
        ASSERT_EQ(julian_day({y, m, d}), n) << y << "-" << m + 1 << "-" << d;
        chr::sys_days civil{chr::year(y) / chr::month(unsigned(m + 1)) / chr::day(unsigned(d))};
        ASSERT_EQ(n - 2440588, civil.time_since_epoch().count());
        ASSERT_EQ(julian_day2weekday0(n), int(chr::weekday(civil).c_encoding()));
      }
    }
  }
  n = 2299160;
  for (int32_t y = 1582; y >= -6000; --y) {
    for (int32_t m = y == 1582 ? 9 : 11; m >= 0; --m) {
      for (int32_t d = y == 1582 && m == 9 ? 4 : days_in_month(y, m, false); d >= 1; --d, --n)
        ASSERT_EQ(julian_day({y, m, d}), n) << y << "-" << m + 1 << "-" << d;
    }
  }
}

TEST(DateText, DatesTimesAndNow) {
  const std::pair<Date, const char*> dates[] = {{{2001, 0, 5}, "2001.Jan.05 Fri"}, {{2000, 0, 1}, "2000.Jan.01 Sat"},
      {{1999, 11, 31}, "1999.Dec.31 Fri"}, {{812, 5, 17}, " 812.Jun.17 Thu"}, {{1582, 9, 15}, "1582.Oct.15 Fri"}};
  for (auto& [d, text] : dates) EXPECT_EQ(written([&](Out_Stream& s) { put_date_text(s, d); }), text);
  for (auto [secs, text] :
       {std::pair(0, "00:00:00"), {86399, "23:59:59"}, {9 * 3600 + 5 * 60 + 7, "09:05:07"}, {10 * 3600 + 7, "10:00:07"}})
    EXPECT_EQ(written([&](Out_Stream& s) { put_time_text(s, secs); }), text);
  EXPECT_EQ(written([](Out_Stream& s) { put_now_text(s, {{2001, 0, 5}, 13 * 3600 + 60}); }),
            "2001.Jan.05 Fri 13:01:00");
  // Today is a valid local date and time.
  Local_Time now = today();
  EXPECT_GE(now.date.year, 2020);
  EXPECT_TRUE(now.date.month >= 0 && now.date.month <= 11 && now.date.day >= 1 && now.date.day <= 31);
  EXPECT_TRUE(now.secs >= 0 && now.secs <= 86399);
  EXPECT_EQ(written([&](Out_Stream& s) { put_now_text(s, now); }).size(), 24u);
}
