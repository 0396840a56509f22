#pragma once
// The record at a time of day, and the records of a range of times of day,
// going on from a file's first record.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "data/flux_table.h"
#include "data/time_of_day.h"

namespace helvarra {

struct TimeSearch {
  std::optional<int> index;             // the record found, if any
  int firstMinute = 0, lastMinute = 0;  // of the day, of the first and the last record
};

// The first record whose time comes at or after `minuteOfDay` counted on from
// the table's first record: a minute earlier in the day than that record's is
// one of the following day, as in the chart. No index when the table ends first.
TimeSearch FindRecordAtTime(const FluxTable& table, int minuteOfDay);

struct RangeSearch {
  std::optional<RowRange> rows;          // none: no record lies in the range
  std::int64_t start = 0, end = 0;      // the range found, as absolute times (record_time.h)
  int firstSecond = 0, lastSecond = 0;  // of the day, of the first and the last record
};

// The records of a range of times of day, going on from the table's first
// record as FindRecordAtTime does. The start is the first time of day
// `range.start` at or after the first record, its day settled at the minute
// as FindRecordAtTime settles it (22:30:00 is on the first record's day when
// that record is at 22:30:40; 22:29:59 is on the next). The end is the first
// time of day `range.end` at or after the start. The rows run from the first
// record whose absolute time lies in [start, end] to the last such record.
RangeSearch FindRecordsInRange(const FluxTable& table, TimeOfDayRange range);

}  // namespace helvarra
