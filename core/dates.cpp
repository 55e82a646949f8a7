#include "core/dates.h"

#include <ctime>

#include "core/err.h"

int32_t julian_day(const Date& d) {
  int32_t y = d.year + 4712;
  int32_t m = d.month;
  if (m < 2) {
    m += 12;
    y = d.year + 4711;
  }
  // Floor division by 4, so that years before 4713 BC count their leap days too.
  int32_t res = d.day + (m + 2) * 153 / 5 + (y >> 2) + 365 * y - 63;
  if (res > FIRST_GREGORIAN_DAY - 1) {
    int32_t c = (y - 4712) / 100;
    res += c / 4 + 2 - c;
    // 5 to 14 October 1582 never existed.
    CHECK(res >= 2299161);
  }
  return res;
}

Local_Time today() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  if (localtime_r(&now, &t) == nullptr) raise_os_err_from_errno();
  // A leap second counts as the last second of its minute.
  Local_Time res{{t.tm_year + 1900, t.tm_mon, t.tm_mday}, t.tm_hour * 3600 + t.tm_min * 60 + (t.tm_sec < 59 ? t.tm_sec : 59)};
  CHECK(julian_day2weekday0(julian_day(res.date)) == t.tm_wday);
  return res;
}
