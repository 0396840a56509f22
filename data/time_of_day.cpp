#include "data/time_of_day.h"

#include <cstdio>

namespace helvarra {

std::string HourMinuteText(int minuteOfDay) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

}  // namespace helvarra
