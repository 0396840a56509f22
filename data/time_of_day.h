#pragma once
// Times of day in Universal Time: how long after a start a time of day comes
// (one rule for midnight: a time earlier in the day than the start belongs to
// the next day), the "HH:MM" and "HH:MM:SS" texts of a time, and reading a
// time or a range of times typed by the user.

#include <optional>
#include <string>
#include <string_view>

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

// "HH:MM:SS" for a second of the day.
std::string HourMinuteSecondText(int secondOfDay);

// "HH:MM" or "HH:MM:SS", 00:00 to 23:59:59, as a second of the day. The hour
// may have one digit ("7:05"), as --time takes it; minutes and seconds have
// two. Nothing else: no spaces, no signs.
std::optional<int> ParseTimeOfDay(std::string_view text);

// Two times of day, as seconds of the day. The end may be earlier in the day
// than the start: it is then on the following day.
struct TimeOfDayRange {
  int start = 0, end = 0;
};

// "HH:MM[:SS]-HH:MM[:SS]": two times of day as ParseTimeOfDay reads them,
// joined by one '-'.
std::optional<TimeOfDayRange> ParseTimeRange(std::string_view text);

}  // namespace helvarra
