#include "data/time_of_day.h"

#include <cstdio>

namespace helvarra {
namespace {

// The number `text` spells in `least` to `most` ASCII digits.
std::optional<int> Digits(std::string_view text, std::size_t least, std::size_t most) {
  if (text.size() < least || text.size() > most) return std::nullopt;
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::string HourMinuteText(int minuteOfDay) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

std::string HourMinuteSecondText(int secondOfDay) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  return text;
}

std::optional<int> ParseTimeOfDay(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view rest = text.substr(colon + 1);
  const std::size_t secondColon = rest.find(':');
  const auto hour = Digits(text.substr(0, colon), 1, 2);
  const auto minute = Digits(rest.substr(0, secondColon), 2, 2);
  const auto second =
      secondColon == std::string_view::npos ? std::optional<int>(0) : Digits(rest.substr(secondColon + 1), 2, 2);
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return *hour * 3600 + *minute * 60 + *second;
}

std::optional<TimeOfDayRange> ParseTimeRange(std::string_view text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto start = ParseTimeOfDay(text.substr(0, dash));
  const auto end = ParseTimeOfDay(text.substr(dash + 1));
  if (!start || !end) return std::nullopt;
  return TimeOfDayRange{*start, *end};
}

}  // namespace helvarra
