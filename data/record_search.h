#pragma once
// Finding a record by its time of day.

#include <optional>

#include "data/flux_data_file.h"

namespace helvarra {

struct TimeSearch {
  std::optional<int> index;             // the record found, if any
  int firstMinute = 0, lastMinute = 0;  // of the day, of the first and the last record read
};

// The first record, in file order and every 68 bytes as the viewer takes
// records, whose time comes at or after `minuteOfDay` counted on from the
// file's first record: a minute earlier in the day than that record's is one
// of the following day, as in the chart. No index when the file ends first.
// The file must be open; a read failure throws FileError as ReadRecord does.
TimeSearch FindRecordAtTime(FluxDataFile& file, int minuteOfDay);

}  // namespace helvarra
