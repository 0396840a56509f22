#include "data/record_scan.h"

#include "data/time_of_day.h"

namespace helvarra {

void ForEachRecord(FluxDataFile& file, const std::function<bool(std::uint64_t, const FluxRecord&)>& visit) {
  const std::uint64_t records = file.GetLength() / kRecordBytes;
  FluxRecord record;
  file.Seek(0, FluxDataFile::Origin::Begin);
  for (std::uint64_t i = 0; i < records; ++i) {
    // Whatever a read took, the next record starts 68 bytes on; steps from
    // the current place are served from the reader's buffer.
    const std::int64_t here = file.Seek(0, FluxDataFile::Origin::Current);
    file.Seek(static_cast<std::int64_t>(i * kRecordBytes) - here, FluxDataFile::Origin::Current);
    if (!file.ReadRecord(record) || !visit(i, record)) return;
  }
}

TimeSearch FindRecordAtTime(FluxDataFile& file, int minuteOfDay) {
  TimeSearch found;
  int target = 0;
  ForEachRecord(file, [&](std::uint64_t i, const FluxRecord& record) {
    const int minute = MinuteOfDay(record.View());
    if (i == 0) {
      found.firstMinute = minute;
      target = AfterStart(minute, minuteOfDay, kMinutesPerDay);
    }
    found.lastMinute = minute;
    if (AfterStart(found.firstMinute, minute, kMinutesPerDay) < target) return i < INT32_MAX;
    found.index = static_cast<int>(i);
    return false;
  });
  return found;
}

}  // namespace helvarra
