#include "data/record_search.h"

#include <cstdint>

#include "data/time_of_day.h"

namespace helvarra {

TimeSearch FindRecordAtTime(FluxDataFile& file, int minuteOfDay) {
  TimeSearch found;
  const std::uint64_t records = file.GetLength() / kRecordBytes;
  FluxRecord record;
  int target = 0;
  file.Seek(0, FluxDataFile::Origin::Begin);
  for (std::uint64_t i = 0; i < records && i <= INT32_MAX; ++i) {
    // Records every 68 bytes, whatever a read took; steps from the current
    // place are served from the reader's buffer.
    const std::int64_t here = file.Seek(0, FluxDataFile::Origin::Current);
    file.Seek(static_cast<std::int64_t>(i) * kRecordBytes - here, FluxDataFile::Origin::Current);
    if (!file.ReadRecord(record)) break;
    const int minute = MinuteOfDay(record.View());
    if (i == 0) {
      found.firstMinute = minute;
      target = AfterStart(minute, minuteOfDay, kMinutesPerDay);
    }
    found.lastMinute = minute;
    if (AfterStart(found.firstMinute, minute, kMinutesPerDay) >= target) {
      found.index = static_cast<int>(i);
      break;
    }
  }
  return found;
}

}  // namespace helvarra
