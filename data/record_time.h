#pragma once
// A record's time as one number: seconds since 1970-01-01 00:00 UT, from the
// record's own date and time of day, so that times run on across midnight
// and across the end of a month or a year.

#include <cstdint>

#include "data/flux_record.h"
#include "data/time_of_day.h"

namespace helvarra {

// Days from 1970-01-01 to a date of the Gregorian calendar (month 1..12);
// negative before 1970.
constexpr std::int64_t DaysSince1970(int year, int month, int day) {
  // Years counted from March, so that the leap day ends a year.
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;                           // 0..399
  const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;  // 0..11
  const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

inline std::int64_t AbsoluteSecond(const FluxRecord& record) {
  return DaysSince1970(record.year, record.month, record.day) * kSecondsPerDay + record.SecondOfDay();
}

}  // namespace helvarra
