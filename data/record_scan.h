#pragma once
// A file's records one after another by index, every 68 bytes as the viewer's
// indices take them: every record, and the search by time of day.

#include <cstdint>
#include <functional>
#include <optional>

#include "data/flux_data_file.h"

namespace helvarra {

// Calls `visit` with each record's index and text, from the first record on,
// until it returns false or the records end. The file must be open; a read
// failure throws FileError as ReadRecord does. The read position is left
// where the walk stopped.
void ForEachRecord(FluxDataFile& file, const std::function<bool(std::uint64_t, const FluxRecord&)>& visit);

struct TimeSearch {
  std::optional<int> index;             // the record found, if any
  int firstMinute = 0, lastMinute = 0;  // of the day, of the first and the last record read
};

// The first record whose time comes at or after `minuteOfDay` counted on from
// the file's first record: a minute earlier in the day than that record's is
// one of the following day, as in the chart. No index when the file ends first.
TimeSearch FindRecordAtTime(FluxDataFile& file, int minuteOfDay);

}  // namespace helvarra
