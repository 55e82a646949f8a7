#include "core/dates.h"

#include <gtest/gtest.h>

#include <chrono>

#include "core/err.h"

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
  EXPECT_EQ(julian_day({2000, 0, 1}), 2451545);
  EXPECT_EQ(julian_day2weekday0(2451545), 6);  // a Saturday
  EXPECT_EQ(julian_day({1582, 9, 15}), 2299161);
  EXPECT_EQ(julian_day({1582, 9, 4}), 2299160);
  EXPECT_EQ(julian_day2weekday0(2299161), 5);  // Friday after Thursday 4 October
  EXPECT_EQ(julian_day2weekday0(2299160), 4);
  EXPECT_EQ(julian_day({1970, 0, 1}), 2440588);
  EXPECT_EQ(julian_day({-4712, 0, 1}), 0);  // the start of the count
  EXPECT_EQ(julian_day2weekday0(0), 1);
  EXPECT_EQ(julian_day2weekday0(-1), 0);
  // The ten days dropped at the switch have no number.
  try {
    julian_day({1582, 9, 10});
    ADD_FAILURE() << "no assertion";
  } catch (const Misc_Static_Err& e) {
    std::string m = e.message();
    EXPECT_TRUE(m.starts_with("Assertion failed - file dates, line ")) << m;
    EXPECT_TRUE(m.ends_with(":\rres >= 2299161")) << m;
  }
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
