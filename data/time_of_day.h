#pragma once
// Times of day in Universal Time: how long after a start a time of day comes
// (one rule for midnight: a time earlier in the day than the start belongs to
// the next day), and the "HH:MM" text of a minute.

#include <string>

namespace helvarra {

inline constexpr int kMinutesPerDay = 1440;
inline constexpr int kSecondsPerDay = 86400;

// `time` less `start`, both in the same unit of a day of `period` units; a
// time before the start is one of the following day.
constexpr int AfterStart(int start, int time, int period) {
  const int after = time - start;
  return after < 0 ? after + period : after;
}

// "HH:MM" for a minute of the day (1440, the midnight that ends a day, reads
// "24:00").
std::string HourMinuteText(int minuteOfDay);

}  // namespace helvarra
