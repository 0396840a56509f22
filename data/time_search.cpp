#include "data/time_search.h"

#include <algorithm>
#include <cstdint>

#include "data/record_time.h"

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

RangeSearch FindRecordsInRange(const FluxTable& table, TimeOfDayRange range) {
  RangeSearch found;
  if (table.empty()) return found;
  const FluxRecord& head = table[0];
  found.firstSecond = head.SecondOfDay();
  found.lastSecond = table.records.back().SecondOfDay();
  const std::int64_t headMinute = RecordTime(head) - head.second;
  found.start = headMinute + AfterStart(head.MinuteOfDay() * 60, range.start, kSecondsPerDay);
  found.end = found.start + AfterStart(range.start, range.end, kSecondsPerDay);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::int64_t t = RecordTime(table[i]);
    if (t < found.start || t > found.end) continue;
    if (!found.rows) found.rows = RowRange{i, i};
    found.rows->last = i;
  }
  return found;
}

std::size_t FirstRowFrom(const FluxTable& table, std::int64_t second) {
  const auto it = std::ranges::lower_bound(table.records, second, {}, RecordTime);
  return static_cast<std::size_t>(it - table.records.begin());
}

std::size_t FirstRowAfter(const FluxTable& table, std::int64_t second) {
  const auto it = std::ranges::upper_bound(table.records, second, {}, RecordTime);
  return static_cast<std::size_t>(it - table.records.begin());
}

std::optional<RowRange> RowsInSeconds(const FluxTable& table, SecondRange seconds) {
  const std::size_t first = FirstRowFrom(table, seconds.first);
  const std::size_t end = FirstRowAfter(table, seconds.last);
  if (first >= end) return std::nullopt;
  return RowRange{first, end - 1};
}

std::optional<SecondRange> SecondsOfRows(const FluxTable& table, const std::optional<RowRange>& rows) {
  if (!rows || std::min(rows->first, rows->last) >= table.size()) return std::nullopt;
  const std::int64_t a = RecordTime(table[std::min(rows->first, rows->last)]);
  const std::int64_t b = RecordTime(table[std::min(std::max(rows->first, rows->last), table.size() - 1)]);
  return SecondRange{std::min(a, b), std::max(a, b)};
}

}  // namespace helvarra
