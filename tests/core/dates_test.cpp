#include "core/dates.h"

#include <gtest/gtest.h>

#include <chrono>

#include "core/err.h"
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

TEST(JulianDay, KnownDaysAndTheGregorianSwitch) {
  // 1 January 2000 was a Saturday; Friday 15 October 1582 followed Thursday 4 October.
  const std::tuple<Date, int32_t, int> cases[] = {{{2000, 0, 1}, 2451545, 6}, {{1582, 9, 15}, 2299161, 5},
      {{1582, 9, 4}, 2299160, 4}, {{1970, 0, 1}, 2440588, 4}, {{-4712, 0, 1}, 0, 1}};
  for (auto& [d, n, weekday] : cases) {
    EXPECT_EQ(julian_day(d), n) << d.year;
    EXPECT_EQ(julian_day2weekday0(n), weekday) << d.year;
  }
  EXPECT_EQ(julian_day2weekday0(-1), 0);
  // The ten days dropped at the switch have no number.
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

TEST(Today, IsAValidLocalDateAndTime) {
  Local_Time now = today();
  EXPECT_GE(now.date.year, 2020);
  EXPECT_TRUE(now.date.month >= 0 && now.date.month <= 11 && now.date.day >= 1 && now.date.day <= 31);
  EXPECT_TRUE(now.secs >= 0 && now.secs <= 86399);
}
