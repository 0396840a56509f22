#include "data/time_search.h"

#include <cstdint>

#include "data/time_of_day.h"

namespace helvarra {

TimeSearch FindRecordAtTime(const FluxTable& table, int minuteOfDay) {
  TimeSearch found;
  if (table.empty()) return found;
  found.firstMinute = table[0].MinuteOfDay();
  found.lastMinute = table.records.back().MinuteOfDay();
  const int target = AfterStart(found.firstMinute, minuteOfDay, kMinutesPerDay);
  for (std::size_t i = 0; i < table.size() && i <= INT32_MAX; ++i) {
    if (AfterStart(found.firstMinute, table[i].MinuteOfDay(), kMinutesPerDay) >= target) {
      found.index = static_cast<int>(i);
      break;
    }
  }
  return found;
}

}  // namespace helvarra
