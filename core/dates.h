// Calendar services: day numbers, weekdays, the local date and time, and their
// texts for printed page headers.
#pragma once
#include <cstdint>

struct Date {
  int32_t year;   // e.g. 2001
  int32_t month;  // 0 for January to 11 for December
  int32_t day;    // 1 to 31
};

// The first day number of the Gregorian calendar, 15 October 1582; earlier
// day numbers are dates of the Julian calendar.
constexpr int32_t FIRST_GREGORIAN_DAY = 2299161;

// The Julian day number of a date.
int32_t julian_day(const Date& d);

// The weekday of a day number, 0 for Sunday.
inline int julian_day2weekday0(int32_t day_n) {
  int w = int((int64_t(day_n) + 1) % 7);
  return w < 0 ? w + 7 : w;
}

// The local date and the time of day in seconds since midnight.
struct Local_Time {
  Date date;
  int32_t secs;
};

// Now, from the platform's local time.
Local_Time today();

struct Out_Stream;

// "2001.Jan.05 Fri": the year right-aligned in four columns, the month, the
// day in two digits and the weekday.
void put_date_text(Out_Stream& s, const Date& d);
// "hh:mm:ss" of seconds since midnight.
void put_time_text(Out_Stream& s, int32_t secs);
// The date text, a blank and the time text.
void put_now_text(Out_Stream& s, const Local_Time& t);
