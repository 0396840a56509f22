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

// A step of more than this between two records is a gap in the data: the
// chart does not join them, and a run of flux above the quiet level ends.
inline constexpr int kGapSeconds = 6;

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

// Seconds since 1970, both included.
struct SecondRange {
  std::int64_t first = 0, last = 0;
  friend bool operator==(const SecondRange&, const SecondRange&) = default;
};

struct CivilDate {
  std::int64_t year = 1970;
  int month = 1, day = 1;
};

// The date of a day counted from 1970-01-01: DaysFromCivil backwards.
constexpr CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1)};
}
static_assert(CivilFromDays(DaysFromCivil(2024, 2, 29)).day == 29 && CivilFromDays(0).year == 1970);

inline std::int64_t RecordTime(const FluxRecord& record) {
  return DaysFromCivil(record.year, record.month, record.day) * kSecondsPerDay + record.SecondOfDay();
}

// RecordTime for records read one after another: the day is worked out
// again only when the date changes.
class RecordClock {
 public:
  std::int64_t TimeOf(const FluxRecord& r) {
    if (r.day != day_ || r.month != month_ || r.year != year_) {
      year_ = r.year, month_ = r.month, day_ = r.day;
      dayStart_ = DaysFromCivil(r.year, r.month, r.day) * kSecondsPerDay;
    }
    return dayStart_ + r.SecondOfDay();
  }

 private:
  int year_ = -1, month_ = 0, day_ = 0;
  std::int64_t dayStart_ = 0;
};

// The UT instant of second 0 of the minute after the record's minute: the
// left edge of the chart window the record fixes.
inline std::int64_t WindowStartOf(const FluxRecord& record) { return RecordTime(record) - record.second + 60; }

}  // namespace helvarra
