#include "core/dates.h"

#include <ctime>

#include "core/byte_str.h"
#include "core/err.h"
#include "core/num_format.h"

namespace {

const char* const MONTH_ABBREVS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const WEEKDAY_ABBREVS[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

}  // namespace

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
  int32_t sec = t.tm_sec < 59 ? t.tm_sec : 59;  // a leap second counts as the last of its minute
  Local_Time res{{t.tm_year + 1900, t.tm_mon, t.tm_mday}, t.tm_hour * 3600 + t.tm_min * 60 + sec};
  CHECK_AS(julian_day2weekday0(julian_day(res.date)) == t.tm_wday,
           "julian_day2weekday0(julian_day(today)) == t.wDayOfWeek");
  return res;
}

void put_date_text(Out_Stream& s, const Date& d) {
  CHECK(unsigned(d.month) < 12);
  format_int(s, d.year, 4);
  put_byte(s, '.');
  put_text(s, MONTH_ABBREVS[d.month]);
  put_byte(s, '.');
  format_int(s, d.day, 0, 2);
  put_byte(s, ' ');
  put_text(s, WEEKDAY_ABBREVS[julian_day2weekday0(julian_day(d))]);
}

void put_time_text(Out_Stream& s, int32_t secs) {
  format_int(s, secs / 3600, 0, 2);
  put_byte(s, ':');
  format_int(s, secs / 60 % 60, 0, 2);
  put_byte(s, ':');
  format_int(s, secs % 60, 0, 2);
}

void put_now_text(Out_Stream& s, const Local_Time& t) {
  put_date_text(s, t.date);
  put_byte(s, ' ');
  put_time_text(s, t.secs);
}
