#pragma once
// The absolute time of a record: seconds since 1970-01-01 00:00:00 UT, from
// the record's own date and time of day, in the proleptic Gregorian calendar
// and with no leap seconds. Every "seconds before" and "seconds after" is
// counted with it, so a file that crosses midnight (Learmonth and Palehua
// days do) counts on into the next date.

#include <cstdint>

#include "data/flux_record.h"
#include "data/time_of_day.h"

namespace helvarra {

// Days from 1970-01-01 to a date, negative before it: the civil-days formula,
// counting in eras of 400 years (146097 days) of years that start on 1 March,
// so that a leap day ends its year. A month or day out of range (the decoder
// keeps no such record) still gives a number, never an error.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

inline std::int64_t RecordTime(const FluxRecord& record) {
  return DaysFromCivil(record.year, record.month, record.day) * kSecondsPerDay + record.SecondOfDay();
}

}  // namespace helvarra
