#pragma once
// The record at a time of day, going on from a file's first record.

#include <optional>

#include "data/flux_table.h"

namespace helvarra {

struct TimeSearch {
  std::optional<int> index;             // the record found, if any
  int firstMinute = 0, lastMinute = 0;  // of the day, of the first and the last record
};

// The first record whose time comes at or after `minuteOfDay` counted on from
// the table's first record: a minute earlier in the day than that record's is
// one of the following day, as in the chart. No index when the table ends first.
TimeSearch FindRecordAtTime(const FluxTable& table, int minuteOfDay);

}  // namespace helvarra
